#pragma once
// A small model of an idling car with a gas system: the engine starts, warms up
// and settles at idle, the reducer warms, lambda swings, and after the warm-up
// and the switch-over delay the controller puts the cylinders on gas.
#include <cstdint>

#include "core/platform/bytes.h"

namespace tavu::sim {

inline constexpr std::size_t kLiveFrameLength = 60;

class EngineModel {
 public:
  // The older generation keeps the switch-over delay in one byte, the newer in two.
  explicit EngineModel(bool olderGeneration = false) : older_(olderGeneration) {}

  // Moves the model on; running time is counted into the service block's
  // work-time counters inside `settings`.
  void advance(int milliseconds, Bytes& settings);
  // The live frame's payload (reply bytes 4 .. L-2) for the present moment; each
  // call moves the learned-curve window on by one position.
  Bytes livePayload(const Bytes& settings);

  // The fuel-switch commands: back to petrol (stays so until gas is asked for),
  // or gas for the cylinders on the mask.
  void requestPetrol();
  void requestGas();

  std::int64_t elapsedMs() const { return elapsedMs_; }
  bool onGas() const { return onGas_; }
  int rpm() const;
  double reducerTemp() const;
  double gasTemp() const;
  std::uint8_t sweepIndex() const { return sweep_; }

 private:
  bool wantsGas(const Bytes& settings) const;

  bool older_;
  std::int64_t elapsedMs_ = 0;
  std::int64_t countedMs_ = 0;  // running time not yet counted in half-seconds
  bool onGas_ = false;
  bool petrolRequested_ = false;
  std::uint8_t sweep_ = 0;
};

}  // namespace tavu::sim
