// Evaluation of typical substituted lines; a sheet of 999 lines must take well under 1 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "document/ui_texts.h"
#include "expression/conditions.h"
#include "expression/evalue.h"

namespace {

using ravnelok::EvalContext;
using ravnelok::Real;

const char* const kLines[] = {
    "(5)+1",
    "2*(2.5E-0001)",
    "SIN(30)*(1.234567890123E+0003)/7",
    "((1.5E+0003)-(2.E+0005))^2/(3.141592653590E+0000)",
    "fak(10)+kvr(2)-rund(7.5)",
};

void BM_EvaluateLine(benchmark::State& state) {
  const std::string line = kLines[state.range(0)];
  EvalContext context;
  Real value = 0;
  int error_position = 0;
  bool failed = false;
  for (auto _ : state) {
    std::string text = line;  // the caller's copy; evaluation rewrites it
    ravnelok::EvaluateExpression(text, value, error_position, failed, context);
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(line);
}
BENCHMARK(BM_EvaluateLine)->DenseRange(0, 4);

// A whole sheet: 999 lines of the mix above.
void BM_EvaluateSheet(benchmark::State& state) {
  EvalContext context;
  Real value = 0;
  int error_position = 0;
  bool failed = false;
  for (auto _ : state) {
    for (int k = 0; k < 999; ++k) {
      std::string text = kLines[k % 5];
      ravnelok::EvaluateExpression(text, value, error_position, failed, context);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * 999);
}
BENCHMARK(BM_EvaluateSheet)->Unit(benchmark::kMicrosecond);

void BM_ConditionLine(benchmark::State& state) {
  ravnelok::UiTexts texts;
  texts.SetBuiltIn();
  EvalContext context;
  for (auto _ : state) {
    std::string text = "HVIS (5)>3 S\xC5 (5)*0.9 ELLERS (5)";
    ravnelok::ResolveIfThenElse(text, texts, context);
    ravnelok::ReplaceRelations(text, context);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ConditionLine);

}  // namespace
