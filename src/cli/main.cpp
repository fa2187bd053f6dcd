#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/calc_cli.h"
#include "document/document.h"

namespace {
// Left for the end of the process to take back: taking 999 lines apart costs more than the
// rest of the exit.
ravnelok::Document* document = nullptr;

// Pictures and PDF files are drawn with Qt by the render program beside this one; this program
// stays static and free of Qt, so that its text runs start in a few milliseconds.
int HandOverToRenderer(char** argv) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string path = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : "";
  path = path.substr(0, path.rfind('/') + 1) + "ravnelok-render";
  argv[0] = path.data();
  execv(path.c_str(), argv);
  std::fprintf(stderr, "ravnelok-calc: cannot start %s\n", path.c_str());
  return ravnelok::kCalcExitRefused;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  ravnelok::CalcOptions options;
  std::string error;
  if (ravnelok::ParseCalcOptions(args, options, error) && ravnelok::NeedsPainter(options)) {
    return HandOverToRenderer(argv);
  }
  std::string out;
  std::string err;
  document = new ravnelok::Document;
  const int status = ravnelok::RunCalc(args, *document, out, err);
  return ravnelok::FinishCalc(status, out, std::move(err));
}
