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

#if defined(__x86_64__) || defined(__i386__)
// A value's bits in the x87 format: the 64-bit significand, and the sign with the biased
// exponent (bias 16383). Tests read as integers from these spare the processor the stalls of
// its floating-point unit, where they run for every point drawn or input read.
struct X87Bits {
  uint64_t mantissa = 0;
  uint16_t sign_exponent = 0;
};
inline X87Bits BitsOf(const Real& x) {
  X87Bits bits;
  std::memcpy(&bits.mantissa, &x, 8);
  std::memcpy(&bits.sign_exponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
  return bits;
}
#endif

// x == trunc(x), read off the bits: trunc switches the rounding mode twice.
inline bool IsWhole(Real x) {
#if defined(__x86_64__) || defined(__i386__)
  const auto [mantissa, sign_exponent] = BitsOf(x);
  const int exponent = (sign_exponent & 0x7fff) - 16383;
  if (exponent == 0x7fff - 16383) return (mantissa << 1) == 0;  // infinity, not NaN
  if (exponent >= 63) return true;
  if (exponent < 0) return mantissa == 0;  // zero; anything else lies strictly inside (-1, 1)
  return (mantissa << (exponent + 1)) == 0;
#else
  return x == std::trunc(x);
#endif
}

// std::signbit(x), read off the bits: signbit examines the value in the floating-point unit.
inline bool SignBit(const Real& x) {
#if defined(__x86_64__) || defined(__i386__)
  return (BitsOf(x).sign_exponent & 0x8000) != 0;
#else
  return std::signbit(x);
#endif
}

}  // namespace ravnelok
