#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/print_command.h"
#include "graphics/axis.h"
#include "graphics/graph_test_support.h"
#include "support/sheet_builder.h"

namespace ravnelok {
namespace {

using Op = RecordingCanvas::Op;
using Place = std::array<int, 3>;  // page (from 0), x, y
constexpr int kCw = RecordingCanvas::kCharWidth;
constexpr int kLh = RecordingCanvas::kTextHeight + 3;

// A printer that records every call and where each new page began.
struct Pages : PrintTarget {
  explicit Pages(int page_height) : height(page_height) {}
  Canvas& PageCanvas() override { return canvas; }
  int PageWidth() override { return 4800; }
  int PageHeight() override { return height; }
  void NewPage() override { starts.push_back(canvas.calls.size()); }
  Place At(const std::string& text) const {
    for (size_t i = 0; i < canvas.calls.size(); ++i) {
      const auto& c = canvas.calls[i];
      const auto page = std::upper_bound(starts.begin(), starts.end(), i) - starts.begin();
      if (c.op == Op::kTextOut && c.text == text) return {static_cast<int>(page), c.x1, c.y1};
    }
    return {-1, 0, 0};
  }
  int height;
  RecordingCanvas canvas;
  std::vector<size_t> starts;
};

// Lines 1..n named n and holding 1.
Document Sheet(int n) {
  Document doc;
  testing::FillSheet(doc, std::vector<testing::LineSpec>(static_cast<size_t>(n), {"n", "1"}));
  return doc;
}

TEST(PrintLayout, ScaleTiesToEvenAndLinesRunOnToNewPagesFromTheTopWithoutHeader) {
  const std::array<int, 3> cases[] = {
      {4800, 1024, 6}, {1000, 1024, 1}, {1, 1024, 1}, {9, 4, 2}, {18, 3, 8}};
  for (const auto& [page, screen, scale] : cases) {
    EXPECT_EQ(PrintScale(page, screen), scale) << page << "/" << screen;
  }
  // 150 lines over several pages: each later page starts at the top without a header.
  std::string expression;
  for (int i = 0; i < 100; ++i) expression += static_cast<char>('a' + i % 26);
  Document doc = Sheet(150);
  doc.sheet.SetCell(Document::kExpression, 68, expression);
  Pages pages(993);  // line 68 ends exactly at the limit
  PrintSheet(doc, pages, {"", 1024, 508, 182});
  // Line 68 is the last on the first page; its expression goes on on the second.
  EXPECT_EQ(pages.At(expression.substr(0, 43)), (Place{0, 358, 893}));
  EXPECT_EQ(pages.At(expression.substr(43, 43)), (Place{1, 358, 100}));
  EXPECT_EQ(pages.At(expression.substr(86) + std::string(29, ' ')), (Place{1, 358, 111}));
  EXPECT_EQ(pages.At(doc.sheet.Cell(Document::kLabel, 140)), (Place{2, 268, 100}));
  EXPECT_EQ(pages.starts.size(), 2u);
  int labels = 0;
  for (const auto& c : pages.canvas.Calls(Op::kTextOut)) {
    EXPECT_LE(c.y1 + 100, 993) << c.text;
    labels += c.x1 == 250 + 3 * kCw;
  }
  EXPECT_EQ(labels, 150);
  const auto texts = pages.canvas.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "T*"), 1);
}

// Marks, label, name, expression, value and unit at 0, 3, 9, 18, W + 21 and W + 32 characters,
// under their titles; the rule ends at W + 37; every text in Courier New of 10 points.
TEST(PrintLayout, ColumnsStartUnderTheirTitlesForANarrowAndTheFullExpressionColumn) {
  for (const auto& [length, w] : {std::pair(6, 11), {29, 34}, {30, 43}}) {
    Document doc = Sheet(1);
    doc.sheet.SetCell(Document::kExpression, 1, std::string(length, '1'));
    doc.sheet.SetCell(Document::kUnit, 1, "kg");
    Pages pages(7000);
    PrintSheet(doc, pages, {"", 1024, 508, 182});
    std::map<int, std::vector<int>> rows;  // the x of each text, by height
    for (const auto& c : pages.canvas.Calls(Op::kTextOut)) {
      EXPECT_EQ(c.font, (Font{"Courier New", 10}));
      rows[c.y1].push_back(c.x1);
    }
    auto at = [](std::vector<int> chars) {
      for (int& x : chars) x = 250 + x * kCw;
      return chars;
    };
    const std::vector<std::vector<int>> want = {
        {250}, at({0, 9, 18, w + 21, w + 32}), at({0, 3, 9, 18, w + 21, w + 32})};
    std::vector<std::vector<int>> got;
    for (const auto& [y, xs] : rows) got.push_back(xs);
    EXPECT_EQ(got, want) << w;
    std::vector<int> rules;
    for (const auto& l : pages.canvas.Calls(Op::kLineTo))
      if (l.pen.width == 2) rules.push_back(l.x1), rules.push_back(l.x2);
    EXPECT_EQ(rules, at({0, w + 37}));
  }
}

