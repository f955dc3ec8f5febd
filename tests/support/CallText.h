// Recorded canvas calls as one line of text each: the same on every platform (no pointers,
// numbers with a fixed precision, picture files by file name only), for reference pages and for
// people reading a difference.
#pragma once

#include <string>

#include "support/RecordingCanvas.h"

namespace tavolex::test {

std::string CallText(const CanvasCall& call);

}  // namespace tavolex::test
