// The shipped example sheets: their text output against golden files, their save-load-save
// round trip, and the real ravnelok-calc program run on them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "app/calc_cli.h"
#include "app/sheet_commands.h"
#include "document/document.h"
#include "files/sheet_file.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "text/cp1252.h"

namespace ravnelok {
namespace {

using testing::FakeUi;
using testing::ReadBytes;
using testing::TempDir;

const std::string kSource = RAVNELOK_SOURCE_DIR;
const std::string kExamples = kSource + "/examples/";
const std::string kData = kSource + "/tests/data/";

// The options, the sheet and its golden file.
// clang-format off
const std::tuple<std::vector<std::string>, const char*, const char*> kGoldens[] = {
    {{}, "tilbud", "tilbud.txt"}, {{"--values"}, "tilbud", "tilbud.values.txt"},
    {{}, "iteration", "iteration.txt"},
    {{"--values", "--passes", "3"}, "iteration", "iteration.values.txt"}, {{}, "kast", "kast.txt"},
    {{"--values"}, "kast", "kast.values.txt"},
    {{"--radians", "--values"}, "kast", "kast.radians.values.txt"},
    {{"--mark", "8,9,1,99", "--passes", "3", "--table"}, "kast", "kast.table.txt"}};
// clang-format on

// Each sheet also saves back to the very bytes it was loaded from.
TEST(Examples, TextOutputMatchesTheGoldenFilesAndSavingGivesTheFileBack) {
  TempDir dir;
  for (const auto& [options, sheet, file] : kGoldens) {
    SCOPED_TRACE(file);
    std::vector<std::string> args = options;
    args.push_back(kExamples + sheet + ".rlk");
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), kCalcExitOk);
    EXPECT_EQ(err, "");
    const std::string expected = ReadBytes(kData + file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(out, expected);

    // The same text as raw Windows-1252.
    args.insert(args.begin(), "--cp1252");
    std::string raw;
    RunCalc(args, raw, err);
    EXPECT_EQ(raw, cp1252::FromUtf8(expected));
    Document doc;
    FakeUi ui;
    ASSERT_TRUE(LoadSheet(doc, ui, args.back()) && SaveSheet(doc, ui, dir.File("copy.rlk")));
    EXPECT_EQ(ReadBytes(dir.File("copy.rlk")), ReadBytes(args.back()));
    EXPECT_TRUE(ui.messages.empty());
  }
}

// Runs the program through the shell; gives its exit status and what it wrote.
int RunProgram(const std::string& arguments, const TempDir& dir, std::string& out,
               std::string& err) {
  const std::string command = std::string("'") + RAVNELOK_CALC_PATH + "' " + arguments + " >'" +
                              dir.File("out") + "' 2>'" + dir.File("err") + "'";
  const int status = std::system(command.c_str());
  out = ReadBytes(dir.File("out"));
  err = ReadBytes(dir.File("err"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Examples, TheProgramReportsSuccessRefusalAndUsageByItsExitStatus) {
  TempDir dir;
  std::string out, err;
  EXPECT_EQ(RunProgram("'" + kExamples + "tilbud.rlk'", dir, out, err), 0);
  EXPECT_EQ(out + err, ReadBytes(kData + "tilbud.txt"));

  // A refused file gives only the message, whatever the options.
  testing::WriteBytes(dir.File("forkert.rlk"), "1001\r\n");
  EXPECT_EQ(RunProgram("--values --table '" + dir.File("forkert.rlk") + "'", dir, out, err), 1);
  EXPECT_EQ(out + "|" + err, "|Forkert filtype\n");

  EXPECT_EQ(RunProgram("--passes x '" + kExamples + "tilbud.rlk'", dir, out, err), 2);
  EXPECT_EQ(out, "");
  EXPECT_NE(err.find("Usage:"), std::string::npos);
  // --version answers alone: the sheet named with it is not even read.
  EXPECT_EQ(RunProgram("--version /nowhere/x.rlk", dir, out, err), 0);
  EXPECT_EQ(out + "|" + err, "ravnelok-calc 1.69\n|");
}

using testing::WriteBytes;
using Args = std::vector<std::string>;

// The parsed options in one line: path | marks | passes | flags.
std::string Describe(const CalcOptions& o) {
  std::string text = o.path + "|";
  for (const int mark : o.marks) text += std::to_string(mark) + ",";
  return text + "|" + std::to_string(o.passes) + "|" + (o.radians ? "r" : "") +
         (o.table ? "t" : "") + (o.values ? "v" : "") + (o.cp1252 ? "c" : "") + (o.help ? "h" : "");
}

// "" for a refusal, which must say why.
TEST(CalcOptions, ReadsOptionsJoinsTheRestWithBlanksAndRefusesWhatItCannotUse) {
  // clang-format off
  const std::pair<Args, std::string> cases[] = {
      {{"C:\\mine", "ark\\a.rlk"}, "C:\\mine ark\\a.rlk||0|"},
      {{"--radians", "--values", "--cp1252", "x.rlk"}, "x.rlk||0|rvc"},
      {{"--mark", "1,3,5", "x.rlk"}, "x.rlk|1,3,5,|0|"},
      {{"--mark=2", "--mark", "999", "--passes=4", "x.rlk"}, "x.rlk|2,999,|4|"},
      {{"--", "-a.rlk", "--table"}, "-a.rlk --table||0|"}, {{"x.rlk", "--help"}, "x.rlk||0|h"},
      {{"--table"}, ""}, {{"--bogus", "x.rlk"}, ""}, {{"x.rlk", "--mark"}, ""},
      {{"--mark", "1,,2", "x.rlk"}, ""}, {{"--mark=", "x.rlk"}, ""},
      {{"--passes", "100001", "x.rlk"}, ""}, {{"--table=1", "x.rlk"}, ""}};
  // clang-format on
  for (const auto& [args, expected] : cases) {
    CalcOptions options;
    std::string error;
    EXPECT_EQ(ParseCalcOptions(args, options, error), !expected.empty()) << error;
    EXPECT_EQ(expected.empty() ? std::string(error.empty() ? "" : "!") : Describe(options),
              expected.empty() ? "!" : expected)
        << ::testing::PrintToString(args);
  }
}

// A sheet file of the given (name, expression) lines, Windows-1252.
std::string SheetBytes(const std::vector<std::pair<std::string, std::string>>& lines) {
  std::string bytes = std::to_string(lines.size() + 1) + "\r\n";
  for (const auto& [name, expression] : lines)
    bytes += " \r\n" + name + "\r\n" + expression + "\r\n\r\n";
  return bytes;
}

// Messages go once per line, Danish letters in UTF-8.
TEST(CalcRun, MessagesGoToStandardErrorAndValuesShowFullPrecision) {
  testing::TempDir dir;
  std::string many = "1";
  for (int i = 0; i < 100; ++i) many += "+x";
  const std::pair<std::string, std::string> cases[] = {
      {SheetBytes({{"x", "5"}, {"y", many}, {"", "1"}, {"z", many}}),
       "Fortolkeren giver op - for mange variable!\nFortolkeren giver op - for mange variable!\n"},
      {SheetBytes({{"b\xe6r", "1"}, {"b\xe6r", "2"}}), "Navnet b\xc3\xa6r er brugt flere gange\n"}};
  for (const auto& [bytes, messages] : cases) {
    WriteBytes(dir.File("ark.rlk"), bytes);
    std::string out, err;
    EXPECT_EQ(RunCalc({dir.File("ark.rlk")}, out, err), kCalcExitOk);
    EXPECT_EQ(err, messages);
    EXPECT_FALSE(out.empty());
  }
  // The golden files pin the usual values; these two come from the line's record, not its cell.
  WriteBytes(dir.File("v.rlk"), SheetBytes({{"stor", "2*10^10"}, {"tom", "HVIS 1>2 S\xc5 5"}}));
  std::string out, err;
  EXPECT_EQ(RunCalc({"--values", dir.File("v.rlk")}, out, err), kCalcExitOk);
  EXPECT_EQ(out,
            "A1\tstor\t 2.000000000000E+0010\n"  // the value cell shows "   ###"
            "A2\ttom\t\n");
  EXPECT_EQ(err, "");
}

// --why: a line per failed line on standard error, in UTF-8 unless --cp1252; nothing else moves.
TEST(CalcRun, WhyTellsEachFailedLineOnStandardError) {
  testing::TempDir dir;
  WriteBytes(dir.File("w.rlk"), SheetBytes({{"t", "t+0,25"},
                                            {"", "1/0"},
                                            {"r\xf8"
                                             "d",
                                             "KVR(-1)"},
                                            {"ok", "2"}}));
  std::string plain_out, plain_err;
  ASSERT_EQ(RunCalc({dir.File("w.rlk")}, plain_out, plain_err), kCalcExitOk);
  for (const bool raw : {false, true}) {
    std::vector<std::string> args = {"--why", dir.File("w.rlk")};
    if (raw) args.insert(args.begin(), "--cp1252");
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), kCalcExitOk);
    const std::string why =
        "A1\tt\tLinien bruger sin egen v\xe6rdi (t) og mangler en startv\xe6rdi\n"
        "A2\t\tDivision med nul\n"
        "A3\tr\xf8"
        "d\tTallet ligger uden for det, funktionen kvr er defineret for\n";
    EXPECT_EQ(err, raw ? why : cp1252::ToUtf8(why));
    if (!raw) {
      EXPECT_EQ(out, plain_out);
    }
  }
}

}  // namespace
}  // namespace ravnelok
