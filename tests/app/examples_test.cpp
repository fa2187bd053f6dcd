// The shipped example sheets: their text output against golden files, their save-load-save
// round trip, and the real ravnelok-calc program run on them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

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
const char* const kSheets[] = {"tilbud", "iteration", "kast"};

struct Golden {
  std::vector<std::string> options;
  const char* sheet;
  const char* file;
};

const Golden kGoldens[] = {
    {{}, "tilbud", "tilbud.txt"},
    {{"--values"}, "tilbud", "tilbud.values.txt"},
    {{}, "iteration", "iteration.txt"},
    {{"--values", "--passes", "3"}, "iteration", "iteration.values.txt"},
    {{}, "kast", "kast.txt"},
    {{"--values"}, "kast", "kast.values.txt"},
    {{"--radians", "--values"}, "kast", "kast.radians.values.txt"},
    {{"--mark", "8,9,1,99", "--passes", "3", "--table"}, "kast", "kast.table.txt"},
};

TEST(Examples, TextOutputMatchesTheGoldenFilesByteForByte) {
  for (const auto& golden : kGoldens) {
    SCOPED_TRACE(golden.file);
    std::vector<std::string> args = golden.options;
    args.push_back(kExamples + golden.sheet + ".rlk");
    std::string out, err;
    EXPECT_EQ(RunCalc(args, out, err), kCalcExitOk);
    EXPECT_EQ(err, "");
    const std::string expected = ReadBytes(kData + golden.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(out, expected);

    // The same text as raw Windows-1252.
    args.insert(args.begin(), "--cp1252");
    std::string raw;
    RunCalc(args, raw, err);
    EXPECT_EQ(raw, cp1252::FromUtf8(expected));
  }
}

TEST(Examples, SaveLoadSaveIsByteIdentical) {
  TempDir dir;
  for (const char* sheet : kSheets) {
    SCOPED_TRACE(sheet);
    const std::string original = ReadBytes(kExamples + sheet + ".rlk");
    Document doc;
    doc.InitialiseGrid();
    FakeUi ui;
    ASSERT_TRUE(LoadSheet(doc, ui, kExamples + sheet + ".rlk"));
    const std::string first = dir.File(std::string(sheet) + "-1.rlk");
    ASSERT_TRUE(SaveSheet(doc, ui, first));
    Document again;
    ASSERT_TRUE(LoadSheet(again, ui, first));
    const std::string second = dir.File(std::string(sheet) + "-2.rlk");
    ASSERT_TRUE(SaveSheet(again, ui, second));
    EXPECT_EQ(ReadBytes(first), original);
    EXPECT_EQ(ReadBytes(second), original);
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
  EXPECT_EQ(out, ReadBytes(kData + "tilbud.txt"));
  EXPECT_EQ(err, "");

  // A refused file gives only the message, whatever the options.
  testing::WriteBytes(dir.File("forkert.rlk"), "1001\r\n");
  EXPECT_EQ(RunProgram("--values --table '" + dir.File("forkert.rlk") + "'", dir, out, err), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "Forkert filtype\n");

  EXPECT_EQ(RunProgram("--passes x '" + kExamples + "tilbud.rlk'", dir, out, err), 2);
  EXPECT_EQ(out, "");
  EXPECT_NE(err.find("Usage:"), std::string::npos);
}

}  // namespace
}  // namespace ravnelok
