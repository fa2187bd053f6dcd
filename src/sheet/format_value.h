#pragma once

#include <string>

#include "sheet/real.h"

namespace ravnelok {

class Document;

// The text of a value cell or table cell for a line with `decimals` (-1 automatic, 0..7).
std::string FormatValue(Real v, int decimals, int value_width = 10);
// FormatValue with line k's decimals.
std::string FormatValue(const Document& doc, Real v, int k);
// How many decimals the automatic rule shows for a value that is not a whole number.
int CountShownDecimals(Real v, int value_width = 10);

}  // namespace ravnelok
