#include "app/confirm_close.h"

#include "document/document.h"
#include "document/ui.h"

namespace ravnelok {

bool ConfirmClose(Document& doc, Ui& ui) {
  return ui.Confirm(doc.texts[TextId::kConfirmCaption], doc.texts[TextId::kCloseQuestion],
                    doc.texts[TextId::kYes], doc.texts[TextId::kNo]);
}

}  // namespace ravnelok
