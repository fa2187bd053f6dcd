#include <cstdio>
#include <string>
#include <vector>

#include "app/calc_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out;
  std::string err;
  int status = ravnelok::RunCalc(args, out, err);
  const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
  if ((!written || std::fflush(stdout) != 0) && status == ravnelok::kCalcExitOk) {
    // Output that did not arrive must not look like success.
    err += "ravnelok-calc: could not write the output\n";
    status = ravnelok::kCalcExitRefused;
  }
  std::fwrite(err.data(), 1, err.size(), stderr);
  return status;
}
