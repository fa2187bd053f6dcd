// One expression text, in degrees or radians: no crash, no undefined behaviour, a value that is
// finite and already rounded as every computed value is, and a compiled program that agrees.

#include <cstdint>
#include <random>

#include "expression/evalue.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  if (size == 0) return 0;
  std::mt19937_64 rng(7);
  EvalContext context;
  context.angle_in_degrees = (data[0] & 1) == 0;
  context.rng = &rng;
  const std::string given(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string text = given;
  Real value = 0;
  int error_position = 0;
  bool failed = false;
  EvaluateExpression(text, value, error_position, failed, context);
  // A text that does not read to its end leaves a position and no failure.
  const bool ok = !failed && error_position == 0;
  // The compiled program of the text computes what the full reading computes.
  std::vector<ProgramStep> steps;
  Real run = 0;
  // (A text holding the input mark is a program's own: without inputs it is not one to run.)
  if (given.find(kInputMark) == std::string::npos && CompileExpression(given, steps)) {
    const bool ran = RunProgram(steps, nullptr, context, run);
    fuzz::Check(ran == ok, "the program and the full reading disagree on failing");
    fuzz::Check(!ran || SameBits(run, value), "the program computes another value");
  }
  if (!ok) return 0;
  Real rounded = value;
  fuzz::Check(RoundComputedValue(rounded), "a value that is not finite");
  fuzz::Check(SameBits(rounded, value), "a value not rounded to 13 digits");
  return 0;
}
