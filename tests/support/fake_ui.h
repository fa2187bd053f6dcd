#pragma once

#include <deque>
#include <functional>
#include <optional>

#include "document/ui.h"
#include "text/cp1252.h"

namespace ravnelok::testing {

// A scripted Ui: records every message and answers every question from queues filled by the
// test. An unscripted question is answered "cancel".
class FakeUi : public Ui {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool Confirm(const std::string& caption, const std::string& message, const std::string&,
               const std::string&) override {
    questions.push_back(cp1252::ToUtf8(caption) + ": " + cp1252::ToUtf8(message));
    return Next(confirm_answers, false);
  }
  bool RunDecimalsDialog(DecimalsDialog& d) override { return Run(decimals_script, d); }
  bool RunStartValuesDialog(StartValuesDialog& d) override { return Run(start_values_script, d); }
  bool RunTextInputDialog(TextInputDialog& d) override { return Run(text_input_script, d); }
  bool RunAngleDialog(AngleDialog& d) override { return Run(angle_script, d); }
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string&) override {
    questions.push_back(cp1252::ToUtf8(title));
    return std::nullopt;  // as if cancelled
  }
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& initial) override {
    questions.push_back(cp1252::ToUtf8(title));
    save_initials.push_back(initial);
    return Next(save_answers, std::optional<std::string>());
  }
  void LayOutWindow() override { ++layouts; }
  void GraphChanged() override { ++graph_changes; }
  bool RunPrintDialog() override {
    questions.emplace_back("print");
    return Next(print_answers, false);
  }
  std::optional<std::string> AskText(const std::string& caption, const std::string&,
                                     const std::string&) override {
    questions.push_back(cp1252::ToUtf8(caption));
    return Next(text_answers, std::optional<std::string>());
  }
  PrintTarget* BeginPrintJob() override { return print_target; }
  void EndPrintJob() override { ++print_jobs_ended; }
  ScreenMetrics Screen() override { return {1024, 508, 182}; }
  std::optional<std::string> AskExportFileName(const std::string& title, const std::string& initial,
                                               const std::string& filter) override {
    questions.push_back(cp1252::ToUtf8(title) + " " + initial + " " + filter);
    return Next(export_answers, std::optional<std::string>());
  }
  bool WriteGraphPicture(const std::string& path, PictureFormat format) override {
    pictures.emplace_back(path, format);
    return Next(picture_results, true);
  }

  // Messages shown so far, converted to UTF-8 for readable assertions.
  std::vector<std::string> MessagesUtf8() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(cp1252::ToUtf8(m));
    return out;
  }

  std::vector<std::string> messages;   // Windows-1252, as shown
  std::vector<std::string> questions;  // every dialog caption or message asked, UTF-8
  std::deque<bool> confirm_answers;
  std::deque<std::function<bool(DecimalsDialog&)>> decimals_script;
  std::deque<std::function<bool(StartValuesDialog&)>> start_values_script;
  std::deque<std::function<bool(TextInputDialog&)>> text_input_script;
  std::deque<std::function<bool(AngleDialog&)>> angle_script;
  std::vector<std::string> save_initials;  // the initial names the save dialog was given
  std::deque<std::optional<std::string>> save_answers;  // paths chosen in the save dialog
  std::deque<bool> print_answers;
  std::deque<std::optional<std::string>> text_answers;
  std::deque<std::optional<std::string>> export_answers;        // paths chosen in export dialogs
  std::vector<std::pair<std::string, PictureFormat>> pictures;  // graph pictures asked for
  std::deque<bool> picture_results;
  PrintTarget* print_target = nullptr;
  int print_jobs_ended = 0;
  int layouts = 0;
  int graph_changes = 0;

 private:
  // The next scripted answer, or `fallback` when the script has run out.
  template <typename T>
  static T Next(std::deque<T>& script, T fallback) {
    if (script.empty()) return fallback;
    T next = std::move(script.front());
    script.pop_front();
    return next;
  }
  template <typename Dialog>
  bool Run(std::deque<std::function<bool(Dialog&)>>& script, Dialog& dialog) {
    questions.push_back(cp1252::ToUtf8(dialog.caption));
    const auto step = Next(script, std::function<bool(Dialog&)>());
    return step && step(dialog);
  }
};

}  // namespace ravnelok::testing
