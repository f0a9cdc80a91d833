// The "Mapa" tab draws the window model: the two charts on Qt Charts with
// their axes, titles and series, the paint box over Chart1 in its own model
// pixels, and MAPGrid on a table view.
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QValueAxis>
#include <QtTest>

#include "tab_fixture.h"
#include "ui/map/map_chart_view.h"
#include "ui/map/map_grid_view.h"
#include "ui/map/paint_box.h"
#include "ui/map/zoom_panel.h"
#include "ui/tabs/map_tab.h"

using tavu::ui::MapChartView;
using tavu::ui::MapGridView;
using tavu::ui::PaintBox;
using Fixture = tavu::testing::TabFixture<tavu::ui::MapTab>;

namespace {

constexpr tavu::Rgb kYellow{255, 255, 0};

// A curve through all 246 cells, yellow from cell `from` to cell `to`.
void Curve(tavu::window::Series& series, double value, int from = 0, int to = -1) {
  series.clear();
  for (int n = 1; n <= 246; ++n)
    series.add(1.0 + (n - 1) / 10.0, value, n >= from && n <= to ? kYellow : tavu::colors::kBlue);
}

QStringList SeriesNames(MapChartView* view) {
  QStringList names;
  for (QAbstractSeries* s : view->chart()->series()) names << s->name();
  return names;
}

}  // namespace

class MapTabTest : public QObject {
  Q_OBJECT
 private slots:
  void chartsShowTheirAxesTitlesAndSeries_data();
  void chartsShowTheirAxesTitlesAndSeries();
  void axisLabelsNeverCrowd_data();
  void axisLabelsNeverCrowd();
  void aCurveOfSeveralColoursIsOneUnbrokenLine();
  void paintBoxGivesModelPixels_data();
  void paintBoxGivesModelPixels();
  void paintBoxCoversThePlotAtAnySize_data();
  void paintBoxCoversThePlotAtAnySize();
  void chartPixelsSpanThePlotBand();
  void gridShowsTitlesColoursHintsAndSizes();
  void gridSelectionFollowsTheModelBothWays();
  void subTabsFollowTheModel();
  void regionControlsFollowTheModel();
  void picturesOfTheThreeEditors();
};

void MapTabTest::chartsShowTheirAxesTitlesAndSeries_data() {
  QTest::addColumn<QString>("chart");
  QTest::addColumn<int>("minorTicks");
  QTest::addColumn<QStringList>("series");
  const QStringList names{"Mnożnik", "Obszar_od", "Obszar_do", "Wskaznik", "Wykres_Gaz", "Wykres_Petrol",
                          "Punkty",  "Punkty"};
  QTest::newRow("Chart1") << "Chart1" << 0 << names;
  QTest::newRow("Chart2") << "Chart2" << 2 << names;
}

void MapTabTest::chartsShowTheirAxesTitlesAndSeries() {
  QFETCH(QString, chart);
  QFETCH(int, minorTicks);
  QFETCH(QStringList, series);
  Fixture f;
  auto* view = f.find<MapChartView>(chart.toLatin1());
  QVERIFY(view);
  QCOMPARE(view->bottomAxis()->min(), 1.0);
  QCOMPARE(view->bottomAxis()->max(), 25.5);
  QCOMPARE(view->bottomAxis()->titleText(), QStringLiteral("[ms]"));
  QCOMPARE(view->bottomAxis()->minorTickCount(), minorTicks);
  QCOMPARE(view->leftAxis()->min(), 0.0);
  QCOMPARE(view->leftAxis()->max(), 2.57);
  QCOMPARE(view->leftAxis()->titleText(), QStringLiteral("Gaz [ms] / Petrol [ms]"));
  QVERIFY(!view->leftAxis()->isGridLineVisible());
  QCOMPARE(view->rightAxis()->max(), 100.0);
  QCOMPARE(view->rightAxis()->titleText(), QStringLiteral("MAP [kPa]"));
  QCOMPARE(SeriesNames(view), series);
  QVERIFY(!view->chart()->legend()->isVisible());

  // The settings decoder's turbo scale, a zoom and a new language reach the axes.
  auto& model = chart == "Chart1" ? f.tool.model().Chart1 : f.tool.model().Chart2;
  model.rightAxisMaximum = 256;
  model.bottomMaximum = 12.75;
  model.leftTitle = "Gas [ms] / Petrol [ms]";
  model.series[0].title = "Multipler";
  f.tab.refresh();
  QCOMPARE(view->rightAxis()->max(), 256.0);
  QCOMPARE(view->bottomAxis()->max(), 12.75);
  QCOMPARE(view->bottomAxis()->min(), 1.0);
  QCOMPARE(view->leftAxis()->titleText(), QStringLiteral("Gas [ms] / Petrol [ms]"));
  QCOMPARE(SeriesNames(view).first(), QStringLiteral("Multipler"));
}

