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
    caches->records.assign(kMaxLines + 1, RecordReading{});
    caches->name_cell_stamps.clear();
  }
  return *caches;
}

bool SameBits(const Real& a, const Real& b) {
  if constexpr (kRealBytes == 10) {
    uint64_t a_low = 0;
    uint64_t b_low = 0;
    uint16_t a_high = 0;
    uint16_t b_high = 0;
    std::memcpy(&a_low, &a, 8);
    std::memcpy(&b_low, &b, 8);
    std::memcpy(&a_high, reinterpret_cast<const char*>(&a) + 8, 2);
    std::memcpy(&b_high, reinterpret_cast<const char*>(&b) + 8, 2);
    return a_low == b_low && a_high == b_high;
  }
  return std::memcmp(&a, &b, kRealBytes) == 0;
}

}  // namespace ravnelok
