#include "ui/instruments/instrument_style.h"

#include <algorithm>
#include <cmath>
#include <QStringList>

#include "core/platform/locale.h"

namespace tavu::ui::instrument {

double Fraction(double value, double minimum, double maximum) {
  if (!(maximum > minimum) || std::isnan(value)) return 0.0;
  return std::clamp((value - minimum) / (maximum - minimum), 0.0, 1.0);
}

double ScaleValue(int k, int steps, double minimum, double maximum) {
  if (steps <= 0) return minimum;
  return minimum + (maximum - minimum) * k / steps;
}

QString FormatNumber(double value, int decimals, const QLocale& locale) {
  decimals = std::clamp(decimals, 0, 9);
  if (!std::isfinite(value)) return QStringLiteral("--");
  const double scale = std::pow(10.0, decimals);
  const double rounded = static_cast<double>(platform::RoundHalfEven(value * scale)) / scale;  // never -0
  QLocale plain = locale;
  plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
  return plain.toString(rounded, 'f', decimals);
}

QString JoinNonEmpty(std::initializer_list<QString> texts) {
  QStringList parts;
  for (const QString& t : texts)
    if (!t.trimmed().isEmpty()) parts << t.trimmed();
  return parts.join(QLatin1Char(' '));
}

QString FormatTick(double value, const QLocale& locale, int maxDecimals) {
  QString text = FormatNumber(value, maxDecimals, locale);
  const QString point = locale.decimalPoint();
  if (maxDecimals > 0 && text.contains(point)) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(point)) text.chop(point.size());
  }
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void Prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

void DrawFace(QPainter& p, const QRectF& rect, qreal radius) {
  QLinearGradient rim(rect.topLeft(), rect.bottomLeft());
  rim.setColorAt(0, colors::kBezel.lighter(130));
  rim.setColorAt(1, colors::kBezel.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawRoundedRect(rect, radius, radius);
  const qreal inset = std::max<qreal>(1.5, std::min(rect.width(), rect.height()) * 0.03);
  p.setBrush(colors::kFace);
  p.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), std::max<qreal>(0, radius - inset),
                    std::max<qreal>(0, radius - inset));
}

QFont ScaledFont(const QFont& base, double scale) {
  QFont f = base;
  if (f.pointSizeF() > 0)
    f.setPointSizeF(std::max(6.0, f.pointSizeF() * scale));
  else
    f.setPixelSize(std::max(8, static_cast<int>(std::lround(f.pixelSize() * scale))));
  return f;
}

}  // namespace tavu::ui::instrument
