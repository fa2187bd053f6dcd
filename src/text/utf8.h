#pragma once

#include <string>
#include <string_view>

namespace ravnelok::utf8 {

// Whether the bytes are valid UTF-8 throughout (shortest forms, no surrogates, nothing past
// U+10FFFF) and hold at least one multi-byte sequence. Windows-1252 text with Danish letters is
// practically never both, so such a file was written as UTF-8.
bool IsMultiByteUtf8(std::string_view bytes);

// The Windows-1252 text of valid UTF-8. A character Windows-1252 cannot hold becomes '?', and
// the first such one is given in `lost` (0 when there is none).
std::string ToCp1252(std::string_view utf8, char32_t& lost);

}  // namespace ravnelok::utf8
