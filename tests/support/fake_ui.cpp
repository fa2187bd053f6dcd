#include "support/fake_ui.h"

#include "text/cp1252.h"

namespace ravnelok::testing {

namespace {
// The next scripted answer, or `fallback` when the script has run out.
template <typename T>
T Next(std::deque<T>& script, T fallback) {
  if (script.empty()) return fallback;
  T next = std::move(script.front());
  script.pop_front();
  return next;
}

template <typename Dialog>
bool Run(std::vector<std::string>& questions, std::deque<std::function<bool(Dialog&)>>& script,
         Dialog& dialog) {
  questions.push_back(cp1252::ToUtf8(dialog.caption));
  const auto step = Next(script, std::function<bool(Dialog&)>());
  return step && step(dialog);
}
}  // namespace

void FakeUi::ShowMessage(const std::string& text) {
  messages.push_back(text);
}

bool FakeUi::Confirm(const std::string& caption, const std::string& message, const std::string&,
                     const std::string&) {
  questions.push_back(cp1252::ToUtf8(caption) + ": " + cp1252::ToUtf8(message));
  return Next(confirm_answers, false);
}

bool FakeUi::RunDecimalsDialog(DecimalsDialog& d) {
  return Run(questions, decimals_script, d);
}
bool FakeUi::RunStartValuesDialog(StartValuesDialog& d) {
  return Run(questions, start_values_script, d);
}
bool FakeUi::RunTextInputDialog(TextInputDialog& d) {
  return Run(questions, text_input_script, d);
}
bool FakeUi::RunAngleDialog(AngleDialog& d) {
  return Run(questions, angle_script, d);
}

std::optional<std::string> FakeUi::AskOpenFileName(const std::string& title, const std::string&) {
  questions.push_back(cp1252::ToUtf8(title));
  return Next(open_answers, std::optional<std::string>());
}

std::optional<std::string> FakeUi::AskSaveFileName(const std::string& title,
                                                   const std::string& initial) {
  questions.push_back(cp1252::ToUtf8(title));
  save_initials.push_back(initial);
  return Next(save_answers, std::optional<std::string>());
}

bool FakeUi::RunPrintDialog() {
  questions.emplace_back("print");
  return Next(print_answers, false);
}

std::optional<std::string> FakeUi::AskText(const std::string& caption, const std::string&,
                                           const std::string&) {
  questions.push_back(cp1252::ToUtf8(caption));
  return Next(text_answers, std::optional<std::string>());
}

std::vector<std::string> FakeUi::MessagesUtf8() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(cp1252::ToUtf8(m));
  return out;
}

}  // namespace ravnelok::testing
