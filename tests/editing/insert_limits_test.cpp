// Inserting blank lines takes a typed whole number n (an optional sign and digits, blanks
// removed) with 1 <= n <= 10, and only while t + n < R - 1 for the selection's top row t and the
// row count R; anything else changes nothing and says nothing.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/edit_commands.h"
#include "document/document.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

struct Case {
  std::optional<std::string> typed;  // none: the dialog is cancelled
  int top;
  int inserted;  // 0: nothing changes
};

TEST(InsertLimits, CountAndRoomOnBothSidesOfTheirLimits) {
  // 20 lines: R = 21, so t + n must stay below 20.
  // clang-format off
  const Case cases[] = {
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

}  // namespace
}  // namespace ravnelok
