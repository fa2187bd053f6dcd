#include "sheet/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace ravnelok {

Digits18 ToDigits18(Real v) {
  Digits18 d;
  d.negative = std::signbit(v);
  if (v == 0 || !std::isfinite(v)) return d;
  char buf[64];
  const Real mag = d.negative ? -v : v;
  auto res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, 17);
  // buf: d.ddddddddddddddddde[+-]xx
  const char* p = buf;
  d.digits[0] = *p++;
  ++p;  // point
  for (int i = 1; i < 18; ++i) d.digits[i] = *p++;
  ++p;  // 'e'
  int exp10 = 0;
  std::from_chars(*p == '+' ? p + 1 : p, res.ptr, exp10);
  d.exponent = exp10 + 1;
  d.zero = false;
  return d;
}

namespace {

// Adds one to the digit string at position `last` (0-based), carrying; true when the carry ran
// out of the front (all nines).
bool RoundUp(std::string& digits, int last) {
  for (int i = last; i >= 0; --i) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      return false;
    }
  }
  return true;
}

}  // namespace

std::string FixedNotation(Real v, int decimals, int width) {
  if (decimals < 0) decimals = 0;
  const Digits18 d = ToDigits18(v);
  // Integer digits and fraction digits of the 18-digit expansion.
  std::string int_part;
  std::string frac;
  if (!d.zero) {
    const std::string all(d.digits, 18);
    if (d.exponent > 0) {
      if (d.exponent >= 18) {
        int_part = all + std::string(d.exponent - 18, '0');
      } else {
        int_part = all.substr(0, d.exponent);
        frac = all.substr(d.exponent);
      }
    } else {
      frac = std::string(-d.exponent, '0') + all;
    }
  }
  if (int_part.empty()) int_part = "0";
  // Cut after `decimals` decimals, half up on the first dropped digit.
  std::string kept = int_part + frac.substr(0, std::min<size_t>(decimals, frac.size()));
  if (frac.size() < static_cast<size_t>(decimals)) kept.append(decimals - frac.size(), '0');
  const bool round_up = frac.size() > static_cast<size_t>(decimals) && frac[decimals] >= '5';
  size_t int_len = int_part.size();
  if (round_up && RoundUp(kept, static_cast<int>(kept.size()) - 1)) {
    kept.insert(kept.begin(), '1');
    ++int_len;
  }
  std::string out = d.negative ? "-" : "";
  out += kept.substr(0, int_len);
  if (decimals > 0) {
    out += '.';
    out += kept.substr(int_len);
  }
  if (static_cast<int>(out.size()) < width) out.insert(0, width - out.size(), ' ');
  return out;
}

namespace {

// Scientific form with `digits` significant digits (2..18) and a four-digit exponent.
std::string ScientificText(Real x, int digits) {
  const Digits18 d = ToDigits18(x);
  std::string mant = d.zero ? std::string(18, '0') : std::string(d.digits, 18);
  int exponent = d.zero ? 0 : d.exponent - 1;
  const bool up = digits < 18 && mant[digits] >= '5';
  mant.resize(digits);
  if (up && RoundUp(mant, digits - 1)) {
    mant.insert(mant.begin(), '1');
    mant.resize(digits);
    ++exponent;
  }
  std::string out = d.negative ? "-" : "";
  out += mant[0];
  out += '.';
  out += mant.substr(1);
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  std::string e = std::to_string(exponent < 0 ? -exponent : exponent);
  if (e.size() < 4) e.insert(0, 4 - e.size(), '0');
  out += e;
  return out;
}

}  // namespace

std::string NumberToExprText(Real x, int width) {
  if (std::fabs(x) < 32000 && x == std::nearbyint(x)) {
    const long long n = static_cast<long long>(x);
    return std::to_string(n);
  }
  int digits = width - 8;
  if (digits < 2) digits = 2;
  if (digits > 18) digits = 18;
  return ScientificText(x, digits);
}

void RoundTripNumber(Real& x, int width) {
  const std::string text = NumberToExprText(x, width);
  Real back = 0;
  int err = 0;
  if (ReadDecimal(text, back, err)) x = back;
}

bool ReadDecimal(std::string_view text, Real& value, int& error_index) {
  const size_t n = text.size();
  size_t i = 0;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t digits_start = i;
  while (i < n && text[i] >= '0' && text[i] <= '9') ++i;
  size_t mantissa_digits = i - digits_start;
  if (i < n && text[i] == '.') {
    ++i;
    const size_t frac_start = i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i;
    mantissa_digits += i - frac_start;
  }
  if (mantissa_digits == 0) {
    error_index = static_cast<int>(i) + 1;
    return false;
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t exp_start = i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == exp_start) {
      error_index = static_cast<int>(i) + 1;
      return false;
    }
  }
  if (i != n) {
    error_index = static_cast<int>(i) + 1;
    return false;
  }
  // from_chars does not take a leading '+'.
  std::string_view body = text;
  if (!body.empty() && body[0] == '+') body.remove_prefix(1);
  Real result = 0;
  auto res = std::from_chars(body.data(), body.data() + body.size(), result);
  if (res.ec == std::errc::result_out_of_range) {
    // Below the range reads as zero; beyond it is no number of ours.
    bool tiny = false;
    const size_t e = body.find_first_of("eE");
    if (e != std::string_view::npos) tiny = body.find('-', e) != std::string_view::npos;
    if (!tiny) {
      error_index = 1;
      return false;
    }
    result = 0;
  } else if (res.ec != std::errc() || res.ptr != body.data() + body.size()) {
    error_index = static_cast<int>(res.ptr - body.data()) + 1;
    return false;
  }
  value = result;
  error_index = 0;
  return true;
}

std::string ScientificText21(Real v) {
  std::string text = ScientificText(v, 13);
  if (text[0] != '-') text.insert(0, 1, ' ');
  return text;
}

}  // namespace ravnelok
