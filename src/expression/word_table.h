#pragma once

#include <cstdint>
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

  void Clear() { words_.clear(); }
  void Add(std::string_view list, uint8_t flag);
  // The flags of a lower-case word; 0 when it is in no list.
  uint8_t Flags(std::string_view lower) const;

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, uint8_t, Hash, std::equal_to<>> words_;
};

}  // namespace ravnelok
