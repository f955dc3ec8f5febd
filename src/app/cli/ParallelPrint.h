// A print run to PNG pages or PDF files per document spread over worker processes. Each worker
// prints one drawing at a time into its own hidden folder of the output folder; the run names
// the files in drawing order, as a run in one process names them, and moves them into place
// whole.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/PrintPlatform.h"
#include "app/cli/PrintOptions.h"
#include "app/cli/ProgressLine.h"

namespace tavolex::cli {

struct ParallelRun {
  const PrintOptions& options;
  TPrintApp& app;
  TPrintPlatform& platform;
  const std::vector<std::filesystem::path>& list;
  ProgressLine& progress;
  std::function<bool()> escPressed;
  std::ostream& err;
};

// Prints the list with `workers` processes. outputOk is false when a file could not be written
// or moved into place, or a worker ended without finishing its drawing.
TPrintRunResult PrintInWorkers(const ParallelRun& run, int workers, bool& outputOk);

}  // namespace tavolex::cli
