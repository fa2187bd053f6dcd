#include "app/calc_options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <optional>
#include <string_view>

#include "document/document.h"

namespace ravnelok {
namespace {

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

bool ParseMarks(std::string_view text, std::vector<int>& marks) {
  for (;;) {
    const auto comma = text.find(',');
    const auto line = WholeNumber(text.substr(0, comma), 1, kMaxLines);
    if (!line) return false;
    marks.push_back(*line);
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// The parser's own refusals carry its wording; ours are thrown with the text to show.
struct Refusal : CLI::ParseError {
  explicit Refusal(const std::string& text) : CLI::ParseError("Refusal", text, 2) {}
};

// An option that takes a value: it takes the next argument whatever it looks like, and a
// missing value reaches `check` as the empty text, so that every refusal is ours.
CLI::Option* ValueOption(CLI::App& app, const std::string& names, const std::string& help,
                         std::function<void(const std::string&)> check) {
  CLI::Option* option = app.add_option_function<std::vector<std::string>>(
      names,
      [check](const std::vector<std::string>& values) {
        for (const auto& value : values) check(value);
      },
      help);
  option->expected(0, 1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  option->allow_extra_args(false);
  return option;
}

void Require(bool ok, const std::string& text) {
  if (!ok) throw Refusal(text);
}

}  // namespace

const std::string& CalcUsage() {
  static const std::string usage =
      "Usage: ravnelok-calc [options] FILE.rlk\n"
      "Loads a Ravnelok sheet, recalculates it and writes the sheet as text.\n"
      "\n"
      "  --radians      trigonometric functions work in radians (default: degrees)\n"
      "  --mark LINES   mark the comma-separated lines \"T\" after loading\n"
      "  --passes N     recalculate N more times, each adding a table row\n"
      "  --table        also write the table\n"
      "  --values       write label, name and full-precision value of each line instead\n"
      "  --cp1252       write Windows-1252 bytes instead of UTF-8\n"
      "  --start NAME=VALUE\n"
      "                 give a line that refers to itself (by name or label) its start value\n"
      "                 before the passes; repeatable\n"
      "  --csv FILE     write the table as CSV (UTF-8) into FILE; \"-\" writes it instead of\n"
      "                 the sheet to standard output\n"
      "  --graph KIND   draw graph KIND as the graph commands number them: 1 xy-points,\n"
      "                 4 bars, 5 curve, 7 frequencies of the whole table; 2 bars, 3 curve,\n"
      "                 6 frequencies of the values of all lines\n"
      "  --graph-file FILE\n"
      "                 write that graph into FILE.png or FILE.svg\n"
      "  --pdf FILE     print into the PDF file FILE (A4), the graph too when --graph is given\n"
      "  --name TEXT    the name printed at the top of the PDF\n"
      "  --why          tell on standard error why each line showing \" ???\" failed\n"
      "  --version      print the version and exit\n"
      "  -h, --help     show this text\n"
      "\n"
      "Exit status: 0 done, 1 file refused, 2 usage error.\n";
  return usage;
}

bool ParseCalcOptions(const std::vector<std::string>& args, CalcOptions& options,
                      std::string& error) {
  CLI::App app;
  app.set_help_flag();
  app.add_flag("-h,--help", options.help);
  app.add_flag("--version", options.version);
  app.add_flag("--why", options.why);
  app.add_flag("--radians", options.radians);
  app.add_flag("--table", options.table);
  app.add_flag("--values", options.values);
  app.add_flag("--cp1252", options.cp1252);
  ValueOption(app, "--mark", "", [&](const std::string& v) {
    Require(ParseMarks(v, options.marks),
            "--mark needs line numbers from 1 to 999, separated by commas");
  });
  ValueOption(app, "--passes", "", [&](const std::string& v) {
    const auto passes = WholeNumber(v, 0, kCalcMaxPasses);
    Require(passes.has_value(),
            "--passes needs a whole number from 0 to " + std::to_string(kCalcMaxPasses));
    options.passes = *passes;
  });
  ValueOption(app, "--start", "", [&](const std::string& v) {
    const auto eq = v.find('=');
    Require(eq != std::string::npos && eq > 0, "--start needs NAME=VALUE");
    options.starts.emplace_back(v.substr(0, eq), v.substr(eq + 1));
  });
  auto text_option = [&](const std::string& name, std::string& into, const std::string& what) {
    ValueOption(app, name, "", [&into, name, what](const std::string& v) {
      Require(!v.empty(), name + " needs " + what);
      into = v;
    });
  };
  text_option("--csv", options.csv, "a file name or -");
  text_option("--graph-file", options.graph_file, "a file name ending in .png or .svg");
  text_option("--pdf", options.pdf, "a file name");
  ValueOption(app, "--name", "", [&](const std::string& v) { options.name = v; });
  ValueOption(app, "--graph", "", [&](const std::string& v) {
    const auto kind = WholeNumber(v, 1, 7);
    Require(kind.has_value(), "--graph needs a graph kind from 1 to 7");
    options.graph = *kind;
  });
  std::vector<std::string> parts;
  app.add_option("file", parts);

  // What the parser would read otherwise is refused first, as before: a flag given a value
  // ("--table=1"), an option it does not know, and the bundling of short flags ("-hx"). What
  // follows "--" is file name, whatever it looks like.
  std::vector<std::string> options_part;
  std::vector<std::string> after_end;
  bool value_next = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (value_next) {
      // Handed over joined, so that a value that looks like an option stays a value.
      options_part.back() += "=" + arg;
      value_next = false;
      continue;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      options_part.push_back(arg);
      continue;
    }
    if (arg == "--") {
      after_end.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    const auto eq = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const CLI::Option* option = app.get_option_no_throw(arg.substr(0, eq));
    const bool takes_value = option != nullptr && option->get_expected_max() > 0;
    if (eq != std::string::npos && !takes_value) {
      error = "option " + arg.substr(0, eq) + " takes no value";
      return false;
    }
    if (option == nullptr) {
      error = "unknown option " + arg;
      return false;
    }
    value_next = takes_value && eq == std::string::npos;
    options_part.push_back(arg);
  }
  try {
    // The parser takes the arguments last first.
    std::vector<std::string> reversed(options_part.rbegin(), options_part.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    error = e.what();
    return false;
  }
  parts.insert(parts.end(), after_end.begin(), after_end.end());
  for (const auto& part : parts) {
    if (!options.path.empty()) options.path += ' ';
    options.path += part;
  }
  if (!options.help && !options.version && options.path.empty()) {
    error = "no sheet file given";
    return false;
  }
  if (!options.graph_file.empty() && options.graph == 0) {
    error = "--graph-file needs --graph";
    return false;
  }
  return true;
}

bool NeedsPainter(const CalcOptions& options) {
  return !options.help && !options.version && (!options.graph_file.empty() || !options.pdf.empty());
}

}  // namespace ravnelok
