// Speed of the engine's hot paths through a canvas that discards every call: plain lines,
// patterned lines (dashed and random) and patterned arcs. Items are primitives drawn.
#include <benchmark/benchmark.h>

#include <numbers>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "support/RecordingCanvas.h"

namespace {

using namespace tavolex;

// An A3 landscape page at 600 dpi (23.622 px/mm) showing 420 × 297 mm.
struct BenchPage {
  BenchPage() {
    ViewScale = 23.622;
    ViewWidth = 420 * ViewScale;
    ViewHeight = 297 * ViewScale;
    ViewMinX = 0;
    ViewMinY = 0;
    ViewMaxX = 420;
    ViewMaxY = 297;
    att.SetDisplayMode(true);
    GAtt = &att;
    graph.G_Start();
    graph.GLPenSet(0, 1, 1, 0.18);
  }
  ~BenchPage() { GAtt = nullptr; }

  TgraAttribute att;
  NullCanvas canvas;
  TGraph1 graph{&canvas};
};

// Segments of a few millimetres to a few centimetres scattered over the page, some crossing
// its edges.
double Coord(int i, double span) {
  return static_cast<double>((i * 7919) % 1000) / 1000.0 * span;
}

void BM_GLLine(benchmark::State& state) {
  BenchPage page;
  int i = 0;
  for (auto _ : state) {
    const double x = Coord(i, 440) - 10, y = Coord(i + 1, 317) - 10;
    benchmark::DoNotOptimize(page.graph.GLLine(x, y, x + 30, y + 12));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GLLine);

// Line type 2 (dotted 0.36/0.72 mm) or a random line (15: 3 mm steps, 0.6 mm amplitude);
// every segment continues the last one.
void BM_GLLineDT(benchmark::State& state) {
  BenchPage page;
  const int typ = static_cast<int>(state.range(0));
  page.graph.GLSetDT();
  double x = 10, y = 10;
  for (auto _ : state) {
    const double nx = x + 30 > 410 ? 10 : x + 30;
    const double ny = nx == 10 ? (y + 5 > 287 ? 10 : y + 5) : y;
    benchmark::DoNotOptimize(page.graph.GLLineDT(0, typ, x, y, nx, ny));
    x = nx;
    y = ny;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(typ == 2 ? "dashed, 30 mm" : "random, 30 mm");
}
BENCHMARK(BM_GLLineDT)->Arg(2)->Arg(15);

void BM_GLEllipseArcDT(benchmark::State& state) {
  BenchPage page;
  int i = 0;
  for (auto _ : state) {
    page.graph.GLSetDT();
    benchmark::DoNotOptimize(page.graph.GLEllipseArcDT(0, 5, 50 + Coord(i, 300),
                                                       50 + Coord(i + 3, 200), 10, 0.7, 0.3, 0.0,
                                                       1.5 * std::numbers::pi));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("chain line, r 10 mm, 270 deg");
}
BENCHMARK(BM_GLEllipseArcDT);

}  // namespace
