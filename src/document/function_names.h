#pragma once

#include <string>

namespace ravnelok {

// "&abs&sqr&...&tgn&": the built-in functions' names as one word list, for the reserved words.
// Made from the one table of built-in functions, in expression/functions.cpp, which the
// document cannot include but links with.
const std::string& FunctionNames();

}  // namespace ravnelok
