#include "sheet/table.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "sheet/decimals.h"
#include "sheet/recalc.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::FillSheet;

void Press(Document& doc, FakeUi& ui, int col, int row, MouseButton b = MouseButton::kLeft) {
  PressSheetGrid(doc, ui, b, col, row);
}

TEST(PressSheetGrid, MarksOnlyLinesWithAnExpressionToCompute) {
  const std::pair<std::string, bool> cases[] = {{"", false},       {"   ", false},
                                                {"! note", false}, {"\"quoted", false},
                                                {"1+1", true},     {" x", true}};
  for (const auto& [expression, marks] : cases) {
    Document doc;
    FakeUi ui;
    FillSheet(doc, {{"", expression}});
    Press(doc, ui, 0, 1);
    Press(doc, ui, 1, 1);
    EXPECT_EQ(doc.sheet.Cell(0, 1), marks ? "T" : " ") << expression;
    EXPECT_EQ(doc.sheet.Cell(1, 1), marks ? "*" : " ") << expression;
    EXPECT_EQ(doc.settings.view_mode, marks ? 2 : 1) << expression;
  }
}

TEST(PressSheetGrid, RightPressShowsTheFullValueAndTheHeaderSelectsTheColumn) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"", "1/3"}, {"", "-12345"}, {"", ""}, {"", "0"}});
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  for (int row : {1, 2, 3}) Press(doc, ui, 5, row, MouseButton::kRight);  // 3: no value
  Press(doc, ui, 4, 1, MouseButton::kRight);                              // not a value cell
  Press(doc, ui, 5, 4, MouseButton::kRight);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{" 3.333333333333E-0001", "-1.234500000000E+0004",
                                                   " 0.000000000000E+0000"}));
  EXPECT_EQ(doc.sheet.CurrentCol(), 5);
  EXPECT_EQ(doc.sheet.CurrentRow(), 4);
  EXPECT_EQ(doc.settings.clicked_column, 5);
  Press(doc, ui, 5, 0);
  const GridRect sel = doc.sheet.Selection();
  EXPECT_EQ((std::vector<int>{sel.left, sel.top, sel.right, sel.bottom}),
            (std::vector<int>{5, 1, 5, 199}));
}

TEST(Table, HeadersAlignmentAndGrowth) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "5"}, {"", "12.5"}, {"c", "100"}, {"n", "n+1"}});
  for (int k = 1; k <= 3; ++k) Press(doc, ui, 0, k);
  EXPECT_EQ(doc.table.Cell(0, 0) + "," + doc.table.Cell(1, 0) + "," + doc.table.Cell(2, 0),
            "a,A2,c");
  for (int pass = 0; pass < 3; ++pass) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(doc.settings.table_rows, 3);
  EXPECT_EQ(doc.table.Cell(1, 3), " 12.5");
  EXPECT_EQ(doc.table.Cell(2, 3), " 100");
  EXPECT_EQ(doc.table.ColWidth(1), 50);  // 10 x (4 + 1)

  // The 48th row makes the grid 51 rows long, the 49th 52, and the last row is scrolled to.
  Document one;
  FillSheet(one, {{"v", "5"}});
  Press(one, ui, 0, 1);
  for (int i = 0; i < 47; ++i) RecalculateSheet(one, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(one.table.RowCount(), 50);
  RecalculateSheet(one, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(one.table.RowCount(), 51);
  RecalculateSheet(one, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(one.table.RowCount(), 52);
  EXPECT_EQ(one.table.top_row + one.table.visible_rows - 1, 49);
}

TEST(Table, ClearingKeepsColumnsButResetsWidths) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, std::vector<testing::LineSpec>(12, {"", "123456"}));
  for (int k = 1; k <= 12; ++k) Press(doc, ui, 0, k);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(doc.table.ColWidth(11), 70);
  ClearTableCommand(doc, ui);
  EXPECT_EQ(doc.table.ColCount(), 12);
  EXPECT_EQ(doc.table.ColWidth(11), 50);
  EXPECT_EQ(doc.table.Cell(11, 0), "A12");
  EXPECT_EQ(doc.table.Cell(11, 1), "");
  EXPECT_EQ(doc.settings.table_rows, 0);
}

