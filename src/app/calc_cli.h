#pragma once

#include <string>
#include <vector>

namespace ravnelok {

class Document;

// What `ravnelok-calc` was asked to do.
struct CalcOptions {
  bool help = false;
  bool version = false;
  bool radians = false;
  bool table = false;
  bool values = false;
  bool cp1252 = false;
  int passes = 0;
  std::vector<int> marks;  // sheet lines to mark "T" after loading
  std::string path;        // the remaining arguments joined with single blanks
};

constexpr int kCalcExitOk = 0;
constexpr int kCalcExitRefused = 1;
constexpr int kCalcExitUsage = 2;
constexpr int kCalcMaxPasses = 100000;

// Reads the arguments (without the program name). False with `error` set on a usage error.
bool ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& options,
                      std::string& error);

// The whole command-line run: standard output and standard error are collected in `out` and
// `err`; the result is the exit status.
int RunCalc(const std::vector<std::string>& args, std::string& out, std::string& err);
// The same on a new document of the caller's.
int RunCalc(const std::vector<std::string>& args, Document& doc, std::string& out,
            std::string& err);

// The --help text.
const std::string& CalcUsage();

}  // namespace ravnelok
