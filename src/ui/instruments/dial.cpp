#include "ui/instruments/dial.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

namespace {

QPointF OnCircle(const QPointF& centre, qreal radius, double compassDegrees) {
  const double a = qDegreesToRadians(compassDegrees);
  return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

}  // namespace

Dial::Dial(QWidget* parent) : SettingControl(parent) {}

double Dial::angleFor(double value, double minimum, double scaleMaximum) {
  return kStartAngle + kSweep * instrument::Fraction(value, minimum, scaleMaximum);
}

double Dial::valueForAngle(double angle, double minimum, double scaleMaximum) {
  const double f = std::clamp((angle - kStartAngle) / kSweep, 0.0, 1.0);
  return minimum + f * (scaleMaximum - minimum);
}

void Dial::setScaleMaximum(int scaleMaximum) {
  if (scaleMaximum == scaleMaximum_) return;
  scaleMaximum_ = scaleMaximum;
  update();
}

void Dial::setScaleSteps(int steps) {
  steps = std::max(0, steps);
  if (steps == scaleSteps_) return;
  scaleSteps_ = steps;
  update();
}

void Dial::setUnit(const QString& unit) {
  if (unit == unit_) return;
  unit_ = unit;
  updateGeometry();
  update();
}

QString Dial::valueText() const {
  return instrument::JoinNonEmpty({instrument::FormatNumber(value(), 0, locale()), unit_});
}

QSize Dial::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.height() * 8, fm.height() * 10};
}

QSize Dial::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.height() * 4, fm.height() * 6};
}

Dial::Geometry Dial::geometry() const {
  const qreal lineH = QFontMetricsF(font()).height();
  Geometry g;
  g.caption = QRectF(0, 0, width(), caption().isEmpty() ? 0 : lineH);
  g.readout = QRectF(width() * 0.1, height() - lineH - 6, width() * 0.8, lineH + 6);
  const qreal top = g.caption.bottom();
  const qreal available = std::max<qreal>(10, g.readout.top() - top - 2);
  const qreal side = std::min<qreal>(width(), available);
  g.radius = side / 2 - 1;
  // The gap of the scale faces down, so the readout may tuck under it.
  g.centre = QPointF(width() / 2.0, top + side / 2 + std::min<qreal>(g.radius * 0.15, 4));
  return g;
}

int Dial::valueAt(const QPointF& pos) const {
  const QPointF d = pos - geometry().centre;
  const double angle = qRadiansToDegrees(std::atan2(d.x(), -d.y()));
  return static_cast<int>(std::lround(valueForAngle(angle, minimum(), scaleMaximum_)));
}

bool Dial::grabsAt(const QPointF& pos) const {
  const Geometry g = geometry();
  const QPointF d = pos - g.centre;
  return std::hypot(d.x(), d.y()) <= g.radius * 1.1;
}

void Dial::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const Geometry g = geometry();
  const bool enabled = isEnabled();
  const QColor text = palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);

  if (!caption().isEmpty()) {
    p.setPen(text);
    p.drawText(g.caption, Qt::AlignCenter, caption());
  }

  // Scale: ticks on an arc with the end labels.
  const QColor tickColour = enabled ? text : palette().color(QPalette::Disabled, QPalette::WindowText);
  const int steps = std::max(1, scaleSteps_);
  const int ticks = steps * 2;
  for (int k = 0; k <= ticks; ++k) {
    const double angle = kStartAngle + kSweep * k / ticks;
    const bool major = k % 2 == 0;
    p.setPen(QPen(tickColour, major ? 1.4 : 0.8));
    p.drawLine(OnCircle(g.centre, g.radius, angle), OnCircle(g.centre, g.radius * (major ? 0.84 : 0.9), angle));
  }
  // Value arc from the start to the pointer.
  const double angle = angleFor(value(), minimum(), scaleMaximum_);
  const qreal arcR = g.radius * 0.76;
  const QRectF arcBox(g.centre.x() - arcR, g.centre.y() - arcR, 2 * arcR, 2 * arcR);
  const QColor accent = enabled ? palette().color(QPalette::Highlight) : tickColour;
  p.setPen(QPen(accent, std::max<qreal>(2, g.radius * 0.06), Qt::SolidLine, Qt::FlatCap));
  p.drawArc(arcBox, qRound((90.0 - kStartAngle) * 16), qRound(-(angle - kStartAngle) * 16));

  // Knob with its pointer line.
  const qreal knobR = g.radius * 0.64;
  QRadialGradient body(g.centre - QPointF(knobR * 0.3, knobR * 0.4), knobR * 1.3);
  body.setColorAt(0, QColor(0x6a, 0x70, 0x78));
  body.setColorAt(1, QColor(0x22, 0x25, 0x2a));
  p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1));
  p.setBrush(body);
  p.drawEllipse(g.centre, knobR, knobR);
  p.setPen(QPen(enabled ? instrument::colors::kNeedle : instrument::colors::kDimMarking,
                std::max<qreal>(2, knobR * 0.12), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(OnCircle(g.centre, knobR * 0.3, angle), OnCircle(g.centre, knobR * 0.88, angle));

  // Digital readout.
  instrument::DrawFace(p, g.readout, 3);
  p.setPen(enabled ? instrument::colors::kReadout : instrument::colors::kDimMarking);
  p.drawText(g.readout.adjusted(3, 0, -3, 0), Qt::AlignCenter, valueText());

  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g.centre, g.radius + 0.5, g.radius + 0.5);
  }
}

}  // namespace tavu::ui
