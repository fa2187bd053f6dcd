#include "app/sheet_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using testing::FillSheet;
using Texts = std::vector<std::string>;

class PressSheetGridTest : public ::testing::Test {
 protected:
  Document doc;
  testing::FakeUi ui;
};

TEST(PressSheetGrid, MarksOnlyLinesWithAnExpressionToCompute) {
  const std::pair<std::string, bool> cases[] = {
      {"   ", false}, {"! note", false}, {"\"quoted", false}, {" x", true}};
  for (const auto& [expression, marks] : cases) {
    Document doc;
    testing::FakeUi ui;
    FillSheet(doc, {{"", expression}});
    PressSheetGrid(doc, ui, MouseButton::kLeft, 0, 1);
    PressSheetGrid(doc, ui, MouseButton::kLeft, 1, 1);
    EXPECT_EQ(std::pair(doc.sheet.Cell(0, 1) + doc.sheet.Cell(1, 1), doc.settings.view_mode),
              std::pair(std::string(marks ? "T*" : "  "),
                        marks ? ViewMode::kSheetAndTable : ViewMode::kSheet));
  }
}

// Not on a value cell, or on a line without value, nothing is shown.
TEST_F(PressSheetGridTest, RightPressShowsTheFullValueAndTheHeaderSelectsTheColumn) {
  FillSheet(doc, {{"", "1/3"}, {"", "-12345"}, {"", ""}, {"", "0"}});
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  for (int row : {1, 2, 3}) PressSheetGrid(doc, ui, MouseButton::kRight, 5, row);
  PressSheetGrid(doc, ui, MouseButton::kRight, 4, 1);
  EXPECT_EQ(ui.messages, (Texts{" 3.333333333333E-0001", "-1.234500000000E+0004"}));
  PressSheetGrid(doc, ui, MouseButton::kLeft, 5, 0);
  const GridRect sel = doc.sheet.Selection();
  EXPECT_EQ((std::vector<int>{sel.left, sel.top, sel.right, sel.bottom}),
            (std::vector<int>{5, 1, 5, 199}));
}

}  // namespace
}  // namespace ravnelok
