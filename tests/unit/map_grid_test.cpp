#include "core/map/map_grid.h"

#include <gtest/gtest.h>

namespace tavu::map {
namespace {

// n tenths (or hundredths) written out digit by digit, without trailing zeros.
std::string Decimal(int n, int scale, const std::string& separator) {
  std::string whole = std::to_string(n / scale);
  std::string fraction = std::to_string(scale + n % scale).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? whole : whole + separator + fraction;
}

struct HeaderCase {
  const char* name;
  platform::FixedLocale locale;
  std::string separator;
};

class MapGridHeaders : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(MapGridHeaders, ReadTheTimeOfEachColumnAndTheMultiplierOfEachRow) {
  MapGrid grid;
  InitMapGridHeaders(grid, GetParam().locale);
  const std::string& sep = GetParam().separator;
  EXPECT_EQ(grid.columnTitle(1), "1");
  EXPECT_EQ(grid.columnTitle(246), "25" + sep + "5");
  EXPECT_EQ(grid.rowTitle(1), "2" + sep + "55");
  EXPECT_EQ(grid.rowTitle(156), "1");
  EXPECT_EQ(grid.rowTitle(256), "0");
  // Every title, against the digits of its own number: no binary rounding
  // residue ("1,2000000000000002") and no trailing zeros ("2,50").
  for (int c = 1; c < MapGrid::kColumns; ++c) ASSERT_EQ(grid.columnTitle(c), Decimal(c + 9, 10, sep)) << c;
  for (int r = 1; r < MapGrid::kRows; ++r) ASSERT_EQ(grid.rowTitle(r), Decimal(256 - r, 100, sep)) << r;
  EXPECT_EQ(grid.columnTitle(0), "");
  EXPECT_EQ(grid.rowTitle(0), "");
}

INSTANTIATE_TEST_SUITE_P(Locales, MapGridHeaders,
                         ::testing::Values(HeaderCase{"Polish", platform::FixedLocale::Polish(), ","},
                                           HeaderCase{"Point", platform::FixedLocale::Point(), "."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MapGridCells, OnlyCellsInsideTheGridTakeAColourOrAHint) {
  MapGrid grid;
  const auto revision = grid.revision();
  for (auto [c, r] : {std::pair{0, 5}, {5, 0}, {247, 5}, {5, 257}, {-1, -1}}) {
    grid.setCell(c, r, colors::kBlue, "x");
    EXPECT_EQ(grid.color(c, r), colors::kWindow) << c << "," << r;
    EXPECT_EQ(grid.cellHint(c, r), "") << c << "," << r;
  }
  EXPECT_EQ(grid.revision(), revision);

  grid.setCell(246, 256, colors::kBlue, "(X=25,5 [ms]) , (Y=0)");
  EXPECT_EQ(grid.color(246, 256), colors::kBlue);
  EXPECT_EQ(grid.cellHint(246, 256), "(X=25,5 [ms]) , (Y=0)");
  EXPECT_EQ(grid.color(245, 256), colors::kWindow);
  EXPECT_GT(grid.revision(), revision);

  // A redraw whitens the grid and leaves the hints; an empty hint removes one.
  grid.resetColors();
  EXPECT_EQ(grid.color(246, 256), colors::kWindow);
  EXPECT_EQ(grid.cellHint(246, 256), "(X=25,5 [ms]) , (Y=0)");
  grid.setCell(246, 256, colors::kWindow, "");
  EXPECT_EQ(grid.cellHint(246, 256), "");
}

TEST(MapGridSizes, ZoomsByCellSizeAndCountsEveryScrollRequest) {
  MapGrid grid;
  EXPECT_FALSE(grid.zoomed());
  grid.setCellSize(68, 9);
  EXPECT_TRUE(grid.zoomed());
  grid.setCellSize(MapGrid::kOverviewColumnWidth, MapGrid::kOverviewRowHeight);
  EXPECT_FALSE(grid.zoomed());

  grid.scrollTo(164, 8);
  grid.scrollTo(164, 8);
  EXPECT_EQ(grid.scrollRequests(), 2u);
  grid.scrollTo(400, -3);  // held inside the grid
  EXPECT_EQ(grid.topRow(), 256);
  EXPECT_EQ(grid.leftColumn(), 1);
}

}  // namespace
}  // namespace tavu::map
