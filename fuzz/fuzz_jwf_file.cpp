// Feeds arbitrary bytes to the readers of Jw_cad environment files (.jwf): pens and line types
// into the program's tables. Besides crashes, sanitizer reports and hangs, a fault is a table
// entry outside the limits of the tables (a NaN or an endless width would reach the print run).
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "app/JwfFile.h"
#include "app/PenTableImport.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"

namespace {

using namespace tavolex;

// A NaN differs from itself, so it counts as outside the limits.
void CheckWithinLimits(const TPrintSettings& s) {
  for (const TPrnColor& pen : s.PrnCol) {
    TPrnColor limited = pen;
    LimitPen(limited);
    if (limited.color != pen.color || limited.width != pen.width || limited.ten_r != pen.ten_r) {
      std::abort();
    }
  }
  for (const TPrnLtype& lt : s.PrnTyp) {
    TPrnLtype limited = lt;
    LimitLtype(limited);
    if (limited.seg != lt.seg || limited.amp != lt.amp || limited.pit != lt.pit) {
      std::abort();
    }
    for (size_t j = 0; j < lt.pa.size(); ++j) {
      if (limited.pa[j] != lt.pa[j]) std::abort();
    }
  }
  if (LimitColor(s.PrnDOLCol) != static_cast<uint32_t>(s.PrnDOLCol)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TgraAttribute* att = new TgraAttribute();
  GAtt = att;
  const auto file = fuzz::FuzzFile("fuzz.jwf", fuzz::Bytes(data, size));
  TPrintSettings s;
  ReadJwfPens(s, file);
  const TTableImport ltypes = ReadJwfLtypes(s, file, 0.035);
  CheckWithinLimits(s);
  if (ltypes.ltypeUnit && !(*ltypes.ltypeUnit > 0.0)) std::abort();
  GAtt = nullptr;
  return 0;
}
