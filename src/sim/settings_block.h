#pragma once
// The simulated controller's settings block: the byte positions it keeps its
// settings at (counted over the whole settings reply, start byte first) and the
// factory contents.
#include <cstddef>
#include <cstdint>

#include "core/platform/bytes.h"

namespace tavu::sim::block {

inline constexpr std::size_t kLength = 760;  // the whole settings reply, final byte included

inline constexpr std::size_t kFirmware = 4;  // major, minor, patch
inline constexpr std::size_t kCylinderMask = 20;
inline constexpr std::size_t kPulseSource = 21;
inline constexpr std::size_t kCylinders = 22;
inline constexpr std::size_t kSwitchRpm = 23;
inline constexpr std::size_t kMaxRpm = 24;
inline constexpr std::size_t kLevelThresholds = 25;  // four bytes
inline constexpr std::size_t kLevelSensor = 29;
inline constexpr std::size_t kReducerSensor = 30;
inline constexpr std::size_t kGasSensor = 31;
inline constexpr std::size_t kPressureSensor = 33;
inline constexpr std::size_t kSetupFlags = 34;
inline constexpr std::size_t kSwitchTemp = 35;
inline constexpr std::size_t kWorkPressure = 36;
inline constexpr std::size_t kMinPressure = 40;
inline constexpr std::size_t kPressureErrorTime = 41;
inline constexpr std::size_t kDelayLow = 42;
inline constexpr std::size_t kSequenceTime = 43;
inline constexpr std::size_t kInjectorType = 45;
inline constexpr std::size_t kMap = 66;  // 246 cells
inline constexpr std::size_t kMapCells = 246;
inline constexpr std::size_t kLearnTable = 312;  // the second 246-byte table, cleared by the adaptation
inline constexpr std::size_t kSwitchFlags = 558;
inline constexpr std::size_t kUploadStart = 21;  // the upload 0x1A carries the block from here on
inline constexpr std::size_t kDelayHigh = 561;   // newer generation only
inline constexpr std::size_t kCorrections = 562; // eight bytes, newer generation only
inline constexpr std::size_t kMinRpm = 570;
inline constexpr std::size_t kMinTemp = 571;
inline constexpr std::size_t kErrorsOlder = 561;
inline constexpr std::size_t kErrorsNewer = 575;
inline constexpr std::size_t kErrorRegisterLength = 40;
inline constexpr std::size_t kService = 615;         // service block bytes 0-63
inline constexpr std::size_t kServiceFlagByte = 756; // service block byte 64

inline constexpr std::uint8_t kSetupRpmHigh = 0x02;
inline constexpr std::uint8_t kSetupTurbo = 0x08;
inline constexpr std::uint8_t kSetupMapLocked = 0x40;
inline constexpr std::uint8_t kSetupInjectorPlus = 0x80;
inline constexpr std::uint8_t kSwitchByFirst = 0x01;
inline constexpr std::uint8_t kSwitchCng = 0x02;

// The service block, 65 bytes, and its fields.
namespace service {
inline constexpr std::size_t kLength = 65;
inline constexpr std::size_t kPetrolWork = 0;
inline constexpr std::size_t kGasWork = 4;
inline constexpr std::size_t kDue = 16;
inline constexpr std::size_t kLastPc = 31;
inline constexpr std::size_t kFirstAdaptation = 42;
inline constexpr std::size_t kLastAdaptation = 53;
inline constexpr std::size_t kReminder = 64;
}  // namespace service

// The factory block of the older (firmware 3.7.7) or newer generation, as a
// whole settings reply with echo 0x66; the firmware bytes and the final byte are
// filled in when it is sent.
Bytes FactorySettings(bool older);

// The position of the error register for the generation.
inline std::size_t ErrorRegister(bool older) { return older ? kErrorsOlder : kErrorsNewer; }

// The 65-byte service block kept inside the settings block.
Bytes ServiceBlock(const Bytes& settings);
void StoreServiceBlock(Bytes& settings, const Bytes& service);

std::int32_t ReadLe32(const Bytes& bytes, std::size_t at);
void WriteLe32(Bytes& bytes, std::size_t at, std::int32_t value);

// The cylinder mask with every cylinder of the count code on gas.
std::uint8_t FullMask(std::uint8_t cylinderCode);
// Cylinders for a count code (3, 4, 5, 6, 7, 8); 4 for an unknown code.
int CylinderCount(std::uint8_t cylinderCode);

}  // namespace tavu::sim::block
