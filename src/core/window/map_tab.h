#pragma once
// The "Mapa" tab: the correction map on the chart of "Typ 1" (Chart1), in the
// grid of "Typ 2" (MAPGrid) and on the chart of "Typ 3" (Chart2), with the
// controls the three editors share.
#include <array>
#include <vector>

#include "core/map/map_grid.h"
#include "core/window/controls.h"

namespace tavu::window {

struct ChartPoint {
  double x = 0, y = 0;
  Rgb color;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

enum class SeriesKind { Line, Points, LineAndPoints };

// One series of a chart. Its look is fixed when the chart is set up; every
// point carries its own colour.
struct Series {
  std::string title;
  SeriesKind kind = SeriesKind::Line;
  bool rightAxis = false;  // on the "MAP [kPa]" axis instead of the multiplier
  int penWidth = 1;
  bool dashed = false;
  int pointSize = 0;  // diameter of the point marks, in pixels
  bool handCursor = false;
  std::vector<ChartPoint> points;

  void clear() { points.clear(); }
  void add(double x, double y, Rgb color) { points.push_back({x, y, color}); }
};

// A map chart: injection time along the bottom, the multiplier on the left and
// the manifold pressure of the learned curves on the right. Mouse positions are
// given in the chart's own 742 x 205 pixels, whose plot spans x 42 .. 699.
struct Chart : Control {
  static constexpr int kWidth = 742;
  static constexpr int kHeight = 205;
  static constexpr int kPlotLeft = 42;
  static constexpr int kPlotRight = 699;
  static constexpr std::size_t kSeries = 8;

  double bottomMinimum = 1.0;
  double bottomMaximum = 25.5;  // 12.75 while zoomed
  int bottomMinorTicks = 0;
  std::string bottomTitle = "[ms]";
  double leftMaximum = 2.57;
  double leftIncrement = 0.1;
  std::string leftTitle = "Gaz [ms] / Petrol [ms]";
  double rightAxisMaximum = 100;  // "MAP [kPa]" axis: 256 for a turbo engine, 100 otherwise
  double rightIncrement = 10;
  std::string rightTitle = "MAP [kPa]";
  std::array<Series, kSeries> series;
};

// The transparent mouse area over the plot of Chart1; positions in it are
// given in its own 652 x 160 pixels.
struct PaintBox : Control {
  static constexpr int kWidth = 652;
  static constexpr int kHeight = 160;
  std::string hint;
};

struct SizedPanel : Panel {
  int height = 0;
};

// A panel under a chart's time axis that toggles the time range.
struct ZoomPanel : Control {
  bool bold = false;
};

struct ColoredButton : Button {
  Rgb textColor = colors::kWindowText;
};

inline constexpr const char* kZoomOutCaption = "<< [ms] >>";  // the chart shows 1.0 .. 25.5 ms
inline constexpr const char* kZoomInCaption = ">> [ms] <<";   // the chart shows 1.0 .. 12.75 ms
inline constexpr int kPanel4Low = 97;                          // Button3 hidden
inline constexpr int kPanel4High = 130;                        // Button3 shown

struct MapTabControls {  // TabSheet4
  MapTabControls();

  TabControl PageControl1;  // Typ_E "Typ 1", TypB "Typ 2", TypS "Typ 3", tabs on the left

  // Typ 1: the region editor.
  Chart Chart1;
  PaintBox PaintBox1;
  SizedPanel Panel4;  // the spin button's panel, yellow while a region marker is set
  Control AbSpinButton1;
  Button Button3;  // "X": clears the markers
  ZoomPanel zoom;
  ColoredButton BitBtn1;  // "Gaz"
  ColoredButton BitBtn2;  // "Petrol"

  // Typ 2: the grid editor.
  map::MapGrid MAPGrid;
  Button lupa_button;  // zooms the grid out; shown while zoomed

  // Typ 3: the point editor.
  Chart Chart2;
  Control Ed_chart2;  // takes the keys while the user edits Chart2
  ZoomPanel zoom_S;
  ColoredButton BitBtn1a;  // "Gaz"
  ColoredButton BitBtn2a;  // "Petrol"
};

}  // namespace tavu::window
