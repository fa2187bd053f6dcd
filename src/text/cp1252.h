#pragma once

#include <string>
#include <string_view>

namespace ravnelok::cp1252 {

// Every text of the program is a Windows-1252 byte string; these two convert at the edges
// (widgets, clipboard, terminal). A character Windows-1252 cannot hold becomes '?'.
std::string ToUtf8(std::string_view bytes);
std::string FromUtf8(std::string_view utf8);

// One Windows-1252 byte as a Unicode code point (bytes without a character map to themselves).
char32_t ToCodePoint(unsigned char byte);
// The byte for a code point, or '?' when Windows-1252 has none.
char FromCodePoint(char32_t cp);

}  // namespace ravnelok::cp1252
