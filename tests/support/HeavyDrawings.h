// Drawings whose block inserts expand far beyond their file size.
#pragma once

#include "support/JwwWriter.h"

namespace tavolex::test {

// One insert of a definition of `lines` short lines that inserts itself twice, a little
// smaller each time: about 150 KB for 3000 lines, endless when expanded.
WDrawing SelfInsertingDrawing(int lines);

}  // namespace tavolex::test
