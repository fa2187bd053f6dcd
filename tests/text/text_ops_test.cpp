#include "text/text_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ravnelok {
namespace {

TEST(TextOps, NormaliseSignsAndFindLowerCase) {
  const std::pair<const char*, const char*> signs[] = {
      {"+", ""},           {"+-4", "0-4"},   {"3,5+1,25", "3.5+1.25"},
      {"((++-3", "((0-3"}, {"2*-3", "2*-3"}, {"(-(+3", "(0-(3"}};
  for (const auto& [in, out] : signs) {
    std::string text = in;
    NormaliseSigns(text);
    EXPECT_EQ(text, out) << in;
  }
  EXPECT_EQ(FindDanishLower("\xC5R \xE5r", "\xE5r"), 0u);
}

}  // namespace
}  // namespace ravnelok
