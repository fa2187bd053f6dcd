#include "numbers/format_value.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "numbers/number_text.h"

namespace ravnelok {

namespace {

// Widths beyond this make no sense for a value cell; clamping keeps every text on the stack.
constexpr int kMaxWidth = 100;
constexpr int kMaxDecimals = 100;
// Magnitudes above this never fit, whatever the decimals.
constexpr Real kLargest = 1e10L;
// Below this the automatic rule shows a zero with seven decimals.
constexpr Real kTiny = 5e-08L;

constexpr std::string_view kOverflow = "   ###";

// A fixed-notation text without blanks, built in place.
struct Text {
  char buf[2 * kMaxWidth + 64];
  int len = 0;

  // Fixed notation of d; false when it would not fit (only for magnitudes far above 1e10).
  bool Fixed(const Digits18& d, int decimals) {
    if (FixedLength(d, decimals) > static_cast<int>(sizeof buf)) return false;
    len = WriteFixed(d, decimals, buf);
    return true;
  }
  // 0-based index of the point, or -1.
  int Point() const {
    for (int i = 0; i < len; ++i) {
      if (buf[i] == '.') return i;
    }
    return -1;
  }
  // Trailing zeros go while the point is not the last character.
  void StripZeros() {
    if (Point() < 0) return;
    while (len > 0 && buf[len - 1] == '0') --len;
  }
  // Characters after the point, 0 when there is none.
  int Decimals() const {
    const int p = Point();
    return p < 0 ? 0 : len - 1 - p;
  }
  // Characters are cut from the end while the text is longer than `width` and the point is
  // not the last character.
  void CutTo(int width) {
    while (len > width && len > 0 && buf[len - 1] != '.') --len;
  }
};

// log(a) / log(10) truncated, for a >= 10, as the logarithms give it. Away from the powers of
// ten that is the number of integer digits less one, read off the digits; close to one the
// logarithms may land on either side, and are taken.
int WholeDecimalLog(Real a, const Digits18& d) {
  const bool near_power =
      std::memcmp(d.digits, "100000", 6) == 0 || std::memcmp(d.digits, "999999", 6) == 0;
  if (near_power) return static_cast<int>(std::log(a) / std::log(10.0L));
  return d.exponent - 1;
}

// Whether v lies so close to a whole number that its point is not shown.
bool NearWhole(Real v, const Digits18& d) {
  const Real a = std::fabs(v);
  if (a < 0.5L) return false;
  int n = 12;
  if (a >= 10) {
    n = 12 - (WholeDecimalLog(a, d) + 1);
  }
  if (n < 1) return false;
  Text text;
  if (!text.Fixed(d, n)) return false;
  const char* s = text.buf;
  int len = text.len;
  if (v < 0) {
    ++s;
    --len;
  }
  const void* point = std::memchr(s, '.', len);
  if (!point) return false;
  const int p = static_cast<int>(static_cast<const char*>(point) - s) + 1;  // 1-based
  const int z = n - p;
  if (z <= 0) return true;
  for (int i = 0; i < z; ++i) {
    if (s[p + i] != '0') return false;
  }
  return true;
}

void DropFinalPoint(Text& text, bool near_whole) {
  if (near_whole && text.len > 0 && text.buf[text.len - 1] == '.') --text.len;
}

void Put(CellText& out, std::string_view text) {
  std::memcpy(out.text, text.data(), text.size());
  out.length = static_cast<int>(text.size());
}

void PutPadded(CellText& out, const char* s, int len, int width) {
  const int pad = len < width ? width - len : 0;
  for (int i = 0; i < pad; ++i) out.text[i] = ' ';
  for (int i = 0; i < len; ++i) out.text[pad + i] = s[i];
  out.length = pad + len;
}

}  // namespace

std::string FormatValue(Real v, int decimals, int value_width) {
  CellText out;
  FormatValueInto(v, decimals, value_width, out);
  return std::string(out.View());
}

void FormatValueInto(Real v, int decimals, int value_width, CellText& out) {
  const int w = std::clamp(value_width, 1, kMaxWidth);
  if (std::isnan(v) || std::fabs(v) > kLargest) return Put(out, kOverflow);
  const Digits18 d = ToDigits18(v);
  Text text;
  if (decimals != kAutoDecimals) {
    text.Fixed(d, std::min(decimals, kMaxDecimals));
  } else if (IsWhole(v)) {
    text.Fixed(d, 0);
  } else {
    const bool near_whole = NearWhole(v, d);
    text.Fixed(d, std::max(w - 3, 0));
    text.StripZeros();
    DropFinalPoint(text, near_whole);
    if (text.len > w) {
      text.CutTo(w);
      text.Fixed(d, text.Decimals());
      if (text.Point() >= 0) {
        text.StripZeros();
        DropFinalPoint(text, near_whole);
      }
    }
    if (std::fabs(v) < kTiny) {
      // Seven decimals and this very text, whatever the width.
      return Put(out, w < 10 ? kOverflow : (v < 0 ? "-0.0000000" : " 0.0000000"));
    }
  }
  if (text.len > w) return Put(out, kOverflow);
  PutPadded(out, text.buf, text.len, w);
}

int CountShownDecimals(Real v, int value_width) {
  const int w = std::clamp(value_width, 1, kMaxWidth);
  if (!std::isfinite(v)) return 0;
  const Digits18 d = ToDigits18(v);
  Text text;
  // An integer part too long for the buffer is far longer than the width, and then the cut
  // below reaches the point: no decimals.
  if (!text.Fixed(d, std::max(w - 3, 0))) return 0;
  text.StripZeros();
  if (text.len > w) {
    text.CutTo(w);
    text.Fixed(d, text.Decimals());
  }
  return text.Decimals();
}

}  // namespace ravnelok
