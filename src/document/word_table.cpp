#include "document/word_table.h"

namespace ravnelok {

void WordTable::Add(std::string_view list, uint8_t flag) {
  size_t from = list.find('&');
  while (from != std::string_view::npos) {
    const size_t to = list.find('&', from + 1);
    if (to == std::string_view::npos) break;
    const std::string_view word = list.substr(from + 1, to - from - 1);
    if (!word.empty()) shapes_[static_cast<unsigned char>(word[0])] |= LengthBit(word.size());
    auto it = words_.find(word);
    if (it == words_.end()) {
      words_.emplace(std::string(word), flag);
    } else {
      it->second |= flag;
    }
    from = to;
  }
}

uint8_t WordTable::Flags(std::string_view lower) const {
  auto it = words_.find(lower);
  return it == words_.end() ? 0 : it->second;
}

}  // namespace ravnelok
