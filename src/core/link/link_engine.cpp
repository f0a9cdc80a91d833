#include "core/link/link_engine.h"

namespace tavu {
namespace {

bool IsGreetingState(const std::string& state) {
  return state == link_state::kGreetingSent || state == link_state::kGreetingAssembling;
}

// Byte 3 of the greeting reply: the settings image answers the greeting, the read
// or the factory reset.
bool IsGreetingEcho(std::uint8_t b) { return b == 0x66 || b == 0x26 || b == 0x0C; }

std::string LastTwoDigits(int value) {
  const std::string text = std::to_string(value + 100);
  return text.substr(text.size() - 2);
}

}  // namespace

LinkEngine::LinkEngine(const platform::Platform& platform, window::WindowModel& model, const LanguageTable& texts,
                       LinkHooks hooks)
    : platform_(platform), model_(model), texts_(texts), hooks_(std::move(hooks)) {
  tick_ = platform_.scheduler.createTimer(kTickMs, [this] {
    Timer_CountTimer();
    AfterEvent();
  });
  replyTimer_ = platform_.scheduler.createTimer(kReplyTimeoutMs, [this] {
    Timer_Czekaj_na_odczytTimer();
    AfterEvent();
  });
  platform_.port.setReceiveHandler([this](std::size_t count) {
    ComPort1RxChar(count);
    AfterEvent();
  });
}

LinkEngine::~LinkEngine() { platform_.port.setReceiveHandler(nullptr); }

void LinkEngine::AfterEvent() {
  if (hooks_.afterEvent) hooks_.afterEvent();
}

void LinkEngine::Message(const std::string& text) { platform_.dialogs.showMessage(text); }

void LinkEngine::Disconnect() {
  if (hooks_.disconnect) {
    hooks_.disconnect();
  } else {
    ResetLink();
  }
}

void LinkEngine::ResetLink() {
  platform_.port.close();
  linkState_.clear();
  LastCommandByte = -1;
  queue_ = {};
  CommandAttempts = 0;
  replyTimer_->stop();
  tick_->stop();
}

void LinkEngine::BlankDashboard() {
  replyBuffer_.assign(500, 0x00);
  if (hooks_.decodeLive) hooks_.decodeLive(replyBuffer_);
  replyBuffer_.clear();
}

void LinkEngine::GreyWindow() {
  model_.inputEnabled = false;
  model_.Panel1Gora.color = colors::kGray;
  model_.Zaplon_panel.color = colors::kGray;
}

void LinkEngine::ReleaseWindow() {
  model_.inputEnabled = true;
  model_.Panel1Gora.color = colors::kButtonFace;
  model_.Zaplon_panel.color = colors::kButtonFace;
}

void LinkEngine::BeginBulkTransfer() {
  GreyWindow();
  SetSlowTick(true);
}

void LinkEngine::SetSlowTick(bool slow) {
  const int period = slow ? (tick_->interval() | kSlowTickFlag) : (tick_->interval() & 0x3FF);
  if (period != tick_->interval()) tick_->setInterval(period);
}

void LinkEngine::Send(const Bytes& frame) {
  expectedLength_ = 0;
  TransmitFrame(platform_.port, frame);
}

bool LinkEngine::VersionPanelBare() const { return model_.StatusBar1[0].text == window::kVersionPanelBare; }

void LinkEngine::IdentifyFirmware(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
  const std::string version = std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c);
  if (version == "3.7.7") ControllerVariant = "ver_1";
  if (version == "5.9.11") ControllerVariant = "ver_2";
}

void LinkEngine::ShowVersion(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
  model_.StatusBar1[0].text = "TAVU ver. " + std::to_string(a) + "." + LastTwoDigits(b) + "." + LastTwoDigits(c);
}

void LinkEngine::polaczClick(bool fromUser) {
  ControllerVariant.clear();
  model_.StatusBar1[0].text = window::kVersionPanelBare;
  auto& lastConnection = model_.StatusBar1[1].text;
  if (const auto colon = lastConnection.find(':'); colon != std::string::npos) {
    std::size_t end = colon + 1;
    if (end < lastConnection.size()) {
      ++end;  // the one character after the colon, whole even when it is not ASCII
      while (end < lastConnection.size() && (static_cast<unsigned char>(lastConnection[end]) & 0xC0) == 0x80) ++end;
    }
    lastConnection.erase(end);
  }
  model_.StatusBar1[1].visible = false;

  if (fromUser) {
    ConnectAttempts = kConnectAttempts;
  } else {
    --ConnectAttempts;
    platform_.port.clearError();
  }

  model_.szybkosc.index = 0;  // the line is set to its one speed once the port is open
  replyBuffer_.clear();
  expectedLength_ = 0;

  if (ConnectAttempts <= 0) {
    Disconnect();
    return;
  }

  if (!platform_.port.open(portName_)) {
    Message(platform_.port.errorString());
    return;
  }
  platform_.port.configure(platform::LineSettings{});
  linkState_ = link_state::kGreetingSent;
  tick_->stop();
  replyTimer_->start();

  model_.RPM_LAMBDA1.checked = false;
  model_.RPM_LAMBDA2.checked = false;
  BeginBulkTransfer();
  Send(kGreetingFrame);
}

