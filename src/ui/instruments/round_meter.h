#pragma once
// A round meter whose scale sweeps 270 degrees clockwise from lower left to
// lower right, with `scaleSteps` labelled divisions, a unit caption ("x1000")
// on the face and a needle. Coloured sector bands (normal, high, too high) run
// along the scale; the sector offset shifts them along the arc, so an offset of
// 270 or more pushes them off the scale and leaves a plain face.
#include <QColor>
#include <QList>
#include <QWidget>
#include <optional>
#include <utility>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class RoundMeter : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  static constexpr double kSweep = 270.0;
  static constexpr double kStartAngle = -135.0;

  enum NeedleShape { kLine = 0, kTriangle = 1, kArrow = 2, kTapered = 3 };

  struct Sector {
    double from, to;  // shares of the scale, 0..1
    QColor color;
    friend bool operator==(const Sector&, const Sector&) = default;
  };

  explicit RoundMeter(QWidget* parent = nullptr);

  // The needle's angle in degrees, clockwise from twelve o'clock: -135 at the
  // minimum, 0 half way, +135 at the maximum; held at the ends outside the range.
  static double angleFor(double value, double minimum, double maximum);
  // The part of a sector still on the scale once shifted by `sectorOffset`
  // degrees, as start and end angles in the needle's convention; nothing when
  // the shift pushes it off the scale.
  static std::optional<std::pair<double, double>> sectorAngles(const Sector& sector, int sectorOffset);

  void setValue(double value);
  double value() const { return value_; }
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  void setScaleSteps(int steps);
  int scaleSteps() const { return scaleSteps_; }
  void setUnit(const QString& unit);
  QString unit() const { return unit_; }
  void setCaption(const QString& caption);  // for assistive technology; not drawn
  QString caption() const { return caption_; }
  void setSectorOffset(int degrees);
  int sectorOffset() const { return sectorOffset_; }
  // 0 line, 1 triangle, 2 arrow; any other value the tapered needle with a
  // counterweight.
  void setNeedleShape(int shape);
  int needleShape() const { return needleShape_; }
  void setSectors(const QList<Sector>& sectors);
  QList<Sector> sectors() const { return sectors_; }
  void setDecimals(int decimals);  // for the accessible value
  int decimals() const { return decimals_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

  QAccessible::Role accessibleRole() const override { return QAccessible::Indicator; }
  QString accessibleCaption() const override;
  QString accessibleValueText() const override;
  double accessibleValue() const override { return value_; }
  double accessibleMinimum() const override { return minimum_; }
  double accessibleMaximum() const override { return maximum_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double value_ = 0, minimum_ = 0, maximum_ = 10;
  int scaleSteps_ = 10;
  int sectorOffset_ = 0;
  int needleShape_ = kTapered;
  int decimals_ = 2;
  QString unit_, caption_;
  QList<Sector> sectors_;
};

}  // namespace tavu::ui
