// Cost of the number texts that every recalculation pass needs per line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "numbers/format_value.h"
#include "numbers/number_text.h"

namespace {

using ravnelok::Real;

// Values as a worked calculation produces them: small integers, results rounded to 13
// digits, money amounts, tiny and large magnitudes.
const std::vector<Real>& Values() {
  static const std::vector<Real> values = [] {
    std::vector<Real> v = {5,
                           -2.5L,
                           0.333333333333300000L,
                           12345.678901L,
                           2.0L + 1e-10L,
                           3e-08L,
                           123456789.5L,
                           0.3L,
                           1500.0L,
                           -12.5L,
                           3.14159L,
                           42.0L,
                           1e-05L,
                           987654.321L,
                           -0.001L,
                           31999,
                           32000,
                           2.718281828459L,
                           1234567.0L,
                           0.0625L};
    for (Real& x : v) ravnelok::RoundTripNumber(x, 21);
    return v;
  }();
  return values;
}

// The texts the evaluator reads: substituted values and typed literals.
const std::vector<std::string>& Literals() {
  static const std::vector<std::string> texts = {
      "5",      "2.5",     "3.333333333333E-0001", "12345.678901", "1.5E+0003",
      "0.1",    "3.14159", "1.234567890123E+0008", "42",           "2.718281828459E+0000",
      "0.0625", "100",     "9.876543210000E-0005", "7.5",          "1."};
  return texts;
}

void BM_FormatValueAuto(benchmark::State& state) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravnelok::FormatValue(v[i], -1, 10));
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_FormatValueAuto);

void BM_FormatValueFixed2(benchmark::State& state) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravnelok::FormatValue(v[i], 2, 10));
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_FormatValueFixed2);

void BM_NumberToExprText(benchmark::State& state) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravnelok::NumberToExprText(v[i], 21));
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_NumberToExprText);

void BM_RoundTripNumber(benchmark::State& state) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    // A fresh quotient each time, as the evaluator hands over.
    Real x = v[i] / 3;
    ravnelok::RoundTripNumber(x, 21);
    benchmark::DoNotOptimize(x);
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_RoundTripNumber);

void BM_ReadDecimal(benchmark::State& state) {
  const auto& t = Literals();
  size_t i = 0;
  for (auto _ : state) {
    Real x = 0;
    int err = 0;
    benchmark::DoNotOptimize(ravnelok::ReadDecimal(t[i], x, err));
    benchmark::DoNotOptimize(x);
    if (++i == t.size()) i = 0;
  }
}
BENCHMARK(BM_ReadDecimal);

void BM_ToDigits18(benchmark::State& state) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravnelok::ToDigits18(v[i] / 7));
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_ToDigits18);

}  // namespace

namespace {

// What the recalculation does per line: the evaluator reads two numbers and rounds its
// result, the result is put into later expressions as text and shown in the value cell.
void BM_PerLine(benchmark::State& state) {
  const auto& v = Values();
  const auto& t = Literals();
  size_t i = 0;
  for (auto _ : state) {
    Real a = 0, b = 0;
    int err = 0;
    ravnelok::ReadDecimal(t[i % t.size()], a, err);
    ravnelok::ReadDecimal(t[(i + 1) % t.size()], b, err);
    Real x = v[i] * a / (b + 1);
    ravnelok::RoundTripNumber(x, 21);
    benchmark::DoNotOptimize(ravnelok::NumberToExprText(x, 21));
    benchmark::DoNotOptimize(ravnelok::FormatValue(x, -1, 10));
    if (++i == v.size()) i = 0;
  }
}
BENCHMARK(BM_PerLine);

}  // namespace
