#include "ui/instruments/thermometer.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

Thermometer::Thermometer(QWidget* parent) : QWidget(parent) {}

double Thermometer::levelFor(double value, double minimum, double maximum) {
  return instrument::Fraction(value, minimum, maximum);
}

void Thermometer::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
}

void Thermometer::setRange(double minimum, double maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  update();
}

void Thermometer::setScaleSteps(int steps) {
  steps = std::max(0, steps);
  if (steps == scaleSteps_) return;
  scaleSteps_ = steps;
  update();
}

void Thermometer::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void Thermometer::setUnit(const QString& unit) {
  if (unit == unit_) return;
  unit_ = unit;
  update();
}

void Thermometer::setDecimals(int decimals) {
  if (decimals == decimals_) return;
  decimals_ = decimals;
  update();
}

QString Thermometer::valueText() const {
  return instrument::JoinNonEmpty({instrument::FormatNumber(value_, decimals_, locale()), unit_});
}

QSize Thermometer::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {std::max(fm.horizontalAdvance(QStringLiteral("-000 \u00b0C")), fm.height() * 4) + 8, fm.height() * 12};
}

QSize Thermometer::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(QStringLiteral("000")) + fm.height() + 8, fm.height() * 7};
}

void Thermometer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const QFontMetricsF fm(font());
  const qreal lineH = fm.height();
  const bool enabled = isEnabled();
  const QColor marking = enabled ? instrument::colors::kMarking : instrument::colors::kDimMarking;

  const QRectF face = rect();
  instrument::DrawFace(p, face, 4);
  const qreal pad = std::max<qreal>(3, lineH * 0.3);
  QRectF inner = face.adjusted(pad, pad / 2, -pad, -pad / 2);

  p.setPen(marking);
  p.drawText(QRectF(inner.left(), inner.top(), inner.width(), lineH), Qt::AlignCenter, caption_);
  p.setPen(enabled ? instrument::colors::kReadout : instrument::colors::kDimMarking);
  p.drawText(QRectF(inner.left(), inner.bottom() - lineH, inner.width(), lineH), Qt::AlignCenter, valueText());
  inner.adjust(0, lineH + pad / 2, 0, -lineH - pad / 2);
  if (inner.height() < lineH * 2) return;

  // Tube and bulb; the scale stands left of the tube.
  const int steps = std::max(1, scaleSteps_);
  QFont small = instrument::ScaledFont(font(), 0.85);
  const QFontMetricsF sfm(small);
  qreal labelW = 0;
  for (int k = 0; k <= steps; ++k)
    labelW = std::max(labelW, sfm.horizontalAdvance(
                                  instrument::FormatTick(instrument::ScaleValue(k, steps, minimum_, maximum_), locale())));
  const qreal tubeW = std::clamp<qreal>(inner.width() * 0.16, 4, lineH * 0.8);
  const qreal bulbR = tubeW * 1.1;
  const qreal tickLen = std::max<qreal>(3, tubeW * 0.6);
  const qreal groupW = labelW + 3 + tickLen + 2 + bulbR * 2;
  const qreal tubeX = inner.center().x() - groupW / 2 + labelW + 3 + tickLen + 2 + bulbR;
  const QPointF bulbC(tubeX, inner.bottom() - bulbR);
  const qreal scaleTop = inner.top() + sfm.height() / 2;
  const qreal scaleBottom = bulbC.y() - bulbR * 1.3;
  const qreal scaleH = std::max<qreal>(1, scaleBottom - scaleTop);

  QPainterPath glass;
  glass.addRoundedRect(QRectF(tubeX - tubeW / 2, scaleTop - tubeW / 2, tubeW, bulbC.y() - scaleTop + tubeW / 2),
                       tubeW / 2, tubeW / 2);
  glass.addEllipse(bulbC, bulbR, bulbR);
  glass.setFillRule(Qt::WindingFill);
  p.setPen(QPen(instrument::colors::kBezel.lighter(150), 1));
  p.setBrush(instrument::colors::kFace.lighter(170));
  p.drawPath(glass.simplified());

  // The column: the bulb is always full, the tube up to the level.
  const double level = levelFor(value_, minimum_, maximum_);
  const qreal top = scaleBottom - scaleH * level;
  const QColor liquid = enabled ? QColor(0xe8, 0x34, 0x2c) : instrument::colors::kDimMarking;
  const qreal inset = std::max<qreal>(1.2, tubeW * 0.2);
  QPainterPath column;
  column.addRect(QRectF(tubeX - tubeW / 2 + inset, top, tubeW - 2 * inset, bulbC.y() - top));
  column.addEllipse(bulbC, bulbR - inset, bulbR - inset);
  column.setFillRule(Qt::WindingFill);
  QLinearGradient shine(QPointF(tubeX - bulbR, 0), QPointF(tubeX + bulbR, 0));
  shine.setColorAt(0, liquid.darker(130));
  shine.setColorAt(0.4, liquid.lighter(130));
  shine.setColorAt(1, liquid.darker(140));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawPath(column.simplified());

  p.setFont(small);
  const qreal tickRight = tubeX - tubeW / 2 - 2;
  for (int k = 0; k <= steps * 2; ++k) {
    const qreal y = scaleBottom - scaleH * k / (steps * 2);
    const bool major = k % 2 == 0;
    p.setPen(QPen(marking, 1));
    p.drawLine(QPointF(tickRight - (major ? tickLen : tickLen / 2), y), QPointF(tickRight, y));
    if (major) {
      const QString text = instrument::FormatTick(instrument::ScaleValue(k / 2, steps, minimum_, maximum_), locale());
      p.drawText(QRectF(tickRight - tickLen - 3 - labelW, y - sfm.height() / 2, labelW, sfm.height()),
                 Qt::AlignRight | Qt::AlignVCenter, text);
    }
  }
}

}  // namespace tavu::ui
