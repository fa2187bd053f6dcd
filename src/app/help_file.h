#pragma once

#include <string>

namespace ravnelok {

// The help file: the first readable one of the working folder's, the one beside the program
// and the one in the data folder of an installed program (../share/ravnelok beside it). The
// English edition looks in the "english" folders beside the program and in the data folder,
// where its own help file lies. Not found: `path` names the working folder's file.
struct HelpFile {
  std::string path;
  std::string bytes;
  bool found = false;
};
HelpFile ReadHelpFile(const std::string& working_folder, const std::string& program_folder,
                      bool english);

}  // namespace ravnelok
