#pragma once

#include <string>
#include <vector>

namespace ravnelok {

// All command-line arguments joined by single blanks: one file name, blanks and all.
std::string JoinCommandLine(const std::vector<std::string>& args);

}  // namespace ravnelok
