#pragma once
// Virtual stand-ins for everything outside the program: time that advances
// only when a test says so, a scripted dialog, an in-memory settings store, a
// fixed clock and screen, and a serial port that records what is written.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/platform.h"

namespace tavu::testing {

class VirtualScheduler final : public platform::Scheduler {
 public:
  std::unique_ptr<platform::Timer> createTimer(int milliseconds, std::function<void()> onTimeout) override;
  void post(int milliseconds, std::function<void()> callback) override;
  std::int64_t nowMs() const override { return now_; }

  // Runs every timer and posted callback that falls due within the next `ms`.
  void advance(std::int64_t ms);
  // Advances until `done` holds (checked after every event), at most `limitMs`.
  bool advanceUntil(const std::function<bool()>& done, std::int64_t limitMs);

 private:
  friend class VirtualTimer;
  struct Entry {
    std::int64_t due;
    std::uint64_t order;
    std::uint64_t id;
  };
  std::uint64_t schedule(std::int64_t due);
  void cancel(std::uint64_t id);
  bool runNext(std::int64_t limit);

  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  std::uint64_t nextId_ = 1;
  std::vector<Entry> queue_;
  std::map<std::uint64_t, std::function<void()>> actions_;
};

class ScriptedDialogs final : public platform::Dialogs {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  bool ask(const std::string& text) override;
  std::optional<std::string> chooseFileToOpen(const std::string& filter) override;
  std::optional<std::string> chooseFileToSave(const std::string& filter) override;

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;                       // popped per question; No when empty
  std::deque<std::optional<std::string>> files;   // popped per file choice; cancel when empty
};

class MemoryStore final : public platform::SettingsStore {
 public:
  std::optional<std::string> read(const std::string& group, const std::string& key) override;
  void write(const std::string& group, const std::string& key, const std::string& value) override;
  std::map<std::string, std::string> values;  // "group/key" -> value
  bool writable = true;
};

class FixedClock final : public platform::Clock {
 public:
  DateTime now() const override { return when; }
  DateTime when{2026, 12, 11, 10, 30, 0};
};

class FixedScreen final : public platform::Screen {
 public:
  int width() const override { return w; }
  int height() const override { return h; }
  int w = 1920, h = 1080;
};

class RecordingLinks final : public platform::LinkOpener {
 public:
  void open(const std::string& address) override { opened.push_back(address); }
  std::vector<std::string> opened;
};

// A port that keeps every write and lets the test hand it received bytes.
class RecordingPort final : public platform::SerialPort {
 public:
  std::optional<std::vector<std::string>> availablePorts() override { return ports; }
  bool open(const std::string& name) override;
  void close() override { openName.reset(); }
  bool isOpen() const override { return openName.has_value(); }
  void configure(const platform::LineSettings& s) override { settings = s; }
  void write(const Bytes& piece) override { writes.push_back(piece); }
  void pause(int milliseconds) override { pauses.push_back({writes.size(), milliseconds}); }
  std::size_t bytesAvailable() override { return inbox.size(); }
  Bytes read(std::size_t count) override;
  void clearError() override { ++errorsCleared; }
  std::string errorString() const override { return error; }

  // Delivers these (already scrambled) bytes as one receive event.
  void receive(const Bytes& wire);

  std::optional<std::vector<std::string>> ports = std::vector<std::string>{};
  std::vector<std::string> refused;  // names that fail to open
  std::string error = "The port cannot be opened.";
  std::optional<std::string> openName;
  platform::LineSettings settings;
  std::vector<Bytes> writes;
  std::vector<std::pair<std::size_t, int>> pauses;  // (writes before the pause, ms)
  Bytes inbox;
  int errorsCleared = 0;
};

// A bundle of the virtual parts with the platform view the core takes.
struct VirtualPlatform {
  explicit VirtualPlatform(platform::SerialPort& port);
  // The same parts around another port (one that needs this scheduler first).
  platform::Platform with(platform::SerialPort& port) {
    return {port, scheduler, dialogs, settings, clock, locale, links, screen};
  }
  VirtualScheduler scheduler;
  ScriptedDialogs dialogs;
  MemoryStore settings;
  FixedClock clock;
  platform::FixedLocale locale = platform::FixedLocale::Polish();
  RecordingLinks links;
  FixedScreen screen;
  platform::Platform view;
};

}  // namespace tavu::testing
