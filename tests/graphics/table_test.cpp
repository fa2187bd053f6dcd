#include "graphics/table.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "sheet/recalc.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::FillSheet;

TEST(PressSheetGrid, MarksOnlyLinesWithAnExpressionToCompute) {
  struct Case {
    std::string expression;
    bool marks;
  };
  const Case cases[] = {{"", false},         {"   ", false}, {"! note", false},
                        {"\"quoted", false}, {"1+1", true},  {" x", true}};
  for (const auto& c : cases) {
    Document doc;
    FakeUi ui;
    FillSheet(doc, {{"", c.expression}});
    PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
    PressSheetGrid(doc, ui, MouseButton::kLeft, 1, 1);
    EXPECT_EQ(doc.sheet.Cell(0, 1), c.marks ? "T" : " ") << c.expression;
    EXPECT_EQ(doc.sheet.Cell(1, 1), c.marks ? "*" : " ") << c.expression;
    EXPECT_EQ(doc.settings.view_mode, c.marks ? 2 : 1) << c.expression;
  }
}

TEST(PressSheetGrid, HeaderClearsEveryMarkOfItsColumn) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "1"}, {"b", "2"}});
  for (int k = 1; k <= 2; ++k) {
    PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k);
    PressSheetGrid(doc, ui, MouseButton::kLeft, 1, k);
  }
  RecalculateSheet(doc, ui, 1);
  doc.settings.graph_shown = true;
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 0);
  EXPECT_EQ(doc.sheet.Cell(0, 1), " ");
  EXPECT_EQ(doc.sheet.Cell(0, 2), " ");
  EXPECT_EQ(doc.sheet.Cell(1, 1), "*");
  EXPECT_EQ(doc.settings.table_rows, 0);
  EXPECT_FALSE(doc.settings.graph_shown);
  // A "*" toggle touches neither table nor graph nor view mode.
  RecalculateSheet(doc, ui, 1);
  doc.settings.graph_shown = true;
  doc.settings.view_mode = 1;
  PressSheetGrid(doc, ui, MouseButton::kLeft, 1, 2);
  EXPECT_EQ(doc.sheet.Cell(1, 2), " ");
  EXPECT_TRUE(doc.settings.graph_shown);
  EXPECT_EQ(doc.settings.view_mode, 1);
}

TEST(PressSheetGrid, RightPressShowsTheFullValue) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"", "1/3"}, {"", "-12345"}, {"", ""}, {"", "0"}});
  RecalculateSheet(doc, ui, 1);
  PressSheetGrid(doc, ui, MouseButton::kRight, 5, 1);
  PressSheetGrid(doc, ui, MouseButton::kRight, 5, 2);
  PressSheetGrid(doc, ui, MouseButton::kRight, 5, 3);  // no value: nothing shown
  PressSheetGrid(doc, ui, MouseButton::kRight, 4, 1);  // other column: nothing
  PressSheetGrid(doc, ui, MouseButton::kRight, 5, 4);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{" 3.333333333333E-0001", "-1.234500000000E+0004",
                                                   " 0.000000000000E+0000"}));
  EXPECT_EQ(doc.sheet.CurrentCol(), 5);
  EXPECT_EQ(doc.sheet.CurrentRow(), 4);
  EXPECT_EQ(doc.settings.clicked_column, 5);
}

TEST(PressSheetGrid, ValueHeaderSelectsTheValueColumn) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {});
  PressSheetGrid(doc, ui, MouseButton::kLeft, 5, 0);
  const GridRect sel = doc.sheet.Selection();
  EXPECT_EQ(sel.left, 5);
  EXPECT_EQ(sel.right, 5);
  EXPECT_EQ(sel.top, 1);
  EXPECT_EQ(sel.bottom, 199);
}

