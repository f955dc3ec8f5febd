// How many worker processes a print run uses.
#pragma once

#include <ostream>

#include "app/PrintSettings.h"
#include "app/cli/PrintOptions.h"

namespace tavolex::cli {

// How many workers print the run: --jobs, or the cores the process may use, no more than the
// drawings and than the memory allows (said on err when that makes them fewer). 1 when the run
// prints in this process: one printer document for the whole run, one PDF file or a printer.
int WorkerCount(const PrintOptions& o, const TPrintSettings& s, int drawings, std::ostream& err);

}  // namespace tavolex::cli
