#include "ui/instruments/vertical_slider.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

VerticalSlider::VerticalSlider(QWidget* parent) : SettingControl(parent) {}

double VerticalSlider::fractionFor(double value, double minimum, double maximum) {
  return instrument::Fraction(value, minimum, maximum);
}

double VerticalSlider::valueForFraction(double f, double minimum, double maximum) {
  if (std::isnan(f)) f = 0;
  return minimum + std::clamp(f, 0.0, 1.0) * (maximum - minimum);
}

QString VerticalSlider::accessibleValueText() const { return instrument::FormatNumber(value(), 0, locale()); }

void VerticalSlider::setTickCount(int ticks) {
  ticks = std::max(0, ticks);
  if (ticks == tickCount_) return;
  tickCount_ = ticks;
  update();
}

QSize VerticalSlider::sizeHint() const {
  const int h = fontMetrics().height();
  return {h * 2, h * 9};
}

QSize VerticalSlider::minimumSizeHint() const {
  const int h = fontMetrics().height();
  return {h + 4, h * 3};
}

qreal VerticalSlider::thumbHeight() const { return std::max<qreal>(8, QFontMetricsF(font()).height() * 0.8); }
qreal VerticalSlider::travelTop() const { return thumbHeight() / 2 + 1; }
qreal VerticalSlider::travelBottom() const { return std::max(travelTop() + 1, height() - thumbHeight() / 2 - 1); }

int VerticalSlider::valueAt(const QPointF& pos) const {
  const double f = (travelBottom() - pos.y()) / (travelBottom() - travelTop());
  return static_cast<int>(std::lround(valueForFraction(f, minimum(), maximum())));
}

void VerticalSlider::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const bool enabled = isEnabled();
  const QColor text = palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
  const qreal cx = width() / 2.0;
  const qreal top = travelTop(), bottom = travelBottom();
  const qreal thumbH = thumbHeight();
  const qreal thumbW = std::min<qreal>(width() - 2, thumbH * 2.2);

  // Ticks on both sides of the groove.
  if (tickCount_ > 0) {
    p.setPen(QPen(text, 1));
    for (int k = 0; k <= tickCount_; ++k) {
      const qreal y = bottom - (bottom - top) * k / tickCount_;
      const qreal len = k % 5 == 0 ? thumbW * 0.2 : thumbW * 0.1;
      p.drawLine(QPointF(cx - thumbW / 2 - len, y), QPointF(cx - thumbW / 2, y));
      p.drawLine(QPointF(cx + thumbW / 2, y), QPointF(cx + thumbW / 2 + len, y));
    }
  }

  // Groove, lit from the bottom up to the thumb.
  const double f = fractionFor(value(), minimum(), maximum());
  const qreal y = bottom - (bottom - top) * f;
  const qreal grooveW = std::max<qreal>(3, thumbH * 0.35);
  p.setPen(Qt::NoPen);
  p.setBrush(instrument::colors::kFace);
  p.drawRoundedRect(QRectF(cx - grooveW / 2, top - grooveW / 2, grooveW, bottom - top + grooveW), grooveW / 2,
                    grooveW / 2);
  p.setBrush(enabled ? palette().color(QPalette::Highlight) : text);
  p.drawRoundedRect(QRectF(cx - grooveW / 2 + 1, y, grooveW - 2, bottom - y + grooveW / 2 - 1), grooveW / 2,
                    grooveW / 2);

  // Thumb: a ridged cap with a centre line at the value.
  const QRectF thumb(cx - thumbW / 2, y - thumbH / 2, thumbW, thumbH);
  QLinearGradient cap(thumb.topLeft(), thumb.bottomLeft());
  cap.setColorAt(0, QColor(0x8a, 0x90, 0x98));
  cap.setColorAt(1, QColor(0x3a, 0x3e, 0x44));
  p.setPen(QPen(QColor(0x18, 0x1a, 0x1e), 1));
  p.setBrush(cap);
  p.drawRoundedRect(thumb, 2, 2);
  p.setPen(QPen(enabled ? instrument::colors::kNeedle : text, 1.5));
  p.drawLine(QPointF(thumb.left() + 2, y), QPointF(thumb.right() - 2, y));

  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

}  // namespace tavu::ui
