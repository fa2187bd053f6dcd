// The command line's newer options: the table as CSV, start values, graphs and PDF files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "app/calc_cli.h"
#include "support/temp_dir.h"

namespace ravnelok {
namespace {

using Args = std::vector<std::string>;
const std::string kExamples = RAVNELOK_SOURCE_DIR "/examples/";
const std::string kCsv = RAVNELOK_SOURCE_DIR "/tests/data/kast.csv";

// The parsed newer options in one line, or "!" and the message for a refusal.
TEST(CalcOptions, NewerOptionsTakeTheirValuesAndRefuseWhatCannotBeUsed) {
  const std::pair<Args, std::string> cases[] = {
      {{"--csv=-", "--start", "x=1", "--start=A11=-2,5", "a"}, "-|0||||x=1;A11=-2,5;"},
      {{"--graph", "7", "--graph-file", "g.svg", "a"}, "|7|g.svg||||painter"},
      {{"--pdf", "p.pdf", "--name", "-Åse-", "a"}, "|0||p.pdf|-Åse-||painter"},
      {{"--pdf", "p.pdf", "--help"}, "|0||p.pdf||"},
      {{"--graph", "8", "a"}, "!--graph needs a graph kind from 1 to 7"},
      {{"--graph-file", "g.png", "a"}, "!--graph-file needs --graph"},
      {{"--start", "=1", "a"}, "!--start needs NAME=VALUE"},
      {{"a", "--pdf"}, "!--pdf needs a file name"}};
  for (const auto& [args, expected] : cases) {
    CalcOptions o;
    std::string error, got;
    const bool ok = ParseCalcOptions(args, o, error);
    for (const auto& [name, value] : o.starts) got += name + "=" + value + ";";
    got = o.csv + "|" + std::to_string(o.graph) + "|" + o.graph_file + "|" + o.pdf + "|" + o.name +
          "|" + got + (NeedsPainter(o) ? "|painter" : "");
    EXPECT_EQ(ok ? got : "!" + error, expected);
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

// The golden CSV reads as numbers without options: in pandas where a Python has it, else by
// the shape such a reader needs (a header, then rows of numbers or empty fields, CR LF).
TEST(CalcRun, TableCsvLoadsAsNumbers) {
  for (const std::string python : {"python3", "/usr/bin/python3"}) {
    if (std::system((python + " -c 'import pandas' 2>/dev/null").c_str()) != 0) continue;
    const std::string script =
        "import pandas,sys; t=pandas.read_csv(sys.argv[1]); sys.exit(0 if list(t.columns)=="
        "['længde','højde'] and len(t)==3 and all(str(d)=='float64' for d in t.dtypes) else 1)";
    EXPECT_EQ(std::system((python + " -c \"" + script + "\" '" + kCsv + "'").c_str()), 0);
    return;
  }
  const std::string n = "(-?[0-9]+(\\.[0-9]+)?(E-?[0-9]+)?)?";
  const std::regex csv("længde,højde\r\n(" + n + "," + n + "\r\n){3}");
  EXPECT_TRUE(std::regex_match(testing::ReadBytes(kCsv), csv));
}

}  // namespace
}  // namespace ravnelok
