#include "sheet/decimals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/ui.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::Column;
using Texts = std::vector<std::string>;

TEST(DecimalsDialog, SpinStaysWithinZeroToSeven) {
  // Field and spin before, up or down, the box ticked; the field and spin after.
  const std::tuple<const char*, int, bool, bool, const char*> steps[] = {
      {"7", 7, true, false, "7|7"},
      {"0", 0, false, false, "0|0"},
      {"3", 3, true, true, "3|3"},
      {"42", 1, true, false, "7|7"}};
  for (const auto& [field, spin, up, auto_checked, after] : steps) {
    DecimalsDialog dialog;
    dialog.field = field;
    dialog.spin = spin;
    dialog.auto_checked = auto_checked;
    up ? dialog.SpinUp() : dialog.SpinDown();
    EXPECT_EQ(dialog.field + "|" + std::to_string(dialog.spin), after) << field << up;
  }
}

class DecimalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSheet(doc, {{"", "1/3"}, {"", "5"}, {"", ""}, {"", "3,14159"}});
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  }
  void Select(int col, int top, int bottom) {
    doc.sheet.SetCurrent(col, top);
    doc.sheet.Select({col, top, Document::kValue, bottom});
  }
  std::vector<int> Decimals() {
    return {doc.records.Decimals(1), doc.records.Decimals(2), doc.records.Decimals(3),
            doc.records.Decimals(4)};
  }
  Document doc;
  testing::FakeUi ui;
};

TEST_F(DecimalsTest, MoreAndFewerFollowTheShownDecimalsAndTheTable) {
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  Select(Document::kExpression, 1, 4);  // outside the value column nothing changes
  MoreDecimals(doc);
  FewerDecimals(doc);
  EXPECT_EQ(Decimals(), (std::vector<int>{-1, -1, -1, -1}));
  Select(Document::kValue, 1, 4);
  MoreDecimals(doc);  // line 3 has no value: unchanged
  EXPECT_EQ(Decimals(), (std::vector<int>{7, 1, -1, 6}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 4),
            (Texts{" 0.3333333", "       5.0", "", "  3.141590"}));
  for (int k : {1, 2, 4}) doc.records.SetDecimals(k, -1);
  FewerDecimals(doc);
  EXPECT_EQ(Decimals(), (std::vector<int>{6, 0, -1, 4}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2), (Texts{"  0.333333", "         5"}));
  EXPECT_EQ(doc.table.Cell(0, 1), " 0.333333");  // the table entry follows its line
}

TEST_F(DecimalsTest, DialogSetsDefaultAndSelectedLines) {
  // Confirmed untouched the first time: the field shows "0", the box is unticked.
  ui.decimals_script.push_back([](DecimalsDialog& d) { return d.field == "0" && d.Editable(); });
  Select(Document::kName, 1, 2);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, 0);
  EXPECT_EQ(Decimals(), (std::vector<int>{-1, -1, -1, -1}));  // current cell elsewhere

  ui.decimals_script.push_back([](DecimalsDialog& d) { return d.SpinUp(), d.SpinUp(), true; });
  Select(Document::kValue, 1, 2);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.decimals_text, "2");
  EXPECT_EQ(Decimals(), (std::vector<int>{2, 2, -1, -1}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2), (Texts{"      0.33", "      5.00"}));
}

}  // namespace
}  // namespace ravnelok
