#pragma once
// Small value types shared by every part of the core.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kGray{128, 128, 128};
inline constexpr Rgb kButtonFace{240, 240, 240};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWindowText{0, 0, 0};
inline constexpr Rgb kWindow{255, 255, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kLightRed{255, 60, 60};
}  // namespace colors

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace tavu
