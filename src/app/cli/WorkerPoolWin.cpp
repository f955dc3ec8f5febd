// Windows has no fork: the drawings of a run print one after another in the program's own process.
#include "app/cli/WorkerPool.h"

namespace tavolex::cli {

bool HostRunsWorkers() {
  return false;
}

int UsableCores() {
  return 1;
}

uint64_t AvailableMemory() {
  return 0;
}

int RunWorkerPool(int, int, const WorkerPoolHooks&) {
  return -1;  // no worker can be started here
}

}  // namespace tavolex::cli
