#include "text/utf8.h"

#include <gtest/gtest.h>

namespace ravnelok {
namespace {

// What is UTF-8 by its bytes: valid throughout and at least one multi-byte character.
TEST(Utf8, OnlyValidTextWithAMultiByteCharacterCountsAsUtf8) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},
      {"plain ascii\r\n", false},
      {"b\xC3\xA6r", true},         // "bær" in UTF-8
      {"b\xE6r", false},            // "bær" in Windows-1252
      {"\xC3\xA5\xE5", false},      // UTF-8 "å", then a Windows-1252 "å"
      {"x\xC3", false},             // cut short at the end
      {"\xC0\xAF", false},          // an overlong "/"
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xF0\x9F\x98\x80", true},   // an emoji
      {"\xE2\x82\xAC 5", true}};    // the euro sign
  for (const auto& [bytes, utf8] : cases) EXPECT_EQ(utf8::IsMultiByteUtf8(bytes), utf8) << bytes;
}

// Characters Windows-1252 has become its bytes; the first it has not is reported.
TEST(Utf8, ConvertsToWindows1252AndNamesTheFirstLostCharacter) {
  const std::tuple<std::string, std::string, char32_t> cases[] = {
      {"b\xC3\xA6r \xE2\x82\xAC", "b\xE6r \x80", 0},
      {"\xCE\x94t = \xE2\x88\x9A"
       "2",
       "?t = ?2", 0x394},  // Greek delta, then a root sign
      {"a?b", "a?b", 0},   // a question mark of its own
      {"\xF0\x9F\x98\x80", "?", 0x1F600}};
  for (const auto& [utf8, cp1252, lost] : cases) {
    char32_t got = 1;
    EXPECT_EQ(utf8::ToCp1252(utf8, got), cp1252) << utf8;
    EXPECT_EQ(got, lost) << utf8;
  }
}

}  // namespace
}  // namespace ravnelok
