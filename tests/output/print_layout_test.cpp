#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "document/document.h"
#include "graphics/axis.h"
#include "graphics/graph_test_support.h"
#include "graphics/recording_canvas.h"
#include "support/fake_ui.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using Op = RecordingCanvas::Op;
constexpr int kCw = RecordingCanvas::kCharWidth;
constexpr int kLh = RecordingCanvas::kTextHeight + 3;

// A printer that records every call and where each new page began.
class Pages : public PrintTarget {
 public:
  explicit Pages(int height) : height_(height) {}
  Canvas& PageCanvas() override { return canvas; }
  int PageWidth() override { return 4800; }
  int PageHeight() override { return height_; }
  void NewPage() override { starts.push_back(canvas.calls.size()); }
  // The page (from 0) of a call, by reference into `canvas.calls`.
  int PageOf(const RecordingCanvas::Call& c) const {
    const auto i = static_cast<size_t>(&c - canvas.calls.data());
    return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), i) - starts.begin());
  }
  RecordingCanvas canvas;
  std::vector<size_t> starts;

 private:
  int height_;
};

// Lines 1..n named and holding "1"; the last one holds `last_expression` when given.
Document Sheet(int n, const std::string& last_expression = "1") {
  Document doc;
  std::vector<testing::LineSpec> lines(static_cast<size_t>(n), {"n", "1"});
  lines.back().expression = last_expression;
  testing::FillSheet(doc, lines);
  return doc;
}

void Print(Document& doc, Pages& pages, const std::string& name) {
  PrintSheet(doc, pages, PrintSetup{name, 1024, 508, 182});
}

TEST(PrintLayout, ScaleIsTheNearestIntegerTiesToEvenAtLeastOne) {
  const std::array<int, 3> cases[] = {{4800, 1024, 6}, {1000, 1024, 1}, {1, 1024, 1},
                                      {9, 4, 2},       {18, 3, 8},      {9600, 1920, 6}};
  for (const auto& [page, screen, scale] : cases) {
    EXPECT_EQ(PrintScale(page, screen), scale) << page << "/" << screen;
  }
}

TEST(PrintLayout, GraphFrameAndNameFrameAtTheirPlaces) {
  const struct {
    bool graph;
    std::string name;
    int name_y;
  } cases[] = {{false, "Ole", 100}, {true, "Ole", 1192}, {false, "", 100}, {true, "", 1192}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + (c.graph ? " with graph" : ""));
    Document doc = Sheet(3);
    doc.settings.graph_shown = c.graph;
    doc.settings.graph_kind = 1;
    testing::SetData(doc.graph, {{0, 1}, {1, 2}, {2, 3}});
    ScaleXY(doc.graph, 1, doc.ranges);
    Pages pages(7000);
    Print(doc, pages, c.name);
    std::vector<std::array<int, 5>> want;  // corners and pen width
    if (c.graph) want.push_back({0, 0, 3048, 1092, 6});
    if (!c.name.empty()) want.push_back({244, c.name_y - 8, 278, c.name_y + kLh + 8, 4});
    std::vector<std::array<int, 5>> got;
    for (const auto& r : pages.canvas.Calls(Op::kRectangle)) {
      got.push_back({r.x1, r.y1, r.x2, r.y2, r.pen.width});
      EXPECT_EQ(r.brush.style, BrushStyle::kClear);
    }
    EXPECT_EQ(got, want);
    const auto* name = pages.canvas.FindText(c.name);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::make_pair(name->x1, name->y1), std::make_pair(250, c.name_y));
    EXPECT_EQ(pages.canvas.FindText("T*")->y1, c.name_y + 3 * kLh);
    // The graph is drawn in the printer's font and its labels are shifted.
    const auto first_text = pages.canvas.Calls(Op::kTextOut).front();
    EXPECT_EQ(first_text.font == Font({"arial", 6}), c.graph);
    EXPECT_FALSE(doc.printing);
  }
}

