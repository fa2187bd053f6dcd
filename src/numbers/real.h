#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace ravnelok {

// Every value, stored value and intermediate result. The expression language tests magnitudes
// against 1E2000 and 1E-1000, so the range of a double is not enough.
using Real = long double;
static_assert(std::numeric_limits<Real>::max_exponent10 >= 4932,
              "Real needs the 80-bit extended range");
static_assert(std::numeric_limits<Real>::digits >= 64, "Real needs a 64-bit mantissa");

// x == trunc(x), read off the bits of the x87 format: trunc there switches the rounding mode
// twice, which stalls the processor, and every value shown or substituted asks this.
inline bool IsWhole(Real x) {
#if defined(__x86_64__) || defined(__i386__)
  unsigned char raw[sizeof(Real)];
  std::memcpy(raw, &x, sizeof raw);
  uint64_t mantissa = 0;
  uint16_t sign_exponent = 0;
  std::memcpy(&mantissa, raw, 8);
  std::memcpy(&sign_exponent, raw + 8, 2);
  const int exponent = (sign_exponent & 0x7fff) - 16383;
  if (exponent == 0x7fff - 16383) return (mantissa << 1) == 0;  // infinity, not NaN
  if (exponent >= 63) return true;
  if (exponent < 0) return mantissa == 0;  // zero; anything else lies strictly inside (-1, 1)
  return (mantissa << (exponent + 1)) == 0;
#else
  return x == std::trunc(x);
#endif
}

// std::signbit(x), read off the bits of the x87 format: signbit there examines the value
// through the floating-point unit, which stalls the processor, and a compiled line asks this
// for every input.
inline bool SignBit(const Real& x) {
#if defined(__x86_64__) || defined(__i386__)
  uint16_t sign_exponent = 0;
  std::memcpy(&sign_exponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
  return (sign_exponent & 0x8000) != 0;
#else
  return std::signbit(x);
#endif
}

}  // namespace ravnelok
