// Text layout in the engine without a device: cells, control sequences and variables onto a
// canvas that discards everything. Reports characters per second.
#include <benchmark/benchmark.h>

#include <string>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/TextCells.h"
#include "support/RecordingCanvas.h"

namespace tavolex {
namespace {

void SetPage() {
  ViewScale = 8;
  ViewWidth = 3360;
  ViewHeight = 2376;
  ViewMinX = 0;
  ViewMinY = 0;
  ViewMaxX = 420;
  ViewMaxY = 297;
}

void RunTexts(benchmark::State& state, const std::u16string& face, const std::u16string& text) {
  SetPage();
  NullCanvas canvas;
  TGraph1 graph(&canvas);
  graph.G_Start();
  const int chars = CharCount(text);
  std::int64_t total = 0;
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) {
      const double y = 20 + 2.5 * i;
      graph.GLAText3(10, y, 100, y, 3.5, 3, 0.2, 0, face, text);
    }
    total += 100 * chars;
  }
  state.SetItemsProcessed(total);
}

void BM_TextLayoutPlain(benchmark::State& state) {
  RunTexts(state, u"ＭＳ ゴシック", u"平面図 S=1/100 RC造 地上3階建 延床面積 1,234.56㎡");
}
void BM_TextLayoutVertical(benchmark::State& state) {
  RunTexts(state, u"@ＭＳ 明朝", u"縦書き（テスト）ー、。第一章「設計」．ABC");
}
void BM_TextLayoutSequences(benchmark::State& state) {
  RunTexts(state, u"ＭＳ 明朝", u"^!面積^# 12.5m^u2 H^d2O ^/斜体^% 10^w12 標準");
}

BENCHMARK(BM_TextLayoutPlain);
BENCHMARK(BM_TextLayoutVertical);
BENCHMARK(BM_TextLayoutSequences);

}  // namespace
}  // namespace tavolex
