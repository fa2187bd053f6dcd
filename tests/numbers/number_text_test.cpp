#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ravnelok {
namespace {

constexpr Real kMax = std::numeric_limits<Real>::max();
constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

Real Read(const char* text) {
  Real v = -1;
  int err = -1;
  EXPECT_TRUE(ReadDecimal(text, v, err) && err == 0) << text;
  return v;
}

TEST(NumberText, NumberToExprText) {
  const struct {
    Real x;
    int width;
    const char* text;
  } cases[] = {
      {31999, 21, "31999"},
      {-0.0L, 21, "0"},
      {32000, 21, "3.200000000000E+0004"},
      {31999.5L, 21, "3.199950000000E+0004"},
      {1.0L / 3, 8, "3.3E-0001"},                   // at least 2 digits
      {9.96L, 10, "1.0E+0001"},                     // the carry moves the exponent
      {2.0L / 3, 40, "6.66666666666666667E-0001"},  // at most 18 digits
      {1e-4000L, 21, "1.000000000000E-4000"},
      {kMax, 21, "1.189731495357E+4932"},
      {kInf, 21, "1.189731495357E+4932"},
      {kNaN, 21, "0.000000000000E+0000"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToExprText(c.x, c.width), c.text) << c.text;
}

TEST(NumberText, RoundTripNumberRoundsToTheShownDigits) {
  const struct {
    Real x;
    int width;
    Real expected;
  } cases[] = {
      {1.0L / 3, 21, Read("0.3333333333333")},
      {0.1L + 0.2L, 21, Read("0.3")},
      {2.0L / 3, 18, Read("0.6666666667")},
      {1e-4000L / 3, 21, Read("3.333333333333E-4001")},
      {kNaN, 21, 0},
      // Rounded up beyond the largest value its text does not read back: it stays.
      {kMax, 40, kMax},
      {kInf, 40, kMax},
  };
  for (const auto& c : cases) {
    Real x = c.x;
    RoundTripNumber(x, c.width);
    EXPECT_EQ(x, c.expected) << NumberToExprText(c.x, c.width);
  }
  Real z = -0.0L;
  RoundTripNumber(z, 21);
  EXPECT_FALSE(std::signbit(z));
}

TEST(NumberText, ReadDecimalAcceptsAndRejects) {
  const struct {
    const char* text;
    bool ok;
    Real value;  // or the error index
  } cases[] = {
      {"1.", true, 1},       {"00012.50", true, 12.5L}, {"1.5E-0004", true, 1.5e-4L},
      {"1e-99999", true, 0}, {"0e99999", true, 0},      {"", false, 1},
      {".5", false, 1},      {"2e", false, 3},          {"1..5", false, 3},
      {" 1", false, 1},      {"1e99999", false, 1},     {"1.2e4932", false, 1},
  };
  for (const auto& c : cases) {
    Real v = -7;
    int err = -1;
    ASSERT_EQ(ReadDecimal(c.text, v, err), c.ok) << c.text;
    EXPECT_EQ(c.ok ? v : err, c.ok ? c.value : static_cast<int>(c.value)) << c.text;
    EXPECT_EQ(c.ok ? err : v, c.ok ? 0 : -7) << c.text;  // a refusal leaves the value alone
  }
  // Subnormal results keep their value.
  const Real v = Read("1e-4940");
  EXPECT_TRUE(v > 0 && v < std::numeric_limits<Real>::min());
  EXPECT_NEAR(static_cast<double>(v * 1e27L / Read("1e-4913")), 1.0, 1e-9);
  EXPECT_EQ(Read("-3.6e-4951"), -std::numeric_limits<Real>::denorm_min());
}

// Cases the value formatting pins already are not repeated here.
TEST(NumberText, FixedNotationAndScientificText21) {
  const struct {
    Real v;
    int decimals, width;
    const char* text;
  } cases[] = {
      {-2.5L, 0, 0, "-3"},
      {0.45L, 1, 0, "0.5"},  // the 18-digit string rounds, not the binary value
      {2.0L / 3, 20, 0, "0.66666666666666666700"},
      {123456.789L, 3, 4, "123456.789"},  // never cut
      {1234567890123456789.0L, 0, 0, "1234567890123456790"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedNotation(c.v, c.decimals, c.width), c.text) << c.text;
  EXPECT_EQ(ScientificText21(-2.5L), "-2.500000000000E+0000");
  EXPECT_EQ(ScientificText21(99999999999999.9L), " 1.000000000000E+0014");
}

}  // namespace
}  // namespace ravnelok
