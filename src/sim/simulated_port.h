#pragma once
// A serial port with the simulated controller at its other end. Replies come
// back after the time the line would take, through the scheduler, in chunks as a
// serial driver hands them over; in virtual time for tests, real time for the demo.
#include <cstdint>
#include <memory>

#include "core/platform/scheduler.h"
#include "core/platform/serial_port.h"
#include "sim/controller.h"

namespace tavu::sim {

inline constexpr const char* kDemoPortName = "demo";
// One byte on the line at 7200 baud, 8N1: ten bits.
inline constexpr double kByteMs = 10.0 * 1000.0 / 7200.0;
// How long the controller takes between the end of a request and its reply.
inline constexpr double kControllerLatencyMs = 4.0;
// The most a serial driver hands over in one receive notification.
inline constexpr std::size_t kDriverChunk = 32;

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

 private:
  bool cablePulled() const;
  void schedule(Bytes reply);
  void deliver(std::uint64_t generation, const Bytes& chunk);

  platform::Scheduler& scheduler_;
  Controller& controller_;
  std::string name_;
  bool open_ = false;
  platform::LineSettings settings_;
  Bytes inbox_;
  std::string error_;
  std::vector<Bytes> writes_;
  // Bumped on close and when the cable goes: deliveries of an older session are dropped.
  std::uint64_t generation_ = 0;
  double txFreeAtMs_ = 0;  // when the request's bytes have all gone down the line
  double rxFreeAtMs_ = 0;  // when the last scheduled reply has all come back
  std::int64_t modelAtMs_ = 0;  // scheduler time the engine model has reached
  // Scheduled deliveries hold a weak copy, so they do nothing once the port is gone.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tavu::sim
