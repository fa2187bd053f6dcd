#include "output/text_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/document.h"

namespace ravnelok {
namespace {

struct Line {
  Line(std::string m = "  ", std::string n = "", std::string e = "", std::string v = "",
       std::string u = "")
      : marks(std::move(m)),
        name(std::move(n)),
        expression(std::move(e)),
        value(std::move(v)),
        unit(std::move(u)) {}
  std::string marks, name, expression, value, unit;
};

// A sheet of `count` lines holding `lines` from line 1 on, values written as given.
Document Sheet(const std::vector<Line>& lines, int count = 10) {
  Document doc;
  doc.InitialiseGrid();
  doc.SetLineCount(count);
  for (int k = 1; k <= static_cast<int>(lines.size()); ++k) {
    const Line& l = lines[k - 1];
    doc.sheet.SetCell(Document::kTableMark, k, l.marks.substr(0, 1));
    doc.sheet.SetCell(Document::kFixedMark, k, l.marks.substr(1, 1));
    doc.sheet.SetCell(Document::kName, k, l.name);
    doc.sheet.SetCell(Document::kExpression, k, l.expression);
    doc.sheet.SetCell(Document::kValue, k, l.value);
    doc.sheet.SetCell(Document::kUnit, k, l.unit);
  }
  return doc;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

TEST(LastUsedLine, IsTheLowestLineWithANameOrAnExpression) {
  struct Case {
    const char* what;
    std::vector<Line> lines;
    int expected;
  };
  const Case cases[] = {
      {"empty sheet", {}, 1},
      {"only line 1", {{"  ", "x", "1", "", ""}}, 1},
      {"name only on line 4", {{}, {}, {}, {"  ", "n", "", "", ""}}, 4},
      {"expression on line 3, gap on line 2", {{"  ", "", "1"}, {}, {"  ", "", "2"}}, 3},
      {"unit, value and marks do not count", {{"  ", "", "1"}, {"T*", "", "", " 5", "kg"}}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(LastUsedLine(Sheet(c.lines)), c.expected) << c.what;
  Document full = Sheet({}, 999);
  full.sheet.SetCell(Document::kExpression, 999, "1");
  EXPECT_EQ(LastUsedLine(full), 999);
}

TEST(ExpressionWidth, IsTheLongestExpressionPlusFiveUpTo34ThenJumpsTo43) {
  const std::pair<int, int> cases[] = {
      {0, 11}, {1, 11}, {6, 11}, {7, 12}, {28, 33}, {29, 34}, {30, 43}, {31, 43}, {100, 43},
  };
  for (const auto& [length, width] : cases) {
    const Document doc = Sheet({{"  ", "", std::string(length, 'x')}});
    EXPECT_EQ(ExpressionWidth(doc), width) << length;
  }
  // The header row takes part, and lines below LastUsedLine do not.
  Document doc = Sheet({{"  ", "", "1"}});
  doc.sheet.SetCell(Document::kExpression, 0, std::string(2, 'U'));
  EXPECT_EQ(ExpressionWidth(doc), 7);
  doc.sheet.SetCell(Document::kExpression, 0, "Udtryk");
  doc.sheet.SetCell(Document::kUnit, 5, std::string(40, 'u'));
  EXPECT_EQ(ExpressionWidth(doc), 11);
}

TEST(SheetText, NarrowSheetMovesTheValueColumnAndItsTitleLeft) {
  const Document doc = Sheet({
      {"T*", "radius", "5", "         5", "cm"},
      {"  ", "diam", "2*r", "        10", "cm"},
  });
  const std::string expected =
      "     \r\n"
      "T*      Navn     Udtryk      V\xe6rdi       Enhed\r\n"
      "\r\n"
      "T*"
      " A1  "
      " radius  "
      " 5          "
      " "
      "         5  "
      "cm      "
      "\r\n"
      "  "
      " A2  "
      " diam    "
      " 2*r        "
      " "
      "        10  "
      "cm      "
      "\r\n"
      "     \r\n";
  EXPECT_EQ(SheetText(doc), expected);
  for (const auto& line : SplitCrLf(expected)) {
    if (line.size() > 5) {
      EXPECT_LE(line.size(), 49u);
    }
  }
}

TEST(SheetText, FullWidthColumnsStartAtTheHeaderTitles) {
  const std::string expression(30, 'e');
  const auto lines = SplitCrLf(SheetText(Sheet({{" *", "x", expression, "1.5", "m"}})));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1],
            "T*      Navn     Udtryk                                      V\xe6rdi       Enhed");
  const std::string& line = lines[3];
  ASSERT_EQ(line.size(), 81u);  // 2 + 1 + 4 + 1 + 8 + 1 + 43 + 1 + 12 + 8
  EXPECT_EQ(line.substr(0, 3), " * ");
  EXPECT_EQ(line.substr(3, 4), "A1  ");
  EXPECT_EQ(line.substr(8, 8), "x       ");
  EXPECT_EQ(line.substr(17, 43), expression + std::string(13, ' '));
  EXPECT_EQ(line.substr(61, 12), "1.5         ");
  EXPECT_EQ(line.substr(73), "m       ");
}

TEST(SheetText, CutsLongCellsAndContinuesLongExpressions) {
  std::string expression;
  for (int i = 0; i < 100; ++i) expression.push_back(static_cast<char>('a' + i % 26));
  const auto lines = SplitCrLf(SheetText(Sheet({
      {"  ", "elleveTegn", expression, "123456789012345", "enhedlang"},
  })));
  ASSERT_EQ(lines.size(), 7u);  // blank, header, empty, line, two continuations, blank
  EXPECT_EQ(lines[3].substr(8, 8), "elleveTe");
  EXPECT_EQ(lines[3].substr(17, 43), expression.substr(0, 43));
  EXPECT_EQ(lines[3].substr(61, 12), "123456789012");
  EXPECT_EQ(lines[3].substr(73), "enhedlan");
  EXPECT_EQ(lines[4], std::string(17, ' ') + expression.substr(43, 43));
  EXPECT_EQ(lines[5], std::string(17, ' ') + expression.substr(86) + std::string(29, ' '));
}

TEST(SheetText, ExactlyWideExpressionHasNoContinuation) {
  const auto lines = SplitCrLf(SheetText(Sheet({{"  ", "", std::string(43, 'x')}})));
  EXPECT_EQ(lines.size(), 5u);
}

TEST(SheetText, LeavesOutLinesAfterTheLastUsedOneButKeepsGaps) {
  Document doc = Sheet({{"  ", "a", "1"}, {}, {"  ", "", "2"}, {"T*", "", "", "", "kg"}});
  const auto lines = SplitCrLf(SheetText(doc));
  ASSERT_EQ(lines.size(), 7u);  // lines 1 to 3 only
  EXPECT_EQ(lines[4].substr(0, 7), "   A2  ");
  EXPECT_EQ(lines[5].substr(3, 2), "A3");
  EXPECT_EQ(lines.back(), "     ");
}

TEST(SheetText, EmptySheetGivesHeaderAndLineOne) {
  const auto lines = SplitCrLf(SheetText(Sheet({})));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], "   A1  " + std::string(1 + 8 + 1 + 11 + 1 + 12 + 8, ' '));
}

TEST(SheetText, HeaderWithoutTheValueTitleIsLeftWhole) {
  Document doc = Sheet({{"  ", "", "1"}});
  doc.texts.Set(85,
                "T*      Name     Expression                                  Value       Unit");
  const auto lines = SplitCrLf(SheetText(doc));
  EXPECT_EQ(lines[1], doc.texts[85]);
  doc.texts.Set(85, "V\xe6rdi at the start");
  EXPECT_EQ(SplitCrLf(SheetText(doc))[1], doc.texts[85]);
}

struct TableFixture {
  Document doc;
  // Columns given as header followed by rows 1.. (the cells as the table holds them).
  explicit TableFixture(const std::vector<std::vector<std::string>>& columns, int rows) {
    doc.settings.table_columns = static_cast<int>(columns.size());
    doc.settings.table_rows = rows;
    doc.table.SetColCount(std::max<int>(10, static_cast<int>(columns.size())));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      for (int r = 0; r < static_cast<int>(columns[c].size()); ++r) {
        doc.table.SetCell(c, r, columns[c][r]);
      }
    }
  }
};

