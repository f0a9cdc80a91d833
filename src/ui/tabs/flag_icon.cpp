#include "ui/tabs/flag_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <initializer_list>

namespace tavu::ui {
namespace {

constexpr int kWidth = 30, kHeight = 20;

void Stripes(QPainter& p, std::initializer_list<QColor> colors) {
  const qreal h = qreal(kHeight) / static_cast<qreal>(colors.size());
  qreal y = 0;
  for (const QColor& c : colors) {
    p.fillRect(QRectF(0, y, kWidth, h + 0.5), c);
    y += h;
  }
}

void Germany(QPainter& p) { Stripes(p, {Qt::black, QColor(0xdd, 0, 0), QColor(0xff, 0xce, 0)}); }
void Poland(QPainter& p) { Stripes(p, {Qt::white, QColor(0xdc, 0x14, 0x3c)}); }
void Russia(QPainter& p) { Stripes(p, {Qt::white, QColor(0, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)}); }

void Thailand(QPainter& p) {
  const QColor red(0xa5, 0x19, 0x31), white(Qt::white), blue(0x2d, 0x2a, 0x4a);
  Stripes(p, {red, white, blue, blue, white, red});
}

void Czechia(QPainter& p) {
  p.fillRect(0, 0, kWidth, kHeight / 2, Qt::white);
  p.fillRect(0, kHeight / 2, kWidth, kHeight / 2, QColor(0xd7, 0x14, 0x1a));
  QPainterPath wedge;
  wedge.moveTo(0, 0);
  wedge.lineTo(kWidth / 2.0, kHeight / 2.0);
  wedge.lineTo(0, kHeight);
  p.fillPath(wedge, QColor(0x11, 0x45, 0x7e));
}

void Greece(QPainter& p) {
  const QColor blue(0x0d, 0x5e, 0xaf);
  for (int i = 0; i < 9; ++i) p.fillRect(QRectF(0, i * kHeight / 9.0, kWidth, kHeight / 9.0 + 0.5), i % 2 ? Qt::white : blue);
  const qreal square = 5 * kHeight / 9.0;
  p.fillRect(QRectF(0, 0, square, square), blue);
  p.fillRect(QRectF(square * 2 / 5, 0, square / 5, square), Qt::white);
  p.fillRect(QRectF(0, square * 2 / 5, square, square / 5), Qt::white);
}

void Turkey(QPainter& p) {
  p.fillRect(0, 0, kWidth, kHeight, QColor(0xe3, 0x0a, 0x17));
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(11, 10), 6, 6);
  p.setBrush(QColor(0xe3, 0x0a, 0x17));
  p.drawEllipse(QPointF(12.6, 10), 4.8, 4.8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(19, 10), 2, 2);
}

void Britain(QPainter& p) {
  const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
  p.fillRect(0, 0, kWidth, kHeight, blue);
  p.setPen(QPen(Qt::white, 4));
  p.drawLine(0, 0, kWidth, kHeight);
  p.drawLine(kWidth, 0, 0, kHeight);
  p.setPen(QPen(red, 1.5));
  p.drawLine(0, 0, kWidth, kHeight);
  p.drawLine(kWidth, 0, 0, kHeight);
  p.fillRect(QRectF(kWidth / 2.0 - 3, 0, 6, kHeight), Qt::white);
  p.fillRect(QRectF(0, kHeight / 2.0 - 3, kWidth, 6), Qt::white);
  p.fillRect(QRectF(kWidth / 2.0 - 1.8, 0, 3.6, kHeight), red);
  p.fillRect(QRectF(0, kHeight / 2.0 - 1.8, kWidth, 3.6), red);
}

}  // namespace

QIcon FlagIcon(const std::string& language) {
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::lightGray);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (language == "NiemieckiDE") Germany(p);
  else if (language == "AngielskiGB") Britain(p);
  else if (language == "PolskiPL") Poland(p);
  else if (language == "Russian") Russia(p);
  else if (language == "Ceski") Czechia(p);
  else if (language == "Turkish") Turkey(p);
  else if (language == "Thai") Thailand(p);
  else if (language == "Greek") Greece(p);
  p.setPen(QColor(0x60, 0x60, 0x60));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
  return QIcon(pixmap);
}

}  // namespace tavu::ui
