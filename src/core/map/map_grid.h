#pragma once
// The map grid MAPGrid: 247 columns by 257 rows, one fixed column (0) and one
// fixed row (0) holding the titles. Column c (1..246) is map cell c, row r
// (1..256) the value 256 - r, so row 1 is 2,55 and row 256 is 0. Every other
// cell has no text, a background colour (white unless marked) and an optional
// hint of its own.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/locale.h"
#include "core/window/controls.h"

namespace tavu::map {

// A range of grid cells, both corners included; left 0 means none.
struct GridRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return left == 0; }
  friend bool operator==(const GridRect&, const GridRect&) = default;
};

class MapGrid : public window::Control {
 public:
  static constexpr int kColumns = 247;
  static constexpr int kRows = 257;
  static constexpr int kOverviewColumnWidth = 2;
  static constexpr int kOverviewRowHeight = 1;

  MapGrid();

  // Titles of the fixed row (row 0, per column) and the fixed column (column 0, per row).
  const std::string& columnTitle(int column) const;
  const std::string& rowTitle(int row) const;
  void setColumnTitle(int column, std::string text);
  void setRowTitle(int row, std::string text);

  // The appearance of a cell outside the fixed row and column. Cells outside the
  // grid read as white with no hint, and setting them does nothing.
  Rgb color(int column, int row) const;
  const std::string& cellHint(int column, int row) const;
  void setCell(int column, int row, Rgb color, std::string cellHint);
  // Every cell back to white; the cells' own hints stay.
  void resetColors();

  // Cell sizes in pixels: overview (2 x 1) at start, larger when zoomed.
  int columnWidth() const { return columnWidth_; }
  int rowHeight() const { return rowHeight_; }
  void setCellSize(int columnWidth, int rowHeight);
  bool zoomed() const { return columnWidth_ >= 3; }

  // Asks the view to show `topRow` and `leftColumn` first; every call counts,
  // even one that repeats the last position.
  void scrollTo(int topRow, int leftColumn);
  int topRow() const { return topRow_; }
  int leftColumn() const { return leftColumn_; }
  std::uint64_t scrollRequests() const { return scrollRequests_; }

  // Grows by one with every change of a title, colour, hint or cell size.
  std::uint64_t revision() const { return revision_; }

  std::string hint = "Zaznacz obszar używając lewego przycisku myszy";
  Rgb selectionColor = colors::kAqua;
  bool drawSelection = true;
  GridRect selection;  // the user's selected range, kept by the view

 private:
  static bool inside(int column, int row);
  static int at(int column, int row) { return row * kColumns + column; }

  std::vector<std::string> columnTitles_;
  std::vector<std::string> rowTitles_;
  std::vector<Rgb> colors_;
  std::unordered_map<int, std::string> hints_;
  int columnWidth_ = kOverviewColumnWidth;
  int rowHeight_ = kOverviewRowHeight;
  int topRow_ = 1, leftColumn_ = 1;
  std::uint64_t scrollRequests_ = 0;
  std::uint64_t revision_ = 0;
};

// Fills the fixed row and column: row r reads (256 - r) / 100 and column c
// reads (c + 9) / 10 in the shortest decimal form of the locale.
void InitMapGridHeaders(MapGrid& grid, const platform::Locale& locale);

}  // namespace tavu::map
