// The command-line program: the shipped example sheets' text output against golden files and
// their save-load-save round trip, the real ravnelok-calc run on them, and its options.
#include "app/calc_cli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>

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

using Args = std::vector<std::string>;
const std::string kCsv = kSource + "/tests/data/kast.csv";

// The parsed options in one line (path | marks | passes | flags | csv | graph | graph file | pdf |
// name | start values, and "painter" when one is needed), or "!" and the message of a refusal.
std::string Parsed(const Args& args) {
  CalcOptions o;
  std::string error;
  if (!ParseCalcOptions(args, o, error)) return "!" + error;
  std::string text = o.path + "|";
  for (const int mark : o.marks) text += std::to_string(mark) + ",";
  text += "|" + std::to_string(o.passes) + "|" + (o.radians ? "r" : "") + (o.table ? "t" : "") +
          (o.values ? "v" : "") + (o.cp1252 ? "c" : "") + (o.help ? "h" : "") + "|" + o.csv + "|" +
          std::to_string(o.graph) + "|" + o.graph_file + "|" + o.pdf + "|" + o.name + "|";
  for (const auto& [name, value] : o.starts) text += name + "=" + value + ";";
  return text + (NeedsPainter(o) ? "|painter" : "");
}

// The rest of the words is the path, joined with blanks.
TEST(CalcOptions, TakeTheirValuesJoinTheRestAndRefuseWhatCannotBeUsed) {
  const std::string marks = "!--mark needs line numbers from 1 to 999, separated by commas";
  // clang-format off
  const std::pair<Args, std::string> cases[] = {
      {{"C:\\mine", "ark\\a.rlk"}, "C:\\mine ark\\a.rlk||0|||0||||"},
      {{"--radians", "--values", "--cp1252", "x.rlk"}, "x.rlk||0|rvc||0||||"},
      {{"--mark", "1,3,5", "x.rlk"}, "x.rlk|1,3,5,|0|||0||||"},
      {{"--mark=2", "--mark", "999", "--passes=4", "x.rlk"}, "x.rlk|2,999,|4|||0||||"},
      {{"--", "-a.rlk", "--table"}, "-a.rlk --table||0|||0||||"},
      {{"x.rlk", "--help"}, "x.rlk||0|h||0||||"},
      {{"--csv=-", "--start", "x=1", "--start=A11=-2,5", "a"}, "a||0||-|0||||x=1;A11=-2,5;"},
      {{"--graph", "7", "--graph-file", "g.svg", "a"}, "a||0|||7|g.svg||||painter"},
      {{"--pdf", "p.pdf", "--name", "-Åse-", "a"}, "a||0|||0||p.pdf|-Åse-||painter"},
      {{"--pdf", "p.pdf", "--help"}, "||0|h||0||p.pdf||"},
      {{"--table"}, "!no sheet file given"}, {{"--bogus", "x.rlk"}, "!unknown option --bogus"},
      {{"x.rlk", "--mark"}, marks}, {{"--mark", "1,,2", "x.rlk"}, marks}, {{"--mark=", "x.rlk"}, marks},
      {{"--passes", "100001", "x.rlk"}, "!--passes needs a whole number from 0 to 100000"},
      {{"--table=1", "x.rlk"}, "!option --table takes no value"},
      {{"--graph", "8", "a"}, "!--graph needs a graph kind from 1 to 7"},
      {{"--graph-file", "g.png", "a"}, "!--graph-file needs --graph"},
      {{"--start", "=1", "a"}, "!--start needs NAME=VALUE"},
      {{"a", "--pdf"}, "!--pdf needs a file name"}};
  // clang-format on
  for (const auto& [args, expected] : cases) {
    EXPECT_EQ(Parsed(args), expected) << ::testing::PrintToString(args);
  }
}

// The start values dialog's road: the values the pass that follows keeps, the dialog's message
// for a value that is not a number, a name that takes no start value refused.
TEST(CalcRun, StartValuesActAsTheDialogs) {
  // clang-format off
  const std::tuple<Args, int, std::string, std::string> cases[] = {
      {{"--start", "x=1", "--start", "n=0", "--passes", "3"}, kCalcExitOk,
       "A10\tx\t 1.414215686275E+0000\nA11\tn\t 3.000000000000E+0000\n", ""},
      {{"--start", "A10=2", "--start", "A11=1,5"}, kCalcExitOk,
       "A10\tx\t 2.000000000000E+0000\nA11\tn\t 1.500000000000E+0000\n", ""},
      {{"--start", "x=zwei", "--start", "n=0"}, kCalcExitOk,
       "A10\tx\t ???\nA11\tn\t 0.000000000000E+0000\n", "Ukorrekt angivelse af værdi\n"},
      {{"--start", "a=1"}, kCalcExitUsage, "",
       "ravnelok-calc: --start a: no line of that name or label refers to itself\n"}};
  // clang-format on
  for (auto [args, status, values, messages] : cases) {
    args.insert(args.begin(), "--values");
    args.push_back(kExamples + "iteration.rlk");
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), status);
    EXPECT_EQ(err, messages);
    EXPECT_NE(out.find(values), std::string::npos) << out;
  }
}

// The CSV on standard output in place of the sheet, or in a file beside it; pictures without
// the render program's painter are refused rather than skipped.
TEST(CalcRun, TableAsCsvGoesToStandardOutputOrAFile) {
  testing::TempDir dir;
  const auto run = [](const std::string& csv, std::string& out, std::string& err) {
    return RunCalc({"--passes=3", "--mark=8,9", "--csv", csv, kExamples + "kast.rlk"}, out, err);
  };
  std::string out, text, err;
  EXPECT_EQ(run("-", out, err), kCalcExitOk);
  EXPECT_EQ(out, testing::ReadBytes(kCsv));
  EXPECT_EQ(run(dir.File("t.csv"), text, err), kCalcExitOk);
  EXPECT_EQ(testing::ReadBytes(dir.File("t.csv")), out);
  EXPECT_NE(text.find("Udtryk"), std::string::npos);
  EXPECT_EQ(run(dir.File("no/t.csv"), text, err), kCalcExitRefused);
  EXPECT_EQ(RunCalc({"--pdf", "p.pdf", kExamples + "kast.rlk"}, text, err), kCalcExitUsage);
  EXPECT_EQ(err, "ravnelok-calc: could not write " + dir.File("no/t.csv") +
                     "\nravnelok-calc: pictures and PDF files are drawn by ravnelok-render\n");
}

// The golden CSV has the shape a reader needs to take it as numbers without options: a header,
// then rows of numbers or empty fields, CR LF.
TEST(CalcRun, TableCsvLoadsAsNumbers) {
  const std::string n = "(-?[0-9]+(\\.[0-9]+)?(E-?[0-9]+)?)?";
  const std::regex csv("længde,højde\r\n(" + n + "," + n + "\r\n){3}");
  EXPECT_TRUE(std::regex_match(testing::ReadBytes(kCsv), csv));
}

}  // namespace
}  // namespace ravnelok
