#include "virtual_platform.h"

#include <algorithm>

namespace tavu::testing {

class VirtualTimer final : public platform::Timer {
 public:
  VirtualTimer(VirtualScheduler& s, int ms, std::function<void()> cb) : s_(s), interval_(ms), cb_(std::move(cb)) {}
  ~VirtualTimer() override { stop(); }
  void start() override {
    stop();
    arm();
  }
  void stop() override {
    if (id_) s_.cancel(id_);
    id_ = 0;
  }
  bool isActive() const override { return id_ != 0; }
  void setInterval(int ms) override {
    interval_ = ms;
    if (isActive()) start();
  }
  int interval() const override { return interval_; }

 private:
  void arm() {
    id_ = s_.schedule(s_.nowMs() + interval_);
    const auto mine = id_;
    s_.actions_[id_] = [this, mine] {
      if (id_ != mine) return;
      arm();  // a repeating timer: the next period starts as this one ends
      cb_();
    };
  }
  VirtualScheduler& s_;
  int interval_;
  std::function<void()> cb_;
  std::uint64_t id_ = 0;
};

std::unique_ptr<platform::Timer> VirtualScheduler::createTimer(int milliseconds, std::function<void()> onTimeout) {
  return std::make_unique<VirtualTimer>(*this, milliseconds, std::move(onTimeout));
}

void VirtualScheduler::post(int milliseconds, std::function<void()> callback) {
  const auto id = schedule(now_ + std::max(0, milliseconds));
  actions_[id] = std::move(callback);
}

std::uint64_t VirtualScheduler::schedule(std::int64_t due) {
  const auto id = nextId_++;
  queue_.push_back({due, nextOrder_++, id});
  return id;
}

void VirtualScheduler::cancel(std::uint64_t id) {
  std::erase_if(queue_, [id](const Entry& e) { return e.id == id; });
  actions_.erase(id);
}

bool VirtualScheduler::runNext(std::int64_t limit) {
  auto it = std::min_element(queue_.begin(), queue_.end(), [](const Entry& a, const Entry& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  });
  if (it == queue_.end() || it->due > limit) return false;
  const Entry e = *it;
  queue_.erase(it);
  now_ = std::max(now_, e.due);
  auto node = actions_.extract(e.id);
  if (node) node.mapped()();
  return true;
}

void VirtualScheduler::advance(std::int64_t ms) {
  const auto target = now_ + ms;
  while (runNext(target)) {
  }
  now_ = target;
}

bool VirtualScheduler::advanceUntil(const std::function<bool()>& done, std::int64_t limitMs) {
  const auto target = now_ + limitMs;
  if (done()) return true;
  while (runNext(target))
    if (done()) return true;
  now_ = target;
  return done();
}

bool ScriptedDialogs::ask(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) return false;
  const bool a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedDialogs::chooseFileToOpen(const std::string&) {
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

std::optional<std::string> ScriptedDialogs::chooseFileToSave(const std::string& filter) {
  return chooseFileToOpen(filter);
}

std::optional<std::string> MemoryStore::read(const std::string& group, const std::string& key) {
  auto it = values.find(group + "/" + key);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void MemoryStore::write(const std::string& group, const std::string& key, const std::string& value) {
  if (writable) values[group + "/" + key] = value;
}

bool RecordingPort::open(const std::string& name) {
  if (openName) return true;
  if (std::find(refused.begin(), refused.end(), name) != refused.end() || name.empty()) return false;
  openName = name;
  return true;
}

Bytes RecordingPort::read(std::size_t count) {
  count = std::min(count, inbox.size());
  Bytes out(inbox.begin(), inbox.begin() + static_cast<std::ptrdiff_t>(count));
  inbox.erase(inbox.begin(), inbox.begin() + static_cast<std::ptrdiff_t>(count));
  return out;
}

void RecordingPort::receive(const Bytes& wire) {
  inbox.insert(inbox.end(), wire.begin(), wire.end());
  notifyReceived(inbox.size());
}

VirtualPlatform::VirtualPlatform(platform::SerialPort& port)
    : view{port, scheduler, dialogs, settings, clock, locale, links, screen} {}

}  // namespace tavu::testing
