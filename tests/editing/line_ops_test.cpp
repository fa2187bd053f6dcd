#include "editing/line_ops.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "app/edit_commands.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "sheet/decimals.h"
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
      // A name defined below the insertion is still written as that name, not as a label.
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
    for (const auto& [col, text] : {std::pair(Document::kTableMark, "T"),
                                    {Document::kFixedMark, "*"},
                                    {Document::kExpression, "3"},
                                    {Document::kUnit, "kg"}})
      doc.sheet.SetCell(col, 15, text);
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    if (c.insert) {
      InsertBlankLines(doc, c.top, c.n_or_bottom);
    } else {
      DeleteLines(doc, c.top, c.n_or_bottom);
    }
    for (const Line& l : c.after) {
      EXPECT_EQ(doc.sheet.Cell(3, l.k) + "|" + doc.sheet.Cell(4, l.k), l.name + "|" + l.expression)
          << c.what << " line " << l.k;
    }
    // Line 15's marks and unit go where it goes.
    const int deleted = c.n_or_bottom < 15 ? c.n_or_bottom - c.top + 1 : 0;
    const int moved = c.insert ? 15 + c.n_or_bottom : 15 - deleted;
    EXPECT_EQ(doc.sheet.Cell(0, moved) + doc.sheet.Cell(1, moved) + doc.sheet.Cell(6, moved),
              "T*kg")
        << c.what;
    if (c.insert && c.top == 5) {  // the decimals moved with line 5
      EXPECT_EQ(std::pair(doc.records.Decimals(5 + c.n_or_bottom), doc.records.Decimals(5)),
                std::pair(3, -1));
    }
  }
}

// A record moved away and given a new value must not lend the old value's text to references.
TEST(LineOps, MovedLineForgetsItsValueAndInsertThenDeleteRoundTrips) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"", "5"}, {"", "A1"}});
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  ASSERT_TRUE(InsertBlankLines(doc, 1, 1));
  doc.sheet.SetCell(Document::kExpression, 1, "0");
  doc.sheet.SetCell(Document::kExpression, 4, "A1+1");
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  EXPECT_EQ(doc.sheet.Cell(Document::kValue, 4), "         1");
  // Inserting n blank lines and deleting them again gives every expression and value back, on
  // sheets whose lines refer by label to lines above them.
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

// Inserting blank lines takes a typed whole number n (an optional sign and digits, blanks
// removed) with 1 <= n <= 10, and only while t + n < R - 1 for the selection's top row t and the
// row count R; anything else changes nothing and says nothing.
struct InsertCase {
  std::optional<std::string> typed;  // none: the dialog is cancelled
  int top;
  int inserted;  // 0: nothing changes
};

TEST(InsertLimits, CountAndRoomOnBothSidesOfTheirLimits) {
  // 20 lines: R = 21, so t + n must stay below 20.
  // clang-format off
  const InsertCase cases[] = {
      {"1", 1, 1}, {"10", 1, 10}, {"11", 1, 0}, {"0", 1, 0}, {"-1", 1, 0}, {"+3", 1, 3},
      {" 2 ", 1, 2}, {"2a", 1, 0}, {"", 1, 0}, {"+", 1, 0}, {"1.5", 1, 0}, {std::nullopt, 1, 0},
      {"9", 10, 9}, {"10", 10, 0}, {"1", 18, 1}, {"1", 19, 0}, {"2", 17, 2}, {"2", 18, 0},
  };
  // clang-format on
  for (const auto& [typed, top, inserted] : cases) {
    SCOPED_TRACE(typed.value_or("cancel") + " at line " + std::to_string(top));
    Document doc;
    testing::FakeUi ui;
    std::vector<std::string> rows;
    for (int k = 1; k <= 20; ++k) rows.push_back(std::to_string(k));
    testing::FillRows(doc, rows, {Document::kExpression});
    ASSERT_EQ(doc.sheet.RowCount(), 21);
    doc.sheet.SetCurrent(Document::kName, top);
    doc.sheet.Select({Document::kName, top, Document::kName, top});
    ui.text_input_script.push_back([typed = typed](TextInputDialog& d) {
      if (typed) d.field = *typed;
      return typed.has_value();
    });
    ui.confirm_answers.push_back(true);  // the lines pushed off the end may go
    InsertLinesCommand(doc, ui);
    std::vector<std::string> expected = rows;
    expected.insert(expected.begin() + (top - 1), static_cast<size_t>(inserted), "");
    expected.resize(20);
    EXPECT_EQ(testing::Column(doc, Document::kExpression, 1, 20), expected);
    EXPECT_TRUE(ui.messages.empty());
  }
}

// Inserting asks first only when a line with text would fall off the end; "Nej" leaves the
// lines where they were.
TEST(LineOps, InsertPushingTextOffTheEndAsksFirst) {
  // Text on the last line, the lines inserted, the answer; whether it was asked and whether
  // the lines moved.
  const std::tuple<bool, const char*, bool, bool, bool> cases[] = {
      {false, "3", false, false, true},
      {true, "1", false, true, false},
      {true, "2", true, true, true},
      {true, "11", true, false, false}};  // 11: refused anyway
  for (const auto& [text, count, answer, asked, moved] : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillRows(doc, {"a|1", "b|2", "", "", text ? "|x" : ""},
                      {Document::kName, Document::kUnit});
    doc.sheet.Select({Document::kName, 1, Document::kName, 1});
    ui.text_input_script.push_back([count = std::string(count)](TextInputDialog& d) {
      d.field = count;
      return true;
    });
    ui.confirm_answers.push_back(answer);
    InsertLinesCommand(doc, ui);
    EXPECT_EQ(ui.questions.size(), asked ? 2u : 1u) << count;
    EXPECT_EQ(doc.sheet.Cell(Document::kName, 1).empty(), moved) << count;
  }
}

// A new sheet keeps no value of the old one: a change of decimals, which writes the value of
// every line that has one, leaves the emptied lines empty.
TEST(LineOps, ANewSheetKeepsNoValueForARedisplay) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"a", "2"}, {"", "a/3"}});
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  ui.confirm_answers.push_back(true);
  NewSheetCommand(doc, ui);
  doc.sheet.SetCurrent(Document::kValue, 1);
  doc.sheet.Select({Document::kValue, 1, Document::kValue, 2});
  ui.decimals_script.push_back([](DecimalsDialog&) { return true; });
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(testing::Column(doc, Document::kValue, 1, 2), (std::vector<std::string>{"", ""}));
}

}  // namespace
}  // namespace ravnelok
