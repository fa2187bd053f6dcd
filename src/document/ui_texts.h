#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/text_id.h"

namespace ravnelok {

// The table of user-interface texts, Windows-1252. Entries 46..117 and the added ones (120 on)
// have built-in Danish texts; entries 0..45 (menu captions and tool button hints) are empty
// unless a text file supplies them, and the widgets then keep their built-in captions
// (BuiltInCaption).
class UiTexts {
 public:
  UiTexts();

  // Inline: the evaluation looks its words up for every line.
  const std::string& operator[](TextId id) const {
    const auto i = static_cast<std::size_t>(id);
    return i < texts_.size() ? texts_[i] : Empty();
  }
  void Set(TextId id, std::string text);

  // Entries 46..117 and 120 on get their built-in Danish texts; 0..45, 118 and 119 are emptied.
  void SetBuiltIn();
  // Replaces the whole table from the bytes of a text file: line j into entry j; missing lines
  // leave their entries empty, except the added ones (120 on), which keep their built-in
  // texts when the file has no line for them or an empty one. CR LF and a lone LF both end a
  // line.
  void LoadFromFileBytes(std::string_view bytes);
  // Reads "ravnmenu.txt" (or `path`): false, with the built-in texts set, when it cannot be read.
  bool Load(const std::string& path = "ravnmenu.txt");

  // Changes whenever an entry does, so that what was made from the texts can be kept.
  unsigned long long Generation() const { return generation_; }

  // Whether the table came from a text file; only then are captions and hints applied.
  bool from_file() const { return from_file_; }
  // Entry 107 is exactly "english".
  bool English() const;

  // The captions the menu items (0..35) and tool button hints (36..45) are built with.
  static const std::string& BuiltInCaption(TextId id);
  // The caption a widget shows: the loaded entry when a file was read, else the built-in one.
  // Added menu items (120 on) show their table entry.
  const std::string& Caption(TextId id) const;

 private:
  void SetAddedBuiltIn();
  static const std::string& Empty();

  std::array<std::string, kUiTextCount> texts_;
  bool from_file_ = false;
  unsigned long long generation_ = 0;
};

}  // namespace ravnelok
