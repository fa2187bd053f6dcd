#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ravnelok {

// The 44 built-in functions, in the order the evaluator tries them: the first name that matches
// wins, so "slump" must stand before "sl". The evaluator keeps their bodies in the same order.
inline constexpr std::array<std::string_view, 44> kFunctionNames = {
    "abs",  "sqr", "kvr",   "sin", "cos",   "tan", "atan",  "log",  "ln",   "afk", "hel",
    "rund", "exp", "slump", "fak", "trunc", "int", "round", "sign", "rand", "rd",  "sl",
    "fac",  "c0",  "c1",    "c2",  "c3",    "c4",  "c5",    "c6",   "c7",   "c8",  "c9",
    "d0",   "d1",  "d2",    "d3",  "d4",    "d5",  "d6",    "d7",   "d8",   "d9",  "tgn",
};

// "&abs&sqr&...&tgn&": the names as one word list.
const std::string& FunctionNames();

}  // namespace ravnelok
