#pragma once

#include <string>
#include <string_view>

namespace ravnelok {

// Deletes every blank (code 32 only; tabs stay).
void RemoveBlanks(std::string& text);
std::string WithoutBlanks(std::string_view text);

// A..Z to a..z, and Å Ø Æ to å ø æ; nothing else changes.
std::string DanishLowerCase(std::string_view text);
inline char DanishLower(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || u == 197 || u == 216 || u == 198) return static_cast<char>(u + 32);
  return c;
}

// A leading sign becomes a subtraction from 0 (also right after "("), decimal commas points.
void NormaliseSigns(std::string& text);

// Letters of names: A..Z, a..z and Æ Ø Å æ ø å.
inline bool IsDanishLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == 197 || u == 198 || u == 216 ||
         u == 229 || u == 230 || u == 248;
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace ravnelok
