#include "numbers/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace ravnelok {

namespace {

__extension__ typedef unsigned __int128 u128;

// No caller needs more; it keeps every text of bounded size.
constexpr int kMaxDecimals = 10000;
constexpr int kMaxWidth = 10000;

constexpr uint64_t kPow5[28] = {1ull,
                                5ull,
                                25ull,
                                125ull,
                                625ull,
                                3125ull,
                                15625ull,
                                78125ull,
                                390625ull,
                                1953125ull,
                                9765625ull,
                                48828125ull,
                                244140625ull,
                                1220703125ull,
                                6103515625ull,
                                30517578125ull,
                                152587890625ull,
                                762939453125ull,
                                3814697265625ull,
                                19073486328125ull,
                                95367431640625ull,
                                476837158203125ull,
                                2384185791015625ull,
                                11920928955078125ull,
                                59604644775390625ull,
                                298023223876953125ull,
                                1490116119384765625ull,
                                7450580596923828125ull};

// Every power of ten up to 1e27 is exact in a 64-bit mantissa (5^27 < 2^64).
constexpr Real kPow10[28] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                             1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
                             1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

constexpr uint64_t k1e17 = 100000000000000000ull;
constexpr uint64_t k1e18 = 1000000000000000000ull;

u128 Pow10Int(int j) {
  u128 p = 1;
  while (j-- > 0) p *= 10;
  return p;
}

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Nine digits of x < 10^9, in 32-bit steps.
void Write9(uint32_t x, char* out) {
  const uint32_t high = x / 10000;  // 5 digits
  const uint32_t low = x - high * 10000;
  out[0] = static_cast<char>('0' + high / 10000);
  const uint32_t rest = high % 10000;
  std::memcpy(out + 1, kPairs + 2 * (rest / 100), 2);
  std::memcpy(out + 3, kPairs + 2 * (rest % 100), 2);
  std::memcpy(out + 5, kPairs + 2 * (low / 100), 2);
  std::memcpy(out + 7, kPairs + 2 * (low % 100), 2);
}

void Write18(uint64_t n, char* out) {
  const uint64_t high = n / 1000000000;
  Write9(static_cast<uint32_t>(high), out);
  Write9(static_cast<uint32_t>(n - high * 1000000000), out + 9);
}

// mag = m * 2^(ex - 64) with the top bit of m set, for a positive finite mag.
void Decompose(Real mag, uint64_t& m, int& ex) {
#if defined(__x86_64__) || defined(__i386__)
  // The x87 extended format: 64 mantissa bits with an explicit leading bit, then a 15-bit
  // biased exponent. Read directly, this is several times cheaper than frexp.
  unsigned char raw[sizeof(Real)];
  std::memcpy(raw, &mag, sizeof raw);
  uint16_t biased = 0;
  std::memcpy(&m, raw, 8);
  std::memcpy(&biased, raw + 8, 2);
  biased &= 0x7fff;
  if (biased != 0 && (m >> 63) != 0) {
    ex = biased - 16382;
    return;
  }
#endif
  const Real f = std::frexp(mag, &ex);  // mag = f * 2^ex, 0.5 <= f < 1
  m = static_cast<uint64_t>(f * 0x1p64L);
}

// 18 significant digits of a positive normal magnitude by exact integer arithmetic, rounded to
// nearest with ties to even as to_chars rounds. Covers roughly 1e-10 to 3e38; false elsewhere.
bool FastDigits(Real mag, uint64_t& digits, int& exponent) {
  static_assert(std::numeric_limits<Real>::digits == 64, "the exact path needs 64-bit mantissas");
  uint64_t m = 0;
  int ex = 0;
  Decompose(mag, m, ex);
  const int q = ex - 64;  // mag = m * 2^q
  const int e2 = ex - 1;  // 2^e2 <= mag < 2^(e2+1)
  if (e2 < -100 || e2 > 127) return false;
  const int f10 = (e2 * 78913) >> 18;  // floor(e2 * log10(2)) for |e2| < 2600
  // Scaling by 10^k puts mag * 10^k in [1e17, 2e18).
  const int k = 17 - f10;
  if (k > 27) return false;
  uint64_t n = 0;
  int tail = 0;  // the dropped part against one half: -1 below, 0 equal, 1 above
  bool tail_zero = true;
  if (k >= 0) {
    const u128 p = static_cast<u128>(m) * kPow5[k];  // mag * 10^k = p * 2^(q+k)
    const int sh = q + k;
    if (sh >= 0) {
      if (sh >= 64) return false;
      n = static_cast<uint64_t>(p << sh);
      tail = -1;
    } else {
      const int s = -sh;
      if (s >= 128) return false;
      n = static_cast<uint64_t>(p >> s);
      const u128 rem = p & ((static_cast<u128>(1) << s) - 1);
      const u128 half = static_cast<u128>(1) << (s - 1);
      tail_zero = rem == 0;
      tail = rem < half ? -1 : (rem == half ? 0 : 1);
    }
  } else {
    const u128 a = q >= 0 ? static_cast<u128>(m) << q : static_cast<u128>(m);
    const u128 b = Pow10Int(-k) << (q < 0 ? -q : 0);
    n = static_cast<uint64_t>(a / b);
    const u128 rem = a % b;
    tail_zero = rem == 0;
    tail = rem < b - rem ? -1 : (rem == b - rem ? 0 : 1);
  }
  exponent = 18 - k;
  bool up = false;
  if (n >= k1e18) {
    const unsigned last = static_cast<unsigned>(n % 10);
    n /= 10;
    ++exponent;
    up = last > 5 || (last == 5 && (!tail_zero || (n & 1)));
  } else {
    up = tail > 0 || (tail == 0 && (n & 1));
  }
  if (up && ++n == k1e18) {
    n = k1e17;
    ++exponent;
  }
  digits = n;
  return true;
}

// The last value RoundTripNumber made by one exact scaling, with its rounded digits: a computed
// value is rounded so and then shown at once. That value is the nearest to its digits by far
// less than half a unit of the 18th digit, so its 18 digits are these followed by zeros.
struct LastRounded {
  bool valid = false;
  Real value = 0;
  uint64_t mantissa = 0;
  int count = 0;
  int exponent = 0;  // of the first digit
};
thread_local LastRounded last_rounded;

}  // namespace

