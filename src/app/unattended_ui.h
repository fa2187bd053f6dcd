#pragma once

#include <optional>
#include <string>

#include "document/ui.h"

namespace ravnelok {

// A Ui with nobody at it: every question is answered "cancel" and messages are only counted.
// The command-line front end and the benchmarks build on it.
class UnattendedUi : public Ui {
 public:
  void ShowMessage(const std::string&) override { ++messages; }
  bool Confirm(const std::string&, const std::string&, const std::string&,
               const std::string&) override {
    return false;
  }
  bool RunDecimalsDialog(DecimalsDialog&) override { return false; }
  bool RunStartValuesDialog(StartValuesDialog&) override { return false; }
  bool RunTextInputDialog(TextInputDialog&) override { return false; }
  bool RunAngleDialog(AngleDialog&) override { return false; }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }

  int messages = 0;
};

}  // namespace ravnelok
