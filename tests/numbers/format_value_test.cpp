#include "numbers/format_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "numbers/number_text.h"

namespace ravnelok {
namespace {

// Decimals -1 is automatic. Never an infinity or NaN in a cell; the tiny-value text keeps seven
// decimals whatever the width.
TEST(FormatValue, Examples) {
  // The value, decimals, width, text, and CountShownDecimals at width 10 (-1: not checked).
  // clang-format off
  const std::tuple<Real, int, int, const char*, int> cases[] = {
      {-2.5L, -1, 10, "      -2.5", -1}, {1.0L / 3, -1, 10, " 0.3333333", 7},
      {12345.678901L, -1, 10, "12345.6789", 4}, {2 + 1e-10L, -1, 10, "        2.", 0},
      {99999.99999999L, -1, 10, "    100000", -1}, {3e-08L, -1, 10, " 0.0000000", 0},
      {123456789.5L, -1, 10, " 123456790", 0}, {9999999999.0L, -1, 10, "9999999999", -1},
      {-9999999999.0L, -1, 10, "   ###", -1}, {0.125L, 2, 10, "      0.13", 3},
      {-0.001L, 2, 10, "     -0.00", -1}, {1e10L + 0.5L, 0, 10, "   ###", -1},
      {std::numeric_limits<Real>::infinity(), -1, 10, "   ###", -1},
      {1.0L / 3, -1, 12, " 0.333333333", -1}, {1e-9L, -1, 8, "   ###", -1},
      {1e300L, 0, 10, "   ###", 0}};
  // clang-format on
  for (const auto& [v, decimals, width, text, shown] : cases) {
    EXPECT_EQ(FormatValue(v, decimals, width), text) << text;
    EXPECT_EQ(shown < 0 ? -1 : CountShownDecimals(v, 10), shown) << text;
  }
}

constexpr Real kMax = std::numeric_limits<Real>::max();
constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

Real Read(const char* text) {
  Real v = -1;
  int err = -1;
  EXPECT_TRUE(ReadDecimal(text, v, err) && err == 0) << text;
  return v;
}

// At least 2 and at most 18 digits; a carry moves the exponent.
TEST(NumberText, NumberToExprTextAndRoundTripNumberRoundsToTheShownDigits) {
  const std::tuple<Real, int, const char*> cases[] = {{31999, 21, "31999"},
                                                      {-0.0L, 21, "0"},
                                                      {32000, 21, "3.200000000000E+0004"},
                                                      {1.0L / 3, 8, "3.3E-0001"},
                                                      {9.96L, 10, "1.0E+0001"},
                                                      {2.0L / 3, 40, "6.66666666666666667E-0001"},
                                                      {1e-4000L, 21, "1.000000000000E-4000"},
                                                      {kInf, 21, "1.189731495357E+4932"},
                                                      {kNaN, 21, "0.000000000000E+0000"}};
  for (const auto& [x, width, text] : cases) EXPECT_EQ(NumberToExprText(x, width), text) << text;
  // Rounded up beyond the largest value its text does not read back: it stays.
  // clang-format off
  const std::tuple<Real, int, Real> rounded[] = {
      {1.0L / 3, 21, Read("0.3333333333333")}, {0.1L + 0.2L, 21, Read("0.3")},
      {2.0L / 3, 18, Read("0.6666666667")}, {1e-4000L / 3, 21, Read("3.333333333333E-4001")},
      {kNaN, 21, 0}, {kMax, 40, kMax}, {kInf, 40, kMax}};
  // clang-format on
  for (const auto& [x, width, expected] : rounded) {
    Real rounded = x;
    RoundTripNumber(rounded, width);
    EXPECT_EQ(rounded, expected) << NumberToExprText(x, width);
  }
  Real z = -0.0L;
  RoundTripNumber(z, 21);
  EXPECT_FALSE(std::signbit(z));
}

// A value just rounded is shown from the digits the rounding kept: they must be the digits the
// value itself gives.
TEST(NumberText, DigitsOfAJustRoundedValueAreItsOwn) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-40, 40);
  std::uniform_int_distribution<int> width(10, 26);
  for (int i = 0; i < 20000; ++i) {
    Real x = mantissa(rng) / 3 * std::pow(10.0L, exponent(rng));
    RoundTripNumber(x, width(rng));
    const Digits18 shown = ToDigits18(x);
    Real other = 1.0L / 7;  // another rounding, so that x's digits are computed afresh
    RoundTripNumber(other, 21);
    const Digits18 own = ToDigits18(x);
    ASSERT_EQ(std::string(shown.digits, 18), std::string(own.digits, 18)) << ScientificText21(x);
    ASSERT_EQ(shown.exponent, own.exponent);
    ASSERT_EQ(shown.negative, own.negative);
  }
}

