#pragma once

#include <random>
#include <string>
#include <vector>

#include "numbers/real.h"

namespace ravnelok {

// What the evaluation of one line's substituted text gave last time. Everything after the
// substitution depends only on that text, the angle unit and the UI texts, so an unchanged text
// gives the same result again (texts with random functions are never kept).
struct LineEvalCache {
  bool valid = false;
  bool angle_in_degrees = true;
  std::string substituted;
  std::string final_text;
  Real value = 0;
  int error_position = -1;
  bool failed = false;
  // The last sum written into this line's text, and the last value cell made for it.
  bool sum_valid = false;
  Real sum_total = 0;
  std::string sum_text;
  bool cell_valid = false;
  Real cell_value = 0;
  int cell_decimals = 0;
  std::string cell_text;
};

// What evaluation keeps from one pass to the next.
struct EvalState {
  // Seeded from the clock once; the random functions draw from it.
  std::mt19937_64 rng;
  // A cache: per line, the last evaluation of its substituted text; cleared with the word lists.
  std::vector<LineEvalCache> lines;
  // Whether the running pass has opened its table row yet.
  bool table_row_opened = false;
};

}  // namespace ravnelok
