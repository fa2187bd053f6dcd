// The input is a sequence of editing commands, undo and redo among them, one byte choosing each
// and the next bytes its arguments. After every step the document must compute what a fresh
// document built from its cells computes (and, in this build, every fast evaluation is checked
// against the full reading); undo and redo must give back the states before and after a step.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/edit_commands.h"
#include "app/history.h"
#include "app/print_command.h"
#include "app/settings_commands.h"
#include "app/sheet_commands.h"
#include "document/sheet_change.h"
#include "document_state.h"
#include "fuzz_support.h"
#include "graphics/graph.h"
#include "graphics/recording_canvas.h"
#include "output/print_layout.h"
#include "sheet/decimals.h"
#include "support/fake_ui.h"

namespace ravnelok {
namespace {

// Collects the printout and throws it away.
struct Printer : PrintTarget {
  Canvas& PageCanvas() override { return canvas; }
  int PageWidth() override { return 4800; }
  int PageHeight() override { return 6000; }
  void NewPage() override { canvas.calls.clear(); }
  RecordingCanvas canvas;
};

// Texts for the cells: pieces the evaluator knows, glued by the input.
const char* const kPieces[] = {"a",        "b", "c",     "A1",   "A2",   "A7",    "SUM(",
                               ":",        ")", "+",     "-",    "*",    "/",     "^",
                               "(",        ";", "1",     "2,5",  "E3",   "HVIS ", " SÅ ",
                               " ELLERS ", ">", "<=",    "RST(", "KVR(", "PI",    "SIN(",
                               "! ",       "x", "1E300", "0",    " ",    "ABS("};

std::string TypedText(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeRandomLengthString(40);
  std::string text;
  const int n = input.ConsumeIntegralInRange(0, 8);
  for (int i = 0; i < n; ++i) text += input.PickValueInArray(kPieces);
  return text;
}

// The shipped English edition's texts, whose reserved words differ from the built-in ones.
const std::string& EnglishTexts() {
  static const std::string bytes = [] {
    std::ifstream in(RAVNELOK_SOURCE_DIR "/lang/english/ravnmenu.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  return bytes;
}

void Select(Document& doc, int left, int top, int right, int bottom) {
  doc.sheet.SetCurrent(left, top);
  doc.sheet.Select({left, top, right, bottom});
}

void AnswerText(testing::FakeUi& ui, std::string text) {
  ui.text_input_script.push_back([text](TextInputDialog& d) {
    d.field = text;
    return true;
  });
}

// Steps taken in this process, told at its end when RAVNELOK_FUZZ_STEPS is set (for campaigns).
struct StepCount {
  unsigned long long steps = 0;
  ~StepCount() {
    if (std::getenv("RAVNELOK_FUZZ_STEPS") != nullptr) std::fprintf(stderr, "steps: %llu\n", steps);
  }
};
StepCount step_count;

}  // namespace
}  // namespace ravnelok

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ravnelok;
  FuzzedDataProvider input(data, size);
  Document doc;
  doc.rng.seed(1);  // the same draws on every run of an input
  testing::FakeUi ui;
  doc.InitialiseGrid();
  doc.SetLineCount(12);
  fuzz::FillBaseLines(doc);
  RecalculateSheet(doc, ui, RecalcMode::kFresh);
  std::optional<std::string> texts;  // none: the built-in ones
  auto line = [&] { return input.ConsumeIntegralInRange(1, doc.LineCount()); };
  // Each recorded step with the states before and after it, as undo and redo must put them back.
  struct Step {
    SheetChange change;
    std::string before;
    std::string after;
  };
  std::vector<Step> done;
  std::vector<Step> undone;
  std::string state = testing::StateOf(doc);
  for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
    ++step_count.steps;
    const size_t messages_before = ui.messages.size();
    const int command = input.ConsumeIntegralInRange(0, 18);
    if (command >= 17) {
      const bool undo = command == 17;
      std::vector<Step>& from = undo ? done : undone;
      if (from.empty()) continue;
      Step taken = std::move(from.back());
      from.pop_back();
      if (undo) {
        UndoSheetChange(doc, ui, taken.change);
      } else {
        RedoSheetChange(doc, ui, taken.change);
      }
      state = testing::StateOf(doc);
      // The view goes back too, but a graph made since (its kind and lines are no step of their
      // own) may no longer draw from the state put back, and is then blanked.
      fuzz::Check(
          testing::SheetStateOf(state) == testing::SheetStateOf(undo ? taken.before : taken.after),
          undo ? "an undo did not put the state back" : "a redo did not put it forward");
      (undo ? undone : done).push_back(std::move(taken));
      continue;
    }
    std::string before = std::move(state);
    bool fresh_history = false;
    ChangeRecorder recorder(doc);
    switch (command) {
      case 0:
      case 1: {
        const int cols[] = {Document::kName, Document::kExpression, Document::kExpression,
                            Document::kUnit};
        doc.editor.column = input.PickValueInArray(cols);
        doc.editor.row = line();
        CommitEditorText(doc, ui, TypedText(input));
        break;
      }
      case 2: {
        const int col = input.ConsumeIntegralInRange(Document::kName, Document::kUnit);
        const int from = line();
        Select(doc, col, from, col,
               std::min(from + input.ConsumeIntegralInRange(0, 2), doc.LineCount()));
        CopyCommand(doc, ui);
        const int to = line();
        Select(doc, col, to, col, to);
        PasteCommand(doc, ui);
        break;
      }
      case 3:
        Select(doc, Document::kName, line(), Document::kName, 1);
        AnswerText(ui, std::to_string(input.ConsumeIntegralInRange(0, 5)));
        InsertLinesCommand(doc, ui);
        break;
      case 4: {
        const int top = line();
        Select(doc, Document::kName, top, Document::kName,
               std::min(top + input.ConsumeIntegralInRange(0, 3), doc.LineCount()));
        DeleteLinesCommand(doc, ui);
        break;
      }
      case 5: {
        const int top = line();
        const int col = input.ConsumeIntegralInRange(Document::kName, Document::kUnit);
        Select(doc, col, top, col,
               std::min(top + input.ConsumeIntegralInRange(0, 2), doc.LineCount()));
        ClearSheetCellsCommand(doc, ui);
        break;
      }
      case 6: {
        const int top = line();
        Select(doc, Document::kValue, top, Document::kValue, top);
        if (input.ConsumeBool()) {
          MoreDecimals(doc);
        } else {
          FewerDecimals(doc);
        }
        break;
      }
      case 7: {
        Select(doc, Document::kValue, 1, Document::kValue, doc.LineCount());
        const bool automatic = input.ConsumeBool();
        const int ups = input.ConsumeIntegralInRange(0, 9);
        ui.decimals_script.push_back([automatic, ups](DecimalsDialog& d) {
          if (automatic != d.auto_checked) d.ToggleCheck();
          for (int i = 0; i < ups; ++i) d.SpinUp();
          return true;
        });
        DecimalsDialogCommand(doc, ui);
        break;
      }
      case 8:
      case 9:
        PressSheetGrid(doc, ui, MouseButton::kLeft,
                       input.ConsumeBool() ? Document::kTableMark : Document::kFixedMark, line());
        break;
      case 10:
        ui.angle_script.push_back([](AngleDialog& d) {
          d.choice = d.choice == AngleUnit::kDegrees ? AngleUnit::kRadians : AngleUnit::kDegrees;
          return true;
        });
        AngleCommand(doc, ui);
        break;
      case 11:
        AnswerText(ui, std::to_string(input.ConsumeIntegralInRange(0, 40)));
        NumberOfLinesCommand(doc, ui);
        // The value cells keep their text until the next pass (a line may show a value that
        // read a line now gone), which the user's next edit starts: the step takes it, so that
        // the values can be compared.
        RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
        break;
      case 12:
        switch (input.ConsumeIntegralInRange(0, 2)) {
          case 0:
            texts = input.ConsumeRandomLengthString(200);
            doc.LoadTextsFromBytes(*texts);
            break;
          case 1:
            texts = EnglishTexts();
            doc.LoadTextsFromBytes(*texts);
            break;
          default:
            texts.reset();
            doc.LoadTexts("/no such file");
        }
        // The program loads its texts once, at start, before any step: no undo reaches across
        // other texts, whose words would read the restored cells otherwise.
        fresh_history = true;
        RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
        break;
      case 13: {
        const int top = line();
        Select(doc, Document::kValue, top, Document::kValue,
               std::min(top + input.ConsumeIntegralInRange(0, 6), doc.LineCount()));
        GraphCommand(doc, ui, static_cast<GraphKind>(input.ConsumeIntegralInRange(1, 7)));
        break;
      }
      case 14: {
        Printer printer;
        PrintSetup setup;
        setup.name = input.ConsumeBool() ? "Navn" : "";
        setup.screen_width = 1024;
        setup.graph_width = 508;
        setup.graph_height = 182;
        PrintSheet(doc, printer, setup);
        break;
      }
      case 15:
        // Nothing of the old sheet may show in the new one.
        ui.confirm_answers.push_back(true);
        NewSheetCommand(doc, ui);
        break;
      default:
        switch (input.ConsumeIntegralInRange(0, 2)) {
          case 1: {  // rows removed from the table, as its header's menu does
            const int top = input.ConsumeIntegralInRange(1, 8);
            RemoveTableRowsCommand(doc, ui, top, top + input.ConsumeIntegralInRange(0, 3));
            break;
          }
          case 2: {  // start values typed for the lines that refer to themselves
            std::string typed = TypedText(input);
            ui.start_values_script.push_back([typed](StartValuesDialog& d) {
              for (size_t r = 1; r < d.rows.size(); ++r) d.rows[r][1] = r == 1 ? typed : "7";
              return !typed.empty();
            });
            StartValuesCommand(doc, ui);
            break;
          }
          default:
            RecalculateSheet(doc, ui, RecalcMode::kAppendRow);
        }
        break;
    }
    ui.start_values_script.clear();
    ui.text_input_script.clear();
    ui.decimals_script.clear();
    ui.angle_script.clear();
    ui.confirm_answers.clear();
    fuzz::PassUntilNamesAccepted(doc, ui, messages_before);
    // The passes belong to the step, as the window records a command with its recalculation.
    std::optional<SheetChange> change = recorder.Finish();
    state = testing::StateOf(doc);
    if (fresh_history) {
      done.clear();
      undone.clear();
    } else if (change) {
      done.push_back({std::move(*change), std::move(before), state});
      undone.clear();
    } else {
      fuzz::Check(testing::SheetStateOf(state) == testing::SheetStateOf(before),
                  "a change went unrecorded");
    }
    fuzz::CheckAgainstFresh(doc, texts ? testing::TextBytes(*texts) : std::nullopt);
  }
  return 0;
}
