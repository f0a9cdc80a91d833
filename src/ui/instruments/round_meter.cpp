#include "ui/instruments/round_meter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

namespace {

constexpr int kMinorPerMajor = 5;

QPointF OnCircle(const QPointF& centre, qreal radius, double compassDegrees) {
  const double a = qDegreesToRadians(compassDegrees);
  return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// drawArc() counts counter-clockwise from three o'clock in 1/16 degree.
void DrawCompassArc(QPainter& p, const QRectF& box, double fromDegrees, double toDegrees) {
  p.drawArc(box, qRound((90.0 - fromDegrees) * 16), qRound(-(toDegrees - fromDegrees) * 16));
}

QPainterPath NeedlePath(int shape, qreal length, qreal width) {
  QPainterPath path;
  const qreal tail = length * 0.18;
  switch (shape) {
    case RoundMeter::kLine:
      path.addRect(QRectF(-width * 0.18, -length, width * 0.36, length + tail));
      break;
    case RoundMeter::kTriangle:
      path.moveTo(-width * 0.55, 0);
      path.lineTo(0, -length);
      path.lineTo(width * 0.55, 0);
      path.closeSubpath();
      break;
    case RoundMeter::kArrow: {
      const qreal head = length * 0.22;
      path.addRect(QRectF(-width * 0.16, -length + head, width * 0.32, length - head + tail));
      QPainterPath tip;
      tip.moveTo(0, -length);
      tip.lineTo(width * 0.6, -length + head);
      tip.lineTo(-width * 0.6, -length + head);
      tip.closeSubpath();
      path = path.united(tip);
      break;
    }
    default:
      path.moveTo(-width * 0.5, tail);
      path.lineTo(-width * 0.12, -length);
      path.lineTo(width * 0.12, -length);
      path.lineTo(width * 0.5, tail);
      path.closeSubpath();
      break;
  }
  return path;
}

}  // namespace

RoundMeter::RoundMeter(QWidget* parent)
    : QWidget(parent),
      sectors_{{0.0, 0.6, QColor(0x2e, 0xb8, 0x4f)}, {0.6, 0.8, QColor(0xf0, 0xc0, 0x20)},
               {0.8, 1.0, QColor(0xe8, 0x30, 0x30)}} {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

double RoundMeter::angleFor(double value, double minimum, double maximum) {
  return kStartAngle + kSweep * instrument::Fraction(value, minimum, maximum);
}

std::optional<std::pair<double, double>> RoundMeter::sectorAngles(const Sector& sector, int sectorOffset) {
  const double from = std::clamp(sector.from, 0.0, 1.0) * kSweep + sectorOffset;
  const double to = std::clamp(sector.to, 0.0, 1.0) * kSweep + sectorOffset;
  const double a = std::clamp(std::min(from, to), 0.0, kSweep);
  const double b = std::clamp(std::max(from, to), 0.0, kSweep);
  if (b - a <= 0) return std::nullopt;
  return std::make_pair(kStartAngle + a, kStartAngle + b);
}

void RoundMeter::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
}

void RoundMeter::setRange(double minimum, double maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  update();
}

void RoundMeter::setScaleSteps(int steps) {
  steps = std::max(0, steps);
  if (steps == scaleSteps_) return;
  scaleSteps_ = steps;
  update();
}

void RoundMeter::setUnit(const QString& unit) {
  if (unit == unit_) return;
  unit_ = unit;
  update();
  NotifyAccessibleName(this);
}

void RoundMeter::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyAccessibleName(this);
}

void RoundMeter::setSectorOffset(int degrees) {
  if (degrees == sectorOffset_) return;
  sectorOffset_ = degrees;
  update();
}

void RoundMeter::setNeedleShape(int shape) {
  if (shape == needleShape_) return;
  needleShape_ = shape;
  update();
}

void RoundMeter::setSectors(const QList<Sector>& sectors) {
  if (sectors == sectors_) return;
  sectors_ = sectors;
  update();
}

void RoundMeter::setDecimals(int decimals) { decimals_ = decimals; }

QString RoundMeter::accessibleCaption() const { return instrument::JoinNonEmpty({caption_, unit_}); }

QString RoundMeter::accessibleValueText() const {
  return instrument::JoinNonEmpty({instrument::FormatNumber(value_, decimals_, locale()), unit_});
}

QSize RoundMeter::sizeHint() const {
  const int side = fontMetrics().height() * 10;
  return {side, side};
}

QSize RoundMeter::minimumSizeHint() const {
  const int side = fontMetrics().height() * 5;
  return {side, side};
}

