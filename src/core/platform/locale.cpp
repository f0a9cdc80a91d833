#include "core/platform/locale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tavu::platform {

long long RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  long long result = static_cast<long long>(floor);
  if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
  return result;
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

namespace {

std::string Localize(const Locale& locale, std::string text) {
  const auto dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, Utf8(locale.decimalSeparator()));
  return text;
}

}  // namespace

std::string FormatFixed(const Locale& locale, double value, int decimals) {
  // Scale and round half to even ourselves so the text does not depend on printf's rounding.
  const double scale = std::pow(10.0, decimals);
  const long long scaled = RoundHalfEven(value * scale);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(scaled) / scale);
  std::string text = buf;
  if (text == "-0" || text.rfind("-0.", 0) == 0) {
    bool allZero = true;
    for (char ch : text) allZero = allZero && (ch == '-' || ch == '0' || ch == '.');
    if (allZero) text.erase(0, 1);
  }
  return Localize(locale, text);
}

namespace {

int Magnitude(double value) { return static_cast<int>(std::floor(std::log10(std::fabs(value)))); }

double ToSignificant(double value, int precision) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  const double scale = std::pow(10.0, precision - 1 - Magnitude(value));
  return static_cast<double>(RoundHalfEven(value * scale)) / scale;
}

}  // namespace

std::string FormatSignificant(const Locale& locale, double value, int precision, int decimals) {
  return FormatFixed(locale, ToSignificant(value, precision), decimals);
}

double RoundSignificant(double value, int precision, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return static_cast<double>(RoundHalfEven(ToSignificant(value, precision) * scale)) / scale;
}

std::string FormatGeneral(const Locale& locale, double value, int precision) {
  value = ToSignificant(value, precision);
  const int decimals = (value == 0.0 || !std::isfinite(value)) ? 0 : std::max(0, precision - 1 - Magnitude(value));
  std::string text = FormatFixed(locale, value, decimals);
  const std::string separator = Utf8(locale.decimalSeparator());
  if (decimals > 0) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (text.size() >= separator.size() && text.compare(text.size() - separator.size(), separator.size(), separator) == 0)
      text.erase(text.size() - separator.size());
  }
  return text;
}

std::string FormatShortest(const Locale& locale, double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  if (ec != std::errc()) return {};
  return Localize(locale, std::string(buf, end));
}

std::string FormatDateTime(const Locale& locale, const DateTime& when) {
  const std::string pattern = locale.shortDateFormat() + " " + locale.timeFormat();
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    int field = -1;
    switch (c) {
      case 'd': field = when.day; break;
      case 'M': field = when.month; break;
      case 'y': field = run <= 2 ? when.year % 100 : when.year; break;
      case 'H': case 'h': field = when.hour; break;
      case 'm': field = when.minute; break;
      case 's': field = when.second; break;
      default: break;
    }
    if (field < 0) {
      out.append(pattern, i, run);
    } else {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%0*d", static_cast<int>(run > 4 ? 4 : run), field);
      out += buf;
    }
    i += run;
  }
  return out;
}

}  // namespace tavu::platform
