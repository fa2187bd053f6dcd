#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/text_id.h"

namespace ravnelok {

// The table of user-interface texts, Windows-1252. Entries 46..117 have built-in Danish
// texts; entries 0..45 (menu captions and tool button hints) are empty unless a text file
// supplies them, and the widgets then keep their built-in captions (BuiltInCaption).
class UiTexts {
 public:
  UiTexts();

  const std::string& operator[](TextId id) const;
  void Set(TextId id, std::string text);

  // Entries 46..117 and those past 119 get their built-in Danish texts; entries 0..45, 118 and
  // 119 are emptied.
  void SetBuiltIn();
  // Replaces the whole table from the bytes of a text file: line j into entry j; missing lines
  // leave their entries empty, except that entries past 119 keep their built-in texts. CR LF and
  // a lone LF both end a line.
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
  const std::string& Caption(TextId id) const;

 private:
  // The built-in texts of the entries from `from` on that came after the first 120.
  void SetNewBuiltIns(int from);

  std::array<std::string, kUiTextCount> texts_;
  bool from_file_ = false;
  unsigned long long generation_ = 0;
};

}  // namespace ravnelok
