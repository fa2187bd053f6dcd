#pragma once

#include <string>

namespace ravnelok {

class UiTexts;

// The main window's caption as built, and as the English edition shows it.
inline constexpr const char* kMainCaption = "Ravnelok  version 1.69";
// "Ravnekal   " followed by `caption` from its 10th character, at most 40 characters.
std::string EnglishCaption(const std::string& caption);
// The caption for the loaded texts.
std::string MainWindowCaption(const UiTexts& texts);
// The product name of the about box: Ravnekal in the English edition.
std::string AboutProductName(const UiTexts& texts);

}  // namespace ravnelok
