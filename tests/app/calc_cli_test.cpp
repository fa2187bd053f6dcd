#include "app/calc_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::WriteBytes;
using Args = std::vector<std::string>;

// The parsed options in one line: path | marks | passes | flags.
std::string Describe(const CalcOptions& o) {
  std::string text = o.path + "|";
  for (const int mark : o.marks) text += std::to_string(mark) + ",";
  return text + "|" + std::to_string(o.passes) + "|" + (o.radians ? "r" : "") +
         (o.table ? "t" : "") + (o.values ? "v" : "") + (o.cp1252 ? "c" : "") + (o.help ? "h" : "");
}

TEST(CalcOptions, ReadsOptionsAndJoinsTheRestWithBlanks) {
  const std::pair<Args, const char*> cases[] = {
      {{"C:\\mine", "ark\\a.rlk"}, "C:\\mine ark\\a.rlk||0|"},
      {{"--radians", "--values", "--cp1252", "x.rlk"}, "x.rlk||0|rvc"},
      {{"--mark", "1,3,5", "x.rlk"}, "x.rlk|1,3,5,|0|"},
      {{"--mark=2", "--mark", "999", "--passes=4", "x.rlk"}, "x.rlk|2,999,|4|"},
      {{"--", "-a.rlk", "--table"}, "-a.rlk --table||0|"},
      {{"x.rlk", "--help"}, "x.rlk||0|h"},
  };
  for (const auto& [args, expected] : cases) {
    CalcOptions options;
    std::string error;
    EXPECT_TRUE(ParseCalcOptions(args, options, error)) << error;
    EXPECT_EQ(Describe(options), expected);
  }
}

TEST(CalcOptions, RefusesWhatItCannotUse) {
  const Args cases[] = {
      {"--table"},
      {"--bogus", "x.rlk"},
      {"x.rlk", "--mark"},
      {"--mark", "1,,2", "x.rlk"},
      {"--mark=", "x.rlk"},
      {"--passes", "100001", "x.rlk"},
      {"--table=1", "x.rlk"},
  };
  for (const auto& args : cases) {
    CalcOptions options;
    std::string error;
    EXPECT_FALSE(ParseCalcOptions(args, options, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
  }
}

// A sheet file of the given (name, expression) lines, Windows-1252.
std::string SheetBytes(const std::vector<std::pair<std::string, std::string>>& lines) {
  std::string bytes = std::to_string(lines.size() + 1) + "\r\n";
  for (const auto& [name, expression] : lines)
    bytes += " \r\n" + name + "\r\n" + expression + "\r\n\r\n";
  return bytes;
}

TEST(CalcRun, MessagesGoToStandardErrorInOrderAndTheRunSucceeds) {
  testing::TempDir dir;
  std::string many = "1";
  for (int i = 0; i < 100; ++i) many += "+x";
  const std::pair<std::string, std::string> cases[] = {
      {SheetBytes({{"x", "1"}, {"sin", "2"}, {"A1", "3"}}),
       "Navnet sin er optaget til en indbygget funktion\n"},
      {SheetBytes({{"x", "5"}, {"y", many}, {"", "1"}, {"z", many}}),  // once per line
       "Fortolkeren giver op - for mange variable!\nFortolkeren giver op - for mange variable!\n"},
      {SheetBytes({{"b\xe6r", "1"}, {"b\xe6r", "2"}}),  // Danish letters in UTF-8
       "Navnet b\xc3\xa6r er brugt flere gange\n"},
  };
  for (const auto& [bytes, messages] : cases) {
    WriteBytes(dir.File("ark.rlk"), bytes);
    std::string out, err;
    EXPECT_EQ(RunCalc({dir.File("ark.rlk")}, out, err), kCalcExitOk);
    EXPECT_EQ(err, messages);
    EXPECT_FALSE(out.empty());
  }
}

// The golden files pin the usual values; these two come from the line's record, not its cell.
TEST(CalcRun, ValuesShowFullPrecisionAndNothingForAnEmptyCondition) {
  testing::TempDir dir;
  WriteBytes(dir.File("v.rlk"), SheetBytes({{"stor", "2*10^10"}, {"tom", "HVIS 1>2 S\xc5 5"}}));
  std::string out, err;
  EXPECT_EQ(RunCalc({"--values", dir.File("v.rlk")}, out, err), kCalcExitOk);
  EXPECT_EQ(out,
            "A1\tstor\t 2.000000000000E+0010\n"  // the value cell shows "   ###"
            "A2\ttom\t\n");
  EXPECT_EQ(err, "");
}

}  // namespace
}  // namespace ravnelok
