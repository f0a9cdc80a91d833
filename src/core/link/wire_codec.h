#pragma once
// Framing and scrambling of the serial protocol.
#include <cstdint>
#include <vector>

#include "core/platform/bytes.h"

namespace tavu {
namespace platform { class SerialPort; }

inline constexpr std::uint8_t kStartByte = 0xAA;
inline constexpr std::uint8_t kWireLead = 0xCC;
inline constexpr std::size_t kWirePiece = 80;
inline constexpr int kWirePauseMs = 1;

// Byte strings that every service-write command "M" carries; the service
// decoder refreshes them, the adaptation start sets the third.
struct RetainedService {
  Bytes service1, service2, service3;
};

std::uint8_t ScrambleByte(std::uint8_t plain);
std::uint8_t DescrambleByte(std::uint8_t received);
void DescrambleInPlace(Bytes& bytes);

// Start byte, the command (recomposed when it is a service write "M"), checksum.
Bytes FrameCommand(const Bytes& command, const RetainedService& retained);
// The checksum a frame ends with: the low 8 bits of the sum of its bytes.
std::uint8_t FrameChecksum(const Bytes& bytes);

// The wire image of a frame: 0xCC, then every frame byte scrambled.
Bytes WireImage(const Bytes& frame);
// The writes that carry a wire image: 80-byte pieces, each followed by a pause
// when more follows it or it is a full piece, and the rest in one last write.
std::vector<Bytes> WirePieces(const Bytes& wire);
// Writes a frame to the open port in its pieces.
void TransmitFrame(platform::SerialPort& port, const Bytes& frame);

}  // namespace tavu
