#pragma once
// A round lamp with an optional caption under it. Lit it shows the on colour,
// dark the off colour. A lit lamp that is flashing alternates between lit and
// dark four times a second; a dark lamp stays dark while flashing. A click on
// the lamp emits clicked(); what it means belongs to the owner.
#include <QColor>
#include <QTimer>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class Led : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  // One flash cycle (lit, then dark) lasts this long: 4 Hz.
  static constexpr int kFlashPeriodMs = 250;

  explicit Led(QWidget* parent = nullptr);

  void setOn(bool on);
  bool isOn() const { return on_; }
  void setFlashing(bool flashing);
  bool isFlashing() const { return flash_.isActive(); }
  void setColors(const QColor& onColor, const QColor& offColor);
  QColor onColor() const { return onColor_; }
  QColor offColor() const { return offColor_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  // What the lamp shows at this moment.
  bool isLit() const { return on_ && (!flash_.isActive() || phase_); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Indicator; }
  QString accessibleCaption() const override { return caption_; }
  QString accessibleValueText() const override;
  bool hasAccessibleValue() const override { return false; }
  QStringList accessibleActions() const override;
  void doAccessibleAction(const QString& name) override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int captionHeight() const;

  bool on_ = false;
  bool phase_ = true;
  bool pressed_ = false;
  QTimer flash_;
  QColor onColor_ = Qt::green, offColor_ = Qt::gray;
  QString caption_;
};

}  // namespace tavu::ui
