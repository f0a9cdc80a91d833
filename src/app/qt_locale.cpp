#include "app/qt_locale.h"

namespace tavu::app {
namespace {

char32_t FirstCodePoint(const QString& text) {
  const QList<uint> points = text.toUcs4();
  return points.isEmpty() ? 0 : static_cast<char32_t>(points.front());
}

bool IsFieldLetter(QChar c) { return QStringLiteral("dMyHhms").contains(c); }

}  // namespace

char32_t QtLocale::decimalSeparator() const { return FirstCodePoint(locale_.decimalPoint()); }

char32_t QtLocale::thousandsSeparator() const {
  if (locale_.numberOptions() & QLocale::OmitGroupSeparator) return 0;
  return FirstCodePoint(locale_.groupSeparator());
}

std::string QtLocale::shortDateFormat() const { return NumericPattern(locale_.dateFormat(QLocale::ShortFormat)); }

std::string QtLocale::timeFormat() const { return NumericPattern(locale_.timeFormat(QLocale::LongFormat)); }

std::string QtLocale::NumericPattern(const QString& qtPattern) {
  QString out;
  bool dropSeparator = false;  // the text after a dropped field (a weekday name, AM/PM) goes with it
  for (qsizetype i = 0; i < qtPattern.size();) {
    const QChar c = qtPattern[i];
    if (c == QLatin1Char('\'')) {  // quoted literal text
      const qsizetype end = qtPattern.indexOf(QLatin1Char('\''), i + 1);
      const qsizetype stop = end < 0 ? qtPattern.size() : end;
      if (!dropSeparator) out += qtPattern.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    qsizetype run = 1;
    while (i + run < qtPattern.size() && qtPattern[i + run] == c) ++run;
    if (IsFieldLetter(c)) {
      dropSeparator = false;
      if (c == QLatin1Char('d') && run > 2) {
        dropSeparator = true;  // weekday name
      } else if (c == QLatin1Char('M') && run > 2) {
        out += QStringLiteral("MM");  // month name: shown as a number
      } else {
        out += QString(run, c);
      }
    } else if (c.isLetter()) {
      // AP, ap, t (time zone), z (milliseconds): not part of the pattern.
      while (!out.isEmpty() && !IsFieldLetter(out.back())) out.chop(1);
      dropSeparator = true;
    } else if (!dropSeparator) {
      out += QString(run, c);
    }
    i += run;
  }
  while (!out.isEmpty() && !IsFieldLetter(out.back())) out.chop(1);
  while (!out.isEmpty() && !IsFieldLetter(out.front())) out.remove(0, 1);
  return out.toStdString();
}

}  // namespace tavu::app
