// Collecting, scaling and drawing an xy graph of 700 rows x 10 columns onto a canvas that
// draws nothing: the cost of a graph refresh after each recalculation, without the pixels.
#include <benchmark/benchmark.h>

#include <string>

#include "app/document.h"
#include "app/ui.h"
#include "graphics/axis.h"
#include "graphics/canvas.h"
#include "graphics/graph.h"
#include "graphics/graph_data.h"
#include "graphics/render.h"

namespace {

using namespace ravnelok;

class NullCanvas : public Canvas {
 public:
  void Rectangle(int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Polyline(const std::vector<Point>&) override {}
  void TextOut(int, int, const std::string& text) override { benchmark::DoNotOptimize(text); }
  int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) override { return 8; }

 protected:
  void DrawLine(Point, Point) override {}
};

class BenchUi : public Ui {
 public:
  void ShowMessage(const std::string&) override { ++messages; }
  bool Confirm(const std::string&, const std::string&, const std::string&,
               const std::string&) override {
    return false;
  }
  bool RunDecimalsDialog(DecimalsDialog&) override { return false; }
  bool RunStartValuesDialog(StartValuesDialog&) override { return false; }
  bool RunTextInputDialog(TextInputDialog&) override { return false; }
  bool RunAngleDialog(AngleDialog&) override { return false; }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  Canvas* GraphCanvas() override { return &canvas; }

  NullCanvas canvas;
  int messages = 0;
};

// A full table: 700 passes of 10 marked lines, x descending so that the sort has work to do.
void FillTable(Document& doc) {
  for (int r = 1; r <= 700; ++r) {
    for (int c = 0; c < 10; ++c) {
      const Real v = c == 0 ? 700 - r : (r * 37 + c * 101) % 997 - 300.5L;
      doc.table_values.Add(v, r, c, c + 1);
    }
  }
  doc.settings.table_rows = 700;
  doc.settings.table_columns = 10;
  doc.table.SetRowCount(703);
  doc.table.SetColCount(10);
  doc.settings.graph_shown = true;
  doc.settings.graph_kind = 1;
  doc.graph_settings.join_points = true;
}

void BM_RefreshXyGraph700x10(benchmark::State& state) {
  Document doc;
  BenchUi ui;
  FillTable(doc);
  for (auto _ : state) {
    RefreshGraph(doc, ui);
    benchmark::DoNotOptimize(doc.ranges);
  }
  if (ui.messages != 0 || !doc.settings.graph_shown) state.SkipWithError("graph refused");
}
BENCHMARK(BM_RefreshXyGraph700x10)->Unit(benchmark::kMicrosecond);

void BM_DrawXyGraph700x10(benchmark::State& state) {
  Document doc;
  BenchUi ui;
  FillTable(doc);
  CollectTableBlock(doc, ui);
  ScaleXY(doc.graph, 1, doc.ranges);
  for (auto _ : state) DrawGraph(doc, ui.canvas, 1);
}
BENCHMARK(BM_DrawXyGraph700x10)->Unit(benchmark::kMicrosecond);

}  // namespace