Digits18 ToDigits18(Real v) {
  Digits18 d;
  if (std::isnan(v) || v == 0) return d;
  if (last_rounded.valid && v == last_rounded.value) {
    uint64_t n = last_rounded.mantissa;
    for (int i = last_rounded.count; i < 18; ++i) n *= 10;
    d.negative = v < 0;
    d.zero = false;
    d.exponent = last_rounded.exponent + 1;
    Write18(n, d.digits);
    return d;
  }
  d.negative = v < 0;
  Real mag = d.negative ? -v : v;
  if (std::isinf(mag)) mag = std::numeric_limits<Real>::max();
  d.zero = false;
  uint64_t n = 0;
  if (FastDigits(mag, n, d.exponent)) {
    Write18(n, d.digits);
    return d;
  }
  char buf[64];
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
  return d;
}

int FixedLength(const Digits18& d, int decimals) {
  const int int_digits = d.zero ? 1 : std::max(d.exponent, 1);
  // Sign, a carried 1, the integer digits, the point and the decimals.
  return 2 + int_digits + (decimals > 0 ? 1 + decimals : 0);
}

namespace {

// Digits from..from+count-1 of d, 0 being its first: zeros outside the 18 it has. Written in
// plain loops: the runs are a few characters, shorter than a library call is worth.
char* PutDigits(const Digits18& d, int from, int count, char* p) {
  char* const end = p + count;
  if (d.zero) {
    while (p < end) *p++ = '0';
    return end;
  }
  const int before = std::clamp(-from, 0, count);
  for (int i = 0; i < before; ++i) *p++ = '0';
  const int first = from + before;
  const int have = std::clamp(18 - first, 0, static_cast<int>(end - p));
  for (int i = 0; i < have; ++i) *p++ = d.digits[first + i];
  while (p < end) *p++ = '0';
  return end;
}

}  // namespace

int WriteFixed(const Digits18& d, int decimals, char* out) {
  if (decimals < 0) decimals = 0;
  const int e = d.zero ? 1 : d.exponent;
  char* start = out + 2;  // room for a carried 1 and the sign
  char* p = start;
  if (e <= 0) {
    *p++ = '0';
  } else {
    p = PutDigits(d, 0, e, p);
  }
  if (decimals > 0) {
    *p++ = '.';
    p = PutDigits(d, e, decimals, p);
  }
  // The 18-digit string is cut after the last decimal, half up on the first dropped digit.
  const long long dropped = static_cast<long long>(e) + decimals;
  if (!d.zero && dropped >= 0 && dropped < 18 && d.digits[dropped] >= '5') {
    char* c = p - 1;
    for (;;) {
      if (c < start) {
        *--start = '1';
        break;
      }
      if (*c == '.') {
        --c;
      } else if (*c == '9') {
        *c-- = '0';
      } else {
        ++*c;
        break;
      }
    }
  }
  if (d.negative) *--start = '-';
  const int len = static_cast<int>(p - start);
  // Forwards, from a start at or after out.
  for (int i = 0; i < len; ++i) out[i] = start[i];
  return len;
}

