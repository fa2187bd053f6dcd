// Sheets written as UTF-8 by other programs: read as UTF-8, saved as Windows-1252, and never
// saved over with a character lost.
#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

// A one-line sheet: mark, name, expression, unit.
std::string OneLine(const std::string& mark, const std::string& name, const std::string& unit) {
  return "2\r\n" + mark + "\r\n" + name + "\r\n1\r\n" + unit + "\r\n-1\r\n";
}

// The file's bytes, the name and unit read (Windows-1252), and the message saving it then gives.
TEST(SheetEncoding, Utf8FilesAreReadAsUtf8AndALostCharacterRefusesTheSave) {
  const std::string refused = "Arket er ikke gemt: Windows-1252 har ikke tegnet i linie A1";
  // clang-format off
  const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
      {OneLine(" ", "b\xC3\xA6r", "m"), "b\xE6r", "m", ""},                  // UTF-8 "bær"
      {OneLine(" ", "b\xE6r", "m"), "b\xE6r", "m", ""},                      // Windows-1252 "bær"
      {OneLine(" ", "x", "\xC3\xA6 \xE6"), "x", "\xC3\xA6 \xE6", ""},      // mixed: 1252 as now
      {OneLine(" ", "x", "\xCE\x94t"), "x", "?t", refused + " (U+0394)"},    // "Δt"
      {OneLine(" ", "x", "\xF0\x9F\x98\x80\xC3\xA6"), "x", "?\xE6", refused + " (U+1F600)"},
      {OneLine("\xE2\x9C\x93", "x", "\xC3\xA6"), "x", "\xE6", ""},           // a mark keeps nothing
  };
  // clang-format on
  testing::TempDir dir;
  for (const auto& [bytes, name, unit, message] : cases) {
    SCOPED_TRACE(bytes);
    WriteBytes(dir.File("in.rlk"), bytes);
    WriteBytes(dir.File("out.rlk"), "old");
    Document doc;
    FakeUi ui;
    ASSERT_TRUE(LoadSheet(doc, ui, dir.File("in.rlk")));
    EXPECT_EQ(doc.sheet.Cell(Document::kName, 1) + "|" + doc.sheet.Cell(Document::kUnit, 1),
              name + "|" + unit);
    EXPECT_EQ(SaveSheet(doc, ui, dir.File("out.rlk")), message.empty());
    EXPECT_EQ(ui.MessagesUtf8(), message.empty() ? Texts{} : Texts{message});
    EXPECT_EQ(ReadBytes(dir.File("out.rlk")) == "old", !message.empty());
  }
}

// The refusal lasts while the cell holds what was read: a new text in it, or another sheet
// loaded, lets the save go ahead.
TEST(SheetEncoding, TheRefusalEndsWhenTheCellChangesOrAnotherSheetIsRead) {
  testing::TempDir dir;
  WriteBytes(dir.File("delta.rlk"), OneLine(" ", "x", "\xCE\x94t"));
  WriteBytes(dir.File("plain.rlk"), OneLine(" ", "x", "s"));
  Document doc;
  FakeUi ui;
  ASSERT_TRUE(LoadSheet(doc, ui, dir.File("delta.rlk")));
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // a pass does not touch the text
  EXPECT_FALSE(SaveSheet(doc, ui, dir.File("out.rlk")));
  doc.sheet.SetCell(Document::kUnit, 1, "dt");
  EXPECT_TRUE(SaveSheet(doc, ui, dir.File("out.rlk")));
  EXPECT_EQ(ReadBytes(dir.File("out.rlk")), OneLine(" ", "x", "dt"));

  ASSERT_TRUE(LoadSheet(doc, ui, dir.File("delta.rlk")));
  ASSERT_TRUE(LoadSheet(doc, ui, dir.File("plain.rlk")));
  EXPECT_TRUE(SaveSheet(doc, ui, dir.File("out.rlk")));
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace ravnelok