TEST(PrintCommand, GraphAndNameInTheirFramesNothingWhenCancelled) {
  // Printed or not, with a graph or not, the name typed (nothing: the box cancelled), its y.
  const std::tuple<bool, bool, std::optional<std::string>, int> cases[] = {
      {true, false, "Ole", 100},
      {true, true, "Ole", 1192},
      {true, false, std::nullopt, 100},
      {true, true, "", 1192},
      {false, false, "Ole", 0}};
  for (const auto& [print, graph, typed, y] : cases) {
    Document doc = Sheet(3);
    doc.settings.graph_shown = graph;
    doc.settings.graph_kind = GraphKind::kTableXy;
    testing::SetData(doc.graph.data, {{0, 1}, {1, 2}, {2, 3}});
    ScaleXY(doc.graph.data, GraphKind::kTableXy, doc.graph.ranges);
    doc.graph.data.drawn = true;
    Pages pages(7000);
    testing::FakeUi ui;
    ui.print_target = &pages;
    ui.print_answers = {print};
    ui.text_answers = {typed};
    PrintCommand(doc, ui);
    EXPECT_EQ(ui.questions.back(), print ? "Skriv dit navn" : "print");
    EXPECT_EQ(ui.print_jobs_ended, print ? 1 : 0);
    if (!print) {
      EXPECT_TRUE(pages.canvas.calls.empty());
      continue;
    }
    const std::string name = typed.value_or("");
    std::vector<std::array<int, 5>> want, got;  // corners and pen width
    if (graph) want.push_back({0, 0, 3048, 1092, 6});
    if (!name.empty()) want.push_back({244, y - 8, 278, y + kLh + 8, 4});
    for (const auto& r : pages.canvas.Calls(Op::kRectangle)) {
      got.push_back({r.x1, r.y1, r.x2, r.y2, r.pen.width});
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(pages.At(name), (Place{0, 250, y}));
    EXPECT_EQ(pages.At("T*"), (Place{0, 250, y + 3 * kLh}));
    // The graph comes first, in the printer's font.
    EXPECT_EQ(pages.canvas.Calls(Op::kTextOut)[0].font == Font({"arial", 6}), graph);
    EXPECT_FALSE(doc.graph.printing);
  }
  // After a refused block the frame is printed empty: nothing refused or left over is drawn.
  Document refused = Sheet(3);
  refused.settings.graph_shown = true;
  refused.settings.graph_kind = GraphKind::kTableXy;
  testing::SetData(refused.graph.data, {{0, 1}, {1, 2}});
  Pages pages(7000);
  PrintSheet(refused, pages, {"", 1024, 508, 182});
  EXPECT_EQ(pages.canvas.Calls(Op::kRectangle).size(), 1u);
  EXPECT_TRUE(pages.canvas.Calls(Op::kEllipse).empty());
  EXPECT_EQ(pages.At("T*"), (Place{0, 250, 1192 + 3 * kLh}));
}

TEST(PrintLayout, TableWithRowsGetsHeaderRuleAndRows) {
  // The lines end at y = 178; the header needs room for five lines below it. Each case: rows,
  // page height, the header's page, x and y, and where the last rule ends in characters.
  const std::array<int, 6> cases[] = {{0, 7000, -1, 0, 0, 48},
                                      {3, 7000, 0, 250, 211, 17},
                                      {3, 365, 1, 250, 100, 17},
                                      {3, 366, 0, 250, 211, 17}};
  for (const auto& [rows, height, page, x, y, rule_end] : cases) {
    Document doc = Sheet(3);
    doc.settings.table_columns = 2;
    doc.settings.table_rows = rows;
    for (int r = 0; r <= 3; ++r) {
      doc.table.SetCell(0, r, r > 0 ? " 12.5" : "pris");
      doc.table.SetCell(1, r, r > 0 ? "  7" : "antal_stk");
    }
    Pages pages(height);
    PrintSheet(doc, pages, {"", 1024, 508, 182});
    const auto rules = pages.canvas.Calls(Op::kLineTo);
    ASSERT_EQ(rules.size(), rows > 0 ? 2u : 1u);
    EXPECT_EQ(std::make_pair(rules.back().x2, rules.back().pen.width),
              std::make_pair(250 + rule_end * kCw, 2));
    EXPECT_EQ(pages.At("   pris  antal_st"), (Place{page, x, y}));
    const auto texts = pages.canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "   12.5         7"), rows);
  }
}

}  // namespace
}  // namespace ravnelok
