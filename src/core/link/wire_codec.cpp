#include "core/link/wire_codec.h"

#include <algorithm>
#include <array>

#include "core/platform/serial_port.h"

namespace tavu {
namespace {

constexpr std::uint8_t RotateLeft(std::uint8_t b) { return static_cast<std::uint8_t>((b << 1) | (b >> 7)); }
constexpr std::uint8_t RotateRight(std::uint8_t b) { return static_cast<std::uint8_t>((b >> 1) | (b << 7)); }
constexpr std::uint8_t SwapNibbles(std::uint8_t b) { return static_cast<std::uint8_t>((b << 4) | (b >> 4)); }

constexpr std::uint8_t ScrambleOne(std::uint8_t b) {
  std::uint8_t r = RotateLeft(b);
  if ((b & 0x01) == 0) r ^= 0xFD;
  return SwapNibbles(r) ^ 0xB9;
}

constexpr std::uint8_t DescrambleOne(std::uint8_t s) {
  std::uint8_t x = SwapNibbles(s ^ 0x46);
  if ((x & 0x02) == 0) x ^= 0xFD;
  return RotateRight(x);
}

template <std::uint8_t (*F)(std::uint8_t)>
constexpr std::array<std::uint8_t, 256> Table() {
  std::array<std::uint8_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = F(static_cast<std::uint8_t>(i));
  return t;
}

constexpr auto kScramble = Table<ScrambleOne>();
constexpr auto kDescramble = Table<DescrambleOne>();

void AppendUpTo(Bytes& out, const Bytes& from, std::size_t first, std::size_t last) {
  for (std::size_t i = first; i <= last && i < from.size(); ++i) out.push_back(from[i]);
}

}  // namespace

std::uint8_t ScrambleByte(std::uint8_t plain) { return kScramble[plain]; }
std::uint8_t DescrambleByte(std::uint8_t received) { return kDescramble[received]; }

void DescrambleInPlace(Bytes& bytes) {
  for (auto& b : bytes) b = kDescramble[b];
}

std::uint8_t FrameChecksum(const Bytes& bytes) {
  unsigned sum = 0;
  for (auto b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes FrameCommand(const Bytes& command, const RetainedService& retained) {
  Bytes frame{kStartByte};
  if (!command.empty() && command[0] == 'M') {
    frame.push_back('M');
    frame.insert(frame.end(), retained.service1.begin(), retained.service1.end());
    frame.insert(frame.end(), retained.service2.begin(), retained.service2.end());
    AppendUpTo(frame, command, 1, 8);
    frame.insert(frame.end(), retained.service3.begin(), retained.service3.end());
    AppendUpTo(frame, command, 9, 53);
  } else {
    frame.insert(frame.end(), command.begin(), command.end());
  }
  frame.push_back(FrameChecksum(frame));
  return frame;
}

Bytes WireImage(const Bytes& frame) {
  Bytes wire;
  wire.reserve(frame.size() + 1);
  wire.push_back(kWireLead);
  for (auto b : frame) wire.push_back(kScramble[b]);
  return wire;
}

std::vector<Bytes> WirePieces(const Bytes& wire) {
  std::vector<Bytes> pieces;
  for (std::size_t at = 0; at < wire.size(); at += kWirePiece) {
    const auto end = std::min(wire.size(), at + kWirePiece);
    pieces.emplace_back(wire.begin() + static_cast<std::ptrdiff_t>(at), wire.begin() + static_cast<std::ptrdiff_t>(end));
  }
  return pieces;
}

void TransmitFrame(platform::SerialPort& port, const Bytes& frame) {
  const Bytes wire = WireImage(frame);
  if (wire.size() <= kWirePiece) {
    port.write(wire);
    return;
  }
  for (const auto& piece : WirePieces(wire)) {
    port.write(piece);
    if (piece.size() == kWirePiece) port.pause(kWirePauseMs);
  }
}

}  // namespace tavu
