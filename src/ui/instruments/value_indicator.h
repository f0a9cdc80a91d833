#pragma once
// A digital number display: the name, the value in figures in a dark window,
// and the unit ("Bateria    14,12 V"). The value is written with the widget's
// locale(), so the decimal separator is the user's.
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class ValueIndicator : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit ValueIndicator(QWidget* parent = nullptr);

  void setValue(double value);
  double value() const { return value_; }
  void setName(const QString& name);
  QString name() const { return name_; }
  void setUnit(const QString& unit);
  QString unit() const { return unit_; }
  void setDecimals(int decimals);
  int decimals() const { return decimals_; }
  // The figures alone ("14,12").
  QString valueText() const;
  // Name, figures and unit as one line ("Bateria    14,12 V").
  QString text() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Indicator; }
  QString accessibleCaption() const override { return name_; }
  QString accessibleValueText() const override;
  double accessibleValue() const override { return value_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  double value_ = 0;
  int decimals_ = 0;
  QString name_, unit_;
};

}  // namespace tavu::ui
