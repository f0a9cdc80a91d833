#include "ui/instruments/led.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

Led::Led(QWidget* parent) : QWidget(parent) {
  flash_.setInterval(kFlashPeriodMs / 2);
  flash_.setTimerType(Qt::PreciseTimer);
  connect(&flash_, &QTimer::timeout, this, [this] {
    phase_ = !phase_;
    if (on_) update();  // a dark lamp looks the same in both phases
  });
}

void Led::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
}

void Led::setFlashing(bool flashing) {
  if (flashing == flash_.isActive()) return;
  phase_ = true;  // a flash starts lit and a stopped lamp shows its state
  if (flashing)
    flash_.start();
  else
    flash_.stop();
  if (on_) update();
}

void Led::setColors(const QColor& onColor, const QColor& offColor) {
  if (onColor == onColor_ && offColor == offColor_) return;
  onColor_ = onColor;
  offColor_ = offColor;
  update();
}

void Led::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

int Led::captionHeight() const { return caption_.isEmpty() ? 0 : fontMetrics().height(); }

QSize Led::sizeHint() const {
  const int lamp = fontMetrics().height() + 4;
  return {std::max(lamp + 4, fontMetrics().horizontalAdvance(caption_) + 4), lamp + 4 + captionHeight()};
}

QSize Led::minimumSizeHint() const {
  const int lamp = std::max(8, fontMetrics().height() / 2);
  return {lamp + 2, lamp + 2 + captionHeight()};
}

QString Led::accessibleValueText() const {
  if (!on_) return tr("off");
  return flash_.isActive() ? tr("flashing") : tr("on");
}

QStringList Led::accessibleActions() const { return {QAccessibleActionInterface::pressAction()}; }

void Led::doAccessibleAction(const QString& name) {
  if (name == QAccessibleActionInterface::pressAction()) emit clicked();
}

void Led::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const int ch = captionHeight();
  const qreal d = std::max<qreal>(4, std::min<qreal>(width(), height() - ch) - 2);
  const QRectF lamp((width() - d) / 2.0, (height() - ch - d) / 2.0, d, d);
  const bool lit = isLit();
  QColor face = lit ? onColor_ : offColor_;
  if (!lit) face = face.darker(150);
  if (!isEnabled()) face = QColor::fromHsv(face.hsvHue(), face.hsvSaturation() / 3, face.value());

  // Bezel, then the lens with a highlight; a lit lens glows from its centre.
  p.setPen(Qt::NoPen);
  p.setBrush(instrument::colors::kBezel);
  p.drawEllipse(lamp);
  const QRectF lens = lamp.adjusted(d * 0.1, d * 0.1, -d * 0.1, -d * 0.1);
  QRadialGradient glow(lens.center() - QPointF(lens.width() / 6, lens.height() / 6), lens.width() * 0.7);
  glow.setColorAt(0, lit ? face.lighter(175) : face.lighter(125));
  glow.setColorAt(1, lit ? face : face.darker(130));
  p.setBrush(glow);
  p.setPen(QPen(face.darker(200), std::max<qreal>(0.8, d / 24)));
  p.drawEllipse(lens);

  if (ch > 0) {
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRectF(0, height() - ch, width(), ch), Qt::AlignCenter, caption_);
  }
}

void Led::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void Led::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

}  // namespace tavu::ui
