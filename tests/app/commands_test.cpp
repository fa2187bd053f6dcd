#include "app/commands.h"

#include <gtest/gtest.h>

#include "app/document.h"
#include "support/fake_ui.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

TEST(CommandsTest, EnglishCaption) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Ravnelok  version 1.69", "Ravnekal    version 1.69"},  // name and four blanks
      {"123456789", "Ravnekal   "},
      {"", "Ravnekal   "},
      {"123456789" + std::string(50, 'x'), "Ravnekal   " + std::string(40, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(EnglishCaption(c.in), c.out) << c.in;
}

TEST(CommandsTest, CaptionAndAboutFollowEntry107) {
  const struct {
    const char* word;
    const char* caption;
    const char* product;
  } cases[] = {
      {"dansk", "Ravnelok  version 1.69", "Ravnelok"},
      {"english", "Ravnekal    version 1.69", "Ravnekal"},
      {"English", "Ravnelok  version 1.69", "Ravnelok"},  // exactly, in lower case
      {"english ", "Ravnelok  version 1.69", "Ravnelok"},
  };
  for (const auto& c : cases) {
    UiTexts texts;
    texts.Set(107, c.word);
    EXPECT_EQ(MainWindowCaption(texts), c.caption) << c.word;
    EXPECT_EQ(AboutProductName(texts), c.product) << c.word;
  }
}

TEST(CommandsTest, CommandLineJoinsWithSingleBlanks) {
  EXPECT_EQ(JoinCommandLine({}), "");
  EXPECT_EQ(JoinCommandLine({"a.rlk"}), "a.rlk");
  EXPECT_EQ(JoinCommandLine({"/home/mine", "ark/a.rlk"}), "/home/mine ark/a.rlk");
  EXPECT_EQ(JoinCommandLine({"a", "", "b"}), "a  b");
}

TEST(CommandsTest, HelpFileInTheWorkingFolder) {
  EXPECT_EQ(HelpFilePath("/home/x"), "/home/x/ravnelok.hlp");
  EXPECT_EQ(HelpFilePath("/"), "/ravnelok.hlp");
}

TEST(CommandsTest, CloseAsksAndFollowsTheAnswer) {
  for (const bool answer : {true, false}) {
    testing::FakeUi ui;
    Document doc;
    ui.confirm_answers.push_back(answer);
    EXPECT_EQ(ConfirmClose(doc, ui), answer);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Bekræft: Ønsker du at afbryde programmet ?");
  }
}

TEST(CommandsTest, ParseLineCount) {
  const struct {
    const char* text;
    int n;
  } cases[] = {{"25", 25},
               {"2 5", 25},
               {" 999 ", 999},
               {"1", 1},
               {"0", 0},
               {"1000", 0},
               {"12a", 0},
               {"", 0},
               {"  ", 0},
               {"-5", 0},
               {"+5", 0},
               {"5.0", 0},
               {"99999999999999999999", 0}};
  for (const auto& c : cases) EXPECT_EQ(ParseLineCount(c.text), c.n) << c.text;
}

TEST(CommandsTest, NumberOfLinesDialog) {
  const struct {
    bool confirm;
    const char* typed;
    int lines;
  } cases[] = {
      {true, "25", 25},   {true, "2 5", 25}, {true, "0", 199},   {true, "1000", 199},
      {true, "12a", 199}, {true, "", 199},   {false, "25", 199}, {true, "10", 10},
  };
  for (const auto& c : cases) {
    testing::FakeUi ui;
    Document doc;
    doc.InitialiseGrid();
    doc.records.StoreValue(3, 7);
    std::string field_seen, label_seen;
    ui.text_input_script.push_back([&](TextInputDialog& d) {
      field_seen = d.field;
      label_seen = d.label;
      d.field = c.typed;
      return c.confirm;
    });
    NumberOfLinesCommand(doc, ui);
    EXPECT_EQ(field_seen, "199");
    EXPECT_EQ(label_seen, "Antal linier (max 999)");
    EXPECT_EQ(doc.LineCount(), c.lines) << c.typed;
    EXPECT_FALSE(doc.records.HasValue(3)) << "records rebuilt for " << c.typed;
  }
}

TEST(CommandsTest, ShrinkingDropsLinesAndKeepsTheCursorOnTheSheet) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(4, 11, "5");
  doc.sheet.SetCurrent(4, 150);
  doc.settings.editor_row = 150;
  ui.text_input_script.push_back([](TextInputDialog& d) {
    d.field = "10";
    return true;
  });
  NumberOfLinesCommand(doc, ui);
  EXPECT_EQ(doc.sheet.RowCount(), 11);
  EXPECT_EQ(doc.sheet.CurrentRow(), 10);
  EXPECT_EQ(doc.settings.editor_row, 10);
  doc.SetLineCount(20);
  EXPECT_EQ(doc.sheet.Cell(4, 11), "");  // line 11's contents went with the shrink
  EXPECT_EQ(doc.sheet.Cell(2, 11), "A11");
}

TEST(CommandsTest, AngleDialogChoiceAndRecalculation) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(4, 1, "sin(90)");
  // Radians confirmed with the button.
  int offered = -1;
  ui.angle_script.push_back([&](AngleDialog& d) {
    offered = d.choice;
    EXPECT_EQ(cp1252::ToUtf8(d.radians), " vinkler angivet i radianer");
    d.choice = 1;
    return true;
  });
  AngleCommand(doc, ui);
  EXPECT_EQ(offered, 0);
  EXPECT_FALSE(doc.settings.angle_in_degrees);
  EXPECT_EQ(doc.sheet.Cell(5, 1), " 0.8939967");  // sine of 90 radians
  // Next time radians is still selected; closing by the close box changes nothing but
  // still recalculates.
  doc.sheet.SetCell(5, 1, "stale");
  ui.angle_script.push_back([&](AngleDialog& d) {
    offered = d.choice;
    d.choice = 0;
    return false;
  });
  AngleCommand(doc, ui);
  EXPECT_EQ(offered, 1);
  EXPECT_FALSE(doc.settings.angle_in_degrees);
  EXPECT_EQ(doc.sheet.Cell(5, 1), " 0.8939967");
  // The dialog shows the choice the user left it with.
  EXPECT_EQ(doc.settings.angle_choice, 0);
}

TEST(CommandsTest, AngleRecalculationClearsTheTable) {
  testing::FakeUi ui;
  Document doc;
  doc.InitialiseGrid();
  doc.sheet.SetCell(4, 1, "2");
  doc.sheet.SetCell(0, 1, "T");
  RecalculateCommand(doc, ui);
  RecalculateCommand(doc, ui);
  EXPECT_EQ(doc.settings.table_rows, 2);
  AngleCommand(doc, ui);  // unscripted: closed without its button
  EXPECT_EQ(doc.settings.table_rows, 0);
  EXPECT_TRUE(doc.settings.angle_in_degrees);
}

}  // namespace
}  // namespace ravnelok
