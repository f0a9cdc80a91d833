#include "ui/instruments/spin_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::TabFocus);
  repeat_.setTimerType(Qt::PreciseTimer);
  connect(&repeat_, &QTimer::timeout, this, [this] {
    repeat_.setInterval(kRepeatMs);
    if (pressed_ != 0 && over_) emit stepped(pressed_);
  });
}

int SpinButton::directionAt(qreal y, qreal height) { return y < height / 2 ? +1 : -1; }

void SpinButton::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyAccessibleName(this);
}

QSize SpinButton::sizeHint() const {
  const int h = fontMetrics().height();
  return {h + 8, h * 2 + 8};
}

QSize SpinButton::minimumSizeHint() const {
  const int h = fontMetrics().height();
  return {h / 2 + 6, h + 4};
}

QStringList SpinButton::accessibleActions() const {
  return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void SpinButton::doAccessibleAction(const QString& name) {
  if (name == QAccessibleActionInterface::increaseAction()) emit stepped(+1);
  if (name == QAccessibleActionInterface::decreaseAction()) emit stepped(-1);
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = directionAt(event->position().y(), height());
  over_ = true;
  repeat_.start(kDelayMs);
  update();
  emit stepped(pressed_);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ == 0) return;
  const bool over = rect().contains(event->position().toPoint()) &&
                    directionAt(event->position().y(), height()) == pressed_;
  if (over == over_) return;
  over_ = over;
  update();
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) release();
}

void SpinButton::release() {
  repeat_.stop();
  if (pressed_ == 0) return;
  pressed_ = 0;
  update();
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    emit stepped(+1);
  } else if (event->key() == Qt::Key_Down) {
    emit stepped(-1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void SpinButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) release();
  QWidget::changeEvent(event);
}

void SpinButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const bool enabled = isEnabled();
  const qreal half = height() / 2.0;
  for (int direction : {+1, -1}) {
    const QRectF box(0.5, direction > 0 ? 0.5 : half + 0.5, width() - 1.0, half - 1.0);
    const bool down = pressed_ == direction && over_;
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    const QColor base = palette().color(QPalette::Button);
    face.setColorAt(0, down ? base.darker(125) : base.lighter(108));
    face.setColorAt(1, down ? base.darker(110) : base.darker(112));
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    p.setBrush(face);
    p.drawRoundedRect(box, 2, 2);

    const qreal s = std::min(box.width(), box.height()) * 0.28;
    const QPointF c = box.center() + (down ? QPointF(0.5, 0.5) : QPointF());
    QPainterPath arrow;
    arrow.moveTo(c.x() - s, c.y() + direction * s * 0.5);
    arrow.lineTo(c.x() + s, c.y() + direction * s * 0.5);
    arrow.lineTo(c.x(), c.y() - direction * s * 0.6);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawPath(arrow);
  }
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
  }
}

}  // namespace tavu::ui
