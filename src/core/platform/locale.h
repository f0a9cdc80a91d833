#pragma once
// The user's number and date conventions, and every place the core turns a
// number or a date into text.
#include <string>

#include "core/platform/bytes.h"

namespace tavu::platform {

class Locale {
 public:
  virtual ~Locale() = default;
  virtual char32_t decimalSeparator() const = 0;
  // 0 when the locale groups no thousands.
  virtual char32_t thousandsSeparator() const = 0;
  // Patterns with the letters d, M, y (date) and h, m, s (time), e.g. "dd.MM.yyyy".
  virtual std::string shortDateFormat() const = 0;
  virtual std::string timeFormat() const = 0;
};

// A fixed locale, for tests and for platforms without one.
class FixedLocale final : public Locale {
 public:
  FixedLocale(char32_t decimal, char32_t thousands, std::string date, std::string time)
      : decimal_(decimal), thousands_(thousands), date_(std::move(date)), time_(std::move(time)) {}
  static FixedLocale Polish() { return {U',', U'\u00a0', "dd.MM.yyyy", "HH:mm:ss"}; }
  static FixedLocale Point() { return {U'.', U',', "yyyy-MM-dd", "HH:mm:ss"}; }

  char32_t decimalSeparator() const override { return decimal_; }
  char32_t thousandsSeparator() const override { return thousands_; }
  std::string shortDateFormat() const override { return date_; }
  std::string timeFormat() const override { return time_; }

 private:
  char32_t decimal_, thousands_;
  std::string date_, time_;
};

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// value with exactly `decimals` decimals, no grouping: 12,50 in a Polish locale.
std::string FormatFixed(const Locale& locale, double value, int decimals);
// value rounded to `precision` significant digits, then shown with exactly `decimals` decimals.
std::string FormatSignificant(const Locale& locale, double value, int precision, int decimals);
// The number FormatSignificant shows: rounded to `precision` significant digits,
// then to `decimals` decimals, both halves to even (12.3533 -> 12.35 for 4 and 2).
double RoundSignificant(double value, int precision, int decimals);
// General format: at most `precision` significant digits, no trailing zeros and
// no decimal separator without decimals (0,7 / 1,23 / 5 for precision 3).
std::string FormatGeneral(const Locale& locale, double value, int precision);
// The shortest decimal form that reads back as the value (25,5 / 1 / 2,55).
std::string FormatShortest(const Locale& locale, double value);
std::string FormatDateTime(const Locale& locale, const DateTime& when);

std::string Utf8(char32_t c);

}  // namespace tavu::platform