TEST(TableColumnWidth, IsTheWiderOfHeaderAndFirstValueButEightForLongHeaders) {
  struct Case {
    std::string header, first;
    int width;
  };
  const Case cases[] = {
      {"pris", " 12.5", 5},
      {"A2", "   1", 4},
      {"", "", 0},
      {"overskrift12", "    5", 8},
      {"overskrift", "  1234567", 10},
      {"ni_tegn__", "", 8},
      {"otte_tgn", "  1", 8},
      {"abc", "   1234567890", 13},
  };
  for (const auto& c : cases) {
    const TableFixture t({{c.header, c.first}}, 1);
    EXPECT_EQ(TableColumnWidth(t.doc, 0), c.width) << c.header << "|" << c.first;
  }
}

TEST(TableText, RightAlignsHeadersAndValues) {
  const TableFixture t({{"pris", " 12.5", "  100", " 123456.25"},
                        {"overskrift12", "    5", "   17", "    0"},
                        {"x", " 1", " 2", " 3"}},
                       3);
  const std::string expected =
      "     \r\n"
      "     "
      "  "
      " pris"
      "  "
      "overskri"
      "  "
      " x"
      "\r\n"
      "     \r\n"
      "     "
      "  "
      " 12.5"
      "  "
      "   "
      "    5"
      "  "
      " 1"
      "\r\n"
      "     "
      "  "
      "  100"
      "  "
      "   "
      "   17"
      "  "
      " 2"
      "\r\n"
      "     "
      "  "
      " 123456.25"
      "  "
      "   "
      "    0"
      "  "
      " 3"
      "\r\n"
      "     \r\n";
  EXPECT_EQ(TableText(t.doc), expected);
}

TEST(TableText, PaddingNeverExceedsSixteenBlanks) {
  const std::string header(30, 'h');
  const TableFixture t({{header, "      1234", " 5"}}, 2);
  const auto lines = SplitCrLf(TableText(t.doc));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], "       " + header);
  EXPECT_EQ(lines[3], "       " + std::string(16, ' ') + "      1234");
  EXPECT_EQ(lines[4], "       " + std::string(16, ' ') + " 5");
}

TEST(TableText, WithoutColumnsOrRowsOnlyTheFrameRemains) {
  const TableFixture none({}, 3);
  EXPECT_EQ(TableText(none.doc), "     \r\n     \r\n     \r\n     \r\n     \r\n     \r\n     \r\n");
  const TableFixture no_rows({{"a"}, {"b"}}, 0);
  EXPECT_EQ(TableText(no_rows.doc), "     \r\n       a  b\r\n     \r\n     \r\n");
}

}  // namespace
}  // namespace ravnelok
