#pragma once
// A thermometer: a tube with a bulb that fills with the temperature, a scale of
// `scaleSteps` labelled divisions beside it, the caption above and the reading
// in figures below.
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class Thermometer : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit Thermometer(QWidget* parent = nullptr);

  // How high the column stands, 0 (empty tube) .. 1 (full tube).
  static double levelFor(double value, double minimum, double maximum);

  void setValue(double value);
  double value() const { return value_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  void setScaleSteps(int steps);
  int scaleSteps() const { return scaleSteps_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setUnit(const QString& unit);
  QString unit() const { return unit_; }
  void setDecimals(int decimals);
  int decimals() const { return decimals_; }
  // The reading as shown under the tube ("87 °C").
  QString valueText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Indicator; }
  QString accessibleCaption() const override { return caption_; }
  QString accessibleValueText() const override { return valueText(); }
  double accessibleValue() const override { return value_; }
  double accessibleMinimum() const override { return minimum_; }
  double accessibleMaximum() const override { return maximum_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double value_ = 0, minimum_ = 0, maximum_ = 120;
  int scaleSteps_ = 6;
  int decimals_ = 0;
  QString caption_;
  QString unit_ = QStringLiteral("\u00b0C");
};

}  // namespace tavu::ui
