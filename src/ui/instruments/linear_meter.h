#pragma once
// A horizontal meter: a scale with `scaleSteps` labelled divisions, a bar that
// fills from the left and a pointer at the value, and a caption (with its unit,
// "MAP [kPa]") on the face.
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class LinearMeter : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit LinearMeter(QWidget* parent = nullptr);

  // The pointer's place along the scale, 0 (left end) .. 1 (right end).
  static double fractionFor(double value, double minimum, double maximum);

  void setValue(double value);
  double value() const { return value_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  // Major divisions of the scale, each labelled at its end; 0 leaves only the ends.
  void setScaleSteps(int steps);
  int scaleSteps() const { return scaleSteps_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setDecimals(int decimals);  // for the accessible value
  int decimals() const { return decimals_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::ProgressBar; }
  QString accessibleCaption() const override { return caption_; }
  QString accessibleValueText() const override;
  double accessibleValue() const override { return value_; }
  double accessibleMinimum() const override { return minimum_; }
  double accessibleMaximum() const override { return maximum_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double value_ = 0, minimum_ = 0, maximum_ = 100;
  int scaleSteps_ = 4;
  int decimals_ = 1;
  QString caption_;
};

}  // namespace tavu::ui
