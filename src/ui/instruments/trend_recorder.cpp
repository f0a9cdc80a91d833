#include "ui/instruments/trend_recorder.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

TrendRecorder::TrendRecorder(QWidget* parent) : QWidget(parent), ring_(kDefaultCapacity) {
  channels_[0].color = QColor(0xff, 0x4d, 0x4d);
  channels_[1].color = QColor(0x4d, 0xe0, 0x5a);
}

double TrendRecorder::yFraction(double value, double minimum, double maximum) {
  return instrument::Fraction(value, minimum, maximum);
}

void TrendRecorder::addSample(double a, double b) {
  ring_[static_cast<std::size_t>(head_)] = {a, b};
  head_ = (head_ + 1) % capacity();
  count_ = std::min(count_ + 1, capacity());
  update();
}

void TrendRecorder::clear() {
  if (count_ == 0) return;
  count_ = 0;
  head_ = 0;
  update();
}

void TrendRecorder::setCapacity(int samples) {
  samples = std::max(1, samples);
  if (samples == capacity()) return;
  std::vector<std::array<double, kChannels>> kept;
  const int keep = std::min(count_, samples);
  kept.reserve(static_cast<std::size_t>(samples));
  for (int age = keep - 1; age >= 0; --age) kept.push_back({sample(0, age), sample(1, age)});
  kept.resize(static_cast<std::size_t>(samples));
  ring_ = std::move(kept);
  count_ = keep;
  head_ = keep % samples;
  update();
}

double TrendRecorder::sample(int channel, int age) const {
  if (age < 0 || age >= count_ || channel < 0 || channel >= kChannels) return 0;
  const int index = ((head_ - 1 - age) % capacity() + capacity()) % capacity();
  return ring_[static_cast<std::size_t>(index)][static_cast<std::size_t>(channel)];
}

std::vector<double> TrendRecorder::history(int channel) const {
  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(count_));
  for (int age = count_ - 1; age >= 0; --age) values.push_back(sample(channel, age));
  return values;
}

void TrendRecorder::setChannel(int channel, const Channel& s) {
  Channel& c = at(channel);
  if (c.name == s.name && c.unit == s.unit && c.minimum == s.minimum && c.maximum == s.maximum &&
      c.color == s.color && c.decimals == s.decimals)
    return;
  c = s;
  update();
}

void TrendRecorder::setChannelName(int channel, const QString& name) {
  Channel s = this->channel(channel);
  s.name = name;
  setChannel(channel, s);
}

void TrendRecorder::setChannelUnit(int channel, const QString& unit) {
  Channel s = this->channel(channel);
  s.unit = unit;
  setChannel(channel, s);
}

void TrendRecorder::setChannelRange(int channel, double minimum, double maximum) {
  Channel s = this->channel(channel);
  s.minimum = minimum;
  s.maximum = maximum;
  setChannel(channel, s);
}

void TrendRecorder::setChannelColor(int channel, const QColor& color) {
  Channel s = this->channel(channel);
  s.color = color;
  setChannel(channel, s);
}

void TrendRecorder::setChannelDecimals(int channel, int decimals) {
  Channel s = this->channel(channel);
  s.decimals = decimals;
  setChannel(channel, s);
}

void TrendRecorder::setSampleSpacing(double pixels) {
  if (!(pixels > 0) || pixels == spacing_) return;
  spacing_ = pixels;
  update();
}

void TrendRecorder::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyAccessibleName(this);
}

QString TrendRecorder::description(int channel) const {
  const Channel& c = this->channel(channel);
  return instrument::JoinNonEmpty({c.name, c.unit});
}

QString TrendRecorder::accessibleCaption() const {
  return instrument::JoinNonEmpty({caption_, description(0), description(1)});
}

QString TrendRecorder::accessibleValueText() const {
  if (count_ == 0) return {};
  QStringList parts;
  for (int k = 0; k < kChannels; ++k) {
    const Channel& c = channel(k);
    parts << instrument::JoinNonEmpty({c.name, instrument::FormatNumber(sample(k, 0), std::max(c.decimals, 1), locale()),
                                       c.unit});
  }
  return parts.join(QStringLiteral(", "));
}

QSize TrendRecorder::sizeHint() const {
  const int h = fontMetrics().height();
  return {h * 40, h * 14};
}

QSize TrendRecorder::minimumSizeHint() const {
  const int h = fontMetrics().height();
  return {h * 12, h * 6};
}

void TrendRecorder::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const QRectF face = rect();
  instrument::DrawFace(p, face, 4);
  const QFont small = instrument::ScaledFont(font(), 0.9);
  const QFontMetricsF fm(small);
  p.setFont(small);
  const qreal pad = std::max<qreal>(4, fm.height() * 0.35);

  auto label = [&](int ch, int row) {
    const Channel& c = channel(ch);
    return instrument::FormatTick(instrument::ScaleValue(row, kGridRows, c.minimum, c.maximum), locale(),
                                  std::max(c.decimals, 2));
  };
  qreal labelW[kChannels] = {0, 0};
  for (int ch = 0; ch < kChannels; ++ch)
    for (int row = 0; row <= kGridRows; ++row) labelW[ch] = std::max(labelW[ch], fm.horizontalAdvance(label(ch, row)));

  // Descriptions on top in the channels' colours, scales left and right.
  const QRectF top(face.left() + pad, face.top() + pad / 2, face.width() - 2 * pad, fm.height());
  const QRectF plot(face.left() + pad + labelW[0] + pad, top.bottom() + fm.height() * 0.75,
                    face.width() - 4 * pad - labelW[0] - labelW[1], 0);
  QRectF area = plot;
  area.setBottom(face.bottom() - pad - fm.height() / 2);
  if (area.width() < 4 || area.height() < 4) return;
  p.setPen(channel(0).color);
  p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, description(0));
  p.setPen(channel(1).color);
  p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, description(1));

  p.setPen(QPen(QColor(0x3a, 0x40, 0x48), 1));
  for (int row = 0; row <= kGridRows; ++row) {
    const qreal y = area.bottom() - area.height() * row / kGridRows;
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  for (int col = 0; col <= kGridColumns; ++col) {
    const qreal x = area.left() + area.width() * col / kGridColumns;
    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  for (int row = 0; row <= kGridRows; ++row) {
    const qreal y = area.bottom() - area.height() * row / kGridRows;
    p.setPen(channel(0).color);
    p.drawText(QRectF(face.left() + pad, y - fm.height() / 2, labelW[0], fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, label(0, row));
    p.setPen(channel(1).color);
    p.drawText(QRectF(area.right() + pad, y - fm.height() / 2, labelW[1], fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, label(1, row));
  }

  // The traces, newest at the right edge, clipped to the plot.
  const int visible = std::min(count_, static_cast<int>(area.width() / spacing_) + 1);
  if (visible == 0) return;
  p.setClipRect(area.adjusted(-1, -1, 1, 1));
  for (int ch = 0; ch < kChannels; ++ch) {
    const Channel& c = channel(ch);
    QPolygonF line;
    line.reserve(visible);
    for (int age = visible - 1; age >= 0; --age)
      line << QPointF(area.right() - age * spacing_,
                      area.bottom() - area.height() * yFraction(sample(ch, age), c.minimum, c.maximum));
    p.setPen(QPen(isEnabled() ? c.color : instrument::colors::kDimMarking, 1.5, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    if (line.size() == 1)
      p.drawPoint(line.front());
    else
      p.drawPolyline(line);
  }
}

}  // namespace tavu::ui
