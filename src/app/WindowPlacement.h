// Whether the window goes back where the automatic settings file says it was.
#pragma once

#include <vector>

#include "app/PrintSettings.h"

namespace tavolex {

// A kept window rectangle is used when its numbers are sane (a damaged file can hold any) and it
// overlaps the available area of one of the screens; a position from a screen that is gone would
// put the window out of reach.
bool KeptPositionUsable(const TWindowGeometry& kept, const std::vector<TWindowGeometry>& screens);

}  // namespace tavolex
