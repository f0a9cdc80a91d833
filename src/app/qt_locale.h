#pragma once
// The user's number and date conventions from the system locale.
#include <QLocale>

#include "core/platform/locale.h"

namespace tavu::app {

class QtLocale final : public platform::Locale {
 public:
  explicit QtLocale(QLocale locale = QLocale::system()) : locale_(std::move(locale)) {}
  char32_t decimalSeparator() const override;
  char32_t thousandsSeparator() const override;
  std::string shortDateFormat() const override;
  std::string timeFormat() const override;

  // A Qt date or time pattern cut down to the numeric fields d, M, y, H, h, m, s
  // and the text between them: "dddd, d MMMM yyyy" -> "d MM yyyy", "h:mm AP" -> "h:mm".
  static std::string NumericPattern(const QString& qtPattern);

 private:
  QLocale locale_;
};

}  // namespace tavu::app
