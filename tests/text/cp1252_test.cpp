#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace ravnelok {
namespace {

// A square root sign and an emoji are not in Windows-1252; then a truncated sequence, a stray
// continuation byte, an invalid lead byte and overlong forms of "/" and DEL.
TEST(Cp1252, RoundTripsEveryByteAndReplacesWhatItCannotHold) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(one)), one) << b;
  }
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"æøåÆØÅ€", "\xE6\xF8\xE5\xC6\xD8\xC5\x80"}, {"\xE2\x88\x9A", "?"},
      {"a\xF0\x9F\x98\x80z", "a?z"}, {"\xC3", "?"}, {"\x80x", "?x"}, {"\xFF", "?"},
      {"\xC0\xAF\xE0\x80\xAF\xC1\xBF", "???"}};
  // clang-format on
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(cp1252::FromUtf8(utf8), expected) << utf8;
  // Long ASCII runs go over in blocks: a byte above them is found wherever it stands.
  for (size_t at = 0; at < 20; ++at) {
    std::string text(24, 'a');
    text[at] = '\xE6';
    EXPECT_EQ(cp1252::ToUtf8(text), std::string(at, 'a') + "æ" + std::string(23 - at, 'a')) << at;
  }
}

}  // namespace
}  // namespace ravnelok
