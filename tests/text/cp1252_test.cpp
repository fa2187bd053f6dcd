#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace ravnelok {
namespace {

TEST(Cp1252, RoundTripsEveryByteAndReplacesWhatItCannotHold) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(one)), one) << b;
  }
  const std::pair<std::string, std::string> cases[] = {
      {"æøåÆØÅ€", "\xE6\xF8\xE5\xC6\xD8\xC5\x80"},
      {"\xE2\x88\x9A", "?"},          // square root sign: not in Windows-1252
      {"a\xF0\x9F\x98\x80z", "a?z"},  // emoji
      {"\xC3", "?"},                  // truncated sequence
      {"\x80x", "?x"},                // stray continuation byte
      {"\xFF", "?"},                  // invalid lead byte
  };
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(cp1252::FromUtf8(utf8), expected) << utf8;
}

}  // namespace
}  // namespace ravnelok