std::string FixedNotation(Real v, int decimals, int width) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  width = std::min(width, kMaxWidth);
  const Digits18 d = ToDigits18(v);
  const int need = FixedLength(d, decimals);
  char stack[128];
  std::string heap;
  char* buf = stack;
  if (need > static_cast<int>(sizeof stack)) {
    heap.resize(need);
    buf = heap.data();
  }
  const int len = WriteFixed(d, decimals, buf);
  std::string out;
  out.reserve(std::max(len, width));
  if (len < width) out.append(width - len, ' ');
  out.append(buf, len);
  return out;
}

namespace {

// The first `count` significant digits (2..18) as an integer, rounded half up from the 18
// digits, with the decimal exponent of the first of them.
struct Significant {
  uint64_t mantissa = 0;
  int exponent = 0;
};

Significant RoundToSignificant(const Digits18& d, int count) {
  Significant s;
  if (d.zero) return s;
  uint64_t m = 0;
  for (int i = 0; i < count; ++i) m = m * 10 + static_cast<uint64_t>(d.digits[i] - '0');
  s.exponent = d.exponent - 1;
  if (count < 18 && d.digits[count] >= '5') {
    ++m;
    uint64_t limit = 1;
    for (int i = 0; i < count; ++i) limit *= 10;
    if (m == limit) {
      m = limit / 10;
      ++s.exponent;
    }
  }
  s.mantissa = m;
  return s;
}

// The same as RoundToSignificant(ToDigits18(v), count) for a finite non-zero v, straight from
// the 18-digit integer where the exact path gives it.
Significant SignificantOf(Real v, int count) {
  const Real mag = v < 0 ? -v : v;
  uint64_t n = 0;
  int exponent = 0;
  if (!FastDigits(mag, n, exponent)) return RoundToSignificant(ToDigits18(v), count);
  uint64_t scale = 1;  // 10^(18 - count)
  for (int i = count; i < 18; ++i) scale *= 10;
  Significant s;
  s.mantissa = n / scale;
  s.exponent = exponent - 1;
  // Half up on the first dropped digit.
  if (count < 18 && (n / (scale / 10)) % 10 >= 5 && ++s.mantissa == k1e18 / scale) {
    s.mantissa /= 10;
    ++s.exponent;
  }
  return s;
}

int ClampDigits(int width) {
  return std::clamp(width - 8, 2, 18);
}

// Scientific form with `count` significant digits and a four-digit exponent; returns the length.
int WriteScientific(bool negative, const Significant& s, int count, char* out) {
  char* p = out;
  if (negative) *p++ = '-';
  char digits[20];
  uint64_t m = s.mantissa;
  for (int i = count - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + m % 10);
    m /= 10;
  }
  *p++ = digits[0];
  *p++ = '.';
  std::memcpy(p, digits + 1, count - 1);
  p += count - 1;
  *p++ = 'E';
  *p++ = s.exponent < 0 ? '-' : '+';
  int e = s.exponent < 0 ? -s.exponent : s.exponent;
  char exp_digits[8];
  int n = 0;
  do {
    exp_digits[n++] = static_cast<char>('0' + e % 10);
    e /= 10;
  } while (e > 0);
  while (n < 4) exp_digits[n++] = '0';
  while (n > 0) *p++ = exp_digits[--n];
  return static_cast<int>(p - out);
}

// Infinities stand for the largest finite magnitude, as ToDigits18 takes them.
Real FiniteOrLargest(Real x) {
  if (!std::isinf(x)) return x;
  return x < 0 ? -std::numeric_limits<Real>::max() : std::numeric_limits<Real>::max();
}

bool IsSmallInteger(Real x) {
  return std::fabs(x) < 32000 && IsWhole(x);
}

// A whole x of IsSmallInteger as an int; through double, which converts without switching
// the x87 rounding mode.
int SmallInteger(Real x) {
  return static_cast<int>(static_cast<double>(x));
}

