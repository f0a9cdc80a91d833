#include "ui/instruments/led_bar.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "core/platform/locale.h"
#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

LedBar::LedBar(QWidget* parent) : QWidget(parent) {}

int LedBar::litSegments(double value, double minimum, double maximum, int segments) {
  if (segments <= 0) return 0;
  const double f = instrument::Fraction(value, minimum, maximum);
  return static_cast<int>(std::clamp<long long>(platform::RoundHalfEven(f * segments), 0, segments));
}

void LedBar::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
}

void LedBar::setRange(double minimum, double maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  update();
}

void LedBar::setSegments(int segments) {
  segments = std::max(1, segments);
  if (segments == segments_) return;
  segments_ = segments;
  update();
}

void LedBar::setDecimals(int decimals) {
  if (decimals == decimals_) return;
  decimals_ = decimals;
  updateGeometry();
  update();
}

void LedBar::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void LedBar::setSecondCaption(const QString& caption) {
  if (caption == secondCaption_) return;
  secondCaption_ = caption;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void LedBar::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void LedBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

QString LedBar::valueText() const { return instrument::FormatNumber(value_, decimals_, locale()); }

QString LedBar::accessibleCaption() const {
  return instrument::JoinNonEmpty({caption_, secondCaption_});
}

QString LedBar::accessibleValueText() const { return valueText(); }

QSize LedBar::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  const int textWidth = std::max({fm.horizontalAdvance(caption_.trimmed()), fm.horizontalAdvance(secondCaption_.trimmed()),
                                  fm.horizontalAdvance(QStringLiteral("000.0"))});
  return {textWidth + 8, fm.height() * 10};
}

QSize LedBar::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(QStringLiteral("00.0")) + 4, fm.height() * 5};
}

void LedBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const QFontMetricsF fm(font());
  const qreal lineH = fm.height();
  QRectF area = rect();
  const QColor text = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);

  // Captions outside the face, in the window's text colour.
  p.setPen(text);
  if (!caption_.isEmpty()) {
    p.drawText(QRectF(area.left(), area.top(), area.width(), lineH), Qt::AlignCenter, caption_.trimmed());
    area.setTop(area.top() + lineH);
  }
  if (!secondCaption_.isEmpty()) {
    p.drawText(QRectF(area.left(), area.bottom() - lineH, area.width(), lineH), Qt::AlignCenter,
               secondCaption_.trimmed());
    area.setBottom(area.bottom() - lineH);
  }

  instrument::DrawFace(p, area, 3);
  const qreal pad = std::max<qreal>(3, area.width() * 0.08);
  QRectF inner = area.adjusted(pad, pad, -pad, -pad);

  // The figures on top of the face.
  const QRectF readout(inner.left(), inner.top(), inner.width(), lineH);
  p.setPen(isEnabled() ? color_.lighter(120) : instrument::colors::kDimMarking);
  p.drawText(readout, Qt::AlignCenter, valueText());
  inner.setTop(readout.bottom() + pad / 2);
  if (inner.height() < 2) return;

  // Segments from the bottom up, with a gap of a quarter of a segment.
  const int lit = litSegments(value_, minimum_, maximum_, segments_);
  const qreal pitch = inner.height() / segments_;
  const qreal gap = std::min<qreal>(pitch * 0.25, 3);
  const qreal segW = std::min<qreal>(inner.width(), std::max<qreal>(lineH, inner.width() * 0.7));
  const qreal x = inner.center().x() - segW / 2;
  const QColor on = isEnabled() ? color_ : instrument::colors::kDimMarking;
  const QColor off = QColor::fromHsv(on.hsvHue(), std::max(0, on.hsvSaturation() * 2 / 3), on.value() / 5 + 20);
  p.setPen(Qt::NoPen);
  for (int k = 0; k < segments_; ++k) {
    const QRectF seg(x, inner.bottom() - (k + 1) * pitch + gap / 2, segW, pitch - gap);
    p.setBrush(k < lit ? on : off);
    p.drawRoundedRect(seg, std::min<qreal>(1.5, seg.height() / 3), std::min<qreal>(1.5, seg.height() / 3));
  }
}

}  // namespace tavu::ui
