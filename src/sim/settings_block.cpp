#include "sim/settings_block.h"

#include <cmath>

namespace tavu::sim::block {
namespace {

// Work times in half-seconds and date-time codes (hundred-thousandths of a day
// since 24 July 1998) of a car that has been on the road a while.
constexpr std::int32_t kHalfSecondsPerHour = 7200;
constexpr std::int32_t kPetrolHours = 120;
constexpr std::int32_t kGasHours = 850;
constexpr std::int32_t kServiceIntervalHours = 150;
constexpr std::int32_t kFirstAdaptationCode = 942640972;  // 14 May 2024 09:50
constexpr std::int32_t kLastAdaptationCode = 996459375;   // 3 November 2025 14:15
constexpr std::int32_t kLastPcCode = 996460000;           // 3 November 2025 14:15:54

// Multipliers x 100 over the petrol times 1.0 .. 25.5 ms: rich at the shortest
// times, falling to a little above 1 for long pulses.
std::uint8_t FactoryMultiplier(std::size_t cell) {
  const double t = 1.0 + 0.1 * static_cast<double>(cell);
  const double m = 1.06 + 0.16 * std::exp(-(t - 1.0) / 4.0) + 0.02 * std::sin(t / 3.0);
  return static_cast<std::uint8_t>(std::lround(m * 100.0));
}

}  // namespace

std::int32_t ReadLe32(const Bytes& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

void WriteLe32(Bytes& bytes, std::size_t at, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint8_t FullMask(std::uint8_t cylinderCode) {
  return static_cast<std::uint8_t>((1u << CylinderCount(cylinderCode)) - 1u);
}

int CylinderCount(std::uint8_t cylinderCode) {
  switch (cylinderCode) {
    case 0: return 3;
    case 1: return 4;
    case 2: return 5;
    case 3: return 6;
    case 4: return 7;
    case 5: return 8;
    default: return 4;
  }
}

Bytes FactorySettings(bool older) {
  Bytes s(kLength, 0x00);
  s[0] = 0xAA;
  s[1] = static_cast<std::uint8_t>(kLength >> 8);
  s[2] = static_cast<std::uint8_t>(kLength & 0xFF);
  s[3] = 0x66;

  s[kCylinders] = 1;  // 4 cylinders
  s[kCylinderMask] = FullMask(s[kCylinders]);
  s[kPulseSource] = 0;
  s[kSwitchRpm] = 15;  // 1500 rpm
  s[kMaxRpm] = 60;     // 6000 rpm
  const std::uint8_t thresholds[] = {0x24, 0x4C, 0x70, 0x8F};  // 0.7, 1.5, 2.2, 2.8 V of a 0-90 Ohm sender
  for (std::size_t i = 0; i < 4; ++i) s[kLevelThresholds + i] = thresholds[i];
  s[kLevelSensor] = 0;
  s[kReducerSensor] = 4;  // 5 kOhm
  s[kGasSensor] = 4;
  s[kPressureSensor] = 4;
  s[kSetupFlags] = kSetupRpmHigh;
  s[kSwitchTemp] = 35;
  s[kWorkPressure] = 120;  // 1.20 bar
  s[kMinPressure] = 70;    // 0.70 bar
  s[kPressureErrorTime] = 15;  // 150 ms
  s[kDelayLow] = 20;           // 10 s
  s[kSequenceTime] = 20;       // 200 ms
  s[kInjectorType] = 8;        // Valtek/Rail 1 Ohm
  for (std::size_t k = 0; k < kMapCells; ++k) s[kMap + k] = FactoryMultiplier(k);
  s[kSwitchFlags] = 0x00;  // LPG, switch back on the second pressure drop

  if (!older) {
    s[kDelayHigh] = 0;
    for (std::size_t i = 0; i < 8; ++i) s[kCorrections + i] = 0x80;
    s[kMinRpm] = 10;  // 1000 rpm
    s[kMinTemp] = 5;  // 5 degrees C
  }
  // One low-voltage entry and an injector fault on cylinder 3; the rest erased.
  const std::size_t reg = ErrorRegister(older);
  for (std::size_t i = 0; i < kErrorRegisterLength; ++i) s[reg + i] = 0xFF;
  s[reg] = 0x02;
  s[reg + 1] = 0x00;
  s[reg + 2] = 0xFB;

  Bytes service(service::kLength, 0x00);
  WriteLe32(service, service::kPetrolWork, kPetrolHours * kHalfSecondsPerHour);
  WriteLe32(service, service::kGasWork, kGasHours * kHalfSecondsPerHour);
  WriteLe32(service, service::kDue, (kGasHours + kServiceIntervalHours) * kHalfSecondsPerHour);
  WriteLe32(service, service::kLastPc, kLastPcCode);
  WriteLe32(service, service::kFirstAdaptation, kFirstAdaptationCode);
  WriteLe32(service, service::kLastAdaptation, kLastAdaptationCode);
  service[service::kReminder] = 0x01;
  StoreServiceBlock(s, service);
  return s;
}

Bytes ServiceBlock(const Bytes& settings) {
  Bytes service(settings.begin() + kService, settings.begin() + kService + 64);
  service.push_back(settings[kServiceFlagByte]);
  return service;
}

void StoreServiceBlock(Bytes& settings, const Bytes& service) {
  for (std::size_t i = 0; i < 64 && i < service.size(); ++i) settings[kService + i] = service[i];
  if (service.size() > 64) settings[kServiceFlagByte] = service[64];
}

}  // namespace tavu::sim::block
