#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/bytes.h"

namespace tavu::platform {

// The fixed line the controller speaks: a custom rate, 8 data bits, no parity,
// one stop bit, no flow control, DTR and RTS held off.
struct LineSettings {
  int baudRate = 7200;
  int dataBits = 8;
  int stopBits = 1;
  bool parity = false;
  bool flowControl = false;
  bool dtr = false;
  bool rts = false;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Names of the serial ports present, in the system's order; nullopt when the
  // list cannot be read.
  virtual std::optional<std::vector<std::string>> availablePorts() = 0;

  // Opens the port by system name (ttyUSB0, COM3) or path (/dev/pts/7). No effect
  // when it is open already. On failure returns false and errorString() says why
  // in words a user can act on.
  virtual bool open(const std::string& name) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual void configure(const LineSettings& settings) = 0;

  // One write to the driver. Failures surface as a port error; nothing is returned.
  virtual void write(const Bytes& piece) = 0;
  // Lets the line idle for the given time between two pieces of one frame.
  virtual void pause(int milliseconds) = 0;

  virtual std::size_t bytesAvailable() = 0;
  virtual Bytes read(std::size_t count) = 0;
  virtual void clearError() = 0;
  virtual std::string errorString() const = 0;

  // Called, on the one thread of the program, whenever bytes have arrived; the
  // argument is the number that can be read now.
  void setReceiveHandler(std::function<void(std::size_t)> handler) { onReceive_ = std::move(handler); }

 protected:
  void notifyReceived(std::size_t count) {
    if (onReceive_) onReceive_(count);
  }

 private:
  std::function<void(std::size_t)> onReceive_;
};

}  // namespace tavu::platform
