// Whole print runs, A3 landscape at 600 dpi, fitted to the sheet: every shared sample and example
// drawing into one PDF, into PNG pages and onto a printer that records every canvas call; and a
// small drawing whose block inserts itself, the tree cut at its budget.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "platform/qt/QtPrinters.h"
#include "support/HeavyDrawings.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPrinter.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> DrawingsIn(const fs::path& dir) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(dir, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->path().extension() == ".jww") found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The shared samples and then the examples; empty when the samples are absent, so that a
// fresh clone skips rather than measures the examples alone.
std::vector<fs::path> Corpus() {
  std::vector<fs::path> list = DrawingsIn(TAVOLEX_SAMPLES_DIR);
  if (list.empty()) return list;
  const std::vector<fs::path> examples = DrawingsIn(TAVOLEX_EXAMPLES_DIR);
  list.insert(list.end(), examples.begin(), examples.end());
  return list;
}

uintmax_t BytesUnder(const fs::path& path) {
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) return fs::file_size(path, ec);
  uintmax_t total = 0;
  for (auto it = fs::recursive_directory_iterator(path, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file(ec)) total += it->file_size(ec);
  }
  return total;
}

// A print application with the fit style, its settings folder under the temporary folder.
struct FitRun {
  TPrintApp app;
  FitRun() {
    app.Start(fs::temp_directory_path() / "tavolex-bench" / "tavolex", {}, false);
    app.Settings.PrnStyle = kStyleFit;
  }
  ~FitRun() { app.Close(false); }
  int Print(TPrinter& printer, const std::vector<fs::path>& list) {
    JwwPrintDocument document(*app.JWW);
    TPrintDriver driver(app.Settings, document, printer);
    return driver.Run(list).pagesPrinted;
  }
};

// Runs the list into a fresh printer per iteration; `output` is what the printer writes, measured
// after the last run.
void RunPrinter(benchmark::State& state, const std::vector<fs::path>& list, const fs::path& output,
                const std::function<std::unique_ptr<TPrinter>()>& makePrinter) {
  if (list.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  FitRun run;
  int pages = 0;
  for (auto _ : state) {
    std::error_code ec;
    fs::remove_all(output, ec);
    std::unique_ptr<TPrinter> printer = makePrinter();
    pages = run.Print(*printer, list);
  }
  state.counters["drawings"] = static_cast<double>(list.size());
  state.counters["pages"] = pages;
  state.counters["output KB"] = static_cast<double>(BytesUnder(output)) / 1024.0;
  std::error_code ec;
  fs::remove_all(output, ec);
}

const fs::path kPdfOut = fs::temp_directory_path() / "tavolex-bench.pdf";
const fs::path kPngOut = fs::temp_directory_path() / "tavolex-bench-png";

std::unique_ptr<TPrinter> OnePdf() {
  return std::make_unique<PdfPrinter>(kPdfOut, false, QtPaperOptions{});
}

std::unique_ptr<TPrinter> PngPages() {
  fs::create_directories(kPngOut);
  return std::make_unique<PngPrinter>(kPngOut, QtPaperOptions{});
}

void BM_PrintCorpusToOnePdf(benchmark::State& state) {
  RunPrinter(state, Corpus(), kPdfOut, OnePdf);
}
BENCHMARK(BM_PrintCorpusToOnePdf)->Unit(benchmark::kMillisecond);

void BM_PrintCorpusToPng(benchmark::State& state) {
  RunPrinter(state, Corpus(), kPngOut, PngPages);
}
BENCHMARK(BM_PrintCorpusToPng)->Unit(benchmark::kMillisecond);

// The engine's side of a printer: every canvas call recorded, A4 landscape at 600 dpi.
void BM_PrintCorpusToRecordingPrinter(benchmark::State& state) {
  const std::vector<fs::path> list = Corpus();
  if (list.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  FitRun run;
  size_t calls = 0;
  for (auto _ : state) {
    RecordingCanvas canvas;
    test::RecordingPrinter printer;
    printer.canvas = &canvas;
    run.Print(printer, list);
    calls = canvas.calls.size();
  }
  state.counters["canvas calls"] = static_cast<double>(calls);
}
BENCHMARK(BM_PrintCorpusToRecordingPrinter)->Unit(benchmark::kMillisecond);

// A 150 KB drawing whose definition of 3000 lines inserts itself twice, fitted to the sheet.
const fs::path& SelfInsertingFile() {
  static const fs::path file = [] {
    const fs::path path = fs::temp_directory_path() / "tavolex-bench-self-inserting.jww";
    test::SaveJww(path, test::SelfInsertingDrawing(3000));
    return path;
  }();
  return file;
}

void BM_PrintSelfInsertingToPdf(benchmark::State& state) {
  RunPrinter(state, {SelfInsertingFile()}, kPdfOut, OnePdf);
}
BENCHMARK(BM_PrintSelfInsertingToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintSelfInsertingToPng(benchmark::State& state) {
  RunPrinter(state, {SelfInsertingFile()}, kPngOut, PngPages);
}
BENCHMARK(BM_PrintSelfInsertingToPng)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
