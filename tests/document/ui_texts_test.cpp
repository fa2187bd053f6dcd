#include "document/ui_texts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "document/document.h"
#include "support/temp_dir.h"
#include "text/cp1252.h"
#include "text/text_ops.h"

namespace ravnelok {
namespace {

std::string FileOf(int lines, const std::string& eol, const std::string& entry107 = "english") {
  std::string bytes;
  for (int j = 0; j < lines; ++j) bytes += (j == 107 ? entry107 : "text" + std::to_string(j)) + eol;
  return bytes;
}

TEST(UiTexts, TextFileReplacesTheWholeTableAndAnUnusableOneMeansTheBuiltInTexts) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir.File("folder"));
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);  // opening it must not wait
  testing::WriteBytes(dir.File("huge"), std::string(2 << 20, 'x'));
  for (const char* name : {"folder", "fifo", "huge"}) {
    UiTexts texts;
    texts.Set(TextId::kHeaderValue, "changed");
    EXPECT_FALSE(texts.Load(dir.File(name))) << name;
    EXPECT_FALSE(texts.from_file()) << name;
    EXPECT_EQ(cp1252::ToUtf8(texts[TextId::kHeaderValue]), "Værdi") << name;
  }
  // The file, its first and last entries, English or not.
  const std::tuple<std::string, const char*, const char*, bool> cases[] = {
      {FileOf(120, "\r\n"), "text0", "text119", true},
      {FileOf(50, "\r\n"), "text0", "", false},  // short file: the rest is empty
      {FileOf(120, "\r\n", "English"), "text0", "text119", false},
      {"", "", "", false}};
  for (const auto& [bytes, entry0, entry119, english] : cases) {
    UiTexts texts;
    texts.LoadFromFileBytes(bytes);
    EXPECT_EQ(texts[TextId::kMenuFile] + "|" + texts[TextId::kHeaderValue] + "|" +
                  texts[TextId::kSpare119],
              std::string(entry0) + "|" + (bytes.empty() ? "" : "text48") + "|" + entry119);
    EXPECT_EQ(texts.English(), english);
  }
}

TEST(UiTexts, AddedTextsComeFromLinesPast120OrStayBuiltIn) {
  const std::string undo_da = UiTexts()[TextId::kMenuUndo];
  ASSERT_EQ(undo_da, "F&ortryd");
  // Lines in the file, and what entries 119, 120 and 121 then hold.
  const std::tuple<std::string, const char*, const char*, const char*> cases[] = {
      {FileOf(120, "\r\n"), "text119", "F&ortryd", "G&entag"},  // every older file
      {FileOf(121, "\r\n"), "text119", "text120", "G&entag"},
      {FileOf(122, "\n"), "text119", "text120", "text121"},
      {FileOf(120, "\r\n") + "\r\nlast", "text119", "F&ortryd", "last"},    // empty 121st line
      {FileOf(119, "\r\n") + "text119", "text119", "F&ortryd", "G&entag"},  // no final CR LF
      {FileOf(60, "\r\n"), "", "F&ortryd", "G&entag"}};
  for (const auto& [bytes, e119, e120, e121] : cases) {
    UiTexts texts;
    texts.LoadFromFileBytes(bytes);
    EXPECT_EQ(texts[TextId::kSpare119] + "|" + texts[TextId::kMenuUndo] + "|" +
                  texts.Caption(TextId::kMenuRedo),
              std::string(e119) + "|" + e120 + "|" + e121);
  }
  // The shipped English file carries every added text that has a built-in one.
  UiTexts english;
  ASSERT_TRUE(english.Load(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt"));
  const UiTexts danish;
  for (int id = kFirstAddedText; id < kUiTextCount; ++id) {
    const auto t = static_cast<TextId>(id);
    if (danish[t].empty()) continue;
    EXPECT_NE(english[t], danish[t]) << id;
  }
}

// The access key of a caption: the letter after a single "&", lower case; 0 for none.
char AccessKey(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return DanishLowerCase(caption.substr(i + 1, 1))[0];
    ++i;
  }
  return 0;
}

TEST(UiTexts, EveryMenuHasUniqueAccessKeys) {
  // Each menu's entries; the first group is the menu bar.
  // clang-format off
  const std::vector<std::vector<int>> menus = {
      {0, 6, 15, 19, 22, 33}, {1, 2, 3, 4, 5, 128, 129}, {7, 8, 9, 10, 11, 12, 13, 14, 120, 121},
      {16, 17, 18},           {20, 21},                  {23, 24, 25},
      {26, 27, 28},           {29, 30, 31, 32},          {34, 35}};
  // clang-format on
  UiTexts english;
  ASSERT_TRUE(english.Load(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt"));
  for (const UiTexts& texts : {UiTexts(), english}) {
    for (const auto& menu : menus) {
      std::string keys;
      for (const int id : menu) {
        const auto entry = static_cast<TextId>(id);
        const std::string& caption = id < kCaptionCount ? texts.Caption(entry) : texts[entry];
        const char key = AccessKey(caption);
        EXPECT_NE(key, 0) << caption;
        EXPECT_EQ(keys.find(key), std::string::npos) << caption << " repeats a key in " << keys;
        keys += key;
      }
    }
  }
}

}  // namespace
}  // namespace ravnelok
