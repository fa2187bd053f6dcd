#include "app/export_commands.h"

#include <gtest/gtest.h>

#include "app/sheet_commands.h"
#include "document/document.h"
#include "graphics/graph.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using Texts = std::vector<std::string>;

// Cancelled, written, and refused by the file system.
TEST(ExportFiles, TableCsvIsWrittenWhereTheDialogSaysOrAMessageSaysWhyNot) {
  testing::TempDir dir;
  Document doc;
  testing::FakeUi ui;
  testing::FillSheet(doc, {{"x", "2"}});
  doc.settings.file_name = dir.File("ark.rlk");
  PressSheetGrid(doc, ui, MouseButton::kLeft, Document::kTableMark, 1);
  RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
  ui.export_answers = {std::nullopt, dir.File("t.csv"), dir.File("no/t.csv")};
  EXPECT_FALSE(SaveTableCsvCommand(doc, ui));
  EXPECT_TRUE(SaveTableCsvCommand(doc, ui));
  EXPECT_EQ(testing::ReadBytes(dir.File("t.csv")), "x\r\n2\r\n");
  EXPECT_FALSE(SaveTableCsvCommand(doc, ui));
  EXPECT_EQ(ui.MessagesUtf8(), Texts{"Filen blev ikke skrevet: " + dir.File("no/t.csv")});
  EXPECT_EQ(ui.questions[0], "Gem tabel som CSV " + dir.File("ark.csv") + " *.csv");
}

// Whether a graph is shown, the path chosen, whether the picture could be written: the format
// asked for and the message.
TEST(ExportFiles, GraphPictureNeedsAGraphAndAKnownExtension) {
  const auto png = PictureFormat::kPng, svg = PictureFormat::kSvg;
  const char* kBadName = "Billedet gemmes som .png eller .svg: skriv en af dem sidst i filnavnet";
  // clang-format off
  const std::tuple<bool, const char*, bool, std::optional<PictureFormat>, const char*> cases[] = {
      {false, "g.png", true, std::nullopt, "Der er ingen grafik at gemme"},
      {true, "g.PNG", true, png, ""}, {true, "g.svg", true, svg, ""},
      {true, "g.png.jpg", true, std::nullopt, kBadName},
      {true, "g.svg", false, svg, "Filen blev ikke skrevet: g.svg"}};
  // clang-format on
  for (const auto& [graph, path, written, format, message] : cases) {
    Document doc;
    testing::FakeUi ui;
    testing::FillSheet(doc, {{"x", "2"}, {"y", "3"}});
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    doc.sheet.Select({Document::kValue, 1, Document::kValue, 2});
    if (graph) GraphCommand(doc, ui, GraphKind::kSheetBars);
    ui.export_answers = {path};
    ui.picture_results = {written};
    EXPECT_EQ(SaveGraphPictureCommand(doc, ui), *message == 0) << path;
    EXPECT_EQ(ui.pictures.empty() ? std::nullopt : std::optional(ui.pictures[0].second), format);
    EXPECT_EQ(ui.MessagesUtf8(), *message == 0 ? Texts{} : Texts{message}) << path;
  }
}

}  // namespace
}  // namespace ravnelok
