#include "app/help_file.h"

#include <cstddef>

#include "text/file_read.h"

namespace ravnelok {

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

HelpFile ReadHelpFile(const std::string& working_folder, const std::string& program_folder,
                      bool english) {
  constexpr std::size_t kMaxHelpFileBytes = 4 << 20;
  const std::string name = english ? "english/ravnelok.hlp" : "ravnelok.hlp";
  const std::string candidates[] = {
      InFolder(working_folder, "ravnelok.hlp"),
      InFolder(program_folder, name),
      InFolder(program_folder, "../share/ravnelok/" + name),
  };
  HelpFile help;
  for (const std::string& path : candidates) {
    if (ReadFileCapped(path, kMaxHelpFileBytes, help.bytes) == ReadResult::kOk) {
      help.path = path;
      help.found = true;
      return help;
    }
  }
  help.path = candidates[0];
  help.bytes.clear();
  return help;
}

}  // namespace ravnelok
