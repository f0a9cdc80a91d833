#include "ui/map/map_chart_view.h"

#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

#include "ui/bindings.h"
#include "ui/map/mouse_state.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

constexpr int kModelPlotWidth = window::Chart::kPlotRight - window::Chart::kPlotLeft;
constexpr double kBottomIncrement = 0.5;  // the time axis labels at least every half millisecond

QValueAxis* MakeAxis(QChart* chart, Qt::Alignment side) {
  auto* axis = new QValueAxis(chart);
  QFont font = axis->labelsFont();
  font.setPointSizeF(7.5);
  axis->setLabelsFont(font);
  QFont title = axis->titleFont();
  title.setPointSizeF(8);
  title.setBold(false);
  axis->setTitleFont(title);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  chart->addAxis(axis, side);
  return axis;
}

// The decimals a label step needs: 0 for 20, 1 for 2.5 or 0.5, 2 for 0.05.
int DecimalsOf(double step) {
  int decimals = 0;
  for (double scaled = step; decimals < 4 && std::abs(scaled - std::round(scaled)) > 1e-9; scaled *= 10) ++decimals;
  return decimals;
}

// Runs of one colour; a line's run starts at the last point of the run before
// it, so the line has no gaps.
std::vector<std::pair<QColor, QList<QPointF>>> ColorRuns(const window::Series& series) {
  std::vector<std::pair<QColor, QList<QPointF>>> runs;
  const bool joined = series.kind != window::SeriesKind::Points;
  for (const auto& p : series.points) {
    const QColor color = ToQColor(p.color);
    if (runs.empty() || runs.back().first != color) {
      QList<QPointF> start;
      if (joined && !runs.empty()) start.append(runs.back().second.back());
      runs.emplace_back(color, std::move(start));
    }
    runs.back().second.append(QPointF(p.x, p.y));
  }
  return runs;
}

void Paint(QXYSeries* part, const window::Series& series, const QColor& color) {
  if (series.kind == window::SeriesKind::Points) {
    part->setColor(color);
    static_cast<QScatterSeries*>(part)->setBorderColor(color);
    return;
  }
  QPen pen(color, series.penWidth);
  pen.setStyle(series.dashed ? Qt::DashLine : Qt::SolidLine);
  if (part->pen() != pen) part->setPen(pen);
}

}  // namespace

MapChartView::MapChartView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::NoRubberBand);
  setMouseTracking(true);
  setMinimumSize(320, 140);

  QChart* c = chart();
  c->legend()->hide();
  c->setBackgroundRoundness(0);
  c->setMargins(QMargins(2, 4, 2, 2));
  c->layout()->setContentsMargins(0, 0, 0, 0);
  c->setLocalizeNumbers(true);

  bottom_ = MakeAxis(c, Qt::AlignBottom);
  left_ = MakeAxis(c, Qt::AlignLeft);
  left_->setGridLineVisible(false);
  right_ = MakeAxis(c, Qt::AlignRight);
  right_->setGridLineVisible(false);

  connect(c, &QChart::plotAreaChanged, this, [this] {
    updateLabelSteps();
    emit plotMoved(plotRect());
  });
}

int MapChartView::toModelX(qreal x, const QRectF& plot) {
  if (plot.width() <= 0) return window::Chart::kPlotLeft;
  return window::Chart::kPlotLeft + static_cast<int>(std::floor((x - plot.left()) * kModelPlotWidth / plot.width()));
}

double MapChartView::labelStep(double increment, double span, double pixels, double labelPixels) {
  if (increment <= 0 || span <= 0 || pixels <= 0) return increment;
  double decade = increment;
  for (int i = 0; i < 12; ++i, decade *= 10)
    for (double factor : {1.0, 2.0, 5.0})
      if (pixels * decade * factor / span >= labelPixels) return decade * factor;
  return span;
}

// The view never scrolls its scene, so scene and view coordinates are the same.
QRect MapChartView::plotRect() const { return chart()->mapRectToScene(chart()->plotArea()).toAlignedRect(); }

void MapChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  emit plotMoved(plotRect());
}

std::vector<QXYSeries*> MapChartView::partsOf(std::size_t index) const {
  const Binding& b = bindings_.at(index);
  return {b.parts.begin(), b.parts.begin() + static_cast<std::ptrdiff_t>(b.used)};
}

