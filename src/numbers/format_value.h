#pragma once

#include <string>
#include <string_view>

#include "numbers/real.h"

namespace ravnelok {

// A line's decimals when it has none of its own: the automatic rule chooses per value.
inline constexpr int kAutoDecimals = -1;
// The most decimals a value cell of `value_width` characters can show.
constexpr int MostDecimalsThatFit(int value_width) {
  return value_width - 3;
}
// A value cell whose line failed.
inline constexpr std::string_view kFailedValueText = " ???";

// The text of a value cell or table cell for a line with `decimals` (kAutoDecimals, 0..7).
std::string FormatValue(Real v, int decimals, int value_width = 10);

// The same text built in place, for callers that compare it before they store it.
struct CellText {
  char text[128];  // widths are clamped to 100
  int length = 0;
  std::string_view View() const { return {text, static_cast<size_t>(length)}; }
};
void FormatValueInto(Real v, int decimals, int value_width, CellText& out);
// How many decimals the automatic rule shows for a value that is not a whole number.
int CountShownDecimals(Real v, int value_width = 10);

}  // namespace ravnelok
