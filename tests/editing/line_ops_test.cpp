#include "editing/line_ops.h"

#include <gtest/gtest.h>

#include <random>

#include "app/edit_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

// clang-format off
// Line k with its name and expression.
struct Line { int k; std::string name, expression; };
// A sheet of 199 lines; an insert of n lines at top, or a delete of top..bottom.
struct LineOpCase { const char* what; std::vector<Line> lines; bool insert; int top, n_or_bottom;
                    std::vector<Line> after; };
// clang-format on

TEST(LineOps, InsertAndDelete) {
  // clang-format off
  const LineOpCase cases[] = {
      {"insert 2 at 5", {{5, "", "1"}, {6, "p", "2"}, {8, "", "A5*2"}, {9, "", "A3+1"},
       {197, "", "7"}}, true, 5, 2, {{5, "", ""}, {6, "", ""}, {7, "", "1"}, {8, "p", "2"},
       {10, "", "A7*2"}, {11, "", "A3+1"}, {199, "", "7"}}},
      {"forward name", {{5, "", "y+1"}, {6, "y", "2"}}, true, 5, 1, {{6, "", "y+1"}, {7, "y", "2"}}},
      {"label shifts", {{9, "", "A12"}, {12, "", "1"}}, false, 5, 6, {{7, "", "A10"}}},
      {"above stays", {{3, "", "1"}, {9, "", "A3"}}, false, 5, 6, {{7, "", "A3"}}},
      {"label becomes name", {{9, "", "A12"}, {12, "pris", "1"}}, false, 5, 5,
       {{8, "", "pris"}, {11, "pris", "1"}, {12, "", ""}}},
      {"above line 1", {{2, "", "1"}, {4, "", "A2"}}, false, 1, 3, {{1, "", "???"}}},
      {"last 3 lines", {{196, "", "A198"}, {198, "q", "1"}}, false, 197, 199,
       {{196, "", "A198"}, {198, "", ""}}},
  };
  // clang-format on
  for (const LineOpCase& c : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {});
    for (const Line& l : c.lines) {
      doc.sheet.SetCell(Document::kName, l.k, l.name);
      doc.sheet.SetCell(Document::kExpression, l.k, l.expression);
    }
    doc.records.SetDecimals(5, 3);
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    if (!c.insert) DeleteLines(doc, c.top, c.n_or_bottom);
    EXPECT_TRUE(!c.insert || InsertBlankLines(doc, c.top, c.n_or_bottom)) << c.what;
    for (const Line& l : c.after) {
      EXPECT_EQ(doc.sheet.Cell(3, l.k) + "|" + doc.sheet.Cell(4, l.k), l.name + "|" + l.expression)
          << c.what << " line " << l.k;
    }
    if (c.insert) {  // the decimals moved with line 5
      EXPECT_EQ(std::pair(doc.records.Decimals(5 + c.n_or_bottom), doc.records.Decimals(5)),
                std::pair(3, -1));
    }
  }
}

// The dialog's field is taken only as a whole number from 1 to 10; the sheet is recalculated
// whatever the answer.
TEST(LineOps, InsertDialog) {
  // clang-format off
  const struct { const char* field; bool confirmed; int top; bool inserted; } cases[] = {
      {" 2 ", true, 2, true}, {"11", true, 2, false}, {"0", true, 2, false}, {"-1", true, 2, false},
      {"2x", true, 2, false}, {"2", false, 2, false},
      {"1", true, 4, false}};  // no line of the 5 would move
  // clang-format on
  const std::vector<std::string> kept = {"1|         1", "A1+1|         2", "3|         3",
                                         "4|         4", "|"};
  const std::vector<std::string> moved = {"1|         1", "|", "|", "A1+1|         2",
                                          "3|         3"};
  for (const auto& c : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillRows(doc, {"1", "A1+1", "3", "4", ""}, {Document::kExpression});
    doc.sheet.Select({4, c.top, 4, c.top});
    ui.text_input_script.push_back([&](TextInputDialog& d) {
      EXPECT_EQ(d.field + d.label, "1Antal linier (max 10)");
      d.field = c.field;
      return c.confirmed;
    });
    InsertLinesCommand(doc, ui);
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Indsæt blanke linier"});
    EXPECT_EQ(testing::Rows(doc, {Document::kExpression, Document::kValue}),
              c.inserted ? moved : kept)
        << c.field << " at " << c.top;
  }
}

// "Nej" is answered in the widget test.
TEST(LineOps, NewSheet) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"x", "2", "kr"}});
  doc.SetLineCount(50);
  doc.sheet.SetCell(Document::kTableMark, 1, "T");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  doc.records.SetDecimals(50, 4);
  doc.settings.file_name = "a.rlk";
  ui.confirm_answers.push_back(true);
  NewSheetCommand(doc, ui);
  EXPECT_EQ(ui.questions, std::vector<std::string>{
                              "Bekræft: Ønsker du at slette arket og starte på et nyt ark?"});
  EXPECT_EQ(testing::Rows(doc, {0, 2, 3, 4, 5, 6})[0] + std::to_string(doc.LineCount()),
            " |A1||||50");
  EXPECT_EQ(std::tuple(doc.records.Decimals(50), doc.settings.view_mode, doc.settings.table_rows),
            std::tuple(-1, 1, 0));
  SaveCommand(doc, ui);
  EXPECT_EQ(ui.save_initials, std::vector<std::string>{"*.rlk"});
}

// A record moved away and given a new value must not lend the old value's text to references.
TEST(LineOps, MovedLineForgetsItsValue) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"", "5"}, {"", "A1"}});
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  ASSERT_TRUE(InsertBlankLines(doc, 1, 1));
  doc.sheet.SetCell(Document::kExpression, 1, "0");
  doc.sheet.SetCell(Document::kExpression, 4, "A1+1");
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  EXPECT_EQ(doc.sheet.Cell(Document::kValue, 4), "         1");
}

// Inserting n blank lines and deleting them again gives every expression and value back, on
// sheets whose lines refer by label to lines above them.
TEST(LineOps, InsertThenDeleteRoundTrip) {
  std::mt19937 rng(20261206);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int trial = 0; trial < 30; ++trial) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {});
    doc.SetLineCount(40);
    for (int k = 1; k <= 30; ++k) {
      std::string e = std::to_string(pick(1, 9));
      for (int refs = pick(0, 3); refs > 0 && k > 1; --refs)
        e += "+A" + std::to_string(pick(1, k - 1));
      if (pick(0, 5) > 0) doc.sheet.SetCell(Document::kExpression, k, e);
    }
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    const auto before = testing::Rows(doc, {Document::kExpression, Document::kValue});
    const int t = pick(1, 29), n = pick(1, 10);
    ASSERT_TRUE(InsertBlankLines(doc, t, n));
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    DeleteLines(doc, t, t + n - 1);
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    EXPECT_EQ(testing::Rows(doc, {Document::kExpression, Document::kValue}), before)
        << "insert " << n << " at " << t;
  }
}

}  // namespace
}  // namespace ravnelok
