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
