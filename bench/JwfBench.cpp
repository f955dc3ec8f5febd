// Speed of taking pens and line types from a Jw_cad environment file: a file of the usual
// length (hundreds of Japanese comment lines and ignored keys), and a binary file at the size
// limit.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/PenTableImport.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "support/JwwWriter.h"

namespace tavolex {
namespace {

std::filesystem::path EnvironmentFile() {
  const std::filesystem::path p = std::filesystem::temp_directory_path() / "tavolex-bench.jwf";
  std::string text;
  for (int i = 0; i < 600; ++i) {
    text += test::ToCp932(u"# 環境設定の説明行 " + std::u16string(1, u'0' + i % 10)) + "\r\n";
    text += "K_" + std::to_string(i) + " = 1 2 3 4 5 6 7 8\r\n";
  }
  text += "S_COMM_2 = 0 -100\r\nP_DPI = 600\r\n";
  for (int c = 1; c <= 8; ++c)
    text += "PCOLLOR_" + std::to_string(c) + " = 255 128 0 " + std::to_string(c * 10) + " 0.5\r\n";
  for (int c = 2; c <= 9; ++c)
    text += "LTYPE_0" + std::to_string(c) + " = E4E4E4E4 1 4 2\r\n";
  std::ofstream(p, std::ios::binary) << text;
  return p;
}

void BM_ReadJwfPensAndLtypes(benchmark::State& state) {
  const std::filesystem::path file = EnvironmentFile();
  TgraAttribute att;
  GAtt = &att;
  TPrintSettings s;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadJwfPens(s, file).done);
    benchmark::DoNotOptimize(ReadJwfLtypes(s, file, 0.035).done);
  }
  state.SetBytesProcessed(state.iterations() * 2 *
                          static_cast<int64_t>(std::filesystem::file_size(file)));
  GAtt = nullptr;
  std::filesystem::remove(file);
}
BENCHMARK(BM_ReadJwfPensAndLtypes)->Unit(benchmark::kMillisecond);

void BM_ReadJwfPensBinaryAtTheLimit(benchmark::State& state) {
  const std::filesystem::path p = std::filesystem::temp_directory_path() / "tavolex-bench-bin.jwf";
  std::string bytes(8 * 1024 * 1024, '\0');
  uint32_t x = 12345;
  for (char& c : bytes) {
    x = x * 1103515245 + 12345;
    c = static_cast<char>(x >> 24);
  }
  std::ofstream(p, std::ios::binary) << bytes;
  TPrintSettings s;
  for (auto _ : state)
    benchmark::DoNotOptimize(ReadJwfPens(s, p).done);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  std::filesystem::remove(p);
}
BENCHMARK(BM_ReadJwfPensBinaryAtTheLimit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
