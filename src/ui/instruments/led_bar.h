#pragma once
// A vertical bar of LED segments on a black face that light from the bottom up
// with the value, the value in figures above the segments, a caption on top and
// a second caption (a unit or a name) underneath.
#include <QColor>
#include <QLocale>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class LedBar : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  explicit LedBar(QWidget* parent = nullptr);

  // How many of `segments` segments light for value: each segment stands for an
  // equal share of the range and lights once the value covers half of it.
  // 0 below the range, all of them above it.
  static int litSegments(double value, double minimum, double maximum, int segments);

  void setValue(double value);
  double value() const { return value_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  void setSegments(int segments);  // at least 1
  int segments() const { return segments_; }
  void setDecimals(int decimals);
  int decimals() const { return decimals_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setSecondCaption(const QString& caption);
  QString secondCaption() const { return secondCaption_; }
  // The colour of a lit segment; a dark one is a dim shade of it.
  void setColor(const QColor& color);
  QColor color() const { return color_; }
  // The value in figures, in the widget's locale().
  QString valueText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::ProgressBar; }
  QString accessibleCaption() const override;
  QString accessibleValueText() const override;
  double accessibleValue() const override { return value_; }
  double accessibleMinimum() const override { return minimum_; }
  double accessibleMaximum() const override { return maximum_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  double value_ = 0, minimum_ = 0, maximum_ = 100;
  int segments_ = 20;
  int decimals_ = 1;
  QString caption_, secondCaption_;
  QColor color_ = Qt::green;
};

}  // namespace tavu::ui
