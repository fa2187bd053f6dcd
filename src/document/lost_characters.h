#pragma once

#include <vector>

namespace ravnelok {

// A sheet cell read from a UTF-8 file with a character that Windows-1252 cannot hold, which the
// cell shows as "?". While the cell still holds what was read (its stamp unchanged), saving the
// sheet would lose the character, so saving is refused.
struct LostCharacter {
  int col = 0;
  int row = 0;
  unsigned long long stamp = 0;
  char32_t code_point = 0;
};
using LostCharacters = std::vector<LostCharacter>;

}  // namespace ravnelok
