#include "app/export_commands.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "graphics/graph_commands.h"
#include "output/csv_export.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using Texts = std::vector<std::string>;

TEST(ExportFiles, PictureFormatComesFromTheExtensionAndTheInitialNameFromTheSheet) {
  const std::pair<const char*, std::optional<PictureFormat>> formats[] = {
      {"a.png", PictureFormat::kPng},
      {"A.PNG", PictureFormat::kPng},
      {"dir.svg/a.Svg", PictureFormat::kSvg},
      {"a.jpg", std::nullopt},
      {"png", std::nullopt},
      {"a.png.txt", std::nullopt}};
  for (const auto& [path, format] : formats) EXPECT_EQ(PictureFormatOf(path), format) << path;
  const std::pair<const char*, const char*> names[] = {
      {"*.rlk", "*.csv"}, {"", "*.csv"}, {"/tmp/kast.rlk", "/tmp/kast.csv"}, {"ark", "ark.csv"}};
  for (const auto& [sheet, initial] : names) {
    Document doc;
    doc.settings.file_name = sheet;
    EXPECT_EQ(ExportFileName(doc, ".csv"), initial) << sheet;
  }
}

// Cancelled, written, and refused by the file system.
TEST(ExportFiles, TableCsvIsWrittenWhereTheDialogSaysOrAMessageSaysWhyNot) {
  testing::TempDir dir;
  Document doc;
  FakeUi ui;
  testing::FillSheet(doc, {{"x", "2"}});
  PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, 1);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  const std::string missing = dir.File("no/such/folder.csv");
  ui.export_answers = {std::nullopt, dir.File("t.csv"), missing};
  EXPECT_FALSE(SaveTableCsvCommand(doc, ui));
  EXPECT_TRUE(SaveTableCsvCommand(doc, ui));
  EXPECT_EQ(testing::ReadBytes(dir.File("t.csv")), "x\r\n2\r\n");
  EXPECT_FALSE(SaveTableCsvCommand(doc, ui));
  EXPECT_EQ(ui.MessagesUtf8(), Texts{"Filen blev ikke skrevet: " + missing});
  EXPECT_EQ(ui.questions[0], "Gem tabel som CSV *.csv *.csv");
}

// The path the dialog gives, the picture drawn (or not) and the message.
TEST(ExportFiles, GraphPictureNeedsAGraphAndAKnownExtension) {
  const std::tuple<bool, const char*, bool, int, const char*> cases[] = {
      {false, "g.png", true, 0, "Der er ingen grafik at gemme"},
      {true, "g.png", true, 1, ""},
      {true, "g.SVG", true, 1, ""},
      {true, "g.jpg", true, 0,
       "Billedet gemmes som .png eller .svg: skriv en af dem sidst i filnavnet"},
      {true, "g.svg", false, 1, "Filen blev ikke skrevet: g.svg"}};
  for (const auto& [graph, path, written, pictures, message] : cases) {
    SCOPED_TRACE(path);
    Document doc;
    FakeUi ui;
    testing::FillSheet(doc, {{"x", "2"}, {"y", "3"}});
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    doc.sheet.Select({Document::kValue, 1, Document::kValue, 2});
    if (graph) GraphCommand(doc, ui, GraphKind::kSheetBars);
    ui.export_answers = {path};
    ui.picture_results = {written};
    EXPECT_EQ(SaveGraphPictureCommand(doc, ui), std::string(message).empty());
    EXPECT_EQ(ui.pictures.size(), static_cast<size_t>(pictures));
    EXPECT_EQ(ui.MessagesUtf8(), std::string(message).empty() ? Texts{} : Texts{message});
  }
}

}  // namespace
}  // namespace ravnelok
