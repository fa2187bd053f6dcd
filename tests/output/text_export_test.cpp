#include "output/text_export.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "numbers/number_text.h"
#include "output/csv_export.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// Lines 1.. as "T|*|name|expression|value|unit" on a sheet of at least 10 lines.
Document Sheet(const Texts& lines) {
  Document doc;
  testing::FillRows(doc, lines,
                    {Document::kTableMark, Document::kFixedMark, Document::kName,
                     Document::kExpression, Document::kValue, Document::kUnit});
  if (lines.size() < 10) doc.SetLineCount(10);
  return doc;
}

Texts SplitCrLf(const std::string& text) {
  Texts lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

TEST(SheetText, LastUsedLineHasANameOrAnExpression) {
  const std::pair<Texts, int> cases[] = {
      {{}, 1},
      {{"", "", "", " | |n|"}, 4},
      {{" | ||1", "", " | ||2"}, 3},
      {{" | ||1", "T|*|||5|kg"}, 1},  // unit, value and marks do not count
  };
  for (const auto& [lines, last] : cases) EXPECT_EQ(LastUsedLine(Sheet(lines)), last) << last;
  Document full = Sheet(Texts(999, ""));
  full.sheet.SetCell(Document::kExpression, 999, "1");
  EXPECT_EQ(LastUsedLine(full), 999);
}

// The header "Udtryk" counts: at least 11; up to 29 characters five more, from 30 on the full 43.
TEST(SheetText, TheExpressionColumnFollowsTheLongestExpressionUpToTwentyNine) {
  for (const auto& [length, width] : {std::pair(0, 11), {7, 12}, {29, 34}, {30, 43}, {100, 43}})
    EXPECT_EQ(ExpressionWidth(Sheet({" | |x|" + std::string(length, '1')})), width) << length;
}

TEST(SheetText, NarrowOrFullWidthColumnsCutLongCellsAndContinueLongExpressions) {
  EXPECT_EQ(SheetText(Sheet({"T|*|radius|5|         5|cm", " | |diam|2*r|        10|cm"})),
            "     \r\n"
            "T*      Navn     Udtryk      V\xe6rdi       Enhed\r\n"
            "\r\n"
            "T* A1   radius   5                    5  cm      \r\n"
            "   A2   diam     2*r                 10  cm      \r\n"
            "     \r\n");
  std::string expression;
  for (int i = 0; i < 100; ++i) expression.push_back(static_cast<char>('a' + i % 26));
  const Texts lines = SplitCrLf(SheetText(Sheet({
      " |*|x|" + std::string(30, 'e') + "|1.5|m",
      " | |elleveTegn|" + expression + "|123456789012345|enhedlang",
      " | ",  // a gap is kept
      " | ||1",
  })));
  EXPECT_EQ(lines,
            (Texts{
                "     ",
                "T*      Navn     Udtryk                                      V\xe6rdi       Enhed",
                "",
                " * A1   x        " + std::string(30, 'e') + std::string(13, ' ') +
                    " 1.5         m       ",
                "   A2   elleveTe " + expression.substr(0, 43) + " 123456789012enhedlan",
                std::string(17, ' ') + expression.substr(43, 43),
                std::string(17, ' ') + expression.substr(86) + std::string(29, ' '),
                "   A3  " + std::string(74, ' '),
                "   A4            1" + std::string(63, ' '),
                "     ",
            }));
}

// Columns given as header followed by rows 1.. (the cells as the table holds them).
Document Table(const std::vector<Texts>& columns, int rows) {
  Document doc;
  doc.settings.table_columns = static_cast<int>(columns.size());
  doc.settings.table_rows = rows;
  doc.table.SetColCount(std::max<int>(10, static_cast<int>(columns.size())));
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    for (int r = 0; r < static_cast<int>(columns[c].size()); ++r)
      doc.table.SetCell(c, r, columns[c][r]);
  }
  return doc;
}

TEST(TableText, RightAlignsHeadersAndValuesAndPadsAtMostSixteenBlanks) {
  EXPECT_EQ(TableText(Table({{"pris", " 12.5", "  100", " 123456.25"},
                             {"overskrift12", "    5", "   17", "    0"},
                             {"x", " 1", " 2", " 3"}},
                            3)),
            "     \r\n"
            "        pris  overskri   x\r\n"
            "     \r\n"
            "        12.5         5   1\r\n"
            "         100        17   2\r\n"
            "        123456.25         0   3\r\n"
            "     \r\n");
  const std::string header(30, 'h');
  EXPECT_EQ(
      SplitCrLf(TableText(Table({{header, "      1234", " 5"}}, 2))),
      (Texts{"     ", "       " + header, "     ", "       " + std::string(16, ' ') + "      1234",
             "       " + std::string(16, ' ') + " 5", "     "}));
  EXPECT_EQ(TableText(Table({{"a"}, {"b"}}, 0)), "     \r\n       a  b\r\n     \r\n     \r\n");
}

// 13 significant digits, halves up, trailing zeros dropped; plain from 1E-5 to below 1E15.
TEST(DataText13, PlainInsideTheRangeEOutsideAndNeverMoreThan13Digits) {
  const std::pair<Real, const char*> cases[] = {{-0.0L, "0"},
                                                {-2.5L, "-2.5"},
                                                {2.0L / 3, "0.6666666666667"},
                                                {1234567890123.4L, "1234567890123"},
                                                {999999999999999.0L, "1E15"},
                                                {0.00001L, "0.00001"},
                                                {0.0000099999L, "9.9999E-6"},
                                                {-1.5e-300L, "-1.5E-300"},
                                                {1e4932L, "1E4932"},
                                                {0.99999999999994L, "0.9999999999999"},
                                                {0.99999999999995L, "1"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(DataText13(value), text) << text;
}

// Lines 1 and 2 marked "T"; the second pass fails on line 1, whose cell stays empty.
TEST(TableCsv, HeaderOfNamesOrLabelsRowsOfRecordedNumbersEmptyCellsEmpty) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"bær", "1/3"}, {"", "A1*3000000000000000"}});
  EXPECT_EQ(TableCsv(doc), "");
  for (const int k : {1, 2}) PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, k);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  doc.sheet.SetCell(Document::kExpression, 1, "1/0");
  doc.sheet.SetCell(Document::kExpression, 2, "-5");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  // A2 reads A1 back to 13 digits; a header with a comma, a quote or an outer blank is quoted.
  doc.table.SetCell(1, 0, " \"A2\",");
  EXPECT_EQ(TableCsv(doc), "bær,\" \"\"A2\"\",\"\r\n0.3333333333333,999999999999900\r\n,-5\r\n");
}

}  // namespace
}  // namespace ravnelok
