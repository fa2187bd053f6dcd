#include "numbers/format_value.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "document/ui.h"
#include "sheet/decimals.h"
#include "sheet/recalc.h"
#include "sheet/table.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::Column;
constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

// Decimals -1 is automatic. Never an infinity or NaN in a cell; the tiny-value text keeps seven
// decimals whatever the width.
TEST(FormatValue, Examples) {
  const struct {
    Real v;
    int decimals, width;
    const char* text;
  } cases[] = {
      {5, -1, 10, "         5"},
      {-2.5L, -1, 10, "      -2.5"},
      {0, -1, 10, "         0"},
      {1.0L / 3, -1, 10, " 0.3333333"},
      {12345.678901L, -1, 10, "12345.6789"},
      {2 + 1e-10L, -1, 10, "        2."},
      {2 + 1e-14L, -1, 10, "         2"},
      {99999.99999999L, -1, 10, "    100000"},
      {0.99999999L, -1, 10, "        1."},
      {3e-08L, -1, 10, " 0.0000000"},
      {123456789.5L, -1, 10, " 123456790"},
      {9999999999.0L, -1, 10, "9999999999"},
      {-9999999999.0L, -1, 10, "   ###"},
      {1e10L, -1, 10, "   ###"},
      {3.14159L, 2, 10, "      3.14"},
      {0.125L, 2, 10, "      0.13"},
      {-0.001L, 2, 10, "     -0.00"},
      {-12.5L, 7, 10, "   ###"},
      {1e10L + 0.5L, 0, 10, "   ###"},
      {kInf, -1, 10, "   ###"},
      {1.0L / 3, -1, 12, " 0.333333333"},
      {1e-9L, -1, 8, "   ###"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatValue(c.v, c.decimals, c.width), c.text) << c.text;
}

TEST(FormatValue, CountShownDecimals) {
  const std::pair<Real, int> cases[] = {
      {1.0L / 3, 7},   {0.125L, 3}, {12345.678901L, 4}, {123456789.5L, 0},
      {2 + 1e-10L, 0}, {3e-08L, 0}, {1e300L, 0},
  };
  for (const auto& [v, count] : cases) EXPECT_EQ(CountShownDecimals(v, 10), count) << count;
}

TEST(DecimalsDialog, SpinStaysWithinZeroToSeven) {
  const struct {
    const char* field;
    int spin;
    bool up, auto_checked;
    const char* field_after;
    int spin_after;
  } steps[] = {
      {"6", 6, true, false, "7", 7}, {"7", 7, true, false, "7", 7}, {"0", 0, false, false, "0", 0},
      {"3", 3, true, true, "3", 3},  {"x", 2, true, false, "3", 3}, {"42", 1, true, false, "7", 7},
  };
  for (const auto& s : steps) {
    DecimalsDialog dialog;
    dialog.field = s.field;
    dialog.spin = s.spin;
    dialog.auto_checked = s.auto_checked;
    s.up ? dialog.SpinUp() : dialog.SpinDown();
    EXPECT_EQ(dialog.field, s.field_after) << s.field << (s.up ? " up" : " down");
    EXPECT_EQ(dialog.spin, s.spin_after) << s.field;
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

TEST_F(DecimalsTest, MoreAndFewerFollowTheShownDecimals) {
  Select(Document::kExpression, 1, 4);  // outside the value column nothing changes
  MoreDecimals(doc);
  FewerDecimals(doc);
  EXPECT_EQ(Decimals(), (std::vector<int>{-1, -1, -1, -1}));
  Select(Document::kValue, 1, 4);
  MoreDecimals(doc);  // line 3 has no value: unchanged
  EXPECT_EQ(Decimals(), (std::vector<int>{7, 1, -1, 6}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 4),
            (std::vector<std::string>{" 0.3333333", "       5.0", "", "  3.141590"}));
  MoreDecimals(doc);
  EXPECT_EQ(Decimals(), (std::vector<int>{7, 2, -1, 7}));
  for (int k : {1, 2, 4}) doc.records.SetDecimals(k, -1);
  FewerDecimals(doc);
  EXPECT_EQ(Decimals(), (std::vector<int>{6, 0, -1, 4}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2),
            (std::vector<std::string>{"  0.333333", "         5"}));
}

TEST_F(DecimalsTest, TableEntriesFollowTheirLine) {
  PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  EXPECT_EQ(doc.table.Cell(0, 1), " 0.3333333");
  Select(Document::kValue, 1, 1);
  FewerDecimals(doc);
  EXPECT_EQ(doc.table.Cell(0, 1), " 0.333333");
  EXPECT_EQ(doc.table.ColWidth(0), 90);
}

TEST_F(DecimalsTest, DialogSetsDefaultAndSelectedLines) {
  // Confirmed untouched the first time: the field shows "0", the box is unticked.
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    EXPECT_EQ(d.field, "0");
    EXPECT_TRUE(d.Editable());
    return true;
  });
  Select(Document::kName, 1, 2);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, 0);
  EXPECT_EQ(Decimals(), (std::vector<int>{-1, -1, -1, -1}));  // current cell elsewhere

  ui.decimals_script.push_back([](DecimalsDialog& d) { return d.SpinUp(), d.SpinUp(), true; });
  Select(Document::kValue, 1, 2);
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.decimals_text, "2");
  EXPECT_EQ(Decimals(), (std::vector<int>{2, 2, -1, -1}));
  EXPECT_EQ(Column(doc, Document::kValue, 1, 2),
            (std::vector<std::string>{"      0.33", "      5.00"}));

  // Ticking the box means automatic; "Nej" changes nothing, but the box is remembered.
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    d.ToggleCheck();
    EXPECT_FALSE(d.Editable());
    return false;
  });
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, 2);
  ui.decimals_script.push_back([](DecimalsDialog& d) {
    EXPECT_TRUE(d.auto_checked);
    return true;
  });
  DecimalsDialogCommand(doc, ui);
  EXPECT_EQ(doc.settings.default_decimals, -1);
  EXPECT_EQ(doc.sheet.Cell(Document::kValue, 1), " 0.3333333");
}

}  // namespace
}  // namespace ravnelok
