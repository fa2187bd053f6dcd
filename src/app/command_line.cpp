#include "app/command_line.h"

namespace ravnelok {

std::string JoinCommandLine(const std::vector<std::string>& args) {
  std::string joined;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += args[i];
  }
  return joined;
}

}  // namespace ravnelok
