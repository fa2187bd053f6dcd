#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ravnelok {

// The "&"-delimited word lists as one hash table: a word w is in a list when "&" + w + "&"
// occurs in it, that is when w is one of the segments between two consecutive "&".
class WordTable {
 public:
  enum : uint8_t {
    kReserved = 1,   // reserved_words
    kFunction = 2,   // function_names
    kCondition = 4,  // UI text 108
    kBuiltIn = 8,    // function_names, sum and rst: what a name may not be
  };

  void Clear() {
    words_.clear();
    std::fill(std::begin(shapes_), std::end(shapes_), 0u);
  }
  void Add(std::string_view list, uint8_t flag);
  // The flags of a lower-case word; 0 when it is in no list.
  uint8_t Flags(std::string_view lower) const;
  // False when no listed word has this first (lower-case) character and this length, so that
  // most names need neither lower-casing nor a look-up.
  bool MayHold(char lower_first, size_t length) const {
    return (shapes_[static_cast<unsigned char>(lower_first)] & LengthBit(length)) != 0;
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Lengths from 31 up share the last bit.
  static uint32_t LengthBit(size_t length) { return 1u << (length < 31 ? length : 31); }
  std::unordered_map<std::string, uint8_t, Hash, std::equal_to<>> words_;
  uint32_t shapes_[256] = {};  // per first character, a bit per length
};

}  // namespace ravnelok
