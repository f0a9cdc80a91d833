#include "sim/controller.h"

#include <algorithm>

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

#include "core/link/wire_codec.h"
#include "sim/settings_block.h"

namespace tavu::sim {
namespace {

constexpr std::uint8_t kLeadByte = 0xCC;
constexpr std::uint8_t kGarbageStart = 0x55;
constexpr std::size_t kUploadOlder = 540;
constexpr std::size_t kUploadNewer = 554;
constexpr std::size_t kServiceCommandLength = 1 + block::service::kLength;

// The PC scrambles every frame byte; this undoes it.
std::uint8_t Unscramble(std::uint8_t wire) {
  static const auto table = [] {
    std::array<std::uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) t[ScrambleByte(static_cast<std::uint8_t>(b))] = static_cast<std::uint8_t>(b);
    return t;
  }();
  return table[wire];
}

// The byte to put on the line so that the PC's descrambler reads `plain`.
std::uint8_t ScrambleForPc(std::uint8_t plain) {
  static const auto table = [] {
    std::array<std::uint8_t, 256> t{};
    for (int s = 0; s < 256; ++s) t[DescrambleByte(static_cast<std::uint8_t>(s))] = static_cast<std::uint8_t>(s);
    return t;
  }();
  return table[plain];
}

void SetBit(Bytes& s, std::size_t at, std::uint8_t bit, bool on) {
  s[at] = static_cast<std::uint8_t>(on ? (s[at] | bit) : (s[at] & ~bit));
}

std::array<std::uint8_t, 3> FirmwareBytes(const Options& options) {
  if (options.fault == Fault::UnknownFirmware) return {3, 7, 8};
  std::array<std::uint8_t, 3> v{};
  const std::string& text = options.firmware;
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (std::size_t i = 0; i < 3; ++i) {
    unsigned n = 0;
    const auto [next, ec] = std::from_chars(p, end, n);
    if (ec != std::errc{} || n > 255 || (i < 2 && (next == end || *next != '.')) || (i == 2 && next != end))
      return {5, 9, 11};
    v[i] = static_cast<std::uint8_t>(n);
    p = next + (i < 2 ? 1 : 0);
  }
  return v;
}

}  // namespace

bool ParseFault(const std::string& text, Options& options) {
  static const std::pair<const char*, Fault> kNames[] = {
      {"none", Fault::None},
      {"silence", Fault::Silence},
      {"truncated", Fault::TruncatedReply},
      {"overlong", Fault::OverlongReply},
      {"garbage", Fault::GarbageFirstByte},
      {"wrong-echo", Fault::WrongEcho},
      {"delay", Fault::Delay},
      {"unknown-firmware", Fault::UnknownFirmware},
      {"cable-pulled", Fault::CablePulled},
  };
  for (const auto& [name, fault] : kNames) {
    if (text == name) {
      options.fault = fault;
      options.chunkSize = 0;
      return true;
    }
  }
  constexpr std::string_view kChunks = "chunks=";
  if (text.starts_with(kChunks)) {
    int n = 0;
    const char* first = text.data() + kChunks.size();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc{} || end != last || first == last || n <= 0) return false;
    options.fault = Fault::None;
    options.chunkSize = n;
    return true;
  }
  return false;
}

Bytes ReplyFrame(std::uint8_t echo, const Bytes& payload) {
  const std::size_t length = payload.size() + 5;
  Bytes r(length - 1);
  r[0] = kStartByte;
  r[1] = static_cast<std::uint8_t>(length >> 8);
  r[2] = static_cast<std::uint8_t>(length & 0xFF);
  r[3] = echo;
  std::copy(payload.begin(), payload.end(), r.begin() + 4);
  r.push_back(FrameChecksum(r));
  return r;
}

Controller::Controller(Options options)
    : options_(std::move(options)),
      older_(options_.firmware == "3.7.7"),
      settings_(block::FactorySettings(older_)),
      engine_(older_) {}

void Controller::advance(int milliseconds) { engine_.advance(milliseconds, settings_); }

