#pragma once
// The port the tool talks through: the built-in simulated controller when the
// demo port is chosen, the real serial port for every other name.
#include "core/platform/serial_port.h"

namespace tavu::app {

class PortRouter final : public platform::SerialPort {
 public:
  // `demo` may be null: then only the real ports are offered. `demoName` is the
  // name the demo port is listed under.
  PortRouter(platform::SerialPort& real, platform::SerialPort* demo, std::string demoName);
  ~PortRouter() override;

  std::optional<std::vector<std::string>> availablePorts() override;
  bool open(const std::string& name) override;
  void close() override;
  bool isOpen() const override { return active_->isOpen(); }
  void configure(const platform::LineSettings& settings) override { active_->configure(settings); }
  void write(const Bytes& piece) override { active_->write(piece); }
  void pause(int milliseconds) override { active_->pause(milliseconds); }
  std::size_t bytesAvailable() override { return active_->bytesAvailable(); }
  Bytes read(std::size_t count) override { return active_->read(count); }
  void clearError() override { active_->clearError(); }
  std::string errorString() const override { return active_->errorString(); }

 private:
  platform::SerialPort& real_;
  platform::SerialPort* demo_;
  std::string demoName_;
  platform::SerialPort* active_;  // the port last opened
};

}  // namespace tavu::app
