#include "text/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ravnelok::cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five bytes that have no character.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char32_t ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    char32_t cp = kHigh[byte - 0x80];
    return cp != 0 ? cp : byte;
  }
  return byte;
}

char FromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  }
  // The five undefined bytes travel through as their own code points.
  if (cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D) {
    return static_cast<char>(cp);
  }
  return '?';
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  size_t i = 0;
  while (i < bytes.size()) {
    // Runs of ASCII, nearly all of a sheet's text, are the same bytes in UTF-8.
    size_t run = i;
    // Eight bytes at a time while none has its high bit set.
    for (uint64_t word = 0; run + 8 <= bytes.size(); run += 8) {
      std::memcpy(&word, bytes.data() + run, 8);
      if ((word & 0x8080808080808080ull) != 0) break;
    }
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
    out.append(bytes.data() + i, run - i);
    if (run == bytes.size()) break;
    AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(bytes[run])));
    i = run + 1;
  }
  return out;
}

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0;
    size_t len = 0;
    if (b < 0x80) {
      cp = b;
      len = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    } else {
      out += '?';  // a stray continuation or invalid lead byte
      ++i;
      continue;
    }
    bool ok = i + len <= n;
    for (size_t k = 1; ok && k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) {
        ok = false;
      } else {
        cp = (cp << 6) | (c & 0x3F);
      }
    }
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    // An overlong form would smuggle in a character ("/", a control) under another spelling.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    out += cp < kLeast[len] ? '?' : FromCodePoint(cp);
    i += len;
  }
  return out;
}

}  // namespace ravnelok::cp1252
