// PNG pages of a real drawing, A3 landscape at 600 dpi: the whole page (draw and write) as the
// print run makes it, and the page writer against Qt's general PNG writer on the same pixels.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <filesystem>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "platform/PngWrite.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

const fs::path kDrawing = fs::path(TAVOLEX_SAMPLES_DIR) / "Test1.jww";

struct PngRun {
  fs::path folder = fs::temp_directory_path() / "tavolex-bench-png";
  TPrintApp app;
  PngPrinter printer{folder, QtPaperOptions{}};

  PngRun() {
    fs::create_directories(folder);
    app.Start(fs::temp_directory_path() / "tavolex-bench" / "tavolex", {}, false);
  }
  ~PngRun() {
    app.Close(false);
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  int PrintOnce() {
    JwwPrintDocument document(*app.JWW);
    TPrintDriver driver(app.Settings, document, printer);
    return driver.Run({StrFromPath(kDrawing)}).pagesPrinted;
  }
};

void BM_PngPageOfRealDrawing(benchmark::State& state) {
  if (!fs::exists(kDrawing)) {
    state.SkipWithError("no sample drawings");
    return;
  }
  PngRun run;
  int pages = 0;
  for (auto _ : state)
    pages += run.PrintOnce();
  state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PngPageOfRealDrawing)->Unit(benchmark::kMillisecond);

// The printed page of the drawing as 32-bit pixels, made once.
const QImage& PrintedPage() {
  static const QImage page = [] {
    PngRun run;
    run.PrintOnce();
    QImageReader::setAllocationLimit(0);
    QImage image(QString::fromStdU16String(StrFromPath(run.printer.FilesWritten().front().path)));
    return image.convertToFormat(QImage::Format_RGB32);
  }();
  return page;
}

void BM_PngWritePage(benchmark::State& state, bool qtWriter) {
  if (!fs::exists(kDrawing)) {
    state.SkipWithError("no sample drawings");
    return;
  }
  const QImage& page = PrintedPage();
  size_t bytes = 0;
  for (auto _ : state) {
    if (qtWriter) {
      QBuffer buffer;
      buffer.open(QIODevice::WriteOnly);
      page.save(&buffer, "PNG");
      bytes = static_cast<size_t>(buffer.size());
    } else {
      bytes = EncodePng(PngPageOf(page)).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["file bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_PngWritePage, tavolex, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PngWritePage, qt, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
