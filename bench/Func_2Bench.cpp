// Speed of the conversions every string of a drawing and of the settings file goes through.
#include <benchmark/benchmark.h>

#include <string>

#include "common/Func_2.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {
namespace {

// A typical layer name or text of a Japanese drawing: kanji, kana and digits in Shift-JIS.
const std::string kShiftJisText =
    "\x95\xBD\x96\xCA\x90\x7D\x81\x40\x82\x50\x82\x4F\x82\x4F"
    "\x83\x65\x83\x58\x83\x67 A-12";

void BM_AnsiBytesToStrJapanese(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(AnsiBytesToStr(kShiftJisText));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kShiftJisText.size()));
}
BENCHMARK(BM_AnsiBytesToStrJapanese);

void BM_AnsiBytesToStrAscii(benchmark::State& state) {
  const std::string text = "CDataSen layer 0-12 MS Gothic";
  for (auto _ : state)
    benchmark::DoNotOptimize(AnsiBytesToStr(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_AnsiBytesToStrAscii);

void BM_StrToCp932(benchmark::State& state) {
  const std::u16string text = Cp932ToStr(kShiftJisText);
  for (auto _ : state)
    benchmark::DoNotOptimize(StrToCp932(text));
}
BENCHMARK(BM_StrToCp932);

void BM_UpperStr(benchmark::State& state) {
  const std::u16string text = u"C:\\Jww\\図面\\Plan-Floor1.JWW";
  for (auto _ : state)
    benchmark::DoNotOptimize(UpperStr(text));
}
BENCHMARK(BM_UpperStr);

void BM_GetAttrColcolPrintRules(benchmark::State& state) {
  TgraAttribute att;
  att.SetPrintMode(true, 10, 0, 0);
  int jn = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(att.GetAttrColcol(jn));
    jn = jn == 9 ? 101 : (jn == 356 ? 1 : jn + 1);
  }
}
BENCHMARK(BM_GetAttrColcolPrintRules);

}  // namespace
}  // namespace tavolex
