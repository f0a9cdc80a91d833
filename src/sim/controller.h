#pragma once
// A simulated TAVU controller, played from the wire bytes up.
#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/bytes.h"

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

// Parses a fault name as tavu-sim and --demo take it ("silence", "wrong-echo",
// "chunks=1" ...); returns false for an unknown name.
struct Options {
  std::string firmware = "5.9.11";  // "3.7.7" (ver_1) or "5.9.11" (ver_2)
  Fault fault = Fault::None;
  int chunkSize = 0;  // >0: every reply is delivered in chunks of this many bytes
};
bool ParseFault(const std::string& text, Options& options);

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
  // The plain frames received so far, start byte and checksum included.
  const std::vector<Bytes>& framesSeen() const { return frames_; }

 private:
  Options options_;
  Bytes settings_;
  std::vector<Bytes> frames_;
};

}  // namespace tavu::sim
