#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
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
      {0, 21, "0"},
      {-0.0L, 21, "0"},
      {32000, 21, "3.200000000000E+0004"},
      {-2.5L, 21, "-2.500000000000E+0000"},
      {31999.5L, 21, "3.199950000000E+0004"},
      {1.0L / 3, 18, "3.333333333E-0001"},
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
      {31999, 21, 31999},
      {1e300L / 7, 21, Read("1.428571428571E+0299")},
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
      {"1.", true, 1},
      {"+2.5", true, 2.5L},
      {"00012.50", true, 12.5L},
      {"1.5E-0004", true, 1.5e-4L},
      {"3.200000000000E+0004", true, 32000},
      {"1e-99999", true, 0},
      {"0e99999", true, 0},
      {"", false, 1},
      {"-", false, 2},
      {".5", false, 1},
      {"2e", false, 3},
      {"1..5", false, 3},
      {"12a", false, 3},
      {" 1", false, 1},
      {"1e99999", false, 1},
      {"1.2e4932", false, 1},
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
      {9.999L, 2, 0, "10.00"},
      {-0.0L, 2, 0, "0.00"},
      {123456.789L, 3, 4, "123456.789"},  // never cut
      {1234567890123456789.0L, 0, 0, "1234567890123456790"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedNotation(c.v, c.decimals, c.width), c.text) << c.text;
  EXPECT_EQ(ScientificText21(1.0L / 3), " 3.333333333333E-0001");
  EXPECT_EQ(ScientificText21(-2.5L), "-2.500000000000E+0000");
  EXPECT_EQ(ScientificText21(0), " 0.000000000000E+0000");
  EXPECT_EQ(ScientificText21(99999999999999.9L), " 1.000000000000E+0014");
}

std::string Show(const Digits18& d) {
  if (d.zero) return "0";
  return (d.negative ? "-" : "+") + std::string(d.digits, 18) + "e" + std::to_string(d.exponent);
}

// The 18 digits and exponent as to_chars gives them.
std::string Reference(Real v) {
  if (v == 0) return "0";
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
  int e = 0;
  std::from_chars(buf[20] == '+' ? buf + 21 : buf + 20, res.ptr, e);
  return std::string(v < 0 ? "-" : "+") + buf[0] + std::string(buf + 2, 17) + "e" +
         std::to_string(e + 1);
}

TEST(NumberText, ToDigits18EqualsToChars) {
  std::mt19937_64 rng(20240607);
  std::vector<Real> values = {std::numeric_limits<Real>::min(), kMax,
                              std::numeric_limits<Real>::denorm_min()};
  for (int e = -60; e <= 60; ++e) values.push_back(std::pow(10.0L, e));
  std::uniform_int_distribution<int> narrow(-140, 140), wide(-16440, 16383);
  for (int i = 0; i < 3000; ++i) {
    const Real x = std::ldexp(static_cast<Real>(rng() | (1ull << 63)),
                              (i % 5 == 0 ? wide(rng) : narrow(rng)) - 63);
    Real rounded = x;  // 13-digit results as the evaluator leaves them
    RoundTripNumber(rounded, 21);
    values.insert(values.end(),
                  {i % 2 ? -x : x, static_cast<Real>(rng() >> (rng() % 64)), rounded});
  }
  // Exact ties at the 18th digit: 19 significant digits ending in 5, and their neighbours.
  for (int i = 0; i < 2000; ++i) {
    const int int_digits = 1 + static_cast<int>(rng() % 18), s = 19 - int_digits;
    uint64_t whole = 1;
    for (int k = 1; k < int_digits; ++k) whole *= 10;
    whole += rng() % (whole * 9);
    const Real v = whole + std::ldexp(static_cast<Real>((rng() % (1ull << s)) | 1), -s);
    values.insert(
        values.end(),
        {v, std::nextafter(v, 0.0L), std::nextafter(v, kMax),
         static_cast<Real>((rng() % 900000000000000000ull + 100000000000000000ull) * 10 + 5)});
  }
  int mismatches = 0;
  for (Real v : values) {
    if (Show(ToDigits18(v)) != Reference(v) && ++mismatches <= 5) ADD_FAILURE() << Reference(v);
  }
  EXPECT_EQ(mismatches, 0) << "of " << values.size();
}

TEST(NumberText, ReadDecimalEqualsFromChars) {
  std::mt19937_64 rng(7);
  int mismatches = 0, count = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    if (i % 3 == 0) {
      const Real x = std::ldexp(static_cast<Real>(rng()), static_cast<int>(rng() % 300) - 200);
      text = NumberToExprText(x, 9 + static_cast<int>(rng() % 20));
    } else {
      const int digits = 1 + static_cast<int>(rng() % 24),
                point = static_cast<int>(rng() % (digits + 1));
      for (int k = 0; k < digits; ++k)
        text += std::string(k == point && k > 0, '.') + static_cast<char>('0' + rng() % 10);
      if (rng() % 2) text += "e" + std::to_string(static_cast<int>(rng() % 90) - 45);
    }
    Real want = 0, got = 0;
    int err = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), want);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) continue;
    ++count;
    if ((!ReadDecimal(text, got, err) || got != want) && ++mismatches <= 5) ADD_FAILURE() << text;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(count, 4500);
}

}  // namespace
}  // namespace ravnelok
