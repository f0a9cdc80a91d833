#pragma once
// Both directions of the line as the controller sees them, for tests that play
// the controller by hand.
#include <array>
#include <cstdint>

#include "core/link/wire_codec.h"

namespace tavu::testing {

// What the controller puts on the line so that the tool's descrambler yields `plain`.
inline Bytes ControllerWire(const Bytes& plain) {
  static const auto inverse = [] {
    std::array<std::uint8_t, 256> t{};
    for (int s = 0; s < 256; ++s) t[DescrambleByte(static_cast<std::uint8_t>(s))] = static_cast<std::uint8_t>(s);
    return t;
  }();
  Bytes wire;
  for (auto b : plain) wire.push_back(inverse[b]);
  return wire;
}

// The plain frame inside one write of the tool (its 0xCC lead dropped).
inline Bytes PlainFrame(const Bytes& wire) {
  static const auto inverse = [] {
    std::array<std::uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) t[ScrambleByte(static_cast<std::uint8_t>(b))] = static_cast<std::uint8_t>(b);
    return t;
  }();
  Bytes plain;
  for (std::size_t i = 1; i < wire.size(); ++i) plain.push_back(inverse[wire[i]]);
  return plain;
}

// A reply of `length` bytes: start byte, length, echo, the payload given (zeros
// after it), final byte.
inline Bytes Reply(std::uint8_t echo, std::size_t length, const Bytes& payload = {}) {
  Bytes r(length, 0x00);
  r[0] = kStartByte;
  r[1] = static_cast<std::uint8_t>(length >> 8);
  r[2] = static_cast<std::uint8_t>(length & 0xFF);
  r[3] = echo;
  for (std::size_t i = 0; i < payload.size() && 4 + i < length - 1; ++i) r[4 + i] = payload[i];
  return r;
}

inline Bytes SettingsReply(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t echo = 0x66) {
  return Reply(echo, 758, {a, b, c});
}

}  // namespace tavu::testing
