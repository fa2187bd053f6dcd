#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ravnelok {

// What `ravnelok-calc` was asked to do.
struct CalcOptions {
  bool help = false;
  bool version = false;
  bool why = false;  // tell on standard error why each failed line failed
  bool radians = false;
  bool table = false;
  bool values = false;
  bool cp1252 = false;
  int passes = 0;
  std::vector<int> marks;  // sheet lines to mark "T" after loading
  std::string path;        // the remaining arguments joined with single blanks
  std::string csv;         // the table as CSV into this file; "-" for standard output
  int graph = 0;           // the graph kind to draw, 1..7; 0 for none
  std::string graph_file;  // the drawn graph into this .png or .svg file
  std::string pdf;         // the printout into this PDF file
  std::string name;        // the name on the printout
  std::vector<std::pair<std::string, std::string>> starts;  // --start NAME=VALUE, in order
};

constexpr int kCalcExitOk = 0;
constexpr int kCalcExitRefused = 1;
constexpr int kCalcExitUsage = 2;
constexpr int kCalcMaxPasses = 100000;

// Reads the arguments (without the program name). False with `error` set on a usage error.
bool ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& options,
                      std::string& error);

// Whether the options ask for a picture or a printout, which only the render program draws.
bool NeedsPainter(const CalcOptions& options);

// The --help text.
const std::string& CalcUsage();

}  // namespace ravnelok
