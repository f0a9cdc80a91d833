#pragma once
// How the drawn instruments speak to assistive technology. Each instrument
// implements AccessibleInstrument; one factory turns any of them into a
// QAccessibleInterface with its role, name, value and actions.
#include <QAccessible>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tavu::ui {

class AccessibleInstrument {
 public:
  virtual ~AccessibleInstrument() = default;

  virtual QAccessible::Role accessibleRole() const = 0;
  // The caption or label the instrument shows.
  virtual QString accessibleCaption() const = 0;
  // The value as the instrument shows it, with its unit.
  virtual QString accessibleValueText() const = 0;

  // Instruments with a number behind them expose it through the value interface.
  virtual bool hasAccessibleValue() const { return true; }
  virtual double accessibleValue() const { return 0; }
  virtual double accessibleMinimum() const { return 0; }
  virtual double accessibleMaximum() const { return 0; }
  virtual double accessibleStep() const { return 0; }
  // A setting control takes the value as a user change and reports it; a gauge
  // is read-only and refuses (returns false).
  virtual bool acceptsAccessibleValue() const { return false; }
  virtual bool setAccessibleValue(double) { return false; }

  // Two-state controls tell their state as checked or not.
  virtual std::optional<bool> accessibleChecked() const { return std::nullopt; }

  // Names from QAccessibleActionInterface (pressAction(), increaseAction() ...).
  virtual QStringList accessibleActions() const { return {}; }
  virtual void doAccessibleAction(const QString&) {}
};

// Registers the factory; call once at start-up, before the first window shows.
void InstallInstrumentAccessibility();

// Tells assistive technology that an instrument's value changed (a no-op when
// none is listening).
void NotifyAccessibleValue(QWidget* widget, double value);
void NotifyAccessibleName(QWidget* widget);

}  // namespace tavu::ui
