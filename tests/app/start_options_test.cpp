#include "app/start_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "app/help_file.h"
#include "document/document.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

// Only leading options are read; any other word ends them, so old file names open as before.
// Expected: flags | texts file | sheet words, or "!" for a refusal.
TEST(StartOptions, OnlyLeadingOptionsAreReadTheRestNamesTheSheet) {
  // clang-format off
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "||"}, {{"mit", "ark.rlk"}, "||mit;ark.rlk;"}, {{"--version"}, "v||"},
      {{"--texts", "/x/en.txt", "a.rlk"}, "|/x/en.txt|a.rlk;"}, {{"-h", "a"}, "h||a;"},
      {{"--texts=en.txt", "--texts", "to.txt"}, "|to.txt|"}, {{"--textsfil"}, "||--textsfil;"},
      {{"a.rlk", "--texts", "en"}, "||a.rlk;--texts;en;"}, {{"-x", "--help"}, "||-x;--help;"},
      {{"--", "--version"}, "||--version;"}, {{"--texts", "en", "--"}, "|en|"},
      {{"--texts"}, "!"}, {{"--texts="}, "!"}, {{"--texts", "en", "--texts"}, "!"}};
  // clang-format on
  for (const auto& [args, expected] : cases) {
    StartOptions o;
    std::string error, got = "!";
    if (ParseStartOptions(args, o, error)) {
      got = std::string(o.version ? "v" : "") + (o.help ? "h" : "") + "|" + o.texts_file + "|";
      for (const auto& word : o.sheet_args) got += word + ";";
    }
    EXPECT_EQ(got, expected) << ::testing::PrintToString(args);
  }
}

// The working folder's ravnmenu.txt wins over --texts; a file that cannot be read is none.
TEST(StartOptions, TextTableFromTheWorkingFolderThenTheOptionThenBuiltIn) {
  const std::tuple<bool, const char*, TextSource> cases[] = {
      {true, "en.txt", TextSource::kWorkingFolder},
      {false, "en.txt", TextSource::kTextsOption},
      {false, "nowhere.txt", TextSource::kBuiltIn},
      {false, "work", TextSource::kBuiltIn}};
  for (const auto& [local, option, source] : cases) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir.File("work"));
    const std::string lines(static_cast<std::size_t>(TextId::kLanguage), '\n');
    if (local) testing::WriteBytes(dir.File("work/ravnmenu.txt"), lines + "dansk\r\n");
    testing::WriteBytes(dir.File("en.txt"), lines + "english\r\n&if&then&else&\r\n");
    Document doc;
    EXPECT_EQ(LoadStartTexts(doc, dir.File("work"), dir.File(option)), source) << option;
    EXPECT_EQ(doc.texts.English(), source == TextSource::kTextsOption);
    EXPECT_EQ(doc.texts.from_file(), source != TextSource::kBuiltIn);
    // The condition words follow the table that was loaded.
    EXPECT_EQ(doc.IsReservedWord("if"), source == TextSource::kTextsOption);
  }
}

// What the program finds at start: its help file too.
TEST(HelpFile, HelpFileFromTheWorkingFolderTheProgramOrItsDataFolder) {
  // The files present ("*" marks a folder of that name), the edition, the file shown (nullptr:
  // not found).
  const std::tuple<std::vector<const char*>, bool, const char*> cases[] = {
      {{"work/ravnelok.hlp", "bin/ravnelok.hlp"}, false, "work/ravnelok.hlp"},
      {{"work/ravnelok.hlp*", "bin/ravnelok.hlp"}, false, "bin/ravnelok.hlp"},
      {{"share/ravnelok/ravnelok.hlp"}, false, "share/ravnelok/ravnelok.hlp"},
      {{"bin/ravnelok.hlp", "bin/english/ravnelok.hlp"}, true, "bin/english/ravnelok.hlp"},
      {{"bin/ravnelok.hlp", "share/ravnelok/english/ravnelok.hlp"},
       true,
       "share/ravnelok/english/ravnelok.hlp"},
      {{"bin/english/ravnelok.hlp"}, false, nullptr},
  };
  for (const auto& [present, english, found] : cases) {
    testing::TempDir dir;
    for (std::string name : present) {
      const bool folder = name.back() == '*';
      if (folder) name.pop_back();
      std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
      if (folder) std::filesystem::create_directory(dir.File(name));
      if (!folder) testing::WriteBytes(dir.File(name), name);
    }
    std::filesystem::create_directories(dir.File("bin"));
    const HelpFile help = ReadHelpFile(dir.File("work"), dir.File("bin"), english);
    const std::string shown = found ? found : "work/ravnelok.hlp";
    EXPECT_EQ(std::pair(help.found, help.bytes), std::pair(found != nullptr, found ? shown : ""));
    EXPECT_EQ(std::filesystem::weakly_canonical(help.path),
              std::filesystem::weakly_canonical(dir.File(shown)));
  }
}

}  // namespace
}  // namespace ravnelok
