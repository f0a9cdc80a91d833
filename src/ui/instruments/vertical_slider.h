#pragma once
// A vertical slider: a groove with tick marks and a thumb, the minimum at the
// bottom. Reports as SettingControl describes: on release, never while
// dragging, never when set from code; valueEdited() follows the thumb.
#include "ui/instruments/setting_control.h"

namespace tavu::ui {

class VerticalSlider : public SettingControl {
  Q_OBJECT
 public:
  explicit VerticalSlider(QWidget* parent = nullptr);

  // The thumb's height in the groove, 0 (bottom) .. 1 (top), held at the ends.
  static double fractionFor(double value, double minimum, double maximum);
  // The value at height f of the groove (0 bottom .. 1 top, held at the ends).
  static double valueForFraction(double f, double minimum, double maximum);

  void setTickCount(int ticks);  // divisions marked beside the groove; 0: none
  int tickCount() const { return tickCount_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Slider; }
  QString accessibleValueText() const override;

 protected:
  int valueAt(const QPointF& pos) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The stretch the thumb's centre travels, top to bottom.
  qreal thumbHeight() const;
  qreal travelTop() const;
  qreal travelBottom() const;

  int tickCount_ = 10;
};

}  // namespace tavu::ui
