#include "output/csv_export.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "numbers/number_text.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

// 13 significant digits, halves up, trailing zeros dropped; plain from 1E-5 to below 1E15.
TEST(DataText13, PlainInsideTheRangeEOutsideAndNeverMoreThan13Digits) {
  const std::pair<Real, const char*> cases[] = {
      {0, "0"},
      {-0.0L, "0"},
      {42, "42"},
      {-2.5L, "-2.5"},
      {1.0L / 3, "0.3333333333333"},
      {2.0L / 3, "0.6666666666667"},
      {16.38304743118L, "16.38304743118"},
      {1234567890123.4L, "1234567890123"},
      {999999999999999.0L, "1E15"},  // rounds up to 1E15
      {1e15L, "1E15"},
      {123456789012345678.0L, "1.234567890123E17"},
      {0.00001L, "0.00001"},
      {0.000012345L, "0.000012345"},
      {0.0000099999L, "9.9999E-6"},
      {-1.5e-300L, "-1.5E-300"},
      {1e4932L, "1E4932"},
      {0.99999999999994L, "0.9999999999999"},  // the 14th digit is below a half
      {0.99999999999995L, "1"},                // ... and at a half
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(DataText13(value), text) << text;
}

// Lines 1 and 2 marked "T"; passes add rows. A failing pass leaves its cell empty.
TEST(TableCsv, HeaderOfNamesOrLabelsRowsOfRecordedNumbersEmptyCellsEmpty) {
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"bær", "1/3"}, {"", "A1*3000000000000000"}, {"z", "A1"}});
  EXPECT_EQ(TableCsv(doc), "");  // no columns, no file content
  for (const int k : {1, 2}) PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, k);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  doc.sheet.SetCell(Document::kExpression, 1, "1/0");
  doc.sheet.SetCell(Document::kExpression, 2, "-5");
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  // The value A2 takes from A1 is A1 as the expression reads it back, to 13 digits.
  EXPECT_EQ(TableCsv(doc),
            "bær,A2\r\n"
            "0.3333333333333,999999999999900\r\n"
            ",-5\r\n");
}

// A header with a separator, a quote or blanks at its ends is quoted; quotes are doubled.
TEST(TableCsv, QuotesHeadersThatWouldOtherwiseReadDifferently) {
  const std::pair<const char*, const char*> cases[] = {
      {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {" x", "\" x\""}, {"x y", "x y"}};
  for (const auto& [header, field] : cases) {
    Document doc;
    doc.InitialiseGrid();
    doc.settings.table_columns = 1;
    doc.table.SetCell(0, 0, header);
    EXPECT_EQ(TableCsv(doc), std::string(field) + "\r\n") << header;
  }
}

}  // namespace
}  // namespace ravnelok
