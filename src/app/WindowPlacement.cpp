#include "app/WindowPlacement.h"

#include <cstdint>

namespace tavolex {

namespace {

// Farther than any screen reaches; values beyond it come from a damaged file.
constexpr int kFarOut = 1 << 20;

bool InReach(int v) {
  return v > -kFarOut && v < kFarOut;
}

bool Overlap(const TWindowGeometry& a, const TWindowGeometry& b) {
  if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0) return false;
  const auto right = [](const TWindowGeometry& r) { return int64_t{r.left} + r.width; };
  const auto bottom = [](const TWindowGeometry& r) { return int64_t{r.top} + r.height; };
  return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

}  // namespace

bool KeptPositionUsable(const TWindowGeometry& kept, const std::vector<TWindowGeometry>& screens) {
  if (!InReach(kept.left) || !InReach(kept.top) || !InReach(kept.width) || !InReach(kept.height))
    return false;
  for (const TWindowGeometry& screen : screens) {
    if (Overlap(kept, screen)) return true;
  }
  return false;
}

}  // namespace tavolex
