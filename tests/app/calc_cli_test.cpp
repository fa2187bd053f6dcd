#include "app/calc_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using testing::TempDir;
using testing::WriteBytes;

using Args = std::vector<std::string>;

TEST(CalcOptions, ReadsOptionsAndJoinsTheRestWithBlanks) {
  struct Case {
    Args args;
    std::string path;
    std::vector<int> marks;
    int passes;
    bool radians, table, values, cp1252, help;
  };
  const Case cases[] = {
      {{"a.rlk"}, "a.rlk", {}, 0, false, false, false, false, false},
      {{"C:\\mine", "ark\\a.rlk"}, "C:\\mine ark\\a.rlk", {}, 0, false, false, false, false, false},
      {{"mit", "--table", "ark.rlk"}, "mit ark.rlk", {}, 0, false, true, false, false, false},
      {{"--radians", "--values", "--cp1252", "x.rlk"},
       "x.rlk",
       {},
       0,
       true,
       false,
       true,
       true,
       false},
      {{"--mark", "1,3,5", "x.rlk"}, "x.rlk", {1, 3, 5}, 0, false, false, false, false, false},
      {{"--mark=2", "--mark", "999", "--passes=4", "x.rlk"},
       "x.rlk",
       {2, 999},
       4,
       false,
       false,
       false,
       false,
       false},
      {{"--passes", "0", "x.rlk"}, "x.rlk", {}, 0, false, false, false, false, false},
      {{"--", "-a.rlk", "--table"}, "-a.rlk --table", {}, 0, false, false, false, false, false},
      {{"-", "b.rlk"}, "- b.rlk", {}, 0, false, false, false, false, false},
      {{"-h"}, "", {}, 0, false, false, false, false, true},
      {{"x.rlk", "--help"}, "x.rlk", {}, 0, false, false, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.empty() ? "" : c.args[0]);
    CalcOptions options;
    std::string error;
    ASSERT_TRUE(ParseCalcOptions(c.args, options, error)) << error;
    EXPECT_EQ(options.path, c.path);
    EXPECT_EQ(options.marks, c.marks);
    EXPECT_EQ(options.passes, c.passes);
    EXPECT_EQ(options.radians, c.radians);
    EXPECT_EQ(options.table, c.table);
    EXPECT_EQ(options.values, c.values);
    EXPECT_EQ(options.cp1252, c.cp1252);
    EXPECT_EQ(options.help, c.help);
  }
}

TEST(CalcOptions, RefusesWhatItCannotUse) {
  const Args cases[] = {
      {},
      {"--table"},
      {"--bogus", "x.rlk"},
      {"-x", "x.rlk"},
      {"x.rlk", "--mark"},
      {"--mark", "0", "x.rlk"},
      {"--mark", "1000", "x.rlk"},
      {"--mark", "1,,2", "x.rlk"},
      {"--mark", "1,", "x.rlk"},
      {"--mark", "a", "x.rlk"},
      {"--mark", "-1", "x.rlk"},
      {"--mark=", "x.rlk"},
      {"--passes", "-1", "x.rlk"},
      {"--passes", "x.rlk"},
      {"--passes", "100001", "x.rlk"},
      {"--passes", "2.5", "x.rlk"},
      {"--table=1", "x.rlk"},
  };
  for (const auto& args : cases) {
    CalcOptions options;
    std::string error;
    EXPECT_FALSE(ParseCalcOptions(args, options, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
  }
}

TEST(CalcRun, UsageErrorsAndHelp) {
  std::string out, err;
  EXPECT_EQ(RunCalc({"--bogus", "x.rlk"}, out, err), kCalcExitUsage);
  EXPECT_TRUE(out.empty());
  EXPECT_NE(err.find("unknown option --bogus"), std::string::npos);
  EXPECT_NE(err.find("Usage: ravnelok-calc"), std::string::npos);

  out.clear();
  err.clear();
  EXPECT_EQ(RunCalc({"--help"}, out, err), kCalcExitOk);
  EXPECT_EQ(out, CalcUsage());
  EXPECT_TRUE(err.empty());
}

TEST(CalcRun, RefusedFilesWriteOnlyTheMessage) {
  TempDir dir;
  WriteBytes(dir.File("bad.rlk"), "abc\r\n");
  WriteBytes(dir.File("good.txt"), "2\r\n \r\nx\r\n1\r\n\r\n");
  const Args cases[] = {{dir.File("bad.rlk")},
                        {dir.File("good.txt")},
                        {dir.File("none.rlk")},
                        {"--values", "--table", dir.File("bad.rlk")}};
  for (const auto& args : cases) {
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), kCalcExitRefused) << args.back();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "Forkert filtype\n");
  }
}

TEST(CalcRun, APathWithABlankArrivesWhole) {
  TempDir dir;
  WriteBytes(dir.File("mit ark.rlk"), "2\r\n \r\nx\r\n\r\n\r\n");
  std::string out, err;
  EXPECT_EQ(RunCalc({dir.File("mit"), "ark.rlk"}, out, err), kCalcExitOk);
  EXPECT_TRUE(err.empty());
  EXPECT_NE(out.find(" A1   x  "), std::string::npos);
}

}  // namespace
}  // namespace ravnelok
