#include "app/cli/WorkerCount.h"

#include "app/cli/WorkerPool.h"

#include <algorithm>
#include <cstdint>

namespace tavolex::cli {

namespace {

constexpr uint64_t kMiB = 1024u * 1024u;
// What a worker needs besides its page: the program, fonts, the drawing and the PNG file.
constexpr uint64_t kWorkerBaseBytes = 100 * kMiB;

uint64_t WorkerBytes(const PrintOptions& o) {
  if (o.output != OutputKind::Png) return kWorkerBaseBytes;
  const TSheetPixels sheet = SheetPixels(o.paper);
  return kWorkerBaseBytes +
         static_cast<uint64_t>(sheet.width) * static_cast<uint64_t>(sheet.height) * 4u;
}

}  // namespace

int WorkerCount(const PrintOptions& o, const TPrintSettings& s, int drawings, std::ostream& err) {
  const bool filePerDocument = o.output == OutputKind::Png || o.output == OutputKind::PdfFolder;
  if (!filePerDocument || s.PrnRen2 == 1) {
    if (o.jobs > 1)
      err << "tavolex-print: --jobs is for --png and --pdf-dir with a document per page; this "
             "run prints in one process\n";
    return 1;
  }
  if (!HostRunsWorkers()) {
    if (o.jobs > 1)
      err << "tavolex-print: --jobs: this system prints the drawings one after another in one "
             "process\n";
    return 1;
  }
  int workers = o.jobs > 0 ? o.jobs : UsableCores();
  workers = std::min(workers, std::max(drawings, 1));
  const uint64_t available = AvailableMemory();
  const uint64_t each = WorkerBytes(o);
  if (available > 0 && workers > 1 && static_cast<uint64_t>(workers) * each > available) {
    const int fit = static_cast<int>(std::max<uint64_t>(1, available / each));
    err << "tavolex-print: " << fit << (fit == 1 ? " worker" : " workers") << " instead of "
        << workers << ": each needs about " << each / kMiB << " MiB and " << available / kMiB
        << " MiB are free\n";
    workers = fit;
  }
  return std::max(workers, 1);
}

}  // namespace tavolex::cli
