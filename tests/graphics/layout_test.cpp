#include "graphics/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace ravnelok {
namespace {

using V = ViewMode;

using Widths = std::array<int, 7>;

TEST(LayoutTest, ModesDivideTheClientArea) {
  const AreaRect none{};
  // clang-format off
  const std::tuple<ViewMode, int, int, AreaRect, AreaRect, AreaRect, AreaRect, int, int, Widths> cases[] = {
      // The grid gets a third of the whole client height, the graph area the rest.
      {V::kSheetTableAndGraph, 900, 600, {0, 56, 600, 544}, {0, 0, 600, 200}, {0, 200, 600, 344}, {600, 56, 300, 544}, 18, 10, {17, 17, 40, 65, 273, 105, 55}},
      // A width that does not divide by 3 rounds the sheet area down.
      {V::kSheetAndTable, 1001, 700, {0, 56, 667, 644}, {0, 0, 667, 644}, none, {667, 56, 334, 644}, 18, 10, {17, 17, 40, 65, 340, 105, 55}},
      // The sheet alone.
      {V::kSheet, 800, 400, {0, 56, 800, 344}, {0, 0, 800, 344}, none, none, 22, 12, {17, 17, 48, 85, 425, 115, 65}}};
  // clang-format on
  for (const auto& [mode, width, height, sheet_area, sheet_grid, graph_area, table_area, row_height,
                    font_size, widths] : cases) {
    SCOPED_TRACE("width " + std::to_string(width));
    const WindowLayout l = ComputeLayout(mode, width, height, 17, 17);
    EXPECT_EQ(std::tuple(l.sheet_area, l.sheet_grid, l.graph_shown ? l.graph_area : none,
                         l.table_shown ? l.table_area : none),
              std::tuple(sheet_area, sheet_grid, graph_area, table_area));
    EXPECT_EQ(std::pair(l.graph_shown, l.table_shown),
              std::pair(mode == V::kSheetTableAndGraph, mode != V::kSheet));
    EXPECT_EQ(std::pair(l.sheet_row_height, l.sheet_font_size), std::pair(row_height, font_size));
    EXPECT_EQ(l.sheet_col_widths, widths);
  }
  // A tiny client area gives no negative sizes.
  for (const ViewMode mode : {V::kSheet, V::kSheetAndTable, V::kSheetTableAndGraph}) {
    const WindowLayout l = ComputeLayout(mode, 10, 20, 17, 17);
    EXPECT_GE(std::min({l.sheet_area.height, l.sheet_grid.height, l.graph_area.height,
                        l.sheet_col_widths[4]}),
              0);
  }
}

}  // namespace
}  // namespace ravnelok
