#include "sheet/table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "sheet/decimals.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FillSheet;
using testing::TableColumn;
using Texts = std::vector<std::string>;

class TableTest : public ::testing::Test {
 protected:
  void MarkT(int k) { PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k); }
  Document doc;
  testing::FakeUi ui;
};

// Width 10 x (widest + 1), 50 after clearing; the 48th row makes the grid 51 rows long and is
// shown.
TEST_F(TableTest, TableHeadersWidthsAndGrowth) {
  FillSheet(doc, {{"a", "5"}, {"", "123456"}});
  MarkT(1);
  MarkT(2);
  EXPECT_EQ(doc.table.Cell(0, 0) + doc.table.Cell(1, 0), "aA2");
  for (int pass = 0; pass < 47; ++pass) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(std::tuple(doc.table.ColWidth(0), doc.table.ColWidth(1), doc.table.RowCount()),
            std::tuple(20, 70, 50));
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(std::pair(doc.table.RowCount(), doc.table.top_row + doc.table.visible_rows - 1),
            std::pair(51, 48));
  ClearTableCommand(doc, ui);  // keeps the columns, resets the widths
  EXPECT_EQ(TableColumn(doc, 1, 0, 1), (Texts{"A2", ""}));
  EXPECT_EQ(std::pair(doc.table.ColWidth(1), doc.settings.table_rows), std::pair(50, 0));
}

TEST_F(TableTest, RemovingTableRowsMovesTheRestUp) {
  FillSheet(doc, {{"n", "n+1"}});
  doc.records.StoreValue(1, 0);
  MarkT(1);
  for (int i = 0; i < 5; ++i) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // rows hold 1..5
  RemoveTableRowsCommand(doc, ui, 2, 3);
  EXPECT_EQ(TableColumn(doc, 0, 1, 3), (Texts{" 1", " 4", " 5"}));
  EXPECT_TRUE(doc.table_values.Find(0, 2)->value == 4 && !doc.table_values.Find(0, 4));
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
    testing::FakeUi ui;
    for (Document* doc : {&fast, &scratch}) {
      // Widths grow and shrink; line 3 fails at the third pass and leaves its cell empty.
      FillSheet(*doc, {{"c", "c+1"}, {"w", "c^c"}, {"q", "1/(c-3)"}, {"s", "1000/c/c"}});
      doc->records.StoreValue(1, 0);
      for (int k = 1; k <= 4; ++k) PressSheetGrid(*doc, ui, MouseButton::kLeft, 0, k);
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
