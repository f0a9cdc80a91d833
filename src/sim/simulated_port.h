#pragma once
// A serial port with the simulated controller at its other end. Replies come
// back after the time the line would take, through the scheduler, in chunks as a
// serial driver hands them over; in virtual time for tests, real time for the demo.
#include "core/platform/scheduler.h"
#include "core/platform/serial_port.h"
#include "sim/controller.h"

namespace tavu::sim {

inline constexpr const char* kDemoPortName = "demo";

class SimulatedPort final : public platform::SerialPort {
 public:
  SimulatedPort(platform::Scheduler& scheduler, Controller& controller, std::string name = kDemoPortName);

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

  const std::string& name() const;
  // Every write the tool made, in order, as wire bytes.
  const std::vector<Bytes>& writes() const;
};

}  // namespace tavu::sim
