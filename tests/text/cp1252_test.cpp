#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace ravnelok {
namespace {

TEST(Cp1252, RoundTripsEveryByte) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(one)), one) << b;
  }
}

TEST(Cp1252, ConvertsDanishLettersAndEuro) {
  EXPECT_EQ(cp1252::FromUtf8("æøåÆØÅ€"), "\xE6\xF8\xE5\xC6\xD8\xC5\x80");
  EXPECT_EQ(cp1252::ToUtf8("V\xE6rdi"), "Værdi");
}

TEST(Cp1252, UnrepresentableAndInvalidBecomeQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string expected;
  };
  const Case cases[] = {
      {"\xE2\x88\x9A", "?"},          // square root sign: not in Windows-1252
      {"a\xF0\x9F\x98\x80z", "a?z"},  // emoji
      {"\xC3", "?"},                  // truncated sequence
      {"\x80x", "?x"},                // stray continuation byte
      {"\xFF", "?"},                  // invalid lead byte
  };
  for (const auto& c : cases) EXPECT_EQ(cp1252::FromUtf8(c.utf8), c.expected) << c.utf8;
}

}  // namespace
}  // namespace ravnelok
