// Loading and drawing each shared sample drawing onto a canvas that keeps nothing: the cost of
// the reader, the measuring, the traversal and the engine without any pixels.
#include <benchmark/benchmark.h>

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
#include "support/HeavyDrawings.h"
#include "support/RecordingCanvas.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

// A3 landscape at 600 dpi.
constexpr int kSheetWidthPx = 9921;   // 420 mm at 600 dpi
constexpr int kSheetHeightPx = 7016;  // 297 mm at 600 dpi

std::vector<uint8_t> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads, prepares the tables and measures, as the print run does for every file.
void Load(TJwwData& doc, const std::vector<uint8_t>& bytes, const fs::path& name) {
  doc.FileInBuffer(bytes, name);
  doc.FileColorSet();
  doc.FileLtypeSet();
  doc.SetGAttLayer();
  doc.GetMinMaxZahyo();
}

void DrawPage(TJwwData& doc, Canvas& canvas) {
  TGraph1 graph(&canvas);
  GGraph = &graph;
  graph.G_Start();
  doc.GLDrawALL3(0, -1, -1, true, true, false, 0.0);
  graph.G_End();
  GGraph = nullptr;
}

void PrepareAttributes(TgraAttribute& att) {
  att.SetDisplayMode(true);
  att.SetPrintMode(true, -1, -1, -1);
  GAtt = &att;
}

void BM_LoadAndDraw(benchmark::State& state, const fs::path& file) {
  const std::vector<uint8_t> bytes = ReadAll(file);
  TgraAttribute att;
  PrepareAttributes(att);
  NullCanvas canvas;
  for (auto _ : state) {
    TJwwData doc;
    Load(doc, bytes, file);
    UsePlacement(FitPlacement(doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy, kSheetWidthPx,
                              kSheetHeightPx));
    DrawPage(doc, canvas);
  }
  GAtt = nullptr;
  state.counters["drawings/s"] =
      benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DrawOnly(benchmark::State& state, const fs::path& file) {
  const std::vector<uint8_t> bytes = ReadAll(file);
  TgraAttribute att;
  PrepareAttributes(att);
  TJwwData doc;
  Load(doc, bytes, file);
  UsePlacement(FitPlacement(doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy, kSheetWidthPx,
                            kSheetHeightPx));
  NullCanvas canvas;
  for (auto _ : state)
    DrawPage(doc, canvas);
  GAtt = nullptr;
  state.counters["drawings/s"] =
      benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

// A small file whose definition of 3000 lines inserts itself twice: loading with the block tree,
// extents, and drawing on the discarding canvas, all within the tree's budget.
void BM_SelfInsertingBlocks(benchmark::State& state) {
  const std::vector<uint8_t> bytes = test::WriteJww(test::SelfInsertingDrawing(3000));
  TgraAttribute att;
  PrepareAttributes(att);
  NullCanvas canvas;
  for (auto _ : state) {
    TJwwData doc;
    Load(doc, bytes, "self-inserting.jww");
    UsePlacement(FitPlacement(doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy, kSheetWidthPx,
                              kSheetHeightPx));
    DrawPage(doc, canvas);
  }
  GAtt = nullptr;
  state.counters["file KB"] = static_cast<double>(bytes.size()) / 1024.0;
}
BENCHMARK(BM_SelfInsertingBlocks)->Unit(benchmark::kMillisecond);

void BM_SelfInsertingBlocksMeasure(benchmark::State& state) {
  const std::vector<uint8_t> bytes = test::WriteJww(test::SelfInsertingDrawing(3000));
  TgraAttribute att;
  PrepareAttributes(att);
  for (auto _ : state) {
    TJwwData doc;
    Load(doc, bytes, "self-inserting.jww");
  }
  GAtt = nullptr;
}
BENCHMARK(BM_SelfInsertingBlocksMeasure)->Unit(benchmark::kMillisecond);

// One benchmark of each kind per sample drawing.
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
    const std::string name = fs::relative(file, folder, ec).string();
    benchmark::RegisterBenchmark(("LoadAndDraw/" + name).c_str(), BM_LoadAndDraw, file)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("DrawOnly/" + name).c_str(), BM_DrawOnly, file)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace tavolex
