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

struct Cell {
  int col, line;
  std::string text;
};

// Lines given as {line, name, expression} on a sheet of 199 lines; an insert (n lines at top)
// or a delete (top..bottom); cells afterwards.
struct LineOpCase {
  const char* what;
  std::vector<Cell> names, expressions;
  bool insert;
  int top, n_or_bottom;
  std::vector<Cell> after;
};

TEST(LineOps, InsertAndDelete) {
  const int E = Document::kExpression, N = Document::kName;
  const LineOpCase cases[] = {
      {"insert 2 at 5",
       {{N, 6, "p"}},
       {{E, 5, "1"}, {E, 6, "2"}, {E, 8, "A5*2"}, {E, 9, "A3+1"}, {E, 197, "7"}},
       true,
       5,
       2,
       {{E, 10, "A7*2"},
        {E, 11, "A3+1"},
        {N, 8, "p"},
        {N, 6, ""},
        {E, 5, ""},
        {E, 6, ""},
        {E, 7, "1"},
        {E, 199, "7"}}},
      {"forward name",
       {{N, 6, "y"}},
       {{E, 5, "y+1"}, {E, 6, "2"}},
       true,
       5,
       1,
       {{E, 6, "y+1"}, {N, 7, "y"}}},
      {"label shifts", {}, {{E, 9, "A12"}, {E, 12, "1"}}, false, 5, 6, {{E, 7, "A10"}}},
      {"above stays", {}, {{E, 9, "A3"}, {E, 3, "1"}}, false, 5, 6, {{E, 7, "A3"}}},
      {"label becomes name",
       {{N, 12, "pris"}},
       {{E, 9, "A12"}, {E, 12, "1"}},
       false,
       5,
       5,
       {{E, 8, "pris"}, {N, 11, "pris"}, {N, 12, ""}}},
      {"above line 1", {}, {{E, 4, "A2"}, {E, 2, "1"}}, false, 1, 3, {{E, 1, "???"}}},
      {"last 3 lines",
       {{N, 198, "q"}},
       {{E, 196, "A198"}, {E, 198, "1"}},
       false,
       197,
       199,
       {{E, 196, "A198"}, {N, 198, ""}, {E, 198, ""}}},
  };
  for (const LineOpCase& c : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {});
    for (const Cell& cell : c.names) doc.sheet.SetCell(cell.col, cell.line, cell.text);
    for (const Cell& cell : c.expressions) doc.sheet.SetCell(cell.col, cell.line, cell.text);
    doc.records.SetDecimals(5, 3);
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    if (c.insert) {
      EXPECT_TRUE(InsertBlankLines(doc, c.top, c.n_or_bottom)) << c.what;
    } else {
      DeleteLines(doc, c.top, c.n_or_bottom);
    }
    EXPECT_EQ(doc.LineCount(), 199);
    for (const Cell& cell : c.after) {
      EXPECT_EQ(doc.sheet.Cell(cell.col, cell.line), cell.text) << c.what << " line " << cell.line;
    }
    if (c.insert) {  // the decimals moved with line 5
      EXPECT_EQ(doc.records.Decimals(5 + c.n_or_bottom), 3);
      EXPECT_EQ(doc.records.Decimals(5), -1);
    }
  }
}

// The dialog's field is taken only as a whole number from 1 to 10; the sheet is recalculated
// whatever the answer.
TEST(LineOps, InsertDialog) {
  const struct {
    const char* field;
    bool confirmed;
    int top;
    bool inserted;
  } cases[] = {{" 2 ", true, 2, true}, {"11", true, 2, false}, {"0", true, 2, false},
               {"-1", true, 2, false}, {"2x", true, 2, false}, {"2", false, 2, false},
               {"1", true, 4, false}};  // no line of the 5 would move
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

TEST(LineOps, ClearCellsKeepsMarksAndLabels) {
  Document doc;
  testing::FillRows(doc, {"T|*|A1|a|1|1|m", "T|*|A2|b|2|2|m", "T|*|A3|c|3|3|m"},
                    {0, 1, 2, 3, 4, 5, 6});
  ClearSheetCells(doc, {2, 2, 6, 3});
  EXPECT_EQ(testing::Rows(doc, {0, 1, 2, 3, 4, 5, 6}),
            (std::vector<std::string>{"T|*|A1|a|1|1|m", "T|*|A2||||", "T|*|A3||||"}));
}

TEST(LineOps, NewSheet) {
  for (const bool yes : {true, false}) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {{"x", "2", "kr"}});
    doc.SetLineCount(50);
    doc.sheet.SetCell(Document::kTableMark, 1, "T");
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
    doc.records.SetDecimals(50, 4);
    doc.settings.file_name = "a.rlk";
    doc.settings.view_mode = 2;
    ui.confirm_answers.push_back(yes);
    NewSheetCommand(doc, ui);
    EXPECT_EQ(ui.questions, std::vector<std::string>{
                                "Bekræft: Ønsker du at slette arket og starte på et nyt ark?"});
    EXPECT_EQ(doc.LineCount(), 50);
    EXPECT_EQ(testing::Rows(doc, {0, 2, 3, 4, 5, 6})[0],
              yes ? " |A1||||" : "T|A1|x|2|         2|kr");
    EXPECT_EQ(doc.records.Decimals(50), yes ? -1 : 4);
    EXPECT_EQ(doc.settings.view_mode, yes ? 1 : 2);
    EXPECT_EQ(doc.settings.table_rows, yes ? 0 : 1);
    SaveCommand(doc, ui);
    EXPECT_EQ(ui.save_initials, std::vector<std::string>{yes ? "*.rlk" : "a.rlk"});
  }
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
