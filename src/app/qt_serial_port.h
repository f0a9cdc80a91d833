#pragma once
// The serial port on QSerialPort: system names (ttyUSB0, COM3) and paths
// (/dev/pts/7) alike, the controller's fixed line, and failures told in words a
// fitter can act on.
#include <QSerialPort>

#include "core/platform/serial_port.h"

namespace tavu::app {

class QtSerialPort final : public platform::SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  std::optional<std::vector<std::string>> availablePorts() override;
  bool open(const std::string& name) override;
  void close() override;
  bool isOpen() const override;
  void configure(const platform::LineSettings& settings) override;
  void write(const Bytes& piece) override;
  void pause(int milliseconds) override;
  std::size_t bytesAvailable() override;
  Bytes read(std::size_t count) override;
  void clearError() override;
  std::string errorString() const override;

  // How long one write may take on the line: 20 ms per byte and 30 ms more.
  static int WriteTimeoutMs(std::size_t bytes) { return static_cast<int>(20 * bytes + 30); }

 private:
  void onReadyRead();
  void onError(QSerialPort::SerialPortError error);
  bool isPseudoTerminal() const;

  QSerialPort port_;
  std::string openError_;
  // QSerialPort may signal readyRead while a write waits for the line; that
  // notification is held back until the write has returned, so that a reply
  // is never handled inside the code that sent the request.
  bool writing_ = false;
  bool readyDuringWrite_ = false;
};

}  // namespace tavu::app
