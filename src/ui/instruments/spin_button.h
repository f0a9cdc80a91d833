#pragma once
// An up/down button pair, up on top. Pressing a half emits stepped(+1) or
// stepped(-1) at once; held for kDelayMs it repeats every kRepeatMs until
// released. Repeats pause while the pointer is off the pressed half. The Up and
// Down keys step too.
#include <QTimer>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class SpinButton : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  static constexpr int kDelayMs = 500;
  static constexpr int kRepeatMs = 100;

  explicit SpinButton(QWidget* parent = nullptr);

  // +1 for a press in the upper half of a widget `height` high, -1 in the lower.
  static int directionAt(qreal y, qreal height);

  void setCaption(const QString& caption);  // for assistive technology
  QString caption() const { return caption_; }
  // The half held down: +1, -1, or 0.
  int pressedDirection() const { return pressed_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::SpinBox; }
  QString accessibleCaption() const override { return caption_; }
  QString accessibleValueText() const override { return {}; }
  bool hasAccessibleValue() const override { return false; }
  QStringList accessibleActions() const override;
  void doAccessibleAction(const QString& name) override;

 signals:
  void stepped(int direction);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void release();

  int pressed_ = 0;
  bool over_ = false;  // the pointer is over the pressed half
  QTimer repeat_;
  QString caption_;
};

}  // namespace tavu::ui
