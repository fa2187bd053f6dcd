#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/cp1252.h"
#include "text/text_ops.h"

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

TEST(TextOps, NormaliseSignsAndFindLowerCase) {
  const std::pair<const char*, const char*> signs[] = {
      {"+", ""},           {"+-4", "0-4"},   {"3,5+1,25", "3.5+1.25"},
      {"((++-3", "((0-3"}, {"2*-3", "2*-3"}, {"(-(+3", "(0-(3"}};
  for (const auto& [in, out] : signs) {
    std::string text = in;
    NormaliseSigns(text);
    EXPECT_EQ(text, out) << in;
  }
  EXPECT_EQ(FindDanishLower("\xC5R \xE5r", "\xE5r"), 0u);
}

}  // namespace
}  // namespace ravnelok