void RoundMeter::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const qreal side = std::min(width(), height());
  const QPointF c(width() / 2.0, height() / 2.0);
  const qreal R = side / 2.0 - 0.5;
  const bool enabled = isEnabled();
  const QColor marking = enabled ? instrument::colors::kMarking : instrument::colors::kDimMarking;

  // Bezel and face.
  QLinearGradient rim(c - QPointF(0, R), c + QPointF(0, R));
  rim.setColorAt(0, instrument::colors::kBezel.lighter(140));
  rim.setColorAt(1, instrument::colors::kBezel.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawEllipse(c, R, R);
  const qreal faceR = R * 0.93;
  p.setBrush(instrument::colors::kFace);
  p.drawEllipse(c, faceR, faceR);

  // Sector bands just inside the tick ring.
  const qreal scaleR = faceR * 0.86;
  const qreal bandW = faceR * 0.07;
  const QRectF bandBox(c.x() - (scaleR - bandW / 2), c.y() - (scaleR - bandW / 2), 2 * (scaleR - bandW / 2),
                       2 * (scaleR - bandW / 2));
  for (const Sector& sector : sectors_) {
    const auto span = sectorAngles(sector, sectorOffset_);
    if (!span) continue;
    p.setPen(QPen(enabled ? sector.color : instrument::colors::kDimMarking, bandW, Qt::SolidLine, Qt::FlatCap));
    DrawCompassArc(p, bandBox, span->first, span->second);
  }

  // Ticks and labels. The label font follows the widget's font and shrinks on a
  // small face so the labels never run into each other.
  const int steps = std::max(1, scaleSteps_);
  QFont labelFont = font();
  const qreal wanted = faceR * 0.17;
  const qreal have = QFontMetricsF(labelFont).height();
  if (have > wanted) labelFont = instrument::ScaledFont(labelFont, wanted / have);
  p.setFont(labelFont);
  const QFontMetricsF fm(labelFont);
  const int minors = steps * kMinorPerMajor;
  for (int k = 0; k <= minors; ++k) {
    const double angle = kStartAngle + kSweep * k / minors;
    const bool major = k % kMinorPerMajor == 0;
    p.setPen(QPen(marking, major ? std::max<qreal>(1.2, faceR * 0.025) : std::max<qreal>(0.8, faceR * 0.01),
                  Qt::SolidLine, Qt::FlatCap));
    p.drawLine(OnCircle(c, scaleR, angle), OnCircle(c, scaleR - faceR * (major ? 0.13 : 0.06), angle));
  }
  p.setPen(marking);
  for (int k = 0; k <= steps; ++k) {
    const double angle = kStartAngle + kSweep * k / steps;
    const QString text = instrument::FormatTick(instrument::ScaleValue(k, steps, minimum_, maximum_), locale());
    const QPointF at = OnCircle(c, scaleR - faceR * 0.13 - fm.height() * 0.75, angle);
    const qreal w = fm.horizontalAdvance(text);
    p.drawText(QRectF(at.x() - w, at.y() - fm.height() / 2, 2 * w, fm.height()), Qt::AlignCenter, text);
  }

  // Unit under the hub.
  if (!unit_.isEmpty()) {
    p.setPen(enabled ? instrument::colors::kDimMarking.lighter(130) : instrument::colors::kDimMarking);
    const qreal y = c.y() + faceR * 0.38;
    p.drawText(QRectF(c.x() - faceR, y - fm.height() / 2, 2 * faceR, fm.height()), Qt::AlignCenter, unit_);
  }

  // Needle, then the hub over its root.
  p.save();
  p.translate(c);
  p.rotate(angleFor(value_, minimum_, maximum_));
  const QPainterPath needle = NeedlePath(needleShape_, scaleR * 0.92, std::max<qreal>(2.5, faceR * 0.09));
  p.setPen(QPen(QColor(0, 0, 0, 90), std::max<qreal>(0.6, faceR * 0.008)));
  p.setBrush(enabled ? instrument::colors::kNeedle : marking);
  p.drawPath(needle);
  p.restore();
  QRadialGradient hub(c - QPointF(faceR * 0.03, faceR * 0.03), faceR * 0.1);
  hub.setColorAt(0, QColor(0x9a, 0xa0, 0xa8));
  hub.setColorAt(1, QColor(0x30, 0x33, 0x38));
  p.setPen(Qt::NoPen);
  p.setBrush(hub);
  p.drawEllipse(c, faceR * 0.08, faceR * 0.08);
}

}  // namespace tavu::ui
