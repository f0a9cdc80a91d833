#pragma once
// A rotary setting dial: a knob with a pointer over a 270-degree scale from the
// minimum to the scale maximum, the caption above and the value in figures with
// its unit below. The scale maximum may differ from the highest value the dial
// takes (maximum()); a value beyond the scale puts the pointer at its end.
// Reports as SettingControl describes: on release, never while dragging, never
// when set from code.
#include "ui/instruments/setting_control.h"

namespace tavu::ui {

class Dial : public SettingControl {
  Q_OBJECT
 public:
  static constexpr double kSweep = 270.0;
  static constexpr double kStartAngle = -135.0;

  explicit Dial(QWidget* parent = nullptr);

  // The pointer's angle in degrees clockwise from twelve o'clock, -135 at the
  // minimum to +135 at the scale maximum, held at the ends.
  static double angleFor(double value, double minimum, double scaleMaximum);
  // The value under a pointer at `angle` (same convention, -180..180); angles in
  // the gap at the bottom go to the nearer end.
  static double valueForAngle(double angle, double minimum, double scaleMaximum);

  void setScaleMaximum(int scaleMaximum);
  int scaleMaximum() const { return scaleMaximum_; }
  void setScaleSteps(int steps);
  int scaleSteps() const { return scaleSteps_; }
  void setUnit(const QString& unit);
  QString unit() const { return unit_; }
  // The figures under the knob, with the unit.
  QString valueText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Dial; }
  QString accessibleValueText() const override { return valueText(); }

 protected:
  int valueAt(const QPointF& pos) const override;
  bool grabsAt(const QPointF& pos) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Geometry {
    QPointF centre;
    qreal radius;  // of the scale
    QRectF caption, readout;
  };
  Geometry geometry() const;

  int scaleMaximum_ = 100;
  int scaleSteps_ = 5;
  QString unit_;
};

}  // namespace tavu::ui