std::size_t Controller::frameLength(std::uint8_t code) const {
  std::size_t command = 0;
  switch (code) {
    case 0x26: case 0x25:
      command = 1;
      break;
    case 0x66: case 0x55: case 0x4E:
    case 0x1B: case 0x0A: case 0x17: case 0x21: case 0x2D: case 0x2E: case 0x2B: case 0x1E: case 0x13:
    case 0x18: case 0x43: case 0x37: case 0x36: case 0x1F: case 0x11: case 0x0F: case 0x09: case 0x23:
    case 0x31: case 0x0E: case 0x24: case 0x30: case 0x10: case 0x2A: case 0x29: case 0x05:
      command = 2;
      break;
    case 0x22: command = older_ ? 2 : 3; break;  // the newer delay is 16 bits
    case 0x03: command = 3; break;
    case 0x19: command = 4; break;
    case 0x0D: case 0x02: command = 6; break;
    case 0x44: command = 9; break;
    case 0x20: command = 21; break;
    case 0x0B: case 0x06: command = 1 + block::kMapCells; break;
    case 0x4D: command = kServiceCommandLength; break;
    case 0x1A: command = 1 + (older_ ? kUploadOlder : kUploadNewer); break;
    default: return 0;
  }
  return command + 2;
}

std::vector<Bytes> Controller::receive(const Bytes& wire) {
  std::vector<Bytes> replies;
  for (const auto byte : wire) {
    if (!inFrame_) {
      if (byte == kLeadByte) {
        inFrame_ = true;
        pending_.clear();
      }
      continue;
    }
    pending_.push_back(Unscramble(byte));
    if (pending_.size() == 1 && pending_[0] != kStartByte) {
      inFrame_ = false;  // not a frame: wait for the next lead byte
      continue;
    }
    if (pending_.size() >= 2) {
      const std::size_t length = frameLength(pending_[1]);
      if (length != 0 && pending_.size() == length) completeFrame(replies);
    }
  }
  // A frame with a code of unknown length ends with the bytes that came with it.
  if (inFrame_ && pending_.size() >= 2 && frameLength(pending_[1]) == 0) {
    if (pending_.size() >= 3) {
      completeFrame(replies);
    } else {
      inFrame_ = false;
    }
  }
  return replies;
}

void Controller::completeFrame(std::vector<Bytes>& replies) {
  inFrame_ = false;
  Bytes frame = std::move(pending_);
  pending_.clear();
  frames_.push_back(frame);
  const Bytes body(frame.begin(), frame.end() - 1);
  if (FrameChecksum(body) != frame.back()) return;  // a damaged frame gets no answer
  const Bytes command(frame.begin() + 1, frame.end() - 1);
  const bool linkLevel = command == Bytes{0x66, 0x01} || command[0] == 0x55;
  Bytes reply = withFaults(answer(command), command[0], linkLevel);
  if (reply.empty()) return;
  for (auto& b : reply) b = ScrambleForPc(b);
  replies.push_back(std::move(reply));
}

Bytes Controller::answer(const Bytes& command) {
  const std::uint8_t code = command.empty() ? 0 : command[0];
  switch (code) {
    case 0x66:
      return settingsReply(0x66);
    case 0x26: {
      // The factory settings come back; the work-time counters and dates stay.
      const Bytes service = block::ServiceBlock(settings_);
      settings_ = block::FactorySettings(older_);
      block::StoreServiceBlock(settings_, service);
      return settingsReply(0x26);
    }
    case 0x55:
      return ReplyFrame(0x55, engine_.livePayload(settings_));
    case 0x4E:
      return serviceReply(0x4E);
    case 0x4D:
      apply(command);
      return serviceReply(0x4D);
    default:
      apply(command);
      return ReplyFrame(code, {0x00});
  }
}

