#include "app/caption.h"

#include "document/ui_texts.h"

namespace ravnelok {

std::string EnglishCaption(const std::string& caption) {
  const std::string rest = caption.size() > 9 ? caption.substr(9, 40) : std::string();
  return "Ravnekal   " + rest;
}

std::string MainWindowCaption(const UiTexts& texts) {
  return texts.English() ? EnglishCaption(kMainCaption) : std::string(kMainCaption);
}

std::string AboutProductName(const UiTexts& texts) {
  return texts.English() ? "Ravnekal" : "Ravnelok";
}

}  // namespace ravnelok
