#include "ui/instruments/numeric_spin.h"

#include <QLineEdit>

namespace tavu::ui {

NumericSpin::NumericSpin(QWidget* parent) : QDoubleSpinBox(parent) {
  setKeyboardTracking(false);  // a typed number counts once it is entered
  setAccelerated(false);
  known_ = value();
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
  connect(this, &QDoubleSpinBox::valueChanged, this, [this](double v) {
    if (!userChange_ && !typed_) known_ = v;
  });
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
    if (!typed_) return;
    typed_ = false;
    commitIfChanged();
  });
}

void NumericSpin::setTypingEnabled(bool enabled) { lineEdit()->setReadOnly(!enabled); }

bool NumericSpin::isTypingEnabled() const { return !lineEdit()->isReadOnly(); }

void NumericSpin::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyAccessibleName(this);
}

void NumericSpin::stepBy(int steps) {
  userChange_ = true;
  QDoubleSpinBox::stepBy(steps);
  userChange_ = false;
  typed_ = false;
  commitIfChanged();
}

void NumericSpin::commitIfChanged() {
  if (value() == known_) return;
  known_ = value();
  emit valueCommitted(known_);
}

bool NumericSpin::setAccessibleValue(double v) {
  userChange_ = true;
  setValue(v);
  userChange_ = false;
  commitIfChanged();
  return true;
}

QStringList NumericSpin::accessibleActions() const {
  return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void NumericSpin::doAccessibleAction(const QString& name) {
  if (name == QAccessibleActionInterface::increaseAction()) stepBy(1);
  if (name == QAccessibleActionInterface::decreaseAction()) stepBy(-1);
}

}  // namespace tavu::ui
