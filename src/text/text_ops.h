#pragma once

#include <string>
#include <string_view>

namespace ravnelok {

// Deletes every blank (code 32 only; tabs stay).
void RemoveBlanks(std::string& text);
std::string WithoutBlanks(std::string_view text);

// The Danish letters' Windows-1252 codes. Each capital is its small letter's code minus 32, as
// for A..Z.
inline constexpr unsigned char kCapitalAE = 0xC6;      // Æ
inline constexpr unsigned char kCapitalOSlash = 0xD8;  // Ø
inline constexpr unsigned char kCapitalARing = 0xC5;   // Å
inline constexpr unsigned char kSmallAE = 0xE6;        // æ
inline constexpr unsigned char kSmallOSlash = 0xF8;    // ø
inline constexpr unsigned char kSmallARing = 0xE5;     // å

// A..Z to a..z, and Å Ø Æ to å ø æ; nothing else changes.
std::string DanishLowerCase(std::string_view text);
inline char DanishLower(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || u == kCapitalARing || u == kCapitalOSlash || u == kCapitalAE) {
    return static_cast<char>(u + 32);
  }
  return c;
}

// The first position where `text`, lower-cased by the Danish rule, holds `lower_needle`.
size_t FindDanishLower(std::string_view text, std::string_view lower_needle);

// A leading sign becomes a subtraction from 0 (also right after "("), decimal commas points.
void NormaliseSigns(std::string& text);

// Letters of names: A..Z, a..z and Æ Ø Å æ ø å.
// One table lookup instead of eight comparisons: names are scanned character by character.
struct DanishLetterTable {
  bool is_letter[256] = {};
  constexpr DanishLetterTable() {
    for (int c = 'A'; c <= 'Z'; ++c) is_letter[c] = is_letter[c + 32] = true;
    for (const unsigned char c :
         {kCapitalARing, kCapitalAE, kCapitalOSlash, kSmallARing, kSmallAE, kSmallOSlash}) {
      is_letter[c] = true;
    }
  }
};
inline constexpr DanishLetterTable kDanishLetters{};
inline bool IsDanishLetter(char c) {
  return kDanishLetters.is_letter[static_cast<unsigned char>(c)];
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace ravnelok
