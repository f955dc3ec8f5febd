// Feeds arbitrary bytes to the drawing reader as a loaded file. Any crash, sanitizer report,
// runaway allocation or hang is a reader fault; so is a drawing-order entry that points past
// its array, because the drawing code indexes with it.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "jww/JwwUnit.h"

namespace {

void CheckOrder(const std::vector<tavolex::TEntJwwNo>& order, const int32_t (&counts)[8]) {
  for (const auto& no : order) {
    if (no.EntType < 0 || no.EntType > 7) std::abort();
    if (no.EntType != 0 && (no.EntNo < 0 || no.EntNo >= counts[no.EntType])) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tavolex::TJwwData* doc = [] {
    auto* d = new tavolex::TJwwData();
    d->BindImageExp = false;  // never write files while fuzzing
    d->BindImageExr = true;
    return d;
  }();
  doc->FileInBuffer(std::span<const uint8_t>(data, size), "fuzz.jww");
  const int32_t counts[8] = {0,
                             doc->EntLineN,
                             doc->EntEnkoN,
                             doc->EntTenN,
                             doc->EntMojiN,
                             doc->EntSunpoN,
                             doc->EntSolidN,
                             doc->EntBlockN};
  CheckOrder(doc->EntNo, counts);
  for (int32_t i = 0; i < doc->EntBlockDefN; ++i) {
    const auto& def = doc->EntBlockDef[i];
    const int32_t members[8] = {0,          def.mLineN,  def.mEnkoN,  def.mTenN,
                                def.mMojiN, def.mSunpoN, def.mSolidN, def.mBlockN};
    CheckOrder(def.mNo, members);
  }
  for (const auto& node : doc->EntBlockTree) {
    if (node.defno >= doc->EntBlockDefN) std::abort();
  }
  return 0;
}
