#pragma once

#include <string>

#include "sheet/real.h"

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
};

}  // namespace ravnelok
