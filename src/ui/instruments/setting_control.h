#pragma once
// What the dial and the slider share: a whole-number setting that the user
// changes with the mouse, the wheel or the keys, and that reports its value
// only when the user lets go.
//
// - setValue() is the owner's: it shows the value and never reports.
// - While the user drags, turns the wheel or holds a key, valueEdited() follows
//   every change, but nothing is reported.
// - valueCommitted() comes once the user lets go (mouse button or key released,
//   the wheel at rest for kSettleMs, the focus gone), and only when the value
//   then differs from the last one the owner set or was told.
#include <QTimer>
#include <algorithm>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class SettingControl : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  static constexpr int kSettleMs = 400;

  // value moved onto the grid of `step` from minimum, and into [minimum, maximum].
  static int quantise(int value, int minimum, int maximum, int step);

  void setValue(int value);
  int value() const { return value_; }
  void setRange(int minimum, int maximum);
  void setMinimum(int minimum) { setRange(minimum, std::max(minimum, maximum_)); }
  void setMaximum(int maximum) { setRange(std::min(minimum_, maximum), maximum); }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // The user's changes land on this grid; arrow keys and the wheel move one step.
  void setSingleStep(int step);
  int singleStep() const { return step_; }
  // Page Up and Page Down move this many single steps.
  void setPageSteps(int steps) { pageSteps_ = std::max(1, steps); }
  int pageSteps() const { return pageSteps_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  bool isDragging() const { return dragging_; }

  double accessibleValue() const override { return value_; }
  double accessibleMinimum() const override { return minimum_; }
  double accessibleMaximum() const override { return maximum_; }
  double accessibleStep() const override { return step_; }
  bool acceptsAccessibleValue() const override { return true; }
  bool setAccessibleValue(double value) override;
  QString accessibleCaption() const override { return caption_; }
  QStringList accessibleActions() const override;
  void doAccessibleAction(const QString& name) override;

 signals:
  void valueEdited(int value);
  void valueCommitted(int value);

 protected:
  explicit SettingControl(QWidget* parent);

  // The value the pointer at pos stands for, before quantising.
  virtual int valueAt(const QPointF& pos) const = 0;
  // Whether a press at pos takes hold of the control.
  virtual bool grabsAt(const QPointF& pos) const;
  virtual void captionChanged() {}

  // A change made by the user: quantised, shown, announced by valueEdited().
  void edit(int value);
  // The user let go: report the value if it changed.
  void commit();

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool display(int value);

  int value_ = 0, minimum_ = 0, maximum_ = 100;
  int step_ = 1, pageSteps_ = 10;
  int reported_ = 0;  // the value the owner knows
  bool dragging_ = false;
  bool keyHeld_ = false;
  int wheelRemainder_ = 0;
  QTimer settle_;
  QString caption_;
};

}  // namespace tavu::ui
