// The whole print run: every shared sample drawing into one PDF, A3 landscape at 600 dpi.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {
namespace {

std::vector<std::filesystem::path> SampleDrawings() {
  std::vector<std::filesystem::path> found;
  const std::filesystem::path dir(TAVOLEX_SAMPLES_DIR);
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->path().extension() == ".jww") found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

void BM_PrintSamplesToOnePdf(benchmark::State& state) {
  const std::vector<std::filesystem::path> list = SampleDrawings();
  if (list.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "tavolex-bench.pdf";
  TPrintApp app;
  app.Start(std::filesystem::temp_directory_path() / "tavolex-bench" / "tavolex", {}, false);
  app.Settings.PrnStyle = 1;
  for (auto _ : state) {
    PdfPrinter pdf(out, false, QtPaperOptions{});
    JwwPrintDocument document(*app.JWW);
    TPrintDriver driver(app.Settings, document, pdf);
    const TPrintRunResult r = driver.Run(list);
    pdf.PrnFinish();
    benchmark::DoNotOptimize(r.pagesPrinted);
  }
  app.Close(false);
  state.counters["drawings/s"] = benchmark::Counter(
      static_cast<double>(list.size()) * state.iterations(), benchmark::Counter::kIsRate);
  std::error_code ec;
  std::filesystem::remove(out, ec);
}
BENCHMARK(BM_PrintSamplesToOnePdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
