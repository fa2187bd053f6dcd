#include "app/print_command.h"

#include "document/document.h"
#include "document/ui.h"
#include "output/print_layout.h"

namespace ravnelok {

void PrintCommand(Document& doc, Ui& ui) {
  if (!ui.RunPrintDialog()) return;
  PrintSetup setup;
  setup.name = ui.AskText(doc.texts[TextId::kWriteYourName], "", "").value_or("");
  PrintTarget* target = ui.BeginPrintJob();
  if (target == nullptr) return;
  const ScreenMetrics screen = ui.Screen();
  setup.screen_width = screen.screen_width;
  setup.graph_width = screen.graph_area_width;
  setup.graph_height = screen.graph_area_height;
  PrintSheet(doc, *target, setup);
  ui.EndPrintJob();
}

}  // namespace ravnelok
