#pragma once

#include <string>
#include <string_view>

#include "numbers/real.h"

namespace ravnelok {

// A value's 18 significant decimal digits, rounded to nearest: the base of every number text.
// value = 0.d1 d2 ... d18 x 10^exponent (d1 != 0), or zero. A NaN gives zero and an infinity
// the largest finite magnitude, so that no text ever shows either.
struct Digits18 {
  bool negative = false;
  bool zero = true;
  char digits[18] = {};  // '0'..'9'
  int exponent = 0;
};
Digits18 ToDigits18(Real v);

// Fixed notation of `d` with `decimals` decimals (0..), unpadded, into `out`, which holds at
// least FixedLength(d, decimals) characters; returns the number of characters written.
int FixedLength(const Digits18& d, int decimals);
int WriteFixed(const Digits18& d, int decimals, char* out);

// Fixed notation with `decimals` decimals (0..), a leading minus for every negative value (also
// one that rounds to zero), padded on the left with blanks to `width` (never cut). The magnitude
// is written with 18 significant digits and that digit string is cut after `decimals`
// decimals, rounding half up.
std::string FixedNotation(Real v, int decimals, int width);

// Widths for NumberToExprText and RoundTripNumber: a width W keeps W - 8 significant digits.
// Values are computed, kept and substituted at 13 digits; relations compare at 10.
inline constexpr int kWidth13Digits = 21;
inline constexpr int kWidth10Digits = 18;

// The number in the form the evaluator reads back: an integer below 32000 in magnitude as
// digits, everything else in scientific form with W - 8 significant digits (2..18) and a
// four-digit exponent, such as 3.200000000000E+0004.
std::string NumberToExprText(Real x, int width);
void AppendNumberToExprText(std::string& out, Real x, int width);
// x becomes the value read back from NumberToExprText(x, width).
void RoundTripNumber(Real& x, int width);

// The standard decimal reading of a whole text: digits, an optional point, an optional
// exponent with at least one digit ("1." is accepted, ".5" and "2e" are not). On failure
// returns false and the 1-based index of the offending character (length + 1 when the text
// ends too early). A magnitude beyond the real type's range fails; one below it reads as 0.
// A leading "+" or "-" is accepted. The result is the nearest representable value.
bool ReadDecimal(std::string_view text, Real& value, int& error_index);

// The 21-character scientific form of the value message: a blank or "-", one digit, ".",
// 12 digits, "E", the exponent's sign and four digits.
std::string ScientificText21(Real v);

// The value to 13 significant digits for other programs to read: no trailing zeros, "." as the
// decimal point, plain from 1E-5 up to below 1E15 (0.00001234, 123.5, -42) and E notation
// outside (1.5E300, 2E-7).
std::string DataText13(Real v);

}  // namespace ravnelok
