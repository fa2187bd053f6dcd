#include "app/commands.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "support/fake_ui.h"

namespace ravnelok {
namespace {

TEST(Commands, CloseAsksAndFollowsTheAnswer) {
  testing::FakeUi ui;
  Document doc;
  ui.confirm_answers = {true, false};
  EXPECT_TRUE(ConfirmClose(doc, ui));
  EXPECT_FALSE(ConfirmClose(doc, ui));
  EXPECT_EQ(ui.questions[0], "Bekræft: Ønsker du at afbryde programmet ?");
}

// Refused or cancelled counts keep the 199 lines; the records are rebuilt either way.
TEST(Commands, NumberOfLines) {
  const std::pair<const char*, int> counts[] = {
      {"2 5", 25}, {"1000", 0}, {"", 0}, {"-5", 0}, {"99999999999999999999", 0}};
  for (const auto& [text, n] : counts) EXPECT_EQ(ParseLineCount(text), n) << text;
  for (const auto& [typed, lines] : {std::pair("25", 25), {"12a", 199}, {"", 199}}) {
    testing::FakeUi ui;
    Document doc;
    doc.InitialiseGrid();
    doc.records.StoreValue(3, 7);
    ui.text_input_script.push_back([&](TextInputDialog& d) {
      EXPECT_EQ(d.field, "199");
      return d.field = typed, *typed != 0;
    });
    NumberOfLinesCommand(doc, ui);
    EXPECT_EQ(doc.LineCount(), lines) << typed;
    EXPECT_FALSE(doc.records.HasValue(3)) << typed;
  }
}

TEST(Commands, ShrinkingDropsLinesAndKeepsTheCursorOnTheSheet) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCurrent(4, 150);
  doc.settings.editor_row = 150;
  ui.text_input_script.push_back([](TextInputDialog& d) { return d.field = "10", true; });
  NumberOfLinesCommand(doc, ui);
  EXPECT_EQ(doc.sheet.RowCount(), 11);
  EXPECT_EQ(doc.sheet.CurrentRow(), 10);
  EXPECT_EQ(doc.settings.editor_row, 10);
}

TEST(Commands, AngleDialogChoiceRecalculatesAndClearsTheTable) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(4, 1, "sin(90)");
  doc.sheet.SetCell(0, 1, "T");
  RecalculateCommand(doc, ui);
  EXPECT_EQ(doc.settings.table_rows, 1);
  ui.angle_script.push_back([](AngleDialog& d) {  // radians confirmed with the button
    EXPECT_EQ(d.choice, 0);
    d.choice = 1;
    return true;
  });
  AngleCommand(doc, ui);
  EXPECT_FALSE(doc.settings.angle_in_degrees);
  EXPECT_EQ(doc.sheet.Cell(5, 1), " 0.8939967");  // sine of 90 radians
  EXPECT_EQ(doc.settings.table_rows, 0);
}

}  // namespace
}  // namespace ravnelok
