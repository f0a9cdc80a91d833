#pragma once
// A two-state switch: the off text on the off colour or the on text on the on
// colour, with a knob at the off or the on end. A click asks for the other state
// through toggled(); the switch itself changes only when setOn() is called, so
// the owner decides whether the change happens.
#include <QColor>
#include <QString>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class ToggleSwitch : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit ToggleSwitch(QWidget* parent = nullptr);

  void setOn(bool on);
  bool isOn() const { return on_; }
  void setTexts(const QString& offText, const QString& onText);
  void setColors(const QColor& offColor, const QColor& onColor);
  QString text() const { return on_ ? onText_ : offText_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // A check button to assistive technology: its state is its value, its press
  // action asks for the other state like a click.
  QAccessible::Role accessibleRole() const override { return QAccessible::CheckBox; }
  QString accessibleCaption() const override { return text(); }
  QString accessibleValueText() const override { return text(); }
  bool hasAccessibleValue() const override { return false; }
  std::optional<bool> accessibleChecked() const override { return on_; }
  QStringList accessibleActions() const override { return {QAccessibleActionInterface::toggleAction()}; }
  void doAccessibleAction(const QString& name) override {
    if (name == QAccessibleActionInterface::toggleAction() && isEnabled()) emit toggled(!on_);
  }

 signals:
  // The user asked for this state.
  void toggled(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool on_ = false;
  QString offText_, onText_;
  QColor offColor_ = Qt::red, onColor_ = Qt::green;
};

}  // namespace tavu::ui
