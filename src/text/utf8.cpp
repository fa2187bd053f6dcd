#include "text/utf8.h"

#include <cstdint>
#include <cstring>

#include "text/cp1252.h"

namespace ravnelok::utf8 {
namespace {

// The code point of the sequence at bytes[i] and its length; 0 for an invalid sequence.
std::size_t Decode(std::string_view bytes, std::size_t i, char32_t& cp) {
  const auto b = static_cast<unsigned char>(bytes[i]);
  std::size_t len = 0;
  if (b < 0x80) {
    cp = b;
    return 1;
  }
  if (b >= 0xC2 && b <= 0xDF) {
    cp = b & 0x1F;
    len = 2;
  } else if ((b & 0xF0) == 0xE0) {
    cp = b & 0x0F;
    len = 3;
  } else if (b >= 0xF0 && b <= 0xF4) {
    cp = b & 0x07;
    len = 4;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto c = static_cast<unsigned char>(bytes[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

bool IsMultiByteUtf8(std::string_view bytes) {
  // Nearly every sheet is ASCII throughout: eight bytes at a time while none has its high bit.
  std::size_t start = 0;
  for (uint64_t word = 0; start + 8 <= bytes.size(); start += 8) {
    std::memcpy(&word, bytes.data() + start, 8);
    if ((word & 0x8080808080808080ull) != 0) break;
  }
  bool multi_byte = false;
  for (std::size_t i = start; i < bytes.size();) {
    char32_t cp = 0;
    const std::size_t len = Decode(bytes, i, cp);
    if (len == 0) return false;
    multi_byte = multi_byte || len > 1;
    i += len;
  }
  return multi_byte;
}

std::string ToCp1252(std::string_view utf8, char32_t& lost) {
  lost = 0;
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = Decode(utf8, i, cp);
    if (len == 0) {  // not UTF-8 after all: the byte as it stands
      out += utf8[i++];
      continue;
    }
    const char byte = cp1252::FromCodePoint(cp);
    if (byte == '?' && cp != U'?' && lost == 0) lost = cp;
    out += byte;
    i += len;
  }
  return out;
}

}  // namespace ravnelok::utf8
