#pragma once
// A horizontal bar that fills from the left with the value; the filled part
// shows the colour of the band each stretch of the scale belongs to (for a
// lambda probe: lean yellow, around stoichiometric green, rich red). A caption
// sits left of the bar.
#include <QColor>
#include <QList>
#include <QWidget>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class MultiColorBar : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  // A band reaches from the end of the one before it up to `upTo`, a share of
  // the range (0..1).
  struct Band {
    double upTo;
    QColor color;
    friend bool operator==(const Band&, const Band&) = default;
  };

  explicit MultiColorBar(QWidget* parent = nullptr);

  // How far the bar fills, 0..1; held inside the bar outside the range.
  static double fractionFor(double value, double minimum, double maximum);
  // The colour of the band at share f of the range.
  static QColor colorAt(const QList<Band>& bands, double f);

  void setValue(double value);
  double value() const { return value_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setBands(const QList<Band>& bands);
  QList<Band> bands() const { return bands_; }

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
  double value_ = 0, minimum_ = 0, maximum_ = 1;
  QString caption_;
  QList<Band> bands_;
};

}  // namespace tavu::ui
