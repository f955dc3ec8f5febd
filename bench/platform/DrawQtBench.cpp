// Drawing each shared sample drawing onto an A3 landscape sheet at 600 dpi through the QPainter
// canvas into a QImage: the cost of a printed page with pixels, fonts and fills.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/PrintDriver.h"
#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "platform/qt/QPainterCanvas.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

constexpr int kSheetWidthPx = 9921;   // 420 mm at 600 dpi
constexpr int kSheetHeightPx = 7016;  // 297 mm at 600 dpi

std::vector<uint8_t> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QImage& Sheet() {
  static QImage sheet(kSheetWidthPx, kSheetHeightPx, QImage::Format_RGB32);
  return sheet;
}

// Loads the drawing once, then draws a whole page per iteration; the sheet is cleared outside
// the timing.
void BM_DrawQt600dpi(benchmark::State& state, const fs::path& file) {
  const std::vector<uint8_t> bytes = ReadAll(file);
  TgraAttribute att;
  att.SetDisplayMode(true);
  att.SetPrintMode(true, -1, -1, -1);
  GAtt = &att;
  TJwwData doc;
  doc.FileInBuffer(bytes, file);
  doc.FileColorSet();
  doc.FileLtypeSet();
  doc.SetGAttLayer();
  doc.GetMinMaxZahyo();
  UsePlacement(FitPlacement(doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy, kSheetWidthPx,
                            kSheetHeightPx));

  QImage& sheet = Sheet();
  for (auto _ : state) {
    state.PauseTiming();
    sheet.fill(Qt::white);
    state.ResumeTiming();
    QPainter painter(&sheet);
    QPainterCanvas canvas(&painter);
    TGraph1 graph(&canvas);
    GGraph = &graph;
    graph.G_Start();
    doc.GLDrawALL3(0, -1, -1, true, true, false, 0.0);
    graph.G_End();
    GGraph = nullptr;
  }
  GAtt = nullptr;
  state.counters["drawings/s"] =
      benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

// One benchmark per sample drawing.
const bool kRegistered = [] {
  const fs::path folder(TAVOLEX_SAMPLES_DIR);
  std::error_code ec;
  std::vector<fs::path> files;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->path().extension() == ".jww") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    const std::string name = "DrawQt600dpi/" + fs::relative(file, folder, ec).string();
    benchmark::RegisterBenchmark(name.c_str(), BM_DrawQt600dpi, file)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace tavolex
