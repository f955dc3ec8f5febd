#include "app/cli/ParallelPrint.h"

#include <algorithm>
#include <map>
#include <memory>
#include <system_error>

#include "app/JwwPrintDocument.h"
#include "app/PrintPlatform.h"
#include "app/RunFolder.h"
#include "app/cli/CliCommands.h"
#include "app/cli/DrawingReport.h"
#include "app/cli/WorkerPool.h"
#include "common/Func_2.h"
#include "common/HostSystem.h"
#include "graphics/GraUnit1.h"
#include "jww/JwwUnit.h"

namespace tavolex::cli {

namespace {

// ---- The worker's side ----------------------------------------------------------------------

// The printer of a worker, kept from drawing to drawing: a new PNG page of 280 MB for every
// drawing would cost more than drawing it.
std::unique_ptr<TFilePrinter> MakeWorkerPrinter(const ParallelRun& run,
                                                const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const PrintOptions& o = run.options;
  if (o.output == OutputKind::Png) return run.platform.MakePngPrinter(folder, o.paper);
  return run.platform.MakePdfPrinter(folder, true, o.paper);
}

std::string PrintOneDrawing(const ParallelRun& run, TFilePrinter& printer, int index) {
  const size_t first = printer.FilesWritten().size();
  JwwPrintDocument document(*run.app.JWW);
  std::vector<std::u16string> cut;
  document.OnBlockTreeCut = [&cut](const std::u16string& name) { cut.push_back(name); };
  TPrintDriver driver(run.app.Settings, document, printer);
  driver.AppFolder = run.app.Folders.AppFolder;
  driver.DrawingPaper = run.options.drawingPaper;
  const TPrintRunResult result = driver.Run({run.list[index]});
  return EncodeDrawingReport(result, printer.FilesWritten(), first, cut);
}

// Stored images of each worker are unpacked into a folder of its own inside the run's.
std::filesystem::path WorkerImageFolder(const std::filesystem::path& runFolder) {
  return runFolder / ("worker-" + std::to_string(CurrentProcessId())) / "";
}

// What a worker starts from: the run, the folder it writes into and the run's image folder.
struct WorkerSide {
  const ParallelRun& run;
  const std::filesystem::path stage;
  const std::filesystem::path runImages;
};

// A worker makes its printer and image folder when it starts, prints drawing after drawing and
// removes its image folder when it ends.
void SetWorkerHooks(WorkerPoolHooks& hooks, const WorkerSide& worker,
                    std::unique_ptr<TFilePrinter>& printer) {
  hooks.workerStart = [&worker, &printer] {
    printer = MakeWorkerPrinter(worker.run, worker.stage / std::to_string(CurrentProcessId()));
    const std::filesystem::path images = WorkerImageFolder(worker.runImages);
    std::error_code e;
    std::filesystem::create_directories(images, e);
    worker.run.app.JWW->BindImageFolder = images;
    GraImageWorkFolder = images;
  };
  hooks.workerEnd = [&worker, &printer] {
    printer.reset();
    std::error_code e;
    std::filesystem::remove_all(WorkerImageFolder(worker.runImages), e);
    // A worker started on its own made a run folder of its own, which nobody else removes.
    if (StartedAsWorker()) RemoveRunFolder(worker.run.app.WorkFolder);
  };
  hooks.work = [&worker, &printer](int index) {
    return PrintOneDrawing(worker.run, *printer, index);
  };
}

// ---- The run's side -------------------------------------------------------------------------

void AddResult(TPrintRunResult& into, const TPrintRunResult& part) {
  into.filesPrinted += part.filesPrinted;
  into.pagesPrinted += part.pagesPrinted;
  into.printerFailed = into.printerFailed || part.printerFailed;
  const auto append = [](auto& to, const auto& from) {
    to.insert(to.end(), from.begin(), from.end());
  };
  append(into.passedOver, part.passedOver);
  append(into.nothingToPrint, part.nothingToPrint);
  append(into.paperFallback, part.paperFallback);
}

// Moves the files of one drawing to their names in the output folder.
bool PlaceFiles(const std::vector<WrittenFile>& files, const std::filesystem::path& output,
                std::map<std::u16string, int>& usedNames) {
  bool ok = true;
  for (const WrittenFile& f : files) {
    const std::u16string ext = StrFromPath(f.path.extension());
    const std::u16string name = UniqueFileName(usedNames, f.key, ext);
    std::error_code ec;
    std::filesystem::rename(f.path, output / PathFromStr(name), ec);
    if (ec) ok = false;
  }
  return ok;
}

}  // namespace

TPrintRunResult PrintInWorkers(const ParallelRun& run, int workers, bool& outputOk) {
  TPrintRunResult total;
  const std::filesystem::path output = run.options.outputPath;
  // Named after the run, so workers started on their own write where the run looks.
  const std::filesystem::path stage = output / (".tavolex-work-" + std::to_string(RunProcessId()));
  std::error_code ec;
  std::filesystem::create_directories(stage, ec);
  std::map<std::u16string, int> usedNames;
  const int count = static_cast<int>(run.list.size());

  const WorkerSide worker{run, stage, run.app.JWW->BindImageFolder};
  std::unique_ptr<TFilePrinter> printer;  // in a worker
  WorkerPoolHooks hooks;
  SetWorkerHooks(hooks, worker, printer);
  const auto drawingName = [&run](int index) { return StrToUtf8(StrFromPath(run.list[index])); };
  int lastStarted = 0;
  hooks.started = [&](int index) {
    lastStarted = index;
    run.progress.Show(index, drawingName(index), total.pagesPrinted);
  };
  hooks.finished = [&](int index, const std::optional<std::string>& bytes) {
    const std::string file = drawingName(index);
    DrawingReport report;
    if (!bytes || !DecodeDrawingReport(*bytes, report)) {
      run.err << "tavolex-print: the worker printing " << file << " ended before it was done\n";
      outputOk = false;
      return;
    }
    if (report.result.filesPrinted > 0) run.progress.Record(index, file);
    for (const std::u16string& name : report.cutBlockTrees)
      ReportBlockTreeCut(run.err, name);
    if (!PlaceFiles(report.files, output, usedNames)) outputOk = false;
    AddResult(total, report.result);
    run.progress.Show(lastStarted, drawingName(lastStarted), total.pagesPrinted);
  };
  hooks.stop = run.escPressed;

  const int handedOut = RunWorkerPool(workers, count, hooks);
  if (handedOut < 0) run.err << "tavolex-print: no worker process could be started\n";
  total.aborted = handedOut < count && run.escPressed && run.escPressed();
  if (handedOut < count && !total.aborted) outputOk = false;
  std::filesystem::remove_all(stage, ec);
  return total;
}

}  // namespace tavolex::cli
