#include "expression/eval_cache.h"

#include <cstring>

#include "document/document.h"

namespace ravnelok {

void EvalCachesDeleter::operator()(EvalCaches* caches) const {
  delete caches;
}

EvalCaches& RenewCaches(Document& doc) {
  EvalCaches* caches = doc.eval_caches.get();
  if (caches == nullptr) {
    caches = new EvalCaches;
    doc.eval_caches.reset(caches);
    caches->texts_generation = doc.texts.Generation() + 1;
  }
  if (caches->texts_generation != doc.texts.Generation()) {
    caches->texts_generation = doc.texts.Generation();
    caches->lines.assign(kMaxLines + 1, LineEvalCache{});
    caches->readings.assign(kMaxLines + 1, RecordReading{});
    caches->texts.assign(kMaxLines + 1, RecordText{});
    caches->name_cell_stamps.clear();
  }
  return *caches;
}

}  // namespace ravnelok
