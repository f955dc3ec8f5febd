// Text through the engine onto a QImage: a sheet of mixed Japanese and ASCII lines, horizontal,
// turned and vertical. Reports characters per second.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>
#include <string>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/TextCells.h"
#include "platform/qt/QPainterCanvas.h"

namespace tavolex {
namespace {

// A4 landscape at 200 dpi: 297 × 210 mm.
constexpr double kScale = 200.0 / 25.4;

void SetA4Page() {
  ViewScale = kScale;
  ViewWidth = std::floor(297 * kScale);
  ViewHeight = std::floor(210 * kScale);
  ViewMinX = 0;
  ViewMinY = 0;
  ViewMaxX = ViewWidth / kScale;
  ViewMaxY = ViewHeight / kScale;
}

const std::u16string kLines[] = {
    u"平面図 S=1/100 第2版 2024年3月5日 設計: 山田太郎 (Tavolex)",
    u"RC造 地上3階建 延床面積 1,234.56㎡ 建築面積 456.78㎡",
    u"北側斜線 10m+1.25×L 道路幅員 6.0m 用途地域: 第一種住居地域",
    u"ｶﾀｶﾅ 半角 ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 ＡＢＣ",
};

// Draws 40 lines of about 40 characters each; returns the number of characters drawn.
int DrawSheet(TGraph1& g, double angle, const std::u16string& face) {
  int chars = 0;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  for (int i = 0; i < 40; ++i) {
    const std::u16string& line = kLines[i % 4];
    const double x = 10 + (angle == 0 ? 0 : 120) + 0.5 * i * s;
    const double y = 200 - 4.8 * i * (angle == 0 ? 1 : 0.5);
    g.GLAText3(x, y, x + 10 * c, y + 10 * s, 3.5, 3.0, 0.2, 0, face, line);
    chars += CharCount(line);
  }
  return chars;
}

void RunSheet(benchmark::State& state, double angle, const std::u16string& face) {
  SetA4Page();
  QImage image(static_cast<int>(ViewWidth), static_cast<int>(ViewHeight), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(&painter);
  TGraph1 graph(&canvas);
  graph.G_Start();
  std::int64_t chars = 0;
  for (auto _ : state) {
    chars += DrawSheet(graph, angle, face);
  }
  graph.G_End();
  state.SetItemsProcessed(chars);
  state.counters["chars/sheet"] = static_cast<double>(chars) / state.iterations();
}

void BM_TextSheetHorizontal(benchmark::State& state) {
  RunSheet(state, 0.0, u"ＭＳ ゴシック");
}
void BM_TextSheetTurned(benchmark::State& state) {
  RunSheet(state, 0.3, u"ＭＳ 明朝");
}
void BM_TextSheetVertical(benchmark::State& state) {
  RunSheet(state, -std::numbers::pi / 2, u"@ＭＳ 明朝");
}
void BM_TextSheetProportional(benchmark::State& state) {
  RunSheet(state, 0.0, u"ＭＳ Ｐゴシック");
}

BENCHMARK(BM_TextSheetHorizontal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSheetTurned)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSheetVertical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSheetProportional)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
