#include "support/fake_ui.h"

#include "text/cp1252.h"

namespace ravnelok::testing {

namespace {
template <typename Dialog>
bool RunScript(std::deque<std::function<bool(Dialog&)>>& script, Dialog& dialog) {
  if (script.empty()) return false;
  auto step = std::move(script.front());
  script.pop_front();
  return step(dialog);
}
}  // namespace

void FakeUi::ShowMessage(const std::string& text) {
  messages.push_back(text);
}

bool FakeUi::Confirm(const std::string& caption, const std::string& message, const std::string&,
                     const std::string&) {
  questions.push_back(cp1252::ToUtf8(caption) + ": " + cp1252::ToUtf8(message));
  if (confirm_answers.empty()) return false;
  const bool answer = confirm_answers.front();
  confirm_answers.pop_front();
  return answer;
}

bool FakeUi::RunDecimalsDialog(DecimalsDialog& dialog) {
  questions.push_back(cp1252::ToUtf8(dialog.caption));
  return RunScript(decimals_script, dialog);
}

bool FakeUi::RunStartValuesDialog(StartValuesDialog& dialog) {
  questions.push_back(cp1252::ToUtf8(dialog.caption));
  return RunScript(start_values_script, dialog);
}

bool FakeUi::RunTextInputDialog(TextInputDialog& dialog) {
  questions.push_back(cp1252::ToUtf8(dialog.caption));
  return RunScript(text_input_script, dialog);
}

bool FakeUi::RunAngleDialog(AngleDialog& dialog) {
  questions.push_back(cp1252::ToUtf8(dialog.caption));
  return RunScript(angle_script, dialog);
}

std::optional<std::string> FakeUi::AskOpenFileName(const std::string& title, const std::string&) {
  questions.push_back(cp1252::ToUtf8(title));
  if (open_answers.empty()) return std::nullopt;
  auto answer = open_answers.front();
  open_answers.pop_front();
  return answer;
}

std::optional<std::string> FakeUi::AskSaveFileName(const std::string& title,
                                                   const std::string& initial) {
  questions.push_back(cp1252::ToUtf8(title));
  save_initials.push_back(initial);
  if (save_answers.empty()) return std::nullopt;
  auto answer = save_answers.front();
  save_answers.pop_front();
  return answer;
}

std::vector<std::string> FakeUi::MessagesUtf8() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(cp1252::ToUtf8(m));
  return out;
}

}  // namespace ravnelok::testing
