#pragma once
// The byte positions of the settings image and the code tables that map list
// items to the codes the controller keeps. The settings
// decoder and the setting commands share them, so both directions agree.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/platform/locale.h"

namespace tavu::settings_image {

// Byte positions over the whole settings reply, start byte 0xAA at 0.
inline constexpr std::size_t kCylinderMask = 20;
inline constexpr std::size_t kPulseSource = 21;
inline constexpr std::size_t kCylinders = 22;
inline constexpr std::size_t kSwitchRpm = 23;
inline constexpr std::size_t kMaxRpm = 24;
inline constexpr std::size_t kLevelThresholds = 25;  // four bytes, volts x 51
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
inline constexpr std::size_t kMap = 66;
inline constexpr std::size_t kMapCells = 246;
inline constexpr std::size_t kSwitchFlags = 558;
inline constexpr std::size_t kDelayHigh = 561;  // "ver_2" only
inline constexpr std::size_t kCorrections = 562;  // eight bytes, "ver_2" only
inline constexpr std::size_t kMinRpm = 570;
inline constexpr std::size_t kMinTemp = 571;
inline constexpr std::size_t kErrorRegisterVer1 = 561;
inline constexpr std::size_t kErrorRegisterVer2 = 575;
inline constexpr std::size_t kErrorRegisterLength = 40;
inline constexpr std::size_t kService = 615;  // service block bytes 0-63
inline constexpr std::size_t kServiceBytes = 64;
inline constexpr std::size_t kServiceFlag = 756;  // service block byte 64
// The shortest settings reply the decoder presents: it must hold byte 756.
inline constexpr std::size_t kMinimumLength = kServiceFlag + 1;

inline constexpr std::uint8_t kSetupRpmHigh = 0x02;       // bit 1
inline constexpr std::uint8_t kSetupTurbo = 0x08;         // bit 3
inline constexpr std::uint8_t kSetupMapLocked = 0x40;     // bit 6
inline constexpr std::uint8_t kSetupInjectorPlus = 0x80;  // bit 7
inline constexpr std::uint8_t kSwitchByFirst = 0x01;      // byte 558 bit 0
inline constexpr std::uint8_t kSwitchCng = 0x02;          // byte 558 bit 1
inline constexpr std::uint8_t kPressureSensorTavu01 = 4;

inline constexpr double kThresholdCountsPerVolt = 51.0;

}  // namespace tavu::settings_image

namespace tavu::setting_codes {

inline constexpr int kNoItem = -1;

// While the settings decoder sets Check_Injector_plus or Check_by_first, its
// caption is this one character; their click handlers do nothing meanwhile.
inline constexpr char kGuardCaption = '-';

// Sel_cyl: "3 cyl." .. "6 cyl.", "8 cyl.".
inline constexpr std::array<std::uint8_t, 5> kCylinderCodes{0, 1, 2, 3, 5};
inline constexpr std::array<int, 5> kCylinderCounts{3, 4, 5, 6, 8};
inline constexpr std::array<std::uint8_t, 5> kCylinderMasks{0x07, 0x0F, 0x1F, 0x3F, 0xFF};

// T_RED_changer / T_GAZ_changer: "1,7", "2,2", "4,5", "4,7", "5", "10 kOhm".
inline constexpr std::array<std::uint8_t, 6> kTemperatureSensorCodes{2, 1, 3, 5, 4, 0};

// Rodz_czuj_LPG: "0-90 Ohm", "90-0 Ohm", "0-50 kOhm", "50-0 kOhm".
inline constexpr std::array<std::uint8_t, 4> kLevelSensorCodes{0, 2, 1, 3};

// Sel_Typ_wtrysku: the type code and its two companion parameters 0x24 and 0x30.
struct InjectorCodes {
  std::uint8_t type, companion24, companion30;
};
inline constexpr std::array<InjectorCodes, 8> kInjectorCodes{{
    {0x08, 0x06, 0x1E},  // Valtek/Rail 1 Ohm
    {0x09, 0x06, 0x23},  // Valtek/Rail 2 Ohm
    {0x03, 0x09, 0x2D},  // Valtek/Rail 3 Ohm
    {0x01, 0x06, 0x1E},  // Matrix/Magic
    {0x06, 0x06, 0x1E},  // BRC
    {0x07, 0x06, 0x1E},  // Keihin
    {0x00, 0x00, 0x00},  // Stefanelli
    {0x04, 0x06, 0x2D},  // OMVL
}};

// The list item that shows a code, kNoItem for a code outside the table.
template <std::size_t N>
constexpr int ItemForCode(const std::array<std::uint8_t, N>& codes, std::uint8_t code) {
  for (std::size_t i = 0; i < N; ++i)
    if (codes[i] == code) return static_cast<int>(i);
  return kNoItem;
}
constexpr int InjectorItemForCode(std::uint8_t code) {
  for (std::size_t i = 0; i < kInjectorCodes.size(); ++i)
    if (kInjectorCodes[i].type == code) return static_cast<int>(i);
  return kNoItem;
}
template <typename Array>
constexpr bool ValidItem(const Array& table, int item) {
  return item >= 0 && static_cast<std::size_t>(item) < table.size();
}

// The threshold boxes Ch_U_LPG_1 .. 4 always write volts with a decimal comma,
// whatever the user's locale.
inline const platform::Locale& ThresholdLocale() {
  static const platform::FixedLocale comma{U',', 0, "dd.MM.yyyy", "HH:mm:ss"};
  return comma;
}

}  // namespace tavu::setting_codes
