#include "ui/instruments/setting_control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace tavu::ui {

SettingControl::SettingControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &SettingControl::commit);
}

int SettingControl::quantise(int value, int minimum, int maximum, int step) {
  if (maximum < minimum) std::swap(minimum, maximum);
  value = std::clamp(value, minimum, maximum);
  if (step <= 1) return value;
  const long long offset = static_cast<long long>(value) - minimum;
  long long snapped = (offset + step / 2) / step * step;  // offset >= 0: halves go up
  if (minimum + snapped > maximum) snapped -= step;
  return static_cast<int>(minimum + snapped);
}

bool SettingControl::display(int value) {
  if (value == value_) return false;
  value_ = value;
  update();
  NotifyAccessibleValue(this, value_);
  return true;
}

void SettingControl::setValue(int value) {
  display(std::clamp(value, minimum_, maximum_));
  reported_ = value_;
}

void SettingControl::setRange(int minimum, int maximum) {
  if (maximum < minimum) maximum = minimum;
  if (minimum == minimum_ && maximum == maximum_) return;
  minimum_ = minimum;
  maximum_ = maximum;
  // A value pulled into the new range is the owner's doing, not the user's.
  const bool wasReported = value_ == reported_;
  display(std::clamp(value_, minimum_, maximum_));
  if (wasReported) reported_ = value_;
  update();
}

void SettingControl::setSingleStep(int step) {
  step = std::max(1, step);
  if (step == step_) return;
  step_ = step;
}

void SettingControl::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  captionChanged();
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void SettingControl::edit(int value) {
  if (display(quantise(value, minimum_, maximum_, step_))) emit valueEdited(value_);
}

void SettingControl::commit() {
  settle_.stop();
  wheelRemainder_ = 0;
  if (value_ == reported_) return;
  reported_ = value_;
  emit valueCommitted(value_);
}

bool SettingControl::setAccessibleValue(double value) {
  if (!std::isfinite(value)) return false;
  edit(static_cast<int>(std::lround(std::clamp<double>(value, minimum_, maximum_))));
  commit();
  return true;
}

QStringList SettingControl::accessibleActions() const {
  return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void SettingControl::doAccessibleAction(const QString& name) {
  if (name == QAccessibleActionInterface::increaseAction())
    edit(value_ + step_);
  else if (name == QAccessibleActionInterface::decreaseAction())
    edit(value_ - step_);
  else
    return;
  commit();
}

bool SettingControl::grabsAt(const QPointF&) const { return true; }

void SettingControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !grabsAt(event->position())) {
    event->ignore();
    return;
  }
  commit();  // a wheel change still settling belongs to the turn before this one
  dragging_ = true;
  edit(valueAt(event->position()));
}

void SettingControl::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) edit(valueAt(event->position()));
}

void SettingControl::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  dragging_ = false;
  commit();
}

void SettingControl::wheelEvent(QWheelEvent* event) {
  if (dragging_) return;
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / 120;
  wheelRemainder_ -= notches * 120;
  if (notches != 0) edit(value_ + notches * step_);
  settle_.start();
  event->accept();
}

void SettingControl::keyPressEvent(QKeyEvent* event) {
  int target = value_;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
      target = value_ + step_;
      break;
    case Qt::Key_Down:
    case Qt::Key_Left:
      target = value_ - step_;
      break;
    case Qt::Key_PageUp:
      target = value_ + step_ * pageSteps_;
      break;
    case Qt::Key_PageDown:
      target = value_ - step_ * pageSteps_;
      break;
    case Qt::Key_Home:
      target = minimum_;
      break;
    case Qt::Key_End:
      target = maximum_;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  keyHeld_ = true;
  edit(target);
}

void SettingControl::keyReleaseEvent(QKeyEvent* event) {
  if (keyHeld_ && !event->isAutoRepeat()) {
    keyHeld_ = false;
    commit();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void SettingControl::focusOutEvent(QFocusEvent* event) {
  keyHeld_ = false;
  if (!dragging_) commit();
  QWidget::focusOutEvent(event);
}

void SettingControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    dragging_ = false;
    keyHeld_ = false;
    commit();
  }
  QWidget::changeEvent(event);
}

}  // namespace tavu::ui