void MapTabTest::axisLabelsNeverCrowd_data() {
  QTest::addColumn<double>("increment");
  QTest::addColumn<double>("span");
  QTest::addColumn<double>("pixels");
  QTest::addColumn<double>("step");
  QTest::newRow("tall multiplier axis keeps 0.1") << 0.1 << 2.57 << 600.0 << 0.1;
  QTest::newRow("short multiplier axis") << 0.1 << 2.57 << 160.0 << 0.5;
  QTest::newRow("normal pressure axis keeps 10") << 10.0 << 100.0 << 160.0 << 10.0;
  QTest::newRow("turbo pressure axis") << 10.0 << 256.0 << 160.0 << 50.0;
  QTest::newRow("two steps do") << 10.0 << 256.0 << 300.0 << 20.0;
}

void MapTabTest::axisLabelsNeverCrowd() {
  QFETCH(double, increment);
  QFETCH(double, span);
  QFETCH(double, pixels);
  QFETCH(double, step);
  QCOMPARE(MapChartView::labelStep(increment, span, pixels, 14), step);
}

void MapTabTest::aCurveOfSeveralColoursIsOneUnbrokenLine() {
  Fixture f;
  auto* view = f.find<MapChartView>("Chart1");
  auto& curve = f.tool.model().Chart1.series[0];
  Curve(curve, 1.0, 100, 150);
  f.tab.refresh();
  auto parts = view->partsOf(0);
  QCOMPARE(parts.size(), std::size_t(3));
  QCOMPARE(parts[0]->count(), 99);
  QCOMPARE(parts[1]->count(), 1 + 51);
  QCOMPARE(parts[2]->count(), 1 + 96);
  QCOMPARE(parts[1]->at(0), parts[0]->at(98));  // each run starts where the last one ended
  QCOMPARE(parts[2]->at(0), parts[1]->at(51));
  QCOMPARE(parts[0]->pen().color(), QColor(0, 0, 255));
  QCOMPARE(parts[1]->pen().color(), QColor(255, 255, 0));

  // Back to one colour: one line of all 246 points, nothing left of the others.
  Curve(curve, 1.2);
  f.tab.refresh();
  parts = view->partsOf(0);
  QCOMPARE(parts.size(), std::size_t(1));
  QCOMPARE(parts[0]->count(), 246);
  QCOMPARE(parts[0]->at(245), QPointF(25.5, 1.2));
  int drawn = 0;
  for (QAbstractSeries* s : view->chart()->series())
    if (s->name() == QStringLiteral("Mnożnik")) drawn += static_cast<QXYSeries*>(s)->count();
  QCOMPARE(drawn, 246);
}

