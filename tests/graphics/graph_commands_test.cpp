#include "graphics/graph_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/graph_test_support.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using Op = RecordingCanvas::Op;
using testing::FillTable;
using testing::GraphUi;

std::vector<std::string> Utf8(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const auto& s : texts) out.push_back(cp1252::ToUtf8(s));
  return out;
}

TEST(GraphCommand, SheetGraphKeepsItsLinesAndTableGraphKeepsTheSheetRows) {
  Document doc;
  doc.InitialiseGrid();
  GraphUi ui;
  for (int k = 1; k <= 9; ++k) doc.records.StoreValue(k, k);
  doc.sheet.Select({5, 2, 5, 4});
  GraphCommand(doc, ui, 2);
  EXPECT_EQ(doc.graph.sheet_first_row, 2);
  EXPECT_EQ(doc.graph.sheet_last_row, 4);
  EXPECT_TRUE(doc.settings.graph_shown);
  EXPECT_EQ(doc.settings.view_mode, 3);
  EXPECT_EQ(ui.layouts, 1);
  EXPECT_EQ(ui.graph_changes, 1);

  // F6 in mode 3: bars of the selected table column at once, no new lay-out.
  FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
  doc.table.Select({1, 1, 1, 3});
  ui.canvas.calls.clear();
  GraphCommand(doc, ui, 4);
  EXPECT_EQ(ui.layouts, 1);
  EXPECT_EQ(doc.graph.sheet_first_row, 2);
  EXPECT_EQ(doc.graph.At(2, 0), 30);
  EXPECT_EQ(ui.canvas.Calls(Op::kRectangle).size(), 4u);  // blank + 3 bars
  EXPECT_TRUE(ui.messages.empty());

  // Cleared: a later recalculation draws nothing.
  ClearGraphCommand(doc, ui);
  EXPECT_FALSE(doc.settings.graph_shown);
  ui.canvas.calls.clear();
  RefreshGraph(doc, ui);
  EXPECT_TRUE(ui.canvas.calls.empty());
}

TEST(EditGraphSettings, DialogsByKind) {
  const std::vector<std::string> sheet = {" navne på aksen", " 1, 2, 3, ... på aksen",
                                          " 0, 1, 2, ... på aksen"};
  const std::vector<std::string> table(sheet.begin() + 1, sheet.end());
  const std::vector<std::string> checks = {" x=0 vises (y-aksen tegnes)",
                                           " y=0 vises (x-aksen tegnes)", " Forbind punkterne",
                                           "Samme enhed på akserne"};
  struct Case {
    int kind, form;  // form 0: no dialog
    std::vector<std::string> choices, checks;
  } cases[] = {{1, 3, {}, checks}, {2, 2, sheet, {}}, {3, 2, sheet, {}}, {4, 4, table, {}},
               {5, 4, table, {}},  {6, 0, {}, {}},    {7, 0, {}, {}}};
  for (const Case& c : cases) {
    Document doc;
    GraphUi ui;
    doc.settings.graph_shown = true;
    doc.settings.graph_kind = c.kind;
    doc.graph.data_rows = 2;
    doc.graph.data_columns = 2;
    doc.graph.drawn = true;
    EditGraphSettings(doc, ui);
    EXPECT_EQ(ui.graph_changes, 1) << c.kind;  // every kind redraws
    ASSERT_EQ(ui.dialogs.size(), c.form == 0 ? 0u : 1u) << c.kind;
    if (c.form == 0) continue;
    const GraphSettingsDialog& d = ui.dialogs[0];
    EXPECT_EQ(d.form, c.form);
    EXPECT_EQ(Utf8({d.caption, d.ok, d.group}),
              (std::vector<std::string>{"Indstil grafik", "OK", c.form == 3 ? "" : "x-aksen"}));
    EXPECT_EQ(Utf8(d.choices), c.choices) << c.kind;
    EXPECT_EQ(Utf8(d.check_captions), c.checks) << c.kind;
  }
  // Before any graph command there is nothing to set.
  Document doc;
  GraphUi ui;
  doc.settings.graph_kind = 1;
  EditGraphSettings(doc, ui);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.canvas.calls.empty());
}

TEST(EditGraphSettings, AnswersRedrawFromFreshRanges) {
  Document doc;
  GraphUi ui;
  FillTable(doc, {{10, 1}, {20, 2}});
  GraphCommand(doc, ui, 1);
  EXPECT_NEAR(doc.ranges.x_low, -1.2L, 1e-12L);  // 9..21 widened to show x = 0
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.checks[0] = false; });
  ui.canvas.calls.clear();
  EditGraphSettings(doc, ui);
  EXPECT_FALSE(doc.graph_settings.show_x0);
  EXPECT_NEAR(doc.ranges.x_low, 9, 1e-12L);
  EXPECT_EQ(ui.canvas.Calls(Op::kPolyline).size(), 1u);  // no y axis

  Document bars;
  FillTable(bars, {{5}, {6}, {7}});
  GraphCommand(bars, ui, 4);
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 1; });
  ui.canvas.calls.clear();
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph_settings.table_x_axis, 1);
  // x range -0.3..3.3: bar 1 at 70 + 1.3 / 3.6 x 500 = 250.6 -> 251, less half of "0".
  ASSERT_NE(ui.canvas.FindText("0"), nullptr);
  EXPECT_EQ(ui.canvas.FindText("0")->x1, 248);
  // A choice outside the group keeps the previous one.
  ui.dialog_script.push_back([](GraphSettingsDialog& d) { d.choice = 5; });
  EditGraphSettings(bars, ui);
  EXPECT_EQ(bars.graph_settings.table_x_axis, 1);
}

TEST(EditGraphSettings, RefusedBlockLeavesTheLastGraph) {
  const struct {
    int kind;
    GridRect accepted, refused;
    const char* message;
  } cases[] = {
      {2, {5, 1, 5, 3}, {5, 4, 5, 4}, "Markér mindst to rækker"},
      {3, {5, 1, 5, 3}, {5, 1, 5, 701}, "Blokken må kun have 700 linier"},
      {1, {0, 1, 1, 3}, {0, 1, 0, 3}, "Markér mindst to søjler og mindst to rækker"},
  };
  for (const auto& c : cases) {
    Document doc;
    doc.InitialiseGrid();
    doc.SetLineCount(800);
    for (int k = 1; k <= 800; ++k) doc.records.StoreValue(k, k);
    FillTable(doc, {{1, 10}, {2, 20}, {3, 30}});
    GraphUi ui;
    auto& grid = c.kind == 1 ? doc.table : doc.sheet;
    grid.Select(c.accepted);
    GraphCommand(doc, ui, c.kind);
    grid.Select(c.refused);
    GraphCommand(doc, ui, c.kind);
    EXPECT_EQ(Utf8(ui.messages), std::vector<std::string>{c.message});
    ui.canvas.calls.clear();
    EditGraphSettings(doc, ui);  // the old drawing stays: nothing refused is drawn over it
    EXPECT_TRUE(ui.canvas.calls.empty()) << c.message;
  }
}

}  // namespace
}  // namespace ravnelok
