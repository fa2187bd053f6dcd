#pragma once

#include <array>
#include <string>

namespace ravnelok {

// The copy waiting to be pasted: up to two cells of the name, expression or unit column. It
// lives for the program's run; a new sheet or a loaded file keeps it.
struct CopyBuffer {
  bool held = false;
  std::array<std::string, 2> texts;
  int column = 0;
  int first_row = 0;
  int count = 0;
};

}  // namespace ravnelok
