#include "ui/instruments/instrument_accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tavu::ui {
namespace {

class InstrumentInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  InstrumentInterface(QWidget* widget, AccessibleInstrument* instrument)
      : QAccessibleWidget(widget, instrument->accessibleRole()), instrument_(instrument) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? instrument_->accessibleCaption().trimmed()
                                                    : widget()->accessibleName();
      case QAccessible::Value:
        return instrument_->accessibleValueText();
      case QAccessible::Description:
        return widget()->accessibleDescription().isEmpty() ? widget()->objectName()
                                                           : widget()->accessibleDescription();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (instrument_->hasAccessibleValue() && !canSet()) s.readOnly = true;
    if (const auto checked = instrument_->accessibleChecked()) {
      s.checkable = true;
      s.checked = *checked;
    }
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface && instrument_->hasAccessibleValue())
      return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QVariant currentValue() const override { return instrument_->accessibleValue(); }
  void setCurrentValue(const QVariant& value) override {
    if (widget()->isEnabled()) instrument_->setAccessibleValue(value.toDouble());
  }
  QVariant maximumValue() const override { return instrument_->accessibleMaximum(); }
  QVariant minimumValue() const override { return instrument_->accessibleMinimum(); }
  QVariant minimumStepSize() const override { return instrument_->accessibleStep(); }

  QStringList actionNames() const override {
    QStringList names = instrument_->accessibleActions();
    if (!widget()->isEnabled()) names.clear();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (widget()->isEnabled() && instrument_->accessibleActions().contains(name))
      instrument_->doAccessibleAction(name);
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  bool canSet() const { return instrument_->acceptsAccessibleValue(); }

  AccessibleInstrument* instrument_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* instrument = dynamic_cast<AccessibleInstrument*>(object);
  if (widget == nullptr || instrument == nullptr) return nullptr;
  return new InstrumentInterface(widget, instrument);
}

}  // namespace

void InstallInstrumentAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(&Factory);
}

void NotifyAccessibleValue(QWidget* widget, double value) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(widget, value);
  QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleName(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tavu::ui
