// Full recalculation passes over sheets of three shapes, and loading a sheet file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/sheet_commands.h"
#include "app/unattended_ui.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "sheet/recalc.h"

namespace ravnelok {
namespace {

using QuietUi = UnattendedUi;

std::string Name(int k) {
  std::string name(1, 'v');
  name += std::to_string(k);
  return name;
}

// Each line uses the line above.
std::string Chain(int k) {
  return k == 1 ? "1,5" : Name(k - 1) + "*1,0001+1";
}

// Each line uses 5 to 10 earlier names and a function.
std::string ManyNames(int k) {
  if (k <= 10) return std::to_string(k) + ",25";
  const int uses = 5 + k % 6;
  std::string e = "KVR(ABS(";
  e += Name(k - 1);
  e += "))";
  for (int i = 1; i < uses; ++i) {
    const int j = k - 1 - (i * 7) % (k - 1);
    e += i % 2 ? '+' : '-';
    e += Name(j);
  }
  return "(" + e + ")/" + std::to_string(uses);
}

// Each line sums the 50 lines above.
std::string SumAbove(int k) {
  if (k <= 50) return std::to_string(k);
  return "SUM(A" + std::to_string(k - 50) + ":A" + std::to_string(k - 1) + ")/50";
}

void Fill(Document& doc, int lines, std::string (*expression)(int)) {
  doc.SetLineCount(lines);
  doc.InitialiseGrid();
  for (int k = 1; k <= lines; ++k) {
    doc.sheet.SetCell(Document::kName, k, Name(k));
    doc.sheet.SetCell(Document::kExpression, k, expression(k));
  }
}

// With `changing`, line 1 counts up by itself, so every value of the sheet changes at every
// pass and nothing of the previous pass can be used again.
void RunPass(benchmark::State& state, std::string (*expression)(int), bool changing = false) {
  Document doc;
  QuietUi ui;
  Fill(doc, static_cast<int>(state.range(0)), expression);
  if (changing) {
    doc.sheet.SetCell(Document::kExpression, 1, "v1+0,5");
    doc.records.StoreValue(1, 1.5L);
  }
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  for (auto _ : state) {
    RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
    benchmark::DoNotOptimize(doc.sheet.Cell(Document::kValue, doc.LineCount()));
  }
  // Every line must have computed: a failing sheet would measure the wrong thing.
  if (doc.sheet.Cell(Document::kValue, doc.LineCount()) == " ???")
    state.SkipWithError("line fails");
}

void BM_Chain(benchmark::State& state) {
  RunPass(state, Chain);
}
void BM_Names(benchmark::State& state) {
  RunPass(state, ManyNames);
}
void BM_Sum(benchmark::State& state) {
  RunPass(state, SumAbove);
}

void BM_ChainChanging(benchmark::State& state) {
  RunPass(state, Chain, true);
}
void BM_NamesChanging(benchmark::State& state) {
  RunPass(state, ManyNames, true);
}
void BM_SumChanging(benchmark::State& state) {
  RunPass(state, SumAbove, true);
}

// Passes that each append a row of three values to the table, whose widths keep changing.
void BM_TableAppend(benchmark::State& state) {
  for (auto _ : state) {
    Document doc;
    QuietUi ui;
    doc.SetLineCount(3);
    doc.InitialiseGrid();
    const char* expressions[] = {"c+1", "c*c*c", "1/c"};
    for (int k = 1; k <= 3; ++k) {
      doc.sheet.SetCell(Document::kName, k, k == 1 ? "c" : Name(k));
      doc.sheet.SetCell(Document::kExpression, k, expressions[k - 1]);
      doc.sheet.SetCell(Document::kTableMark, k, "T");
    }
    doc.records.StoreValue(1, 0);
    RecalculateSheet(doc, ui, RecalcMode::kFresh);
    for (int64_t pass = 0; pass < state.range(0); ++pass) {
      RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
    }
    if (doc.settings.table_rows != state.range(0)) state.SkipWithError("rows missing");
  }
}

void BM_Load(benchmark::State& state) {
  Document doc;
  QuietUi ui;
  Fill(doc, static_cast<int>(state.range(0)), ManyNames);
  const std::string path = "/tmp/bench_recalc_" + std::to_string(getpid()) + ".rlk";
  {
    std::ofstream out(path, std::ios::binary);
    out << SheetFileBytes(doc);
  }
  for (auto _ : state) {
    Document target;
    target.InitialiseGrid();
    benchmark::DoNotOptimize(LoadSheet(target, ui, path));
  }
  std::remove(path.c_str());
}

BENCHMARK(BM_Chain)->Name("chain")->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Names)->Name("names")->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sum)->Name("sum")->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChainChanging)
    ->Name("chain-changing")
    ->Arg(500)
    ->Arg(999)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NamesChanging)
    ->Name("names-changing")
    ->Arg(500)
    ->Arg(999)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumChanging)->Name("sum-changing")->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableAppend)
    ->Name("table-append")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Name("load")->Arg(999)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravnelok
