#include "sim/simulated_port.h"

#include <algorithm>
#include <cmath>

namespace tavu::sim {

SimulatedPort::SimulatedPort(platform::Scheduler& scheduler, Controller& controller, std::string name)
    : scheduler_(scheduler), controller_(controller), name_(std::move(name)), modelAtMs_(scheduler.nowMs()) {}

bool SimulatedPort::cablePulled() const { return controller_.options().fault == Fault::CablePulled; }

std::optional<std::vector<std::string>> SimulatedPort::availablePorts() {
  if (cablePulled()) return std::vector<std::string>{};
  return std::vector<std::string>{name_};
}

bool SimulatedPort::open(const std::string& name) {
  if (open_) return true;
  if (cablePulled()) {
    error_ = "The device " + name_ + " is gone: it was unplugged.";
    return false;
  }
  if (name != name_) {
    error_ = "There is no serial port named " + name + ".";
    return false;
  }
  open_ = true;
  error_.clear();
  inbox_.clear();
  const double now = static_cast<double>(scheduler_.nowMs());
  txFreeAtMs_ = rxFreeAtMs_ = now;
  return true;
}

void SimulatedPort::close() {
  open_ = false;
  ++generation_;
  inbox_.clear();
}

bool SimulatedPort::isOpen() const { return open_; }

void SimulatedPort::configure(const platform::LineSettings& settings) { settings_ = settings; }

void SimulatedPort::write(const Bytes& piece) {
  if (!open_) {
    error_ = "The port is not open.";
    return;
  }
  writes_.push_back(piece);
  if (cablePulled()) {
    error_ = "The device " + name_ + " went away: the cable was pulled out.";
    ++generation_;
    return;
  }
  const std::int64_t now = scheduler_.nowMs();
  controller_.advance(static_cast<int>(now - modelAtMs_));
  modelAtMs_ = now;
  txFreeAtMs_ = std::max(txFreeAtMs_, static_cast<double>(now)) + static_cast<double>(piece.size()) * kByteMs;
  for (auto& reply : controller_.receive(piece)) schedule(std::move(reply));
}

void SimulatedPort::schedule(Bytes reply) {
  const auto& options = controller_.options();
  const double delay = options.fault == Fault::Delay ? kDelayFaultMs : 0.0;
  const double start = std::max(txFreeAtMs_ + kControllerLatencyMs + delay, rxFreeAtMs_);
  const std::size_t chunk = options.chunkSize > 0 ? static_cast<std::size_t>(options.chunkSize) : kDriverChunk;
  const auto now = static_cast<double>(scheduler_.nowMs());
  std::weak_ptr<int> alive = alive_;
  for (std::size_t at = 0; at < reply.size(); at += chunk) {
    const std::size_t end = std::min(reply.size(), at + chunk);
    const double arrival = start + static_cast<double>(end) * kByteMs;
    const int wait = std::max(1, static_cast<int>(std::ceil(arrival - now)));
    Bytes piece(reply.begin() + static_cast<std::ptrdiff_t>(at), reply.begin() + static_cast<std::ptrdiff_t>(end));
    scheduler_.post(wait, [this, alive, generation = generation_, piece = std::move(piece)] {
      if (alive.lock()) deliver(generation, piece);
    });
  }
  rxFreeAtMs_ = start + static_cast<double>(reply.size()) * kByteMs;
}

void SimulatedPort::deliver(std::uint64_t generation, const Bytes& chunk) {
  if (generation != generation_ || !open_ || cablePulled()) return;
  inbox_.insert(inbox_.end(), chunk.begin(), chunk.end());
  notifyReceived(inbox_.size());
}

void SimulatedPort::pause(int milliseconds) {
  // The line idles; only the moment the request ends moves, never the clock.
  txFreeAtMs_ = std::max(txFreeAtMs_, static_cast<double>(scheduler_.nowMs())) + milliseconds;
}

std::size_t SimulatedPort::bytesAvailable() { return inbox_.size(); }

Bytes SimulatedPort::read(std::size_t count) {
  const auto n = static_cast<std::ptrdiff_t>(std::min(count, inbox_.size()));
  Bytes out(inbox_.begin(), inbox_.begin() + n);
  inbox_.erase(inbox_.begin(), inbox_.begin() + n);
  return out;
}

void SimulatedPort::clearError() { error_.clear(); }

std::string SimulatedPort::errorString() const { return error_; }

const std::string& SimulatedPort::name() const { return name_; }

const std::vector<Bytes>& SimulatedPort::writes() const { return writes_; }

}  // namespace tavu::sim
