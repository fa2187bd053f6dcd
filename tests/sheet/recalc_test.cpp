#include "sheet/recalc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::Column;
using testing::FillSheet;
using testing::TableColumn;
using Texts = std::vector<std::string>;

class RecalcTest : public ::testing::Test {
 protected:
  Texts Values(int first, int last) { return Column(doc, Document::kValue, first, last); }
  void MarkT(int k) { PressSheetGrid(doc, ui, MouseButton::kLeft, 0, k); }
  Document doc;
  testing::FakeUi ui;
};

TEST_F(RecalcTest, WorkedCalculationFromTopToBottom) {
  FillSheet(doc, {{"radius", "5", "cm"},
                  {"areal", "PI*radius^2", "cm2"},
                  {"", "! a note"},
                  {"", "A1*2"},
                  {"pris", "HVIS areal>50 SÅ 1 ELLERS 2"},
                  {"", "HVIS areal<50 SÅ 1"},
                  {"", "7/0"},
                  {"", "SUM(A1:A2)"},
                  {"", "RST(17;5)"},
                  {"", "1/3"},
                  {"", "x2"}});
  doc.sheet.SetCell(Document::kValue, 12, " ???");  // an empty line loses a stale value
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  EXPECT_EQ(Values(1, 12), (Texts{"         5", "78.5398163", "", "        10", "         1", "",
                                  " ???", "83.5398163", "         2", " 0.3333333", " ???", ""}));
  EXPECT_FALSE(doc.records.HasValue(6));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecalcTest, PassesInModeOneFillTableRows) {
  FillSheet(doc, {{"n", "n+1"}, {"", "A1*10"}, {"c", "3"}});
  doc.records.StoreValue(1, 0);  // start value
  MarkT(1);
  MarkT(2);
  for (int i = 0; i < 3; ++i) RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(TableColumn(doc, 0, 0, 4), (Texts{"n", " 1", " 2", " 3", ""}));
  EXPECT_EQ(TableColumn(doc, 1, 0, 3), (Texts{"A2", " 10", " 20", " 30"}));
  RecalculateSheet(doc, ui, RecalcMode::kFresh);  // keeps only the header row, even with marks
  EXPECT_EQ(TableColumn(doc, 0, 0, 1), (Texts{"n", ""}));
  // A blank expression loses its marks and clears the table.
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  doc.sheet.SetCell(Document::kExpression, 1, "   ");
  doc.sheet.SetCell(Document::kExpression, 2, "");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(Column(doc, 0, 1, 2), (Texts{" ", " "}));
  EXPECT_TRUE(doc.settings.table_rows == 0 && doc.table_values.Empty());
}

TEST_F(RecalcTest, FailingFirstTableLineStillOpensOneRowPerPass) {
  FillSheet(doc, {{"a", "1/0"}, {"b", "2"}});
  MarkT(1);
  MarkT(2);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(TableColumn(doc, 0, 0, 1),
            (Texts{"a", ""}));  // the header row is never written with values
  doc.sheet.SetCell(Document::kExpression, 1, "5");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(doc.settings.table_rows, 2);
  EXPECT_EQ(TableColumn(doc, 0, 0, 2), (Texts{"a", "  ", " 5"}));  // aligned to its widest cell
  EXPECT_EQ(TableColumn(doc, 1, 0, 2), (Texts{"b", " 2", " 2"}));
}

TEST_F(RecalcTest, RefusedNameStopsThePassBeforeAnyValue) {
  FillSheet(doc, {{"x", "5"}, {"sin", "2"}});
  doc.sheet.SetCell(Document::kValue, 1, "old");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(ui.MessagesUtf8(), Texts{"Navnet sin er optaget til en indbygget funktion"});
  EXPECT_EQ(Values(1, 1)[0] + doc.sheet.Cell(Document::kName, 2), "old");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(Values(1, 2), (Texts{"         5", "         2"}));
}

TEST_F(RecalcTest, HugeAndHostileExpressionsFailOrGiveValues) {
  const std::string nested = std::string(100000, '(') + "1" + std::string(100000, ')');
  std::string long_sum = "1", relations;
  while (long_sum.size() < (1u << 20)) long_sum += "+1";
  while (relations.size() < 200000) relations += "(1<2)+";
  FillSheet(doc,
            {{"", nested}, {"", long_sum}, {"", "1e99999"}, {"", relations + "0"}, {"", "1e5"}});
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(Values(1, 5), Texts(5, " ???"));
  for (int b = 1; b < 256; ++b) {
    doc.sheet.SetCell(Document::kExpression, 6,
                      {'1', static_cast<char>(b), '2', static_cast<char>(b)});
    doc.sheet.SetCell(Document::kName, 7, std::string(1, static_cast<char>(b)));
    doc.sheet.SetCell(Document::kExpression, 7, "1");
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
    Real v = 0;
    EXPECT_TRUE(!doc.records.Value(6, v) || std::isfinite(v)) << b;
  }
}

}  // namespace
}  // namespace ravnelok