void Controller::apply(const Bytes& command) {
  using namespace block;
  Bytes& s = settings_;
  const auto arg = [&](std::size_t i) -> std::uint8_t { return i < command.size() ? command[i] : 0; };
  const std::uint8_t v = arg(1);
  switch (command[0]) {
    case 0x1B:
      s[kCylinders] = v;
      s[kCylinderMask] = FullMask(v);
      break;
    case 0x0A: s[kPulseSource] = v; break;
    case 0x17: SetBit(s, kSetupFlags, kSetupRpmHigh, v != 0); break;
    case 0x21: SetBit(s, kSetupFlags, kSetupTurbo, v != 0); break;
    case 0x2D: SetBit(s, kSetupFlags, kSetupInjectorPlus, v != 0); break;
    case 0x29: SetBit(s, kSetupFlags, kSetupMapLocked, v != 0); break;
    case 0x2E: SetBit(s, kSwitchFlags, kSwitchByFirst, v != 0); break;
    case 0x43: SetBit(s, kSwitchFlags, kSwitchCng, v != 0); break;
    case 0x2B: s[kWorkPressure] = v; break;
    case 0x1E: s[kMinPressure] = v; break;
    case 0x13: s[kReducerSensor] = v; break;
    case 0x18: s[kGasSensor] = v; break;
    case 0x1F: s[kPressureErrorTime] = v; break;
    case 0x11: s[kMaxRpm] = v; break;
    case 0x0F: s[kSwitchTemp] = v; break;
    case 0x09: s[kSwitchRpm] = v; break;
    case 0x23: s[kSequenceTime] = v; break;
    case 0x0E: s[kInjectorType] = v; break;
    case 0x22:
      if (older_) {
        s[kDelayLow] = v;
      } else {
        s[kDelayHigh] = v;
        s[kDelayLow] = arg(2);
      }
      break;
    case 0x0D:
      for (std::size_t i = 0; i < 4; ++i) s[kLevelThresholds + i] = arg(1 + i);
      s[kLevelSensor] = arg(5);
      break;
    // The newer generation's own fields; in the older block these bytes are the error register.
    case 0x36: if (!older_) s[kMinRpm] = v; break;
    case 0x37: if (!older_) s[kMinTemp] = v; break;
    case 0x44:
      if (!older_)
        for (std::size_t i = 0; i < 8; ++i) s[kCorrections + i] = arg(1 + i);
      break;
    case 0x03:
      if (v == 0x02) {
        engine_.requestPetrol();
      } else if (v == 0x03) {
        s[kCylinderMask] = arg(2);
        engine_.requestGas();
      }
      break;
    case 0x10:
      for (std::size_t i = 0; i < kErrorRegisterLength; ++i) s[ErrorRegister(older_) + i] = 0xFF;
      break;
    case 0x0B:
      for (std::size_t i = 0; i < kMapCells; ++i) s[kMap + i] = arg(1 + i);
      break;
    case 0x06:
      for (std::size_t i = 0; i < kMapCells; ++i) s[kLearnTable + i] = arg(1 + i);
      break;
    case 0x1A:
      for (std::size_t i = 1; i < command.size() && kUploadStart + i - 1 < kLength - 1; ++i)
        s[kUploadStart + i - 1] = command[i];
      break;
    case 0x4D:
      // The block as the PC composed it; the work-time counters stay the controller's own.
      if (command.size() == kServiceCommandLength) {
        Bytes service = ServiceBlock(s);
        for (std::size_t i = service::kGasWork + 4; i < service::kLength; ++i) service[i] = command[1 + i];
        StoreServiceBlock(s, service);
      }
      break;
    default:
      break;  // adaptation steps, reference values and companions: nothing kept in the block
  }
}

Bytes Controller::settingsReply(std::uint8_t echo) const {
  Bytes reply = settings_;
  reply[3] = echo;
  const auto firmware = FirmwareBytes(options_);
  for (std::size_t i = 0; i < 3; ++i) reply[block::kFirmware + i] = firmware[i];
  reply.back() = FrameChecksum(Bytes(reply.begin(), reply.end() - 1));
  return reply;
}

Bytes Controller::serviceReply(std::uint8_t echo) const { return ReplyFrame(echo, block::ServiceBlock(settings_)); }

Bytes Controller::withFaults(Bytes reply, std::uint8_t code, bool linkLevel) const {
  switch (options_.fault) {
    case Fault::Silence:
      return {};
    case Fault::TruncatedReply:
      reply.resize(reply.size() > kFaultBytes ? reply.size() - kFaultBytes : 0);
      break;
    case Fault::OverlongReply:
      reply.insert(reply.end(), kFaultBytes, 0x00);
      break;
    case Fault::GarbageFirstByte:
      reply[0] = kGarbageStart;
      break;
    case Fault::WrongEcho:
      if (!linkLevel) reply[3] = static_cast<std::uint8_t>(code + 1);
      break;
    default:
      break;
  }
  return reply;
}

}  // namespace tavu::sim
