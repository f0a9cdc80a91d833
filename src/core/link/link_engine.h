#pragma once
// The conversation with the controller: the greeting and firmware check, the
// command queue, the live-data poll, reply assembly, time-outs and the hand-over
// of every complete reply to its decoder.
#include <functional>
#include <memory>
#include <string>

#include "core/lang/language_table.h"
#include "core/link/wire_codec.h"
#include "core/platform/platform.h"
#include "core/window/window_model.h"

namespace tavu {

namespace link_state {
inline constexpr const char* kNone = "";
inline constexpr const char* kGreetingSent = "w_s_0";
inline constexpr const char* kGreetingAssembling = "w_s_count";
inline constexpr const char* kConnectComplete = "T_C_start";
inline constexpr const char* kIdle = "count";
inline constexpr const char* kRequestSent = "read_count";
inline constexpr const char* kReplyAssembling = "read_count_1";
}  // namespace link_state

// The link's fixed messages; the time-out and the newer-tool prefix are rows of
// the language table and follow the chosen language.
namespace link_text {
inline constexpr const char* kAttemptsOut = "Time out - Error1";
inline constexpr const char* kInitError = "Init Error";
}  // namespace link_text

inline constexpr const char* kSaveMarker = "ZAPIS";
inline constexpr int kTickMs = 240;
inline constexpr int kSlowTickFlag = 0x400;
inline constexpr int kReplyTimeoutMs = 3000;
inline constexpr int kConnectAttempts = 5;

// The three slots of the command queue.
struct TCommandQueue {
  Bytes current;    // the framed command awaiting its reply
  Bytes next;       // a bare command to follow
  Bytes afterNext;  // a bare command after that, or the marker "ZAPIS"
};

// What the link calls in the rest of the tool. Any hook may be left empty.
struct LinkHooks {
  std::function<void(const Bytes& image)> decodeSettings;
  std::function<void(const Bytes& reply)> decodeLive;
  std::function<void(const Bytes& block)> decodeService;
  std::function<void()> writeDataFile;
  std::function<void(const std::string& variant)> applyVariant;
  std::function<void()> disconnect;  // the whole disconnect of the window, which calls ResetLink()
  std::function<void()> afterEvent;  // after every serial or timer event
};

class LinkEngine {
 public:
  LinkEngine(const platform::Platform& platform, window::WindowModel& model, const LanguageTable& texts,
             LinkHooks hooks);
  ~LinkEngine();
  LinkEngine(const LinkEngine&) = delete;
  LinkEngine& operator=(const LinkEngine&) = delete;

  // Connect: from the user (the menu item, a port item or the switch) or, with
  // fromUser false, a retry of the greeting.
  void polaczClick(bool fromUser);
  // The one way to send: frames the command, keeps it in `current` and sends it
  // on the next tick. Set CommandAttempts first.
  void QueueCommand(const Bytes& command, const Bytes& next = {}, const Bytes& afterNext = {});
  // The link's part of a disconnect: port closed, state, queue and timers cleared.
  void ResetLink();
  // Hands an all-zero frame to the live decoder so the dashboard reads zero.
  void BlankDashboard();

  void GreyWindow();
  void ReleaseWindow();
  // A bulk transfer (data file, factory reset, the end of an adaptation) greys the
  // window and slows the tick until the settings reply that ends it is decoded.
  void BeginBulkTransfer();

  // Events.
  void ComPort1RxChar(std::size_t count);
  void Timer_CountTimer();
  void Timer_Czekaj_na_odczytTimer();

  // The port the link opens.
  void setPortName(std::string name) { portName_ = std::move(name); }
  const std::string& portName() const { return portName_; }

  int CommandAttempts = 0;
  int ConnectAttempts = kConnectAttempts;
  int LastCommandByte = -1;
  std::string ControllerVariant;
  Bytes SettingsImage;
  RetainedService Retained;

  const std::string& LinkState() const { return linkState_; }
  const TCommandQueue& Queue() const { return queue_; }
  TCommandQueue& MutableQueue() { return queue_; }
  const Bytes& ReplyBuffer() const { return replyBuffer_; }
  int ExpectedLength() const { return expectedLength_; }
  bool SlowTick() const { return (tick_->interval() & kSlowTickFlag) != 0; }
  const platform::Timer& Tick() const { return *tick_; }
  const platform::Timer& ReplyTimer() const { return *replyTimer_; }

 private:
  void EnqueueFrame(Bytes frame, const Bytes& next, const Bytes& afterNext);
  void AcceptReply();
  void Send(const Bytes& frame);
  void SetSlowTick(bool slow);
  // Firmware check on the version bytes; returns false when the version is unknown.
  void IdentifyFirmware(std::uint8_t a, std::uint8_t b, std::uint8_t c);
  void ShowVersion(std::uint8_t a, std::uint8_t b, std::uint8_t c);
  bool VersionPanelBare() const;
  void ReadLengthFrom(const Bytes& bytes);
  void ReceiveGreetingFirst(const Bytes& chunk);
  void ReceiveGreetingRest(const Bytes& chunk);
  void Disconnect();
  void Message(const std::string& text);
  void AfterEvent();

  platform::Platform platform_;  // a bundle of references, copied
  window::WindowModel& model_;
  const LanguageTable& texts_;
  LinkHooks hooks_;
  std::unique_ptr<platform::Timer> tick_;
  std::unique_ptr<platform::Timer> replyTimer_;

  std::string portName_;
  std::string linkState_;
  TCommandQueue queue_;
  Bytes replyBuffer_;
  int expectedLength_ = 0;
};

// The fixed frames of the link.
inline const Bytes kGreetingFrame{0xAA, 0x66, 0x01, 0x11};
inline const Bytes kPollFrame{0xAA, 0x55, 0x01, 0x00};

}  // namespace tavu
