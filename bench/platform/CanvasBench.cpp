// Lines, patterned lines and fills through the engine onto a QImage with the QPainter canvas:
// what a dense sheet costs on a real device. Items are primitives drawn.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <memory>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "platform/qt/QPainterCanvas.h"

namespace tavolex {
namespace {

// A4 landscape at 200 dpi: 297 × 210 mm.
class ImagePage {
 public:
  explicit ImagePage(double penMm) {
    ViewScale = 200.0 / 25.4;
    ViewWidth = 2339;
    ViewHeight = 1654;
    ViewMinX = 0;
    ViewMinY = 0;
    ViewMaxX = ViewWidth / ViewScale;
    ViewMaxY = ViewHeight / ViewScale;
    att.SetDisplayMode(true);
    GAtt = &att;
    image = QImage(static_cast<int>(ViewWidth), static_cast<int>(ViewHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    painter = std::make_unique<QPainter>(&image);
    canvas = std::make_unique<QPainterCanvas>(painter.get());
    graph = std::make_unique<TGraph1>(canvas.get());
    graph->G_Start();
    graph->GLPenSet(0, 2, 1, penMm);
  }
  ~ImagePage() {
    graph.reset();
    painter->end();
    GAtt = nullptr;
  }

  TgraAttribute att;
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<QPainterCanvas> canvas;
  std::unique_ptr<TGraph1> graph;
};

double Coord(int i, double span) {
  return static_cast<double>((i * 7919) % 1000) / 1000.0 * span;
}

// Plain 20 mm lines; argument: pen width in hundredths of a millimetre (1 px or round 5 px).
void BM_CanvasLines(benchmark::State& state) {
  ImagePage page(state.range(0) / 100.0);
  int i = 0;
  for (auto _ : state) {
    const double x = Coord(i, 280), y = Coord(i + 1, 200);
    page.graph->GLLine(x, y, x + 16, y + 12);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasLines)->Arg(1)->Arg(60);

// Chain lines (type 5) of 30 mm; each draws a few dozen pieces.
void BM_CanvasLineDT(benchmark::State& state) {
  ImagePage page(0.18);
  int i = 0;
  for (auto _ : state) {
    const double x = Coord(i, 260), y = Coord(i + 1, 200);
    page.graph->GLSetDT();
    page.graph->GLLineDT(0, 5, x, y, x + 30, y);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasLineDT);

// Filled circles of 2 mm radius (73-point polygons).
void BM_CanvasSolidCircle(benchmark::State& state) {
  ImagePage page(0.18);
  int i = 0;
  for (auto _ : state) {
    page.graph->GLSolidCircle(5 + Coord(i, 280), 5 + Coord(i + 1, 195), 2);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasSolidCircle);

}  // namespace
}  // namespace tavolex
