#pragma once
// A small numeric field with up/down arrows. setValue() is the owner's and
// never reports; valueCommitted() comes for every step the user takes (arrow,
// key, wheel) and for a typed number once it is entered, when it differs from
// the value shown before.
#include <QDoubleSpinBox>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class NumericSpin : public QDoubleSpinBox, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit NumericSpin(QWidget* parent = nullptr);

  // Typing off leaves only the arrows, the keys and the wheel.
  void setTypingEnabled(bool enabled);
  bool isTypingEnabled() const;
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }

  void stepBy(int steps) override;

  QAccessible::Role accessibleRole() const override { return QAccessible::SpinBox; }
  QString accessibleCaption() const override { return caption_; }
  QString accessibleValueText() const override { return text(); }
  double accessibleValue() const override { return value(); }
  double accessibleMinimum() const override { return minimum(); }
  double accessibleMaximum() const override { return maximum(); }
  double accessibleStep() const override { return singleStep(); }
  bool acceptsAccessibleValue() const override { return true; }
  bool setAccessibleValue(double value) override;
  QStringList accessibleActions() const override;
  void doAccessibleAction(const QString& name) override;

 signals:
  void valueCommitted(double value);

 private:
  void commitIfChanged();

  double known_ = 0;  // the value the owner knows
  bool userChange_ = false;
  bool typed_ = false;
  QString caption_;
};

}  // namespace tavu::ui
