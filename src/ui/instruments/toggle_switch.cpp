#include "ui/instruments/toggle_switch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavu::ui {

ToggleSwitch::ToggleSwitch(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void ToggleSwitch::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
  NotifyAccessibleName(this);
}

void ToggleSwitch::setTexts(const QString& offText, const QString& onText) {
  if (offText == offText_ && onText == onText_) return;
  offText_ = offText;
  onText_ = onText;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void ToggleSwitch::setColors(const QColor& offColor, const QColor& onColor) {
  if (offColor == offColor_ && onColor == onColor_) return;
  offColor_ = offColor;
  onColor_ = onColor;
  update();
}

QSize ToggleSwitch::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  const int textWidth = std::max(fm.horizontalAdvance(offText_), fm.horizontalAdvance(onText_));
  const int h = fm.height() + 10;
  return {textWidth + h + 24, h};
}

QSize ToggleSwitch::minimumSizeHint() const { return {fontMetrics().height() * 3, fontMetrics().height() + 6}; }

void ToggleSwitch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QColor face = on_ ? onColor_ : offColor_;
  if (!isEnabled()) face = face.darker(130);
  p.setPen(QPen(palette().color(QPalette::Dark), 1));
  p.setBrush(face);
  p.drawRoundedRect(frame, 4, 4);

  // The knob sits at the end the switch is turned to; the text fills the rest.
  const qreal knob = frame.height() - 4;
  const QRectF knobRect = on_ ? QRectF(frame.right() - knob - 2, frame.top() + 2, knob, knob)
                              : QRectF(frame.left() + 2, frame.top() + 2, knob, knob);
  p.setBrush(palette().color(QPalette::Button));
  p.drawRoundedRect(knobRect, 3, 3);

  const QRectF textRect = on_ ? frame.adjusted(4, 0, -knob - 6, 0) : frame.adjusted(knob + 6, 0, -4, 0);
  p.setPen(Qt::black);
  p.drawText(textRect, Qt::AlignCenter, text());
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 3, 3);
  }
}

void ToggleSwitch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit toggled(!on_);
}

void ToggleSwitch::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
    emit toggled(!on_);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tavu::ui
