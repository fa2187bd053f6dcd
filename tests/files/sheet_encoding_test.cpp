// Sheets written as UTF-8 by other programs: read as UTF-8, saved as Windows-1252, and never
// saved with a character lost.
#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "text/utf8.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// A one-line sheet: mark, name, expression 1, unit.
std::string OneLine(const std::string& mark, const std::string& name, const std::string& unit) {
  return "2\r\n" + mark + "\r\n" + name + "\r\n1\r\n" + unit + "\r\n-1\r\n";
}

// Valid UTF-8 throughout with at least one multi-byte character, or not.
TEST(SheetEncoding, OnlyValidTextWithAMultiByteCharacterCountsAsUtf8) {
  const std::pair<std::string, bool> cases[] = {
      {"plain\r\n", false},      {"b\xC3\xA6r", true},
      {"b\xE6r", false},         {"\xC3\xA5\xE5", false},
      {"x\xC3", false},          {"\xC0\xAF", false},
      {"\xED\xA0\x80", false},   {"\xF4\x90\x80\x80", false},
      {"\xF0\x9F\x98\x80", true}};
  for (const auto& [bytes, utf8] : cases) EXPECT_EQ(utf8::IsMultiByteUtf8(bytes), utf8) << bytes;
}

// The file, the name and unit read (Windows-1252), and the message saving it then gives.
TEST(SheetEncoding, Utf8FilesAreReadAsUtf8AndALostCharacterRefusesTheSave) {
  const std::string refused = "Arket er ikke gemt: Windows-1252 har ikke tegnet i linie A1";
  // clang-format off
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {OneLine(" ", "b\xC3\xA6r", "\xE2\x82\xAC"), "b\xE6r|\x80", ""},  // "bær", "€" in UTF-8
      {OneLine(" ", "b\xE6r", "m"), "b\xE6r|m", ""},                    // Windows-1252
      {OneLine(" ", "x", "\xC3\xA6 \xE6"), "x|\xC3\xA6 \xE6", ""},      // mixed: Windows-1252
      {OneLine(" ", "x", "\xCE\x94t"), "x|?t", refused + " (U+0394)"},  // "Δt"
      {OneLine(" ", "x", "\xF0\x9F\x98\x80\xC3\xA6"), "x|?\xE6", refused + " (U+1F600)"},
      {OneLine("\xE2\x9C\x93", "x", "\xC3\xA6"), "x|\xE6", ""}};  // a mark keeps nothing
  // clang-format on
  testing::TempDir dir;
  for (const auto& [bytes, cells, message] : cases) {
    SCOPED_TRACE(bytes);
    testing::WriteBytes(dir.File("in.rlk"), bytes);
    testing::WriteBytes(dir.File("out.rlk"), "old");
    Document doc;
    testing::FakeUi ui;
    ASSERT_TRUE(LoadSheet(doc, ui, dir.File("in.rlk")));
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);  // a pass leaves the texts alone
    EXPECT_EQ(doc.sheet.Cell(Document::kName, 1) + "|" + doc.sheet.Cell(Document::kUnit, 1), cells);
    EXPECT_EQ(SaveSheet(doc, ui, dir.File("out.rlk")), message.empty());
    EXPECT_EQ(ui.MessagesUtf8(), message.empty() ? Texts{} : Texts{message});
    EXPECT_EQ(testing::ReadBytes(dir.File("out.rlk")) == "old", !message.empty());
    // A new text in the cell, or another sheet read, ends the refusal.
    doc.sheet.SetCell(Document::kUnit, 1, "dt");
    EXPECT_TRUE(SaveSheet(doc, ui, dir.File("out.rlk")));
    ASSERT_TRUE(LoadSheet(doc, ui, dir.File("in.rlk")));
    testing::WriteBytes(dir.File("in.rlk"), OneLine(" ", "x", "m"));
    ASSERT_TRUE(LoadSheet(doc, ui, dir.File("in.rlk")));
    EXPECT_TRUE(SaveSheet(doc, ui, dir.File("out.rlk")));
  }
}

// Cells whose Windows-1252 bytes happen to be valid UTF-8 are saved as UTF-8, so that reading
// them back gives the same cells; all other sheets keep their Windows-1252 bytes.
TEST(SheetEncoding, SavedCellsReadBackTheSame) {
  // The unit, and the unit as the saved file holds it.
  const std::pair<std::string, std::string> cases[] = {
      {"b\xE6r", "b\xE6r"},                              // "bær"
      {"\xC3\xA6", "\xC3\x83\xC2\xA6"},                  // "Ã¦", not "æ"
      {"\xE9\x8C\x94", "\xC3\xA9\xC5\x92\xE2\x80\x9D"},  // one Chinese character's bytes
      {"\xC2\x81", "\xC3\x82\xC2\x81"},                  // "Â" and an undefined byte
      {"\xC3\xA6\xE6", "\xC3\xA6\xE6"}};                 // not UTF-8 throughout
  testing::TempDir dir;
  for (const auto& [unit, in_file] : cases) {
    SCOPED_TRACE(unit);
    Document doc;
    testing::FakeUi ui;
    testing::WriteBytes(dir.File("in.rlk"), OneLine("*", "x", "m"));
    ASSERT_TRUE(LoadSheet(doc, ui, dir.File("in.rlk")));
    doc.sheet.SetCell(Document::kUnit, 1, unit);
    ASSERT_TRUE(SaveSheet(doc, ui, dir.File("out.rlk")));
    const std::string bytes = testing::ReadBytes(dir.File("out.rlk"));
    EXPECT_EQ(bytes, OneLine("*", "x", in_file));
    Document again;
    ASSERT_TRUE(LoadSheet(again, ui, dir.File("out.rlk")));
    EXPECT_EQ(again.sheet.Cell(Document::kUnit, 1), unit);
    EXPECT_EQ(SheetFileBytes(again), bytes);
  }
}

}  // namespace
}  // namespace ravnelok