// The bit reading agrees with trunc at every boundary of the format.
TEST(NumberText, IsWholeAgreesWithTrunc) {
  const Real two63 = 9223372036854775808.0L;
  // clang-format off
  const Real cases[] = {0.0L, -0.0L, 0.5L, -0.5L, 1, -1, 1 - 1e-19L, 1 + 1e-18L, 31999.5L,
                        two63 / 2 - 0.5L, two63 / 2 + 1, two63 - 1, two63, 1e30L, -1e4000L,
                        std::numeric_limits<Real>::denorm_min(), kInf, -kInf, kNaN, kMax};
  // clang-format on
  for (const Real x : cases) EXPECT_EQ(IsWhole(x), x == std::trunc(x)) << ScientificText21(x);
}

// A refusal gives the error index and leaves the value alone.
TEST(NumberText, ReadDecimalAcceptsAndRejectsFixedNotationAndScientificText21) {
  // clang-format off
  const std::tuple<const char*, bool, Real> cases[] = {
      {"1.", true, 1},       {"00012.50", true, 12.5L}, {"1.5E-0004", true, 1.5e-4L},
      {"1e-99999", true, 0}, {"0e99999", true, 0},      {"", false, 1},
      {".5", false, 1},      {"2e", false, 3},          {"1..5", false, 3},
      {" 1", false, 1},      {"1e99999", false, 1},     {"1.2e4932", false, 1},
      // Decimals are read eight at a time where eight digits follow, and one at a time after.
      {"0.0012345678901", true, 0.0012345678901L}, {"0.1234567E+0005", true, 12345.67L},
      {"3.141592653589793238", true, 3.141592653589793238L},
      {"2.71828182845904523536", true, 2.71828182845904523536L}, {"1.1234567x9", false, 10},
      {"1.12345678:", false, 11}};
  // clang-format on
  for (const auto& [text, ok, value] : cases) {
    Real v = -7;
    int err = -1;
    ASSERT_EQ(ReadDecimal(text, v, err), ok) << text;
    EXPECT_EQ(ok ? v : err, ok ? value : static_cast<int>(value)) << text;
    EXPECT_EQ(ok ? err : v, ok ? 0 : -7) << text;
  }
  // Subnormal results keep their value.
  const Real v = Read("1e-4940");
  EXPECT_TRUE(v > 0 && v < std::numeric_limits<Real>::min());
  EXPECT_NEAR(static_cast<double>(v * 1e27L / Read("1e-4913")), 1.0, 1e-9);
  EXPECT_EQ(Read("-3.6e-4951"), -std::numeric_limits<Real>::denorm_min());
  // Cases the value formatting pins already are not repeated here.
  const std::tuple<Real, int, int, const char*> fixed[] = {
      {-2.5L, 0, 0, "-3"},
      {0.45L, 1, 0, "0.5"},  // the 18-digit string rounds, not the binary value
      {2.0L / 3, 20, 0, "0.66666666666666666700"},
      {123456.789L, 3, 4, "123456.789"},  // never cut
      {1234567890123456789.0L, 0, 0, "1234567890123456790"}};
  for (const auto& [v, decimals, width, text] : fixed) {
    EXPECT_EQ(FixedNotation(v, decimals, width), text) << text;
  }
  EXPECT_EQ(ScientificText21(99999999999999.9L), " 1.000000000000E+0014");
}

}  // namespace
}  // namespace ravnelok