TEST(Table, RemovingRowsMovesTheRestUp) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"n", "n+1"}});
  doc.records.StoreValue(1, 0);
  Press(doc, ui, 0, 1);
  for (int i = 0; i < 5; ++i) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // rows hold 1..5
  RemoveTableRowsCommand(doc, ui, 2, 3);
  EXPECT_EQ(doc.settings.table_rows, 3);
  EXPECT_EQ(doc.table.Cell(0, 1) + doc.table.Cell(0, 2) + doc.table.Cell(0, 3), " 1 4 5");
  EXPECT_EQ(doc.table.Cell(0, 4), "");
  ASSERT_NE(doc.table_values.Find(0, 2), nullptr);
  EXPECT_EQ(doc.table_values.Find(0, 2)->value, 4);
  EXPECT_EQ(doc.table_values.Find(0, 4), nullptr);
  // Wholly below the last row, or including the header: nothing goes.
  RemoveTableRowsCommand(doc, ui, 7, 9);
  RemoveTableRowsCommand(doc, ui, 0, 2);
  EXPECT_EQ(doc.settings.table_rows, 3);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // appending goes on after the shortened table
  EXPECT_EQ(doc.table.Cell(0, 4), " 6");
}

// Appending pads only the rows added since the column was last aligned; after every step the
// table must equal the one aligned from scratch at every append. Steps: "p" a pass, "+k"/"-k"
// more/fewer decimals on line k, "rab" removing table rows a..b.
TEST(Table, AppendingAlignsLikeAligningFromScratch) {
  const std::vector<std::string> scripts[] = {
      {"p", "p", "p", "p", "p", "p", "p", "p"},
      {"p", "p", "p", "p", "p", "p", "r24", "p", "p", "p", "p"},
      {"p", "p", "p", "p", "+3", "p", "p", "-3", "-3", "p", "p", "-4", "p"},
      {"p", "p", "p", "p", "p", "p", "r16", "p", "p", "+4", "r22", "p", "p"}};
  for (const auto& script : scripts) {
    Document fast, scratch;
    FakeUi ui;
    for (Document* doc : {&fast, &scratch}) {
      // Widths grow and shrink; line 3 fails at the third pass and leaves its cell empty.
      FillSheet(*doc, {{"c", "c+1"}, {"w", "c^c"}, {"q", "1/(c-3)"}, {"s", "1000/c/c"}});
      doc->records.StoreValue(1, 0);
      for (int k = 1; k <= 4; ++k) Press(*doc, ui, 0, k);
    }
    for (size_t i = 0; i < script.size(); ++i) {
      const std::string& step = script[i];
      for (Document* doc : {&fast, &scratch}) {
        if (doc == &scratch) doc->table_widths.ForgetAll();
        if (step == "p") RecalculateSheet(*doc, ui, RecalcMode::kAppendRow);
        if (step[0] == 'r') RemoveTableRowsCommand(*doc, ui, step[1] - '0', step[2] - '0');
        if (step[0] != '+' && step[0] != '-') continue;
        doc->sheet.SetCurrent(Document::kValue, step[1] - '0');
        step[0] == '+' ? MoreDecimals(*doc) : FewerDecimals(*doc);
      }
      ASSERT_EQ(fast.settings.table_rows, scratch.settings.table_rows) << i;
      for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(fast.table.ColWidth(c), scratch.table.ColWidth(c)) << i << c;
        for (int r = 1; r <= fast.settings.table_rows + 1; ++r) {
          EXPECT_EQ(fast.table.Cell(c, r), scratch.table.Cell(c, r)) << i << c << r;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ravnelok
