#include "ui/instruments/linear_meter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

namespace {
constexpr int kMinorPerMajor = 5;
}

LinearMeter::LinearMeter(QWidget* parent) : QWidget(parent) {}

double LinearMeter::fractionFor(double value, double minimum, double maximum) {
  return instrument::Fraction(value, minimum, maximum);
}

void LinearMeter::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
}

void LinearMeter::setRange(double minimum, double maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  update();
}

void LinearMeter::setScaleSteps(int steps) {
  steps = std::max(0, steps);
  if (steps == scaleSteps_) return;
  scaleSteps_ = steps;
  update();
}

void LinearMeter::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
  NotifyAccessibleName(this);
}

void LinearMeter::setDecimals(int decimals) { decimals_ = decimals; }

QString LinearMeter::accessibleValueText() const { return instrument::FormatNumber(value_, decimals_, locale()); }

QSize LinearMeter::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.height() * 11, fm.height() * 3 + 12};
}

QSize LinearMeter::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.height() * 6, fm.height() * 2 + 10};
}

void LinearMeter::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const QRectF face = rect();
  instrument::DrawFace(p, face, 4);

  const QFont small = instrument::ScaledFont(font(), 0.9);
  const QFontMetricsF fm(small);
  p.setFont(small);
  const qreal pad = std::max<qreal>(4, fm.height() * 0.3);
  const int steps = std::max(1, scaleSteps_);
  auto label = [&](int k) { return instrument::FormatTick(instrument::ScaleValue(k, steps, minimum_, maximum_), locale()); };
  // The end labels are centred on their ticks, so keep half of each inside.
  const qreal halfLabel = std::max(fm.horizontalAdvance(label(0)), fm.horizontalAdvance(label(steps))) / 2;
  const qreal left = face.left() + pad + halfLabel;
  const qreal right = face.right() - pad - halfLabel;
  const qreal width = std::max<qreal>(1, right - left);

  // Rows: caption, bar, ticks, labels; whatever does not fit is left out from the top.
  const qreal labelTop = face.bottom() - pad - fm.height();
  const qreal tickLen = std::max<qreal>(3, fm.height() * 0.35);
  const qreal tickTop = labelTop - tickLen;
  const bool roomForCaption = !caption_.isEmpty() && tickTop - face.top() - pad - fm.height() >= 5;
  const qreal barTop = roomForCaption ? face.top() + pad + fm.height() : face.top() + pad;
  const qreal barBottom = tickTop - 1;
  const QColor marking = isEnabled() ? instrument::colors::kMarking : instrument::colors::kDimMarking;

  if (roomForCaption) {
    p.setPen(marking);
    p.drawText(QRectF(face.left() + pad, face.top() + pad / 2, face.width() - 2 * pad, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, caption_);
  }

  const double f = fractionFor(value_, minimum_, maximum_);
  if (barBottom > barTop) {
    const QRectF track(left, barTop, width, barBottom - barTop);
    p.setPen(Qt::NoPen);
    p.setBrush(instrument::colors::kFace.lighter(160));
    p.drawRect(track);
    QLinearGradient fill(track.topLeft(), track.bottomLeft());
    const QColor c = isEnabled() ? QColor(0x3d, 0xa5, 0xff) : instrument::colors::kDimMarking;
    fill.setColorAt(0, c.lighter(130));
    fill.setColorAt(1, c.darker(130));
    p.setBrush(fill);
    p.drawRect(QRectF(track.left(), track.top(), track.width() * f, track.height()));
    // Pointer: a triangle standing on the scale under the value.
    const qreal x = track.left() + track.width() * f;
    const qreal s = std::min<qreal>(track.height() * 0.6, fm.height() * 0.5);
    QPainterPath pointer;
    pointer.moveTo(x, track.bottom() - s);
    pointer.lineTo(x + s * 0.6, track.bottom() + tickLen * 0.6);
    pointer.lineTo(x - s * 0.6, track.bottom() + tickLen * 0.6);
    pointer.closeSubpath();
    p.setBrush(isEnabled() ? instrument::colors::kNeedle : marking);
    p.drawPath(pointer);
  }

  p.setPen(QPen(marking, 1));
  const int minors = steps * kMinorPerMajor;
  for (int k = 0; k <= minors; ++k) {
    const qreal x = left + width * k / minors;
    const bool major = k % kMinorPerMajor == 0;
    p.drawLine(QPointF(x, tickTop + (major ? 0 : tickLen * 0.5)), QPointF(x, labelTop));
  }
  for (int k = 0; k <= steps; ++k) {
    const qreal x = left + width * k / steps;
    p.drawText(QRectF(x - halfLabel * 2, labelTop, halfLabel * 4, fm.height()), Qt::AlignCenter, label(k));
  }
}

}  // namespace tavu::ui