void MapTabTest::paintBoxGivesModelPixels_data() {
  QTest::addColumn<QSizeF>("size");
  QTest::addColumn<QPointF>("real");
  QTest::addColumn<QPoint>("model");
  const QSizeF same(652, 160), twice(1304, 320), smaller(489, 120);
  QTest::newRow("model size: top left") << same << QPointF(0, 0) << QPoint(0, 0);
  QTest::newRow("model size: middle") << same << QPointF(326, 80) << QPoint(326, 80);
  QTest::newRow("model size: last pixel") << same << QPointF(651.9, 159.9) << QPoint(651, 159);
  QTest::newRow("twice: middle") << twice << QPointF(652, 160) << QPoint(326, 80);
  QTest::newRow("twice: odd pixel truncates") << twice << QPointF(801, 3) << QPoint(400, 1);
  QTest::newRow("twice: last pixel") << twice << QPointF(1303, 319) << QPoint(651, 159);
  QTest::newRow("three quarters: marker at c 400") << smaller << QPointF(300, 60) << QPoint(400, 80);
  QTest::newRow("outside is held at the edge") << smaller << QPointF(-4, 500) << QPoint(0, 159);
}

void MapTabTest::paintBoxGivesModelPixels() {
  QFETCH(QSizeF, size);
  QFETCH(QPointF, real);
  QFETCH(QPoint, model);
  QCOMPARE(PaintBox::toModel(real, size), model);
}

void MapTabTest::paintBoxCoversThePlotAtAnySize_data() {
  QTest::addColumn<QSize>("page");
  QTest::newRow("tab control at start") << tavu::testing::kPageSize;
  QTest::newRow("maximised window") << QSize(1600, 560);
}

void MapTabTest::paintBoxCoversThePlotAtAnySize() {
  QFETCH(QSize, page);
  Fixture f(page);
  auto* view = f.find<MapChartView>("Chart1");
  auto* box = f.find<PaintBox>("PaintBox1");
  QCOMPARE(box->geometry(), view->plotRect());
  QVERIFY(box->width() > 300);

  QSignalSpy presses(box, &PaintBox::pressed);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(0, box->height() - 1));
  QTest::mouseClick(box, Qt::RightButton, {}, QPoint(box->width() - 1, 0));
  QCOMPARE(presses.size(), 2);
  QCOMPARE(presses[0][0].toPoint(), QPoint(0, 159));
  QCOMPARE(presses[1][0].toPoint(), QPoint(651, 0));
  const auto right = presses[1][1].value<tavu::MouseState>();
  QVERIFY(right.right && !right.left && !right.shift);
}

void MapTabTest::chartPixelsSpanThePlotBand() {
  const QRectF plot(100, 10, 500, 200);
  QCOMPARE(MapChartView::toModelX(100, plot), 42);
  QCOMPARE(MapChartView::toModelX(600, plot), 699);
  QCOMPARE(MapChartView::toModelX(350, plot), 42 + 328);
  QVERIFY(MapChartView::toModelX(90, plot) < 42);  // left of the plot: the editor ignores it
}