void MapChartView::draw(const window::Chart& model) {
  ShowState(this, model);
  if (bottom_->min() != model.bottomMinimum || bottom_->max() != model.bottomMaximum)
    bottom_->setRange(model.bottomMinimum, model.bottomMaximum);
  bottom_->setMinorTickCount(model.bottomMinorTicks);
  bottom_->setTitleText(ToQString(model.bottomTitle));
  if (left_->max() != model.leftMaximum) left_->setRange(0, model.leftMaximum);
  left_->setTitleText(ToQString(model.leftTitle));
  if (right_->max() != model.rightAxisMaximum) right_->setRange(0, model.rightAxisMaximum);
  right_->setTitleText(ToQString(model.rightTitle));
  leftIncrement_ = model.leftIncrement;
  rightIncrement_ = model.rightIncrement;
  updateLabelSteps();
  for (std::size_t i = 0; i < model.series.size(); ++i) drawSeries(i, model.series[i]);
}

void MapChartView::drawSeries(std::size_t index, const window::Series& series) {
  Binding& b = bindings_[index];
  if (b.valid && b.drawn.points == series.points && b.drawn.title == series.title) return;
  const auto runs = ColorRuns(series);
  // At least one Qt series, so that an empty model series keeps its title in the chart.
  while (b.parts.size() < std::max<std::size_t>(runs.size(), 1)) b.parts.push_back(makePart(index, series));
  for (std::size_t i = 0; i < b.parts.size(); ++i) {
    QXYSeries* part = b.parts[i];
    part->setName(ToQString(series.title));
    if (i < runs.size()) {
      Paint(part, series, runs[i].first);
      part->replace(runs[i].second);
    } else if (part->count() > 0) {
      part->clear();
    }
  }
  b.used = runs.size();
  b.drawn = series;
  b.valid = true;
}

QXYSeries* MapChartView::makePart(std::size_t index, const window::Series& series) {
  QXYSeries* part = nullptr;
  if (series.kind == window::SeriesKind::Points) {
    auto* scatter = new QScatterSeries(this);
    scatter->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    scatter->setMarkerSize(series.pointSize);
    part = scatter;
  } else {
    part = new QLineSeries(this);
    if (series.kind == window::SeriesKind::LineAndPoints) {
      part->setPointsVisible(true);
      part->setMarkerSize(series.pointSize);
    }
  }
  chart()->addSeries(part);
  part->attachAxis(bottom_);
  part->attachAxis(series.rightAxis ? right_ : left_);
  connect(part, &QXYSeries::pressed, this, [this, index] { pressedSeries_ = static_cast<int>(index); });
  if (series.handCursor)
    connect(part, &QXYSeries::hovered, this, [this](const QPointF&, bool over) {
      viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
    });
  return part;
}

void MapChartView::updateLabelSteps() {
  const QRectF plot = chart()->plotArea();
  const QFontMetrics metrics(left_->labelsFont());
  const double labelHeight = metrics.height() * 1.2;
  const double labelWidth = metrics.horizontalAdvance(QStringLiteral("88,8")) + 6;
  const double bottomStep = labelStep(kBottomIncrement, bottom_->max() - bottom_->min(), plot.width(), labelWidth);
  const double leftStep = labelStep(leftIncrement_, left_->max() - left_->min(), plot.height(), labelHeight);
  const double rightStep = labelStep(rightIncrement_, right_->max() - right_->min(), plot.height(), labelHeight);
  for (auto [axis, step] : {std::pair{bottom_, bottomStep}, {left_, leftStep}, {right_, rightStep}}) {
    if (axis->tickInterval() == step) continue;
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(DecimalsOf(step)));
  }
}

void MapChartView::mousePressEvent(QMouseEvent* event) {
  pressedSeries_ = -1;
  QChartView::mousePressEvent(event);  // the series under the pointer reports itself
  const int hit = pressedSeries_;
  const int x = toModelX(event->position().x(), plotRect());
  const MouseState state = ToMouseState(*event);
  emit pressed(x, state);
  if (hit >= 0) emit seriesPressed(hit, x, state);
}

void MapChartView::mouseReleaseEvent(QMouseEvent* event) {
  QChartView::mouseReleaseEvent(event);
  emit clicked();
}

void MapChartView::mouseMoveEvent(QMouseEvent* event) {
  QChartView::mouseMoveEvent(event);
  emit moved();
}

}  // namespace tavu::ui
