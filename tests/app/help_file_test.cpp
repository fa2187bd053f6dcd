#include "app/help_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "support/temp_dir.h"

namespace ravnelok {
namespace {

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
