#include "expression/eval_cache.h"

#include <cstring>

#include "document/document.h"

namespace ravnelok {

void EvalCachesDeleter::operator()(EvalCaches* caches) const {
  delete caches;
}

EvalCaches::EvalCaches() {
  lines_.reserve(kMaxLines + 1);
  Clear();
}

void EvalCaches::Clear() {
  lines_.clear();
  lines_made_ = 0;
  readings_.assign(kMaxLines + 1, RecordReading{});
  texts_.assign(kMaxLines + 1, RecordText{});
  name_cell_stamps.clear();
}

void EvalCaches::MakeLines(std::size_t last) {
  lines_.resize(last + 1);
  lines_made_ = lines_.size();
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
    caches->Clear();
  }
  return *caches;
}

}  // namespace ravnelok