int WriteExprText(Real x, int width, char* out) {
  if (IsSmallInteger(x)) {
    const auto res = std::to_chars(out, out + 8, SmallInteger(x));
    return static_cast<int>(res.ptr - out);
  }
  const int count = ClampDigits(width);
  if (std::isnan(x) || x == 0) return WriteScientific(false, Significant(), count, out);
  return WriteScientific(x < 0, SignificantOf(FiniteOrLargest(x), count), count, out);
}

// m * 10^e10 with one correctly rounded operation on exact operands, or false when the
// operands would not be exact.
bool ScaleExactly(uint64_t m, long long e10, bool negative, Real& value) {
  if (e10 < -27 || e10 > 27) return false;
  Real r = static_cast<Real>(m);
  if (e10 >= 0) {
    r *= kPow10[e10];
  } else {
    r /= kPow10[-e10];
  }
  value = negative ? -r : r;
  return true;
}

}  // namespace

std::string NumberToExprText(Real x, int width) {
  char buf[32];
  return std::string(buf, WriteExprText(x, width, buf));
}

void AppendNumberToExprText(std::string& out, Real x, int width) {
  char buf[32];
  out.append(buf, WriteExprText(x, width, buf));
}

void RoundTripNumber(Real& x, int width) {
  if (std::isnan(x)) x = 0;
  if (std::isinf(x))
    x = x < 0 ? -std::numeric_limits<Real>::max() : std::numeric_limits<Real>::max();
  if (IsSmallInteger(x)) {
    x = SmallInteger(x);  // also makes -0 the 0 that its text reads back as
    return;
  }
  const int count = ClampDigits(width);
  const bool negative = x < 0;
  const Significant s = SignificantOf(x, count);
  if (ScaleExactly(s.mantissa, static_cast<long long>(s.exponent) - (count - 1), negative, x)) {
    last_rounded = LastRounded{true, x, s.mantissa, count, s.exponent};
    return;
  }
  char buf[32];
  const int len = WriteScientific(negative, s, count, buf);
  Real back = 0;
  int err = 0;
  // A text rounded up beyond the largest value does not read back; x then stays as it is.
  if (ReadDecimal(std::string_view(buf, len), back, err)) x = back;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Eight digits at p as their value, or false when they are not all digits; the digits of a
// substituted value are read eight at a time.
bool EightDigits(const char* p, uint64_t& value) {
#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
  return false;
#endif
  uint64_t x = 0;
  std::memcpy(&x, p, 8);
  // Each byte is 0x30..0x39 exactly when its high half is 3 and adding 6 keeps it so.
  if ((((x & 0xF0F0F0F0F0F0F0F0ull) |
        (((x + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull) >> 4)) != 0x3333333333333333ull)) {
    return false;
  }
  x -= 0x3030303030303030ull;
  // Little-endian: the first digit is the lowest byte. Pairs, then fours, then all eight.
  x = (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FFull;
  x = (x * 100 + (x >> 16)) & 0x0000FFFF0000FFFFull;
  x = (x * 10000 + (x >> 32)) & 0xFFFFFFFFull;
  value = x;
  return true;
}

// The slow reading for what the exact scaling does not cover. `body` is the validated text
// without a leading '+'.
bool ReadDecimalSlow(std::string_view body, long long first_digit_exp10, long long exp10,
                     size_t mantissa_end, Real& value) {
  Real result = 0;
  const auto res = std::from_chars(body.data(), body.data() + body.size(), result);
  if (res.ec == std::errc()) {
    value = result;
    return true;
  }
  // Out of range. A first significant digit at 10^0 or above means overflow.
  if (first_digit_exp10 >= 0) return false;
  // Below the normal range: read the value scaled up by 10^27 and scale it down again, so that
  // subnormal results keep their value (within one unit of the last place).
  std::string scaled(body.substr(0, mantissa_end));
  char exp_text[24];
  const auto e = std::to_chars(exp_text, exp_text + sizeof exp_text, exp10 + 27);
  scaled += 'e';
  scaled.append(exp_text, e.ptr);
  Real y = 0;
  const auto res2 = std::from_chars(scaled.data(), scaled.data() + scaled.size(), y);
  const bool negative = body[0] == '-';
  if (res2.ec != std::errc()) {
    value = negative ? -0.0L : 0.0L;
  } else {
    value = y / kPow10[27];
  }
  return true;
}

}  // namespace

namespace {

// Moves past an optional sign at i, noting it; whether a digit follows.
bool SignThenDigit(std::string_view text, size_t& i, bool& negative) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i < text.size() && IsDigit(text[i]);
}

}  // namespace

bool ReadDecimal(std::string_view text, Real& value, int& error_index) {
  const size_t n = text.size();
  size_t i = 0;
  bool negative = false;
  if (!SignThenDigit(text, i, negative)) {
    error_index = static_cast<int>(i) + 1;
    return false;
  }
  const size_t body_start = text[0] == '+' ? 1 : 0;  // from_chars takes no '+'
  // Up to 19 significant digits are gathered exactly; more send the text to the slow reading.
  uint64_t mantissa = 0;
  int significant = 0;
  bool exact = true;
  long long int_digits = 0;     // integer digits from the first non-zero one
  long long leading_zeros = 0;  // zeros after the point before the first non-zero digit
  long long frac_digits = 0;    // decimals that count in the mantissa
  // Leading zeros carry no digit; every later integer digit counts, significant or not.
  while (i < n && text[i] == '0') ++i;
  for (; i < n && IsDigit(text[i]); ++i) {
    ++int_digits;
    if (significant < 19) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
      ++significant;
    } else {
      exact = false;
    }
  }
  if (i < n && text[i] == '.') {
    ++i;
    if (mantissa == 0) {
      for (; i < n && text[i] == '0'; ++i) {
        ++frac_digits;
        ++leading_zeros;
      }
    }
    uint64_t eight = 0;
    while (significant <= 11 && i + 8 <= n && EightDigits(text.data() + i, eight)) {
      mantissa = mantissa * 100000000 + eight;
      significant += 8;
      frac_digits += 8;
      i += 8;
    }
    for (; i < n && IsDigit(text[i]); ++i) {
      if (significant < 19) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
        ++significant;
        ++frac_digits;
      } else {
        exact = false;
      }
    }
  }
  const size_t mantissa_end = i;
  long long exp10 = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exp_negative = false;
    if (!SignThenDigit(text, i, exp_negative)) {
      error_index = static_cast<int>(i) + 1;
      return false;
    }
    // Saturates far beyond the real type's range, where the outcome no longer changes.
    while (i < n && IsDigit(text[i])) {
      if (exp10 < 1000000000) exp10 = exp10 * 10 + (text[i] - '0');
      ++i;
    }
    if (exp_negative) exp10 = -exp10;
  }
  if (i != n) {
    error_index = static_cast<int>(i) + 1;
    return false;
  }
  error_index = 0;
  if (mantissa == 0 && exact) {
    value = negative ? -0.0L : 0.0L;
    return true;
  }
  if (exact && ScaleExactly(mantissa, exp10 - frac_digits, negative, value)) return true;
  const long long first_digit_exp10 =
      int_digits > 0 ? int_digits - 1 + exp10 : exp10 - leading_zeros - 1;
  const std::string_view body = text.substr(body_start);
  if (ReadDecimalSlow(body, first_digit_exp10, exp10, mantissa_end - body_start, value)) {
    return true;
  }
  error_index = 1;
  return false;
}

