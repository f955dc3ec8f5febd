// tavolex-print --thumbnail as a file manager runs it: one process per shared sample drawing,
// start-up included, into a 256 x 256 PNG.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {
namespace {

void BM_ThumbnailCommandPerSample(benchmark::State& state) {
  std::vector<std::string> commands;
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "tavolex-bench.png";
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(TAVOLEX_SAMPLES_DIR, ec)) {
    if (e.path().extension() != ".jww") continue;
    commands.push_back(std::string("'") + TAVOLEX_PRINT_EXE + "' --thumbnail 256 '" +
                       e.path().string() + "' '" + out.string() + "'");
  }
  if (commands.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  for (auto _ : state) {
    for (const std::string& command : commands) {
      if (std::system(command.c_str()) != 0) state.SkipWithError("a thumbnail failed");
    }
  }
  state.counters["thumbnails/s"] = benchmark::Counter(
      static_cast<double>(commands.size()) * state.iterations(), benchmark::Counter::kIsRate);
  std::filesystem::remove(out, ec);
}
BENCHMARK(BM_ThumbnailCommandPerSample)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavolex

#endif
