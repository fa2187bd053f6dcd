#include <cstdio>
#include <string>
#include <vector>

#include "app/calc_cli.h"
#include "document/document.h"

namespace {
// Left for the end of the process to take back: taking 999 lines apart costs more than the
// rest of the exit.
ravnelok::Document* document = nullptr;
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out;
  std::string err;
  document = new ravnelok::Document;
  int status = ravnelok::RunCalc(args, *document, out, err);
  const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
  if ((!written || std::fflush(stdout) != 0) && status == ravnelok::kCalcExitOk) {
    // Output that did not arrive must not look like success.
    err += "ravnelok-calc: could not write the output\n";
    status = ravnelok::kCalcExitRefused;
  }
  std::fwrite(err.data(), 1, err.size(), stderr);
  return status;
}