TEST(PrintLayout, LinesRunOnToNewPagesFromTheTopWithoutHeader) {
  Document doc = Sheet(150);
  Pages pages(1000);
  Print(doc, pages, "Ole");
  // 68 lines fit under the header on the first page, 73 on the next.
  ASSERT_EQ(pages.starts.size(), 2u);
  int labels = 0;
  std::vector<int> first_y(3, 0);
  for (const auto& c : pages.canvas.calls) {
    if (c.op != Op::kTextOut) continue;
    EXPECT_LE(c.y1 + 100, 1000) << c.text;
    if (c.x1 == 250 + 3 * kCw) ++labels;
    if (first_y[pages.PageOf(c)] == 0) first_y[pages.PageOf(c)] = c.y1;
  }
  EXPECT_EQ(labels, 150);
  EXPECT_EQ(first_y, (std::vector<int>{100, 100, 100}));
  EXPECT_EQ(pages.canvas.FindText(doc.sheet.Cell(Document::kLabel, 69))->y1, 100);
  const auto texts = pages.canvas.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "T*"), 1);
}

TEST(PrintLayout, LongExpressionContinuesOnTheNextPage) {
  std::string expression;
  for (int i = 0; i < 100; ++i) expression += static_cast<char>('a' + i % 26);
  Document doc = Sheet(68, expression);
  Pages pages(1000);
  Print(doc, pages, "");
  ASSERT_EQ(pages.starts.size(), 1u);
  const auto* first = pages.canvas.FindText(expression.substr(0, 43));
  const auto* second = pages.canvas.FindText(expression.substr(43, 43));
  const auto* third = pages.canvas.FindText(expression.substr(86) + std::string(29, ' '));
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(pages.PageOf(*first), 0);
  EXPECT_EQ(pages.PageOf(*second), 1);
  for (const auto* c : {first, second, third}) EXPECT_EQ(c->x1, 250 + 18 * kCw);
  EXPECT_EQ(std::make_pair(second->y1, third->y1), std::make_pair(100, 100 + kLh));
}

TEST(PrintLayout, TableWithRowsGetsHeaderRuleAndRows) {
  const struct {
    int rows;
    int page_height;
    int header_y;  // 0: no table printed
  } cases[] = {{0, 7000, 0}, {3, 7000, 178 + 3 * kLh}, {3, 300, 100}, {3, 400, 178 + 3 * kLh}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page_height);
    Document doc = Sheet(3);
    doc.settings.table_columns = 2;
    doc.settings.table_rows = c.rows;
    doc.table.SetCell(0, 0, "pris");
    doc.table.SetCell(1, 0, "antal_stk");
    for (int r = 1; r <= 3; ++r) {
      doc.table.SetCell(0, r, " 12.5");
      doc.table.SetCell(1, r, "  7");
    }
    Pages pages(c.page_height);
    Print(doc, pages, "");
    std::vector<int> rule_ends;
    for (const auto& l : pages.canvas.Calls(Op::kLineTo)) {
      if (l.pen.width == 2) rule_ends.push_back(l.x2);
    }
    const auto* header = pages.canvas.FindText("   pris  antal_st");
    const auto rows = pages.canvas.Texts();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "   12.5         7"), c.rows);
    if (c.header_y == 0) {
      EXPECT_EQ(header, nullptr);
      EXPECT_EQ(rule_ends, std::vector<int>{250 + (11 + 37) * kCw});
      continue;
    }
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(std::make_pair(header->x1, header->y1), std::make_pair(250, c.header_y));
    EXPECT_EQ(pages.starts.size(), c.header_y == 100 ? 1u : 0u);
    EXPECT_EQ(rule_ends, (std::vector<int>{250 + 48 * kCw, 250 + 17 * kCw}));
  }
}

TEST(PrintCommand, CancelledPrintDialogPrintsNothingCancelledNameBoxPrintsWithoutName) {
  const struct {
    bool print;
    std::optional<std::string> name;
    size_t frames;
  } cases[] = {{false, "Ole", 0}, {true, std::nullopt, 0}, {true, "Ole", 1}};
  for (const auto& c : cases) {
    Document doc = Sheet(3);
    Pages pages(7000);
    testing::FakeUi ui;
    ui.print_target = &pages;
    ui.print_answers = {c.print};
    ui.text_answers = {c.name};
    PrintCommand(doc, ui);
    EXPECT_EQ(ui.questions.size(), c.print ? 2u : 1u);
    EXPECT_EQ(ui.print_jobs_ended, c.print ? 1 : 0);
    EXPECT_EQ(pages.canvas.calls.empty(), !c.print);
    EXPECT_EQ(pages.canvas.Calls(Op::kRectangle).size(), c.frames);
    EXPECT_EQ(ui.questions.back(), c.print ? "Skriv dit navn" : "print");
  }
}

}  // namespace
}  // namespace ravnelok
