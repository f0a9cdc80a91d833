#include "core/map/map_grid.h"

#include <algorithm>

namespace tavu::map {
namespace {
const std::string kNone;
}  // namespace

MapGrid::MapGrid()
    : columnTitles_(kColumns), rowTitles_(kRows), colors_(static_cast<std::size_t>(kColumns * kRows), colors::kWindow) {}

const std::string& MapGrid::columnTitle(int column) const {
  return column >= 0 && column < kColumns ? columnTitles_[static_cast<std::size_t>(column)] : kNone;
}

const std::string& MapGrid::rowTitle(int row) const {
  return row >= 0 && row < kRows ? rowTitles_[static_cast<std::size_t>(row)] : kNone;
}

void MapGrid::setColumnTitle(int column, std::string text) {
  if (column < 0 || column >= kColumns) return;
  columnTitles_[static_cast<std::size_t>(column)] = std::move(text);
  ++revision_;
}

void MapGrid::setRowTitle(int row, std::string text) {
  if (row < 0 || row >= kRows) return;
  rowTitles_[static_cast<std::size_t>(row)] = std::move(text);
  ++revision_;
}

bool MapGrid::inside(int column, int row) { return column >= 1 && column < kColumns && row >= 1 && row < kRows; }

Rgb MapGrid::color(int column, int row) const {
  return inside(column, row) ? colors_[static_cast<std::size_t>(at(column, row))] : colors::kWindow;
}

const std::string& MapGrid::cellHint(int column, int row) const {
  if (!inside(column, row)) return kNone;
  const auto it = hints_.find(at(column, row));
  return it == hints_.end() ? kNone : it->second;
}

void MapGrid::setCell(int column, int row, Rgb color, std::string cellHint) {
  if (!inside(column, row)) return;
  colors_[static_cast<std::size_t>(at(column, row))] = color;
  if (cellHint.empty())
    hints_.erase(at(column, row));
  else
    hints_[at(column, row)] = std::move(cellHint);
  ++revision_;
}

void MapGrid::resetColors() {
  std::fill(colors_.begin(), colors_.end(), colors::kWindow);
  ++revision_;
}

void MapGrid::setCellSize(int columnWidth, int rowHeight) {
  columnWidth_ = std::max(1, columnWidth);
  rowHeight_ = std::max(1, rowHeight);
  ++revision_;
}

void MapGrid::scrollTo(int topRow, int leftColumn) {
  topRow_ = std::clamp(topRow, 1, kRows - 1);
  leftColumn_ = std::clamp(leftColumn, 1, kColumns - 1);
  ++scrollRequests_;
}

void InitMapGridHeaders(MapGrid& grid, const platform::Locale& locale) {
  for (int r = 1; r < MapGrid::kRows; ++r) grid.setRowTitle(r, platform::FormatShortest(locale, (256 - r) / 100.0));
  for (int c = 1; c < MapGrid::kColumns; ++c)
    grid.setColumnTitle(c, platform::FormatShortest(locale, (c + 9) / 10.0));
}

}  // namespace tavu::map