std::string ScientificText21(Real v) {
  if (std::isnan(v)) v = 0;
  const Digits18 d = ToDigits18(v);
  char buf[32];
  buf[0] = ' ';
  const int len = WriteScientific(d.negative, RoundToSignificant(d, 13), 13, buf + 1);
  return buf[1] == '-' ? std::string(buf + 1, len) : std::string(buf, len + 1);
}

std::string DataText13(Real v) {
  if (std::isnan(v)) v = 0;
  const Digits18 d = ToDigits18(v);
  if (d.zero) return "0";
  const Significant s = RoundToSignificant(d, 13);
  char digits[13];
  uint64_t m = s.mantissa;
  for (int i = 12; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + m % 10);
    m /= 10;
  }
  int count = 13;
  while (count > 1 && digits[count - 1] == '0') --count;
  std::string out = d.negative ? "-" : "";
  const int e = s.exponent;  // value = d.ddd x 10^e
  if (e >= -5 && e < 15) {
    if (e < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-e - 1), '0');
      out.append(digits, static_cast<std::size_t>(count));
    } else {
      for (int i = 0; i <= e; ++i) out += i < count ? digits[i] : '0';
      if (count > e + 1) {
        out += '.';
        out.append(digits + e + 1, static_cast<std::size_t>(count - e - 1));
      }
    }
    return out;
  }
  out += digits[0];
  if (count > 1) {
    out += '.';
    out.append(digits + 1, static_cast<std::size_t>(count - 1));
  }
  out += 'E';
  out += std::to_string(e);
  return out;
}

}  // namespace ravnelok
