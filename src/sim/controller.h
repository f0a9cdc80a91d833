#pragma once
// A simulated TAVU controller, played from the wire bytes up.
#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/bytes.h"
#include "sim/engine_model.h"

namespace tavu::sim {

enum class Fault {
  None,
  Silence,          // answers nothing
  TruncatedReply,   // sends a reply without its last bytes
  OverlongReply,    // sends a few bytes more than the reply announces
  GarbageFirstByte, // the reply's start byte is not 0xAA
  WrongEcho,        // byte 3 of the reply echoes another command code
  Delay,            // answers only after the link's time-out
  UnknownFirmware,  // greets with a firmware the tool does not know (3.7.8)
  CablePulled,      // the port goes away: nothing in, nothing out
};

// How late a reply starts under Fault::Delay: past the tool's 3000 ms reply timer.
inline constexpr int kDelayFaultMs = 3500;
// Bytes a truncated reply lacks, and bytes an over-long reply carries past its length.
inline constexpr std::size_t kFaultBytes = 3;

// Parses a fault name as tavu-sim and --demo take it ("silence", "wrong-echo",
// "chunks=1" ...); returns false for an unknown name.
struct Options {
  std::string firmware = "5.9.11";  // "3.7.7" (ver_1) or "5.9.11" (ver_2)
  Fault fault = Fault::None;
  int chunkSize = 0;  // >0: every reply is delivered in chunks of this many bytes
};
bool ParseFault(const std::string& text, Options& options);

// The plain bytes of a reply: start byte, length L big-endian, echo, payload, final byte.
Bytes ReplyFrame(std::uint8_t echo, const Bytes& payload);

class Controller {
 public:
  explicit Controller(Options options = {});

  // Bytes from the PC as they came off the wire (0xCC lead, then scrambled frame
  // bytes). Returns the wire bytes of every reply these bytes completed, each one
  // reply in the controller's layout, scrambled for the line.
  std::vector<Bytes> receive(const Bytes& wire);
  // Moves the engine model on.
  void advance(int milliseconds);

  Options& options() { return options_; }
  const Bytes& settings() const { return settings_; }  // the whole settings reply frame
  Bytes& settings() { return settings_; }
  // The plain frames received so far, start byte and checksum included, whether
  // their checksum held or not.
  const std::vector<Bytes>& framesSeen() const { return frames_; }
  const EngineModel& engine() const { return engine_; }

  // The plain reply to one command (code first, no start byte or checksum),
  // after applying it to the block; no fault is applied here.
  Bytes answer(const Bytes& command);

 private:
  // Bytes a frame with this command code has in all (start byte and checksum
  // included); 0 when the code is unknown.
  std::size_t frameLength(std::uint8_t code) const;
  void completeFrame(std::vector<Bytes>& replies);
  // Changes the block (and the engine) as the command asks.
  void apply(const Bytes& command);
  Bytes settingsReply(std::uint8_t echo) const;
  Bytes serviceReply(std::uint8_t echo) const;
  Bytes withFaults(Bytes reply, std::uint8_t code, bool linkLevel) const;

  Options options_;
  bool older_;  // firmware 3.7.7: the older block layout
  Bytes settings_;
  std::vector<Bytes> frames_;
  EngineModel engine_;
  bool inFrame_ = false;
  Bytes pending_;  // plain bytes of the frame being received
};

}  // namespace tavu::sim
