#include "graphics/layout.h"

#include <gtest/gtest.h>

#include "app/document.h"

namespace ravnelok {
namespace {

struct ModeCase {
  int mode;
  int width, height;
  AreaRect sheet_area, sheet_grid, graph_area, table_area;
  bool table, clear_table, clear_graph;
  int row_height, font_size;
  std::array<int, 7> widths;
};

TEST(LayoutTest, ModesDivideTheClientArea) {
  const ModeCase cases[] = {
      // Mode 1: the sheet alone fills everything below the 56-pixel tool bar.
      {1,
       900,
       600,
       {0, 56, 900, 544},
       {0, 0, 900, 544},
       {},
       {},
       false,
       false,
       false,
       22,
       12,
       {17, 17, 48, 85, 900 - 25 - (17 + 17 + 48 + 85 + 115 + 65 + 3), 115, 65}},
      // Mode 2: two thirds for the sheet, the rest for the table.
      {2,
       900,
       600,
       {0, 56, 600, 544},
       {0, 0, 600, 544},
       {},
       {600, 56, 300, 544},
       true,
       true,
       false,
       18,
       10,
       {17, 17, 40, 65, 600 - 25 - (17 + 17 + 40 + 65 + 105 + 55 + 3), 105, 55}},
      // Mode 3: the grid gets a third of the whole client height, the graph area the rest.
      {3,
       900,
       600,
       {0, 56, 600, 544},
       {0, 0, 600, 200},
       {0, 200, 600, 344},
       {600, 56, 300, 544},
       true,
       true,
       true,
       18,
       10,
       {17, 17, 40, 65, 273, 105, 55}},
      // A width that does not divide by 3 rounds the sheet area down.
      {2,
       1001,
       700,
       {0, 56, 667, 644},
       {0, 0, 667, 644},
       {},
       {667, 56, 334, 644},
       true,
       true,
       false,
       18,
       10,
       {17, 17, 40, 65, 340, 105, 55}},
      // Unknown modes lay out as the sheet alone.
      {0,
       800,
       400,
       {0, 56, 800, 344},
       {0, 0, 800, 344},
       {},
       {},
       false,
       false,
       false,
       22,
       12,
       {17, 17, 48, 85, 425, 115, 65}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " " + std::to_string(c.width));
    const WindowLayout l = ComputeLayout(c.mode, c.width, c.height, 17, 17);
    EXPECT_EQ(l.sheet_area, c.sheet_area);
    EXPECT_EQ(l.sheet_grid, c.sheet_grid);
    if (c.mode == 3) {
      EXPECT_EQ(l.graph_area, c.graph_area);
    }
    EXPECT_EQ(l.graph_shown, c.mode == 3);
    if (c.table) {
      EXPECT_EQ(l.table_area, c.table_area);
    }
    EXPECT_EQ(l.table_shown, c.table);
    EXPECT_EQ(l.clear_table_button, c.clear_table);
    EXPECT_EQ(l.clear_graph_button, c.clear_graph);
    EXPECT_EQ(l.sheet_row_height, c.row_height);
    EXPECT_EQ(l.sheet_font_size, c.font_size);
    EXPECT_EQ(l.editor_font_size, c.font_size);
    EXPECT_EQ(l.table_row_height, 18);
    EXPECT_EQ(l.sheet_col_widths, c.widths);
  }
}

TEST(LayoutTest, ExpressionColumnGetsTheRest) {
  struct Case {
    int grid_width;
    std::array<int, 7> widths;
    int expected;
  };
  const Case cases[] = {
      {800, {17, 17, 48, 85, 0, 115, 65}, 425},
      {800, {20, 30, 48, 85, 0, 115, 65}, 409},  // the mark columns keep what they were given
      {375, {17, 17, 48, 85, 0, 115, 65}, 0},    // exactly nothing left
      {100, {17, 17, 48, 85, 0, 115, 65}, 0},    // never negative
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpressionColumnWidth(c.grid_width, c.widths), c.expected) << c.grid_width;
  }
  EXPECT_EQ(ComputeLayout(1, 800, 600, 20, 30).sheet_col_widths[4], 409);
}

TEST(LayoutTest, TinyClientAreasGiveNoNegativeSizes) {
  for (int mode = 1; mode <= 3; ++mode) {
    const WindowLayout l = ComputeLayout(mode, 10, 20, 17, 17);
    EXPECT_GE(l.sheet_area.height, 0);
    EXPECT_GE(l.sheet_grid.height, 0);
    EXPECT_GE(l.graph_area.height, 0);
    EXPECT_GE(l.sheet_col_widths[4], 0);
  }
}

TEST(LayoutTest, ApplyWritesTheSheetGrid) {
  Document doc;
  doc.InitialiseGrid();
  ApplyLayout(doc, ComputeLayout(1, 800, 600, doc.sheet.ColWidth(0), doc.sheet.ColWidth(1)));
  EXPECT_EQ(doc.sheet.row_height, 22);
  EXPECT_EQ(doc.sheet.font_size, 12);
  EXPECT_EQ(doc.sheet.ColWidth(3), 85);  // grid initialisation gave it 86
  EXPECT_EQ(doc.sheet.ColWidth(4), 425);
  ApplyLayout(doc, ComputeLayout(2, 800, 600, doc.sheet.ColWidth(0), doc.sheet.ColWidth(1)));
  EXPECT_EQ(doc.sheet.row_height, 18);
  EXPECT_EQ(doc.sheet.font_size, 10);
  EXPECT_EQ(doc.sheet.ColWidth(2), 40);
}

}  // namespace
}  // namespace ravnelok