void LinkEngine::ComPort1RxChar(std::size_t count) {
  Bytes chunk = platform_.port.read(count);
  // A notification without bytes is no chunk: it must not stop the reply timer.
  if (chunk.empty()) return;
  expectedLength_ = 0;
  replyTimer_->stop();
  DescrambleInPlace(chunk);

  if (linkState_ == link_state::kGreetingSent) {
    ReceiveGreetingFirst(chunk);
  } else if (linkState_ == link_state::kGreetingAssembling) {
    ReceiveGreetingRest(chunk);
  } else if (linkState_ == link_state::kRequestSent) {
    tick_->stop();
    if (chunk[0] != kStartByte) Message(link_text::kInitError);
    ReadLengthFrom(chunk);
    replyBuffer_.insert(replyBuffer_.end(), chunk.begin(), chunk.end());
    linkState_ = link_state::kReplyAssembling;
    replyTimer_->start();
    if (static_cast<int>(replyBuffer_.size()) == expectedLength_) AcceptReply();
  } else if (linkState_ == link_state::kReplyAssembling) {
    tick_->stop();
    replyBuffer_.insert(replyBuffer_.end(), chunk.begin(), chunk.end());
    if (replyBuffer_.size() > 3 && replyBuffer_[0] == kStartByte) ReadLengthFrom(replyBuffer_);
    replyTimer_->start();
    if (static_cast<int>(replyBuffer_.size()) == expectedLength_) AcceptReply();
  }
  // In any other state the chunk is dropped.
}

void LinkEngine::ReadLengthFrom(const Bytes& bytes) {
  const int high = bytes.size() > 1 ? bytes[1] : 0;
  const int low = bytes.size() > 2 ? bytes[2] : 0;
  expectedLength_ = (high << 8) | low;
}

void LinkEngine::ReceiveGreetingFirst(const Bytes& chunk) {
  for (std::size_t p = 0; p < chunk.size(); ++p) {
    const bool retry = (p == 0 && chunk[0] != kStartByte) || (p == 3 && !IsGreetingEcho(chunk[3]));
    if (retry) {
      polaczClick(false);
      if (linkState_.empty()) return;  // the retry ran out of attempts and dropped the link
    }
    const bool versionHere = p == 4 && chunk.size() > 6 && VersionPanelBare();
    if (versionHere) IdentifyFirmware(chunk[4], chunk[5], chunk[6]);
    if (ControllerVariant.empty() && p + 3 < chunk.size()) {
      const int sum = chunk[p] + chunk[p + 1] + chunk[p + 2];
      if (2 * sum == chunk[p + 3]) Message(texts_.Text(lang_row::kNewerToolPrefix) + model_.caption);
    }
    if (versionHere) {
      if (ControllerVariant.empty()) {
        Disconnect();
        return;
      }
      ShowVersion(chunk[4], chunk[5], chunk[6]);
    }
  }
  // The rest is assembled like any later chunk; a first chunk that already holds
  // the whole reply completes the greeting at once instead of waiting for a chunk
  // that never comes.
  linkState_ = link_state::kGreetingAssembling;
  ReceiveGreetingRest(chunk);
}

void LinkEngine::ReceiveGreetingRest(const Bytes& chunk) {
  replyBuffer_.insert(replyBuffer_.end(), chunk.begin(), chunk.end());
  if (replyBuffer_.size() > 3 && replyBuffer_[0] == kStartByte) ReadLengthFrom(replyBuffer_);
  if (static_cast<int>(replyBuffer_.size()) != expectedLength_) {
    replyTimer_->start();
    return;
  }
  if (VersionPanelBare()) {
    if (replyBuffer_.size() > 6) IdentifyFirmware(replyBuffer_[4], replyBuffer_[5], replyBuffer_[6]);
    if (ControllerVariant.empty()) {
      Disconnect();
      return;
    }
    ShowVersion(replyBuffer_[4], replyBuffer_[5], replyBuffer_[6]);
  }
  linkState_ = link_state::kConnectComplete;
  tick_->start();
}