TEST(Table, HeadersAlignmentAndGrowth) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "n"}, {"", "12.5"}, {"c", "100"}, {"n", "n+1"}});
  doc.sheet.SetCell(Document::kExpression, 1, "5");
  for (int k = 1; k <= 3; ++k) PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k);
  EXPECT_EQ(doc.table.Cell(0, 0), "a");
  EXPECT_EQ(doc.table.Cell(1, 0), "A2");
  EXPECT_EQ(doc.table.Cell(2, 0), "c");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.table.Cell(0, 1), " 5");
  EXPECT_EQ(doc.table.Cell(1, 1), " 12.5");
  EXPECT_EQ(doc.table.ColWidth(1), 50);  // 10 x (4 + 1)

  // One column fed "5", "12.5" and "100" in turn.
  Document one;
  FillSheet(one, {{"v", "5"}});
  PressSheetGrid(one, ui, MouseButton::kLeft, 0, 1);
  for (const char* e : {"5", "12,5", "100"}) {
    one.sheet.SetCell(Document::kExpression, 1, e);
    RecalculateSheet(one, ui, 1);
  }
  EXPECT_EQ(one.table.Cell(0, 1), "    5");
  EXPECT_EQ(one.table.Cell(0, 2), " 12.5");
  EXPECT_EQ(one.table.Cell(0, 3), "  100");
  EXPECT_EQ(one.table.ColWidth(0), 50);

  // The 48th row makes the grid 51 rows long, the 49th 52.
  for (int i = 3; i < 47; ++i) RecalculateSheet(one, ui, 1);
  EXPECT_EQ(one.table.RowCount(), 50);
  RecalculateSheet(one, ui, 1);
  EXPECT_EQ(one.settings.table_rows, 48);
  EXPECT_EQ(one.table.RowCount(), 51);
  RecalculateSheet(one, ui, 1);
  EXPECT_EQ(one.table.RowCount(), 52);
  EXPECT_EQ(one.table.top_row + one.table.visible_rows - 1, 49);
}

TEST(Table, ClearingKeepsTheColumnCountButResetsWidths) {
  Document doc;
  FakeUi ui;
  std::vector<testing::LineSpec> lines(12, {"", "123456"});
  FillSheet(doc, lines);
  for (int k = 1; k <= 12; ++k) PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k);
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.table.ColCount(), 12);
  EXPECT_EQ(doc.table.ColWidth(11), 70);
  ClearTableCommand(doc, ui);
  EXPECT_EQ(doc.table.ColCount(), 12);
  EXPECT_EQ(doc.table.ColWidth(11), 50);
  EXPECT_EQ(doc.table.Cell(11, 0), "A12");  // headers stay
  EXPECT_EQ(doc.table.Cell(11, 1), "");
  EXPECT_EQ(doc.settings.table_rows, 0);
}

TEST(Table, ClearTableCommandKeepsATableGraphLive) {
  const struct {
    int kind;
    bool shown_after;
  } cases[] = {{1, true}, {4, true}, {5, true}, {7, true}, {2, true}, {0, false}};
  for (const auto& c : cases) {
    Document doc;
    FakeUi ui;
    FillSheet(doc, {});
    doc.settings.graph_kind = c.kind;
    doc.settings.graph_shown = c.kind != 0;
    ClearTableCommand(doc, ui);
    EXPECT_EQ(doc.settings.graph_shown, c.shown_after) << c.kind;
  }
}

TEST(Table, RemovingRowsMovesTheRestUp) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"n", "n+1"}});
  doc.records.StoreValue(1, 0);
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  for (int i = 0; i < 5; ++i) RecalculateSheet(doc, ui, 1);  // rows hold 1..5
  RemoveTableRows(doc, ui, 2, 3);
  EXPECT_EQ(doc.settings.table_rows, 3);
  EXPECT_EQ(doc.table.Cell(0, 1), " 1");
  EXPECT_EQ(doc.table.Cell(0, 2), " 4");
  EXPECT_EQ(doc.table.Cell(0, 3), " 5");
  EXPECT_EQ(doc.table.Cell(0, 4), "");
  ASSERT_NE(doc.table_values.Find(0, 2), nullptr);
  EXPECT_EQ(doc.table_values.Find(0, 2)->value, 4);
  EXPECT_EQ(doc.table_values.Find(0, 4), nullptr);
  // Wholly below the last row, or including the header: nothing goes.
  RemoveTableRows(doc, ui, 7, 9);
  EXPECT_EQ(doc.settings.table_rows, 3);
  RemoveTableRows(doc, ui, 0, 2);
  EXPECT_EQ(doc.settings.table_rows, 3);
  // Appending goes on after the shortened table.
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.table.Cell(0, 4), " 6");
}

}  // namespace
}  // namespace ravnelok
