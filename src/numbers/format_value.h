#pragma once

#include <string>

#include "numbers/real.h"

namespace ravnelok {

// The text of a value cell or table cell for a line with `decimals` (-1 automatic, 0..7).
std::string FormatValue(Real v, int decimals, int value_width = 10);
// How many decimals the automatic rule shows for a value that is not a whole number.
int CountShownDecimals(Real v, int value_width = 10);

}  // namespace ravnelok
