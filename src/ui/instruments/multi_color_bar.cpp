#include "ui/instruments/multi_color_bar.h"

#include <QPainter>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

MultiColorBar::MultiColorBar(QWidget* parent)
    : QWidget(parent),
      bands_{{0.35, QColor(0xff, 0xd0, 0x20)}, {0.65, QColor(0x30, 0xe0, 0x50)}, {1.0, QColor(0xff, 0x30, 0x30)}} {}

double MultiColorBar::fractionFor(double value, double minimum, double maximum) {
  return instrument::Fraction(value, minimum, maximum);
}

QColor MultiColorBar::colorAt(const QList<Band>& bands, double f) {
  for (const Band& band : bands)
    if (f <= band.upTo) return band.color;
  return bands.isEmpty() ? QColor(Qt::green) : bands.back().color;
}

void MultiColorBar::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
}

void MultiColorBar::setRange(double minimum, double maximum) {
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  update();
}

void MultiColorBar::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void MultiColorBar::setBands(const QList<Band>& bands) {
  if (bands == bands_) return;
  bands_ = bands;
  update();
}

QString MultiColorBar::accessibleValueText() const { return instrument::FormatNumber(value_, 2, locale()); }

QSize MultiColorBar::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(caption_) + fm.height() * 10, fm.height() + 8};
}

QSize MultiColorBar::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(caption_) + fm.height() * 3, fm.height() / 2 + 6};
}

void MultiColorBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  QRectF area = rect();
  if (!caption_.isEmpty()) {
    const qreal w = fontMetrics().horizontalAdvance(caption_) + 6;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRectF(area.left(), area.top(), w, area.height()), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    area.setLeft(area.left() + w);
  }
  instrument::DrawFace(p, area, 3);
  const qreal pad = std::max<qreal>(2.5, area.height() * 0.14);
  const QRectF track = area.adjusted(pad, pad, -pad, -pad);
  if (track.width() <= 1 || track.height() <= 1) return;

  // Each band dim along its whole length, bright as far as the value reaches.
  const double fill = fractionFor(value_, minimum_, maximum_);
  double from = 0;
  p.setPen(Qt::NoPen);
  for (const Band& band : bands_) {
    const double to = std::clamp(band.upTo, from, 1.0);
    const QRectF stretch(track.left() + from * track.width(), track.top(), (to - from) * track.width(),
                         track.height());
    QColor c = isEnabled() ? band.color : instrument::colors::kDimMarking;
    p.setBrush(QColor::fromHsv(c.hsvHue(), c.hsvSaturation() / 2, c.value() / 4 + 16));
    p.drawRect(stretch);
    if (fill > from) {
      QRectF lit = stretch;
      lit.setRight(track.left() + std::min(fill, to) * track.width());
      QLinearGradient shine(lit.topLeft(), lit.bottomLeft());
      shine.setColorAt(0, c.lighter(140));
      shine.setColorAt(0.5, c);
      shine.setColorAt(1, c.darker(130));
      p.setBrush(shine);
      p.drawRect(lit);
    }
    from = to;
  }
  // Ticks at tenths of the range.
  p.setPen(QPen(QColor(0, 0, 0, 140), 1));
  for (int k = 1; k < 10; ++k) {
    const qreal x = track.left() + track.width() * k / 10;
    p.drawLine(QPointF(x, track.top()), QPointF(x, track.top() + track.height() * (k == 5 ? 1.0 : 0.35)));
  }
}

}  // namespace tavu::ui