void MapTabTest::gridShowsTitlesColoursHintsAndSizes() {
  Fixture f;
  auto* view = f.find<MapGridView>("MAPGrid");
  QAbstractItemModel* cells = view->model();
  QCOMPARE(cells->columnCount(), 246);
  QCOMPARE(cells->rowCount(), 256);
  // Titles in the tool's Polish locale.
  QCOMPARE(cells->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
  QCOMPARE(cells->headerData(245, Qt::Horizontal).toString(), QStringLiteral("25,5"));
  QCOMPARE(cells->headerData(0, Qt::Vertical).toString(), QStringLiteral("2,55"));
  QCOMPARE(cells->headerData(255, Qt::Vertical).toString(), QStringLiteral("0"));

  // Cell 6 with value 123 sits in column 6, row 256 - 123.
  auto& grid = f.tool.model().MAPGrid;
  grid.setCell(6, 256 - 123, tavu::colors::kBlue, "(X=1,5 [ms]) , (Y=1,23)");
  f.tab.refresh();
  const QModelIndex marked = cells->index(256 - 123 - 1, 6 - 1);
  QCOMPARE(marked.data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 255));
  QCOMPARE(marked.data(Qt::ToolTipRole).toString(), QStringLiteral("(X=1,5 [ms]) , (Y=1,23)"));
  const QModelIndex plain = cells->index(0, 0);
  QCOMPARE(plain.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));
  QCOMPARE(plain.data(Qt::ToolTipRole).toString(), QStringLiteral("Zaznacz obszar używając lewego przycisku myszy"));

  // Overview: 2 x 1 pixels, no grid lines; zoomed: the model's sizes with lines.
  QCOMPARE(view->columnWidth(100), 2);
  QCOMPARE(view->rowHeight(100), 1);
  QVERIFY(!view->showGrid());
  grid.setCellSize(68, 9);
  grid.scrollTo(164, 8);
  f.tab.refresh();
  QCOMPARE(view->columnWidth(100), 68);
  QCOMPARE(view->rowHeight(100), 9);
  QVERIFY(view->showGrid());
  QCOMPARE(view->verticalScrollBar()->value(), 163);
  QCOMPARE(view->horizontalScrollBar()->value(), 7);

  // The user scrolls on; a redraw without a new request leaves the view there,
  // a repeated request brings it back.
  view->verticalScrollBar()->setValue(20);
  f.tab.refresh();
  QCOMPARE(view->verticalScrollBar()->value(), 20);
  grid.scrollTo(164, 8);
  f.tab.refresh();
  QCOMPARE(view->verticalScrollBar()->value(), 163);
}

void MapTabTest::gridSelectionFollowsTheModelBothWays() {
  Fixture f;
  auto* view = f.find<MapGridView>("MAPGrid");
  auto& grid = f.tool.model().MAPGrid;
  QAbstractItemModel* cells = view->model();

  // The user's range goes into the model, in grid columns and rows.
  view->selectionModel()->select(QItemSelection(cells->index(19, 9), cells->index(38, 18)),
                                 QItemSelectionModel::ClearAndSelect);
  QCOMPARE(grid.selection, (tavu::map::GridRect{10, 20, 19, 39}));

  // The tool clears it: the view follows.
  grid.selection = {};
  f.tab.refresh();
  QVERIFY(view->selectionModel()->selection().isEmpty());
  grid.selection = {1, 1, 5, 5};
  f.tab.refresh();
  QCOMPARE(view->selectionModel()->selectedIndexes().size(), 25);
}

void MapTabTest::subTabsFollowTheModel() {
  Fixture f;
  auto* pages = f.find<QTabWidget>("PageControl1");
  QCOMPARE(pages->tabPosition(), QTabWidget::West);
  QStringList captions;
  for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
  QCOMPARE(captions, (QStringList{"Typ 1", "Typ 2", "Typ 3"}));
  QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("Typ_E"));

  pages->setCurrentIndex(1);  // as a click on "Typ 2"
  QCOMPARE(f.tool.model().PageControl1.active, std::string("TypB"));
  f.tool.model().PageControl1.active = "TypS";
  f.tab.refresh();
  QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TypS"));
}

