#include "graphics/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ravnelok {
namespace {

using Widths = std::array<int, 7>;

TEST(LayoutTest, ModesDivideTheClientArea) {
  const AreaRect none{};
  struct Case {
    int mode, width, height;
    AreaRect sheet_area, sheet_grid, graph_area, table_area;
    int row_height, font_size;
    Widths widths;
  } cases[] = {
      // clang-format off
      // The grid gets a third of the whole client height, the graph area the rest.
      {3, 900, 600, {0, 56, 600, 544}, {0, 0, 600, 200}, {0, 200, 600, 344}, {600, 56, 300, 544}, 18, 10, {17, 17, 40, 65, 273, 105, 55}},
      // A width that does not divide by 3 rounds the sheet area down.
      {2, 1001, 700, {0, 56, 667, 644}, {0, 0, 667, 644}, none, {667, 56, 334, 644}, 18, 10, {17, 17, 40, 65, 340, 105, 55}},
      // Unknown modes lay out as the sheet alone.
      {0, 800, 400, {0, 56, 800, 344}, {0, 0, 800, 344}, none, none, 22, 12, {17, 17, 48, 85, 425, 115, 65}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + ", width " + std::to_string(c.width));
    const WindowLayout l = ComputeLayout(c.mode, c.width, c.height, 17, 17);
    const bool table = c.mode == 2 || c.mode == 3;
    EXPECT_EQ(l.sheet_area, c.sheet_area);
    EXPECT_EQ(l.sheet_grid, c.sheet_grid);
    EXPECT_EQ(l.graph_shown, c.mode == 3);
    EXPECT_EQ(l.graph_shown ? l.graph_area : none, c.graph_area);
    EXPECT_EQ(l.table_shown, table);
    EXPECT_EQ(table ? l.table_area : none, c.table_area);
    EXPECT_EQ(l.clear_table_button, table);
    EXPECT_EQ(l.clear_graph_button, c.mode == 3);
    EXPECT_EQ(l.sheet_row_height, c.row_height);
    EXPECT_EQ(l.sheet_font_size, c.font_size);
    EXPECT_EQ(l.table_row_height, 18);
    EXPECT_EQ(l.sheet_col_widths, c.widths);
  }
  // A tiny client area gives no negative sizes.
  for (int mode = 1; mode <= 3; ++mode) {
    const WindowLayout l = ComputeLayout(mode, 10, 20, 17, 17);
    EXPECT_GE(std::min({l.sheet_area.height, l.sheet_grid.height, l.graph_area.height,
                        l.sheet_col_widths[4]}),
              0);
  }
}

TEST(LayoutTest, ExpressionColumnGetsTheRest) {
  const struct {
    int grid_width;
    Widths widths;
    int want;
  } rest[] = {
      {800, {17, 17, 48, 85, 0, 115, 65}, 425},
      {800, {20, 30, 48, 85, 0, 115, 65}, 409},  // the mark columns keep what they were given
      {100, {17, 17, 48, 85, 0, 115, 65}, 0},    // never negative
  };
  for (const auto& c : rest) EXPECT_EQ(ExpressionColumnWidth(c.grid_width, c.widths), c.want);
}

}  // namespace
}  // namespace ravnelok
