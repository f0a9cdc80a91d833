#include "sim/engine_model.h"

#include <algorithm>
#include <cmath>

#include "sim/settings_block.h"

namespace tavu::sim {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAmbient = 20.0;
constexpr double kReducerHot = 85.0;
constexpr double kReducerTauMs = 120000.0;
constexpr double kGasTempRise = 20.0;
constexpr double kGasTauMs = 200000.0;
constexpr int kIdleRpm = 800;
constexpr int kColdExtraRpm = 400;
constexpr double kColdIdleTauMs = 60000.0;
constexpr int kStartMs = 1500;  // cranking until the engine fires

std::uint8_t Clamp8(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

void PutLe16(Bytes& p, std::size_t at, unsigned v) {
  p[at] = static_cast<std::uint8_t>(v & 0xFF);
  p[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutBe16(Bytes& p, std::size_t at, unsigned v) {
  p[at] = static_cast<std::uint8_t>(v >> 8);
  p[at + 1] = static_cast<std::uint8_t>(v & 0xFF);
}

// The controller's learned injection time (0.1 ms) at a manifold pressure in kPa;
// 0 where it has not learned anything.
std::uint8_t LearnedTime(int kpa, double factor) {
  if (kpa < 20 || kpa > 100) return 0;
  return Clamp8((12.0 + 0.9 * (kpa - 20)) * factor);
}

}  // namespace

int EngineModel::rpm() const {
  if (elapsedMs_ < kStartMs) return 0;
  // Fast idle while cold, settling within a few minutes.
  const double cold = std::exp(-static_cast<double>(elapsedMs_ - kStartMs) / kColdIdleTauMs);
  return kIdleRpm + static_cast<int>(std::lround(kColdExtraRpm * cold));
}

double EngineModel::reducerTemp() const {
  return kReducerHot - (kReducerHot - kAmbient) * std::exp(-static_cast<double>(elapsedMs_) / kReducerTauMs);
}

double EngineModel::gasTemp() const {
  return kAmbient - 5.0 + kGasTempRise * (1.0 - std::exp(-static_cast<double>(elapsedMs_) / kGasTauMs));
}

bool EngineModel::wantsGas(const Bytes& settings) const {
  if (petrolRequested_ || rpm() == 0) return false;
  const unsigned delayHalfSeconds =
      older_ ? settings[block::kDelayLow] : settings[block::kDelayHigh] * 256u + settings[block::kDelayLow];
  return reducerTemp() >= settings[block::kSwitchTemp] && elapsedMs_ - kStartMs >= static_cast<std::int64_t>(delayHalfSeconds) * 500;
}

void EngineModel::requestPetrol() {
  petrolRequested_ = true;
  onGas_ = false;
}

void EngineModel::requestGas() {
  petrolRequested_ = false;
  if (rpm() > 0) onGas_ = true;
}

void EngineModel::advance(int milliseconds, Bytes& settings) {
  if (milliseconds <= 0) return;
  elapsedMs_ += milliseconds;
  if (!onGas_ && wantsGas(settings)) onGas_ = true;
  if (rpm() == 0 || settings.size() < block::kLength) return;
  countedMs_ += milliseconds;
  const auto halves = static_cast<std::int32_t>(countedMs_ / 500);
  countedMs_ %= 500;
  const std::size_t counter = block::kService + (onGas_ ? block::service::kGasWork : block::service::kPetrolWork);
  block::WriteLe32(settings, counter, block::ReadLe32(settings, counter) + halves);
}

Bytes EngineModel::livePayload(const Bytes& settings) {
  // Payload index = reply position - 4.
  Bytes p(kLiveFrameLength - 5, 0x00);
  const auto at = [](std::size_t position) { return position - 4; };
  const double t = static_cast<double>(elapsedMs_);
  const int speed = rpm();
  const bool running = speed > 0;

  p[at(4)] = 0x01;  // ignition on
  p[at(5)] = onGas_ ? 0x01 : 0x00;

  const double map = running ? 35.0 + 2.0 * std::sin(2 * kPi * t / 1700.0) : 100.0;
  const double petrolMs = running ? 2.6 + 0.3 * std::sin(2 * kPi * t / 2300.0) : 0.0;
  const int cylinders = block::CylinderCount(settings[block::kCylinders]);
  const auto petrolCounts = static_cast<unsigned>(std::lround(petrolMs * 10.0));
  const std::size_t petrolAt[] = {6, 8, 10, 12, 14, 16, 51, 53};
  for (int c = 0; c < 8; ++c) PutLe16(p, at(petrolAt[c]), c < cylinders ? petrolCounts : 0u);

  const auto cell = static_cast<std::size_t>(std::clamp<long>(std::lround(petrolMs * 10.0) - 10, 0, 245));
  const std::uint8_t multiplier = settings[block::kMap + cell];
  const auto gasUs = onGas_ ? static_cast<unsigned>(std::lround(petrolMs * multiplier * 10.0)) : 0u;
  p[at(18)] = static_cast<std::uint8_t>(gasUs >> 16);
  p[at(19)] = static_cast<std::uint8_t>(gasUs >> 8);
  p[at(20)] = static_cast<std::uint8_t>(gasUs);

  p[at(21)] = static_cast<std::uint8_t>((speed + 50) / 100);
  const double lambda1 = running ? 0.5 + 0.4 * std::sin(2 * kPi * t / 1200.0) : 0.0;
  const double lambda2 = running ? 0.5 + 0.4 * std::sin(2 * kPi * t / 1200.0 + kPi / 2) : 0.0;
  p[at(22)] = Clamp8(lambda1 / 0.0196);
  p[at(55)] = Clamp8(lambda2 / 0.0196);

  const double p1 = running ? settings[block::kWorkPressure] + 2.0 * std::sin(2 * kPi * t / 900.0) : 0.0;
  PutBe16(p, at(23), static_cast<unsigned>(std::max(0L, std::lround(p1))));
  PutBe16(p, at(25), static_cast<unsigned>(std::lround(map)));
  p[at(28)] = multiplier;

  const double battery = running ? 14.1 + 0.05 * std::sin(2 * kPi * t / 5000.0) : 12.4;
  p[at(29)] = Clamp8((battery - 0.7) * 375.0 / 23.0);
  p[at(30)] = 92;  // 1.8 V from the tank sender
  p[at(31)] = 3;
  p[at(32)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(reducerTemp())));
  p[at(33)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(gasTemp())));
  p[at(34)] = 0xFF;  // no current errors
  p[at(35)] = 0xFF;
  p[at(48)] = 0xFF;

  // The window over the learned petrol and gas tables at the sweep position.
  const int i = sweep_;
  const double gas = 1.12;
  p[at(36)] = sweep_;
  p[at(37)] = LearnedTime(i, 1.0);
  p[at(38)] = LearnedTime(i, 1.0);
  p[at(39)] = LearnedTime(i + 1, 1.0);
  p[at(40)] = LearnedTime(i + 1, 1.0);
  p[at(41)] = LearnedTime(i + 2, 1.0);
  p[at(42)] = LearnedTime(i + 2, gas);
  p[at(43)] = LearnedTime(i + 3, gas);
  p[at(44)] = LearnedTime(i + 3, gas);
  p[at(45)] = LearnedTime(i + 4, gas);
  p[at(46)] = LearnedTime(i + 4, gas);
  p[at(47)] = 3;  // draw both learned curves
  sweep_ = static_cast<std::uint8_t>(sweep_ + 1);
  return p;
}

}  // namespace tavu::sim
