#include "sheet/recalc.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "graphics/table.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::CellUtf8;
using testing::FakeUi;
using testing::FillSheet;

std::string Value(const Document& doc, int k) {
  return CellUtf8(doc, Document::kValue, k);
}

TEST(RecalculateSheet, WorkedCalculationFromTopToBottom) {
  Document doc;
  FakeUi ui;
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
  RecalculateSheet(doc, ui, 0);
  const std::vector<std::string> expected = {"         5", "78.5398163", "",     "        10",
                                             "         1", "",           " ???", "83.5398163",
                                             "         2", " 0.3333333", " ???"};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(Value(doc, static_cast<int>(i) + 1), expected[i]) << "line " << i + 1;
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST(RecalculateSheet, EmptySheetGivesEmptyValuesAndNoRow) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {});
  doc.sheet.SetCell(Document::kValue, 3, " ???");
  RecalculateSheet(doc, ui, 1);
  for (int k = 1; k < doc.sheet.RowCount(); ++k) EXPECT_EQ(Value(doc, k), "");
  EXPECT_EQ(doc.settings.table_rows, 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(RecalculateSheet, BlankExpressionLosesItsMarksAndClearsTheTable) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "1"}, {"b", "2"}});
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  PressSheetGrid(doc, ui, MouseButton::kLeft, 1, 2);
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.settings.table_rows, 1);
  doc.sheet.SetCell(Document::kExpression, 1, "   ");
  doc.sheet.SetCell(Document::kExpression, 2, "");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.sheet.Cell(0, 1), " ");
  EXPECT_EQ(doc.sheet.Cell(1, 2), " ");
  EXPECT_EQ(doc.settings.table_rows, 0);
  EXPECT_TRUE(doc.table_values.Empty());
}

TEST(RecalculateSheet, PassesInModeOneFillTableRows) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"n", "n+1"}, {"", "A1*10"}, {"c", "3"}});
  doc.records.StoreValue(1, 0);  // start value
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 2);
  for (int i = 0; i < 3; ++i) RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.settings.table_rows, 3);
  EXPECT_EQ(doc.settings.table_columns, 2);
  EXPECT_EQ(doc.table.Cell(0, 0), "n");
  EXPECT_EQ(doc.table.Cell(1, 0), "A2");
  const char* col0[] = {" 1", " 2", " 3"};
  const char* col1[] = {" 10", " 20", " 30"};
  for (int r = 1; r <= 3; ++r) {
    EXPECT_EQ(doc.table.Cell(0, r), col0[r - 1]);
    EXPECT_EQ(doc.table.Cell(1, r), col1[r - 1]);
  }
  EXPECT_EQ(doc.table.Cell(0, 4), "");
  // Mode 0 keeps only the header row, even with "T" marks.
  RecalculateSheet(doc, ui, 0);
  EXPECT_EQ(doc.settings.table_rows, 0);
  EXPECT_EQ(doc.table.Cell(0, 0), "n");
  EXPECT_EQ(doc.table.Cell(0, 1), "");
}

TEST(RecalculateSheet, FailingFirstTableLineStillOpensOneRowPerPass) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"a", "1"}, {"b", "2"}});
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 2);
  doc.sheet.SetCell(Document::kExpression, 1, "1/0");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.settings.table_rows, 1);
  EXPECT_EQ(doc.table.Cell(0, 0), "a");  // the header row is never written with values
  EXPECT_EQ(doc.table.Cell(1, 0), "b");
  EXPECT_EQ(doc.table.Cell(0, 1), "");
  EXPECT_EQ(doc.table.Cell(1, 1), " 2");
  doc.sheet.SetCell(Document::kExpression, 1, "5");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.settings.table_rows, 2);
  EXPECT_EQ(doc.table.Cell(0, 2), " 5");
  EXPECT_EQ(doc.table.Cell(1, 2), " 2");
  EXPECT_EQ(doc.table.Cell(1, 1), " 2");
}

TEST(RecalculateSheet, RefusedNameStopsThePassBeforeAnyValue) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"x", "5"}, {"sin", "2"}});
  doc.sheet.SetCell(Document::kValue, 1, "old");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(ui.MessagesUtf8(),
            std::vector<std::string>{"Navnet sin er optaget til en indbygget funktion"});
  EXPECT_EQ(Value(doc, 1), "old");
  EXPECT_EQ(CellUtf8(doc, Document::kName, 2), "");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 1), "         5");
  EXPECT_EQ(Value(doc, 2), "         2");
}

TEST(RecalculateSheet, TooLongSubstitutionShowsTheMessageOncePerLine) {
  Document doc;
  FakeUi ui;
  std::string many = "x";
  for (int i = 0; i < 30; ++i) many += "+x";
  FillSheet(doc, {{"x", "1/3"}, {"", many}, {"", "A1"}, {"", many}});
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(ui.MessagesUtf8(),
            (std::vector<std::string>{"Fortolkeren giver op - for mange variable!",
                                      "Fortolkeren giver op - for mange variable!"}));
  EXPECT_EQ(Value(doc, 2), " ???");
  EXPECT_EQ(Value(doc, 3), " 0.3333333");
}

TEST(RecalculateSheet, StartValueIsUsedForExactlyOnePass) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"x", "x+1"}});
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 1), " ???");  // no previous value
  doc.records.StoreValue(1, 10);
  doc.records.SetStartPending(1, true);
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 1), "        10");
  EXPECT_FALSE(doc.records.StartPending(1));
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 1), "        11");
  // Mode 0 forgets pending start values first.
  doc.records.SetStartPending(1, true);
  RecalculateSheet(doc, ui, 0);
  EXPECT_EQ(Value(doc, 1), "        12");
}

TEST(RecalculateSheet, ConditionWithoutElseLeavesTheValueCellEmpty) {
  Document doc;
  FakeUi ui;
  FillSheet(doc, {{"x", "5"}, {"", "HVIS x<3 SÅ 1"}, {"", "x/0"}});
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 2), "");
  EXPECT_FALSE(doc.records.HasValue(2));
  EXPECT_EQ(Value(doc, 3), " ???");
  doc.sheet.SetCell(Document::kExpression, 3, "x/2");
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(Value(doc, 3), "       2.5");
}

TEST(RecalculateSheet, HugeAndHostileExpressionsFailOrGiveValues) {
  Document doc;
  FakeUi ui;
  std::string nested(100000, '(');
  nested += "1";
  nested += std::string(100000, ')');
  std::string long_sum = "1";
  while (long_sum.size() < (1u << 20)) long_sum += "+1";
  std::string relations;
  while (relations.size() < 200000) relations += "(1<2)+";
  relations += "0";
  FillSheet(doc, {{"", nested}, {"", long_sum}, {"", "1e99999"}, {"", relations}, {"", "1e5"}});
  RecalculateSheet(doc, ui, 1);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(Value(doc, k), " ???") << k;
  for (int b = 1; b < 256; ++b) {
    const std::string bytes = {'1', static_cast<char>(b), '2', static_cast<char>(b)};
    doc.sheet.SetCell(Document::kExpression, 6, bytes);
    doc.sheet.SetCell(Document::kName, 7, std::string(1, static_cast<char>(b)));
    doc.sheet.SetCell(Document::kExpression, 7, "1");
    RecalculateSheet(doc, ui, 1);
    Real v = 0;
    if (doc.records.Value(6, v)) {
      EXPECT_TRUE(v == v && v - v == 0) << b;
    }
  }
}

}  // namespace
}  // namespace ravnelok
