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
const std::string kData = RAVNELOK_SOURCE_DIR "/tests/data/";

// The parsed newer options in one line, or "!" and the message for a refusal.
std::string Describe(const Args& args) {
  CalcOptions o;
  std::string error;
  if (!ParseCalcOptions(args, o, error)) return "!" + error;
  std::string starts;
  for (const auto& [name, value] : o.starts) starts += name + "=" + value + ";";
  return o.csv + "|" + std::to_string(o.graph) + "|" + o.graph_file + "|" + o.pdf + "|" + o.name +
         "|" + starts + (NeedsPainter(o) ? "|painter" : "");
}

TEST(CalcOptions, NewerOptionsTakeTheirValuesAndRefuseWhatCannotBeUsed) {
  // clang-format off
  const std::pair<Args, std::string> cases[] = {
      {{"--csv", "-", "a.rlk"}, "-|0||||"},
      {{"--csv=t.csv", "a.rlk"}, "t.csv|0||||"},
      {{"--start", "x=1", "--start=A11=-2,5", "a.rlk"}, "|0||||x=1;A11=-2,5;"},
      {{"--graph", "7", "--graph-file", "g.svg", "a.rlk"}, "|7|g.svg||||painter"},
      {{"--pdf", "p.pdf", "--name", "-Åse-", "a.rlk"}, "|0||p.pdf|-Åse-||painter"},
      {{"--graph", "2", "a.rlk"}, "|2||||"},
      {{"--pdf", "p.pdf", "--help"}, "|0||p.pdf||"},
      {{"--graph", "0", "a.rlk"}, "!--graph needs a graph kind from 1 to 7"},
      {{"--graph", "8", "a.rlk"}, "!--graph needs a graph kind from 1 to 7"},
      {{"--graph-file", "g.png", "a.rlk"}, "!--graph-file needs --graph"},
      {{"--start", "=1", "a.rlk"}, "!--start needs NAME=VALUE"},
      {{"--start", "x", "a.rlk"}, "!--start needs NAME=VALUE"},
      {{"--csv", "a.rlk"}, "!no sheet file given"},
      {{"a.rlk", "--pdf"}, "!--pdf needs a file name"},
      {{"--csv=x", "--csv=y", "a.rlk"}, "y|0||||"}};
  // clang-format on
  for (const auto& [args, expected] : cases) {
    EXPECT_EQ(Describe(args), expected) << ::testing::PrintToString(args);
  }
}

// The start values dialog's road: the rows named get their values, which the pass that follows
// keeps; a value that is not a number gives the dialog's message; the passes then go on.
TEST(CalcRun, StartValuesActAsTheDialogs) {
  const std::string sheet = kExamples + "iteration.rlk";
  const std::tuple<Args, int, std::string, std::string> cases[] = {
      {{"--start", "x=1", "--start", "n=0", "--passes", "3"},
       kCalcExitOk,
       "A10\tx\t 1.414215686275E+0000\nA11\tn\t 3.000000000000E+0000\n",
       ""},
      {{"--start", "A10=2", "--start", "A11=1,5"},
       kCalcExitOk,
       "A10\tx\t 2.000000000000E+0000\nA11\tn\t 1.500000000000E+0000\n",
       ""},
      {{"--start", "x=zwei", "--start", "n=0"},
       kCalcExitOk,
       "A10\tx\t ???\nA11\tn\t 0.000000000000E+0000\n",
       "Ukorrekt angivelse af værdi\n"},
      {{"--start", "a=1"},
       kCalcExitUsage,
       "",
       "ravnelok-calc: --start a: no line of that name or label refers to itself\n"}};
  for (const auto& [options, status, values, err_expected] : cases) {
    Args args = options;
    args.insert(args.begin(), "--values");
    args.push_back(sheet);
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), status) << ::testing::PrintToString(options);
    EXPECT_EQ(err, err_expected);
    if (status != kCalcExitOk) continue;
    EXPECT_NE(out.find(values), std::string::npos) << out;
  }
}

// The CSV on standard output in place of the sheet, or in a file beside it.
TEST(CalcRun, TableAsCsvGoesToStandardOutputOrAFile) {
  testing::TempDir dir;
  const Args options = {"--mark", "8,9", "--passes", "3", kExamples + "kast.rlk"};
  Args to_stdout = options;
  to_stdout.insert(to_stdout.begin(), {"--csv", "-"});
  std::string out, err;
  EXPECT_EQ(RunCalc(to_stdout, out, err), kCalcExitOk);
  EXPECT_EQ(out, testing::ReadBytes(kData + "kast.csv"));
  EXPECT_EQ(err, "");

  Args to_file = options;
  to_file.insert(to_file.begin(), {"--csv", dir.File("t.csv")});
  std::string text;
  EXPECT_EQ(RunCalc(to_file, text, err), kCalcExitOk);
  EXPECT_EQ(testing::ReadBytes(dir.File("t.csv")), out);
  EXPECT_NE(text.find("Udtryk"), std::string::npos);  // the sheet as usual

  to_file[1] = dir.File("no/folder/t.csv");
  err.clear();
  EXPECT_EQ(RunCalc(to_file, text, err), kCalcExitRefused);
  EXPECT_EQ(err, "ravnelok-calc: could not write " + to_file[1] + "\n");
}

// The golden CSV reads as numbers without options: in pandas where it is installed, else by a
// check of what such a reader needs of the bytes.
TEST(CalcRun, TableCsvLoadsAsNumbers) {
  const std::string csv = kData + "kast.csv";
  for (const std::string python : {"python3", "/usr/bin/python3"}) {
    if (std::system((python + " -c 'import pandas' 2>/dev/null").c_str()) != 0) continue;
    const std::string script =
        "import pandas,sys; t=pandas.read_csv(sys.argv[1]); "
        "sys.exit(0 if list(t.columns)==['længde','højde'] and len(t)==3 and "
        "all(str(d)=='float64' for d in t.dtypes) else 1)";
    EXPECT_EQ(std::system((python + " -c \"" + script + "\" '" + csv + "'").c_str()), 0);
    return;
  }
  const std::string bytes = testing::ReadBytes(csv);
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");  // no byte order mark in the first name
  const std::regex number("-?[0-9]+(\\.[0-9]+)?(E-?[0-9]+)?|");
  std::size_t fields = 0;
  std::size_t start = bytes.find("\r\n") + 2;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string row = bytes.substr(start, end - start);
    std::size_t count = 1;
    std::size_t from = 0;
    for (std::size_t comma; (comma = row.find(',', from)) != std::string::npos; from = comma + 1) {
      EXPECT_TRUE(std::regex_match(row.substr(from, comma - from), number)) << row;
      ++count;
    }
    EXPECT_TRUE(std::regex_match(row.substr(from), number)) << row;
    if (fields == 0) fields = count;
    EXPECT_EQ(count, fields) << row;
  }
  EXPECT_EQ(start, bytes.size());  // every row ends with CR LF
  EXPECT_EQ(fields, 2u);
}

// Without the render program's painter, pictures and PDF files are a usage error, not an
// empty success.
TEST(CalcRun, PicturesWithoutAPainterAreRefused) {
  std::string out, err;
  EXPECT_EQ(RunCalc({"--pdf", "p.pdf", kExamples + "kast.rlk"}, out, err), kCalcExitUsage);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "ravnelok-calc: pictures and PDF files are drawn by ravnelok-render\n");
}

}  // namespace
}  // namespace ravnelok
