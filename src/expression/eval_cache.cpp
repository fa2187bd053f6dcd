#include "expression/eval_cache.h"

#include <cstring>

#include "document/document.h"

namespace ravnelok {

void EvalCachesDeleter::operator()(EvalCaches* caches) const {
  delete caches;
}

EvalCaches::EvalCaches() {
  lines_.reserve(kMaxLines + 1);
  texts_.reserve(kMaxLines + 1);
  // Reserved with the others although only start values need them: without this block the
  // memory a calculation run frees ends at the top of the heap, which the allocator gives
  // back and the next run in the same process faults in again (a third of its time).
  readings_.reserve(kMaxLines + 1);
}

void EvalCaches::Clear() {
  lines_.clear();
  lines_made_ = 0;
  texts_.clear();
  texts_made_ = 0;
  readings_.clear();
  name_cell_stamps.clear();
}

void EvalCaches::MakeLines(std::size_t last) {
  lines_.resize(last + 1);
  lines_made_ = lines_.size();
}

void EvalCaches::MakeTexts(std::size_t last) {
  texts_.resize(last + 1);
  texts_made_ = texts_.size();
}

void EvalCaches::MakeReadings() {
  readings_.resize(kMaxLines + 1);
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
