#pragma once
// A map chart (Chart1 or Chart2) on Qt Charts: injection time along the
// bottom, the multiplier on the left, the manifold pressure on the right, and
// the eight series of the window model. A series whose points change colour
// is drawn as one Qt series per run of a colour. Mouse positions are reported
// in the chart's model pixels, whose plot spans x 42 .. 699 at any real size.
#include <QChartView>
#include <array>
#include <vector>

#include "core/map/map_editors.h"
#include "core/window/map_tab.h"

class QValueAxis;
class QXYSeries;

namespace tavu::ui {

class MapChartView : public QChartView {
  Q_OBJECT
 public:
  explicit MapChartView(QWidget* parent = nullptr);

  // Draws the model's chart; series whose points and title are unchanged are left alone.
  void draw(const window::Chart& chart);

  // The x of a real pixel in model pixels, given the real plot rectangle.
  static int toModelX(qreal x, const QRectF& plot);
  // The label step of an axis: the smallest of increment x 1, 2, 5, 10, 20, 50 ...
  // at which labels along `pixels` for `span` stay `labelPixels` apart.
  static double labelStep(double increment, double span, double pixels, double labelPixels);

  // The plot area in the view's own coordinates.
  QRect plotRect() const;
  QValueAxis* bottomAxis() const { return bottom_; }
  QValueAxis* leftAxis() const { return left_; }
  QValueAxis* rightAxis() const { return right_; }
  // The Qt series that draw the runs of model series `index`.
  std::vector<QXYSeries*> partsOf(std::size_t index) const;

 signals:
  void plotMoved(QRect plot);
  void pressed(int modelX, tavu::MouseState state);
  // A press on a point or line of model series `series`, right after pressed().
  void seriesPressed(int series, int modelX, tavu::MouseState state);
  void clicked();
  void moved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Binding {
    std::vector<QXYSeries*> parts;
    std::size_t used = 0;  // parts that hold a run
    window::Series drawn;
    bool valid = false;
  };
  void drawSeries(std::size_t index, const window::Series& series);
  QXYSeries* makePart(std::size_t index, const window::Series& series);
  void updateLabelSteps();

  QValueAxis* bottom_;
  QValueAxis* left_;
  QValueAxis* right_;
  std::array<Binding, window::Chart::kSeries> bindings_;
  double leftIncrement_ = 0.1, rightIncrement_ = 10;  // the model's smallest label steps
  int pressedSeries_ = -1;
};

}  // namespace tavu::ui
