#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/ui.h"

namespace ravnelok::testing {

// A scripted Ui: records every message (Windows-1252 and as UTF-8) and answers every question
// from queues filled by the test. An unscripted question is answered "cancel".
class FakeUi : public Ui {
 public:
  void ShowMessage(const std::string& text) override;
  bool Confirm(const std::string& caption, const std::string& message, const std::string& yes,
               const std::string& no) override;
  bool RunDecimalsDialog(DecimalsDialog& dialog) override;
  bool RunStartValuesDialog(StartValuesDialog& dialog) override;
  bool RunTextInputDialog(TextInputDialog& dialog) override;
  bool RunAngleDialog(AngleDialog& dialog) override;
  std::optional<std::string> AskOpenFileName(const std::string& title,
                                             const std::string& initial) override;
  std::optional<std::string> AskSaveFileName(const std::string& title,
                                             const std::string& initial) override;
  void LayOutWindow() override { ++layouts; }
  void GraphChanged() override { ++graph_changes; }
  bool RunPrintDialog() override;
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     const std::string& value) override;
  PrintTarget* BeginPrintJob() override { return print_target; }
  void EndPrintJob() override { ++print_jobs_ended; }
  ScreenMetrics Screen() override { return {1024, 508, 182}; }

  // Messages shown so far, converted to UTF-8 for readable assertions.
  std::vector<std::string> MessagesUtf8() const;

  std::vector<std::string> messages;   // Windows-1252, as shown
  std::vector<std::string> questions;  // every dialog caption or message asked, UTF-8
  std::deque<bool> confirm_answers;
  std::deque<std::function<bool(DecimalsDialog&)>> decimals_script;
  std::deque<std::function<bool(StartValuesDialog&)>> start_values_script;
  std::deque<std::function<bool(TextInputDialog&)>> text_input_script;
  std::deque<std::function<bool(AngleDialog&)>> angle_script;
  std::deque<std::optional<std::string>> open_answers;
  std::deque<std::optional<std::string>> save_answers;
  std::vector<std::string> save_initials;  // the initial names the save dialog was given
  std::deque<bool> print_answers;
  std::deque<std::optional<std::string>> text_answers;
  PrintTarget* print_target = nullptr;
  int print_jobs_ended = 0;
  int layouts = 0;
  int graph_changes = 0;
};

}  // namespace ravnelok::testing