void LinkEngine::AcceptReply() {
  replyTimer_->stop();
  linkState_ = link_state::kIdle;
  auto& current = queue_.current;
  if (!current.empty() && replyBuffer_.size() > 3 && current.size() > 1 && replyBuffer_[3] == current[1]) {
    CommandAttempts = 0;
    current.clear();
  }
  if (!current.empty()) {
    // The reply answers another request: the same frame goes out again.
    EnqueueFrame(current, {}, {});
    if (linkState_.empty()) return;
  }
  tick_->start();
}

void LinkEngine::QueueCommand(const Bytes& command, const Bytes& next, const Bytes& afterNext) {
  EnqueueFrame(FrameCommand(command, Retained), next, afterNext);
}

void LinkEngine::EnqueueFrame(Bytes frame, const Bytes& next, const Bytes& afterNext) {
  --CommandAttempts;
  tick_->stop();
  if (CommandAttempts == 0) {
    Disconnect();
    Message(link_text::kAttemptsOut);
    return;
  }
  if (!next.empty()) queue_.next = next;
  if (!afterNext.empty()) queue_.afterNext = afterNext;
  queue_.current = std::move(frame);
  linkState_ = link_state::kIdle;
  LastCommandByte = queue_.current.size() > 1 ? queue_.current[1] : -1;
  tick_->start();
}

void LinkEngine::Timer_CountTimer() {
  auto& q = queue_;
  const bool idle = q.current.empty() && linkState_ == link_state::kIdle;

  if (idle && (LastCommandByte == 0x66 || LastCommandByte == 0x26)) {
    ReleaseWindow();
    SetSlowTick(false);
    SettingsImage = replyBuffer_;
    if (hooks_.decodeSettings) hooks_.decodeSettings(SettingsImage);
    LastCommandByte = -1;
    if (q.current.empty() && q.next.empty() && q.afterNext == BytesOf(kSaveMarker)) {
      q.afterNext.clear();
      if (hooks_.writeDataFile) hooks_.writeDataFile();
    }
    replyBuffer_.clear();
    return;
  }

  if (idle && (LastCommandByte == 0x4D || LastCommandByte == 0x4E)) {
    if (hooks_.decodeService) {
      const auto first = std::min<std::size_t>(4, replyBuffer_.size());
      const auto last = std::min<std::size_t>(259, replyBuffer_.size());
      hooks_.decodeService(Bytes(replyBuffer_.begin() + static_cast<std::ptrdiff_t>(first),
                                 replyBuffer_.begin() + static_cast<std::ptrdiff_t>(last)));
    }
    LastCommandByte = -1;
    replyBuffer_.clear();
    return;
  }

  if (q.current.empty()) LastCommandByte = -1;

  if (linkState_ == link_state::kConnectComplete) {
    SettingsImage = replyBuffer_;
    if (hooks_.decodeSettings) hooks_.decodeSettings(SettingsImage);
    replyBuffer_.clear();
    linkState_ = link_state::kIdle;
    model_.Polacz_switch.on = true;
    model_.Polacz_switch.onText = portName_ + " - ON";
    if (!ControllerVariant.empty() && hooks_.applyVariant) hooks_.applyVariant(ControllerVariant);
    model_.rezerwa_led_gora.flashing = true;
    model_.Rezerwa_led_panel.flashing = true;
    for (const char* name : {"Odczyt1", "Zapis1", "Reset1"}) {
      auto* item = model_.Pliki1.find(name);
      item->visible = true;
      item->enabled = true;
    }
    ReleaseWindow();
    SetSlowTick(false);
    return;
  }

  tick_->stop();
  if (linkState_ == link_state::kIdle && q.current.empty() && hooks_.decodeLive) hooks_.decodeLive(replyBuffer_);
  expectedLength_ = 0;
  replyBuffer_.clear();
  linkState_ = link_state::kRequestSent;

  if (q.current.empty() && !q.next.empty()) {
    Bytes command = std::move(q.next);
    q.next = std::move(q.afterNext);
    q.afterNext.clear();
    CommandAttempts = 7;
    QueueCommand(command, q.next, {});
    return;
  }
  Send(q.current.empty() ? kPollFrame : q.current);
  replyTimer_->start();
}

void LinkEngine::Timer_Czekaj_na_odczytTimer() {
  ReleaseWindow();
  replyTimer_->stop();
  if (ConnectAttempts > 0 && IsGreetingState(linkState_)) polaczClick(false);
  if (ConnectAttempts <= 0 || !IsGreetingState(linkState_)) {
    Disconnect();
    Message(texts_.Text(lang_row::kNoController));
  }
}

}  // namespace tavu
