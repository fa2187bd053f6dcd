#include "sheet/decimals.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "graphics/table.h"
#include "sheet/recalc.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::CellUtf8;
using testing::FakeUi;
using testing::FillSheet;

class DecimalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillSheet(doc, {{"", "1/3"}, {"", "5"}, {"", ""}, {"", "3,14159"}});
    RecalculateSheet(doc, ui, 1);
  }
  void SelectValues(int top, int bottom) {
    doc.sheet.SetCurrent(Document::kValue, top);
    doc.sheet.Select({Document::kValue, top, Document::kValue, bottom});
  }
  std::string Value(int k) { return CellUtf8(doc, Document::kValue, k); }
  Document doc;
  FakeUi ui;
};

TEST_F(DecimalsTest, MoreAndFewerFollowTheShownDecimals) {
  SelectValues(1, 4);
  MoreDecimals(doc);
  EXPECT_EQ(doc.records.Decimals(1), 7);   // 0.3333333 shows 7 already
  EXPECT_EQ(doc.records.Decimals(2), 1);   // whole value
  EXPECT_EQ(doc.records.Decimals(3), -1);  // no value: unchanged
  EXPECT_EQ(doc.records.Decimals(4), 6);   // 3.14159 shows 5
  EXPECT_EQ(Value(2), "       5.0");
  EXPECT_EQ(Value(4), "  3.141590");
  MoreDecimals(doc);
  EXPECT_EQ(doc.records.Decimals(1), 7);

  Document fresh;
  FillSheet(fresh, {{"", "1/3"}, {"", "5"}});
  RecalculateSheet(fresh, ui, 1);
  fresh.sheet.SetCurrent(Document::kValue, 1);
  fresh.sheet.Select({Document::kValue, 1, Document::kValue, 2});
  FewerDecimals(fresh);
  EXPECT_EQ(fresh.records.Decimals(1), 6);
  EXPECT_EQ(CellUtf8(fresh, Document::kValue, 1), "  0.333333");
  EXPECT_EQ(fresh.records.Decimals(2), 0);
  FewerDecimals(fresh);
  EXPECT_EQ(fresh.records.Decimals(1), 5);
}

TEST_F(DecimalsTest, OutsideTheValueColumnNothingChanges) {
  doc.sheet.SetCurrent(Document::kExpression, 1);
  doc.sheet.Select({Document::kExpression, 1, Document::kValue, 4});
  MoreDecimals(doc);
  FewerDecimals(doc);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(doc.records.Decimals(k), -1);
}

TEST_F(DecimalsTest, TableEntriesFollowTheirLine) {
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  RecalculateSheet(doc, ui, 1);
  EXPECT_EQ(doc.table.Cell(0, 1), " 0.3333333");
  SelectValues(1, 1);
  FewerDecimals(doc);
  EXPECT_EQ(doc.table.Cell(0, 1), " 0.333333");
  EXPECT_EQ(doc.table.ColWidth(0), 90);
}

TEST_F(DecimalsTest, DialogSetsDefaultAndSelectedLines) {
  // Confirmed untouched the first time: the field shows "0", the box is unticked.
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    EXPECT_EQ(d.field, "0");
    EXPECT_EQ(d.spin, 0);
    EXPECT_FALSE(d.auto_checked);
    EXPECT_TRUE(d.Editable());
    return true;
  });
  doc.sheet.SetCurrent(Document::kName, 1);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, 0);
  EXPECT_EQ(doc.records.Decimals(1), -1);  // current cell outside the value column

  ui.decimals_script.push_back([](DecimalsDialog& d) {
    d.SpinUp();
    d.SpinUp();
    return true;
  });
  SelectValues(1, 2);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, 2);
  EXPECT_EQ(doc.settings.decimals_text, "2");
  EXPECT_EQ(Value(1), "      0.33");
  EXPECT_EQ(Value(2), "      5.00");
  EXPECT_EQ(doc.records.Decimals(4), -1);

  // Ticking the box means automatic; the box is remembered; "Nej" changes nothing else.
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    d.ToggleCheck();
    EXPECT_FALSE(d.Editable());
    return true;
  });
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, -1);
  EXPECT_EQ(Value(1), " 0.3333333");
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    EXPECT_TRUE(d.auto_checked);
    d.SpinDown();
    return false;
  });
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, -1);
  EXPECT_EQ(doc.settings.decimals_text, "2");
  EXPECT_EQ(ui.questions.back(), "Antal viste decimaler");
}

}  // namespace
}  // namespace ravnelok