void MapTabTest::regionControlsFollowTheModel() {
  Fixture f;
  auto& m = f.tool.model();
  auto* panel4 = f.find<QWidget>("Panel4");
  auto* button3 = f.find<QWidget>("Button3");
  // Low, Panel4 cuts Button3 off; high, it shows it whole.
  QCOMPARE(panel4->height(), 97);
  QVERIFY(button3->geometry().bottom() >= panel4->height());
  m.Panel4.height = 130;
  m.Panel4.color = kYellow;
  m.AbSpinButton1.enabled = false;
  m.zoom.caption = ">> [ms] <<";
  m.zoom.bold = true;
  f.tab.refresh();
  QCOMPARE(panel4->height(), 130);
  QVERIFY(button3->geometry().bottom() < panel4->height());
  QCOMPARE(panel4->palette().color(QPalette::Window), QColor(255, 255, 0));
  QVERIFY(!f.find<QWidget>("AbSpinButton1")->isEnabled());
  auto* zoom = f.find<tavu::ui::ZoomPanel>("zoom");
  QCOMPARE(zoom->text(), QStringLiteral(">> [ms] <<"));
  QVERIFY(zoom->font().bold());
  QCOMPARE(f.find<tavu::ui::ZoomPanel>("zoom_S")->text(), QStringLiteral("<< [ms] >>"));

  for (const char* name : {"BitBtn1", "BitBtn1a"}) {
    auto* button = f.find<QPushButton>(name);
    QCOMPARE(button->text(), QStringLiteral("Gaz"));
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
  }
  for (const char* name : {"BitBtn2", "BitBtn2a"}) {
    auto* button = f.find<QPushButton>(name);
    QCOMPARE(button->text(), QStringLiteral("Petrol"));
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  }
}

void MapTabTest::picturesOfTheThreeEditors() {
  Fixture f;
  auto& m = f.tool.model();
  // A map with a marked region, its markers and a learned curve with its points.
  Curve(m.Chart1.series[0], 1.0, 60, 120);
  for (int n = 1; n <= 246; ++n) m.Chart1.series[0].points[static_cast<std::size_t>(n - 1)].y = 1.0 + 0.1 * std::sin(n / 30.0);
  for (auto [series, t] : {std::pair{1, 6.9}, {2, 12.9}}) {
    m.Chart1.series[static_cast<std::size_t>(series)].add(t, 0.0, kYellow);
    m.Chart1.series[static_cast<std::size_t>(series)].add(t, 3.0, kYellow);
  }
  for (double t : {3.2, 100.0, 3.2, 3.2}) m.Chart1.series[3].add(t, 45, tavu::colors::kRed);
  m.Chart1.series[3].points[2].y = 500;
  for (int j = 20; j < 90; j += 3) {
    m.Chart1.series[5].add(j / 10.0 + 1, j, tavu::colors::kRed);
    m.Chart1.series[7].add(j / 10.0 + 1.2, j + 3, tavu::colors::kRed);
  }
  m.Panel4.color = kYellow;
  m.Panel4.height = 130;
  m.Chart2 = m.Chart1;
  m.Chart2.bottomMinorTicks = 2;
  m.Chart2.series[1].kind = tavu::window::SeriesKind::Points;
  m.Chart2.series[1].pointSize = 9;
  m.Chart2.series[1].points = {{1.0, 1.0, tavu::colors::kBlue}, {8.0, 1.05, tavu::colors::kBlue},
                               {25.5, 0.94, tavu::colors::kBlue}};
  m.Chart2.series[2].kind = tavu::window::SeriesKind::Points;
  m.Chart2.series[2].pointSize = 9;
  m.Chart2.series[2].points = {{8.0, 1.05, tavu::colors::kRed}};
  for (int n = 1; n <= 246; ++n) {
    const int v = 100 + static_cast<int>(10 * std::sin(n / 30.0));
    m.MAPGrid.setCell(n, 256 - v, tavu::colors::kBlue, "x");
  }
  auto* pages = f.find<QTabWidget>("PageControl1");
  QVERIFY(f.shot("map_tab_typ1"));
  pages->setCurrentIndex(1);
  m.MAPGrid.scrollTo(140, 1);
  QVERIFY(f.shot("map_tab_typ2_overview"));
  m.MAPGrid.setCellSize(68, 9);
  m.MAPGrid.scrollTo(140, 1);
  QVERIFY(f.shot("map_tab_typ2_zoomed"));
  pages->setCurrentIndex(2);
  QVERIFY(f.shot("map_tab_typ3"));
}

QTEST_MAIN(MapTabTest)
#include "map_tab_test.moc"
