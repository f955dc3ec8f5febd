// Reading speed of drawings: whole loads of the real drawings (from disk and from memory), a
// large synthetic drawing, and the cheap settings-only read.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <span>

#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"

namespace {

namespace fs = std::filesystem;
using tavolex::TJwwData;

std::vector<fs::path> SampleFiles() {
  std::vector<fs::path> files;
  const fs::path dir(TAVOLEX_SAMPLES_DIR);
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file() && entry.path().extension() == ".jww") files.push_back(entry);
  }
  std::sort(files.begin(), files.end());
  return files;
}

int64_t EntityCount(const TJwwData& doc) {
  return int64_t{doc.EntLineN} + doc.EntEnkoN + doc.EntTenN + doc.EntMojiN + doc.EntSunpoN +
         doc.EntSolidN + doc.EntBlockN;
}

void Report(benchmark::State& state, int64_t bytes, int64_t entities) {
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["entities/s"] = benchmark::Counter(static_cast<double>(entities),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

// Every real drawing in turn, from its file.
void BM_FileInSamples(benchmark::State& state) {
  const auto files = SampleFiles();
  if (files.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  int64_t bytes = 0;
  int64_t entities = 0;
  TJwwData doc;
  for (const auto& f : files) {
    bytes += static_cast<int64_t>(fs::file_size(f));
    doc.FileIn(f);
    entities += EntityCount(doc);
  }
  for (auto _ : state) {
    for (const auto& f : files)
      benchmark::DoNotOptimize(doc.FileIn(f));
  }
  Report(state, bytes, entities);
}
BENCHMARK(BM_FileInSamples)->Unit(benchmark::kMillisecond);

// The same drawings already in memory: parsing alone.
void BM_FileInBufferSamples(benchmark::State& state) {
  const auto files = SampleFiles();
  if (files.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  std::vector<std::vector<uint8_t>> data;
  for (const auto& f : files)
    data.push_back(tavolex::test::ReadFileBytes(f));
  int64_t bytes = 0;
  int64_t entities = 0;
  TJwwData doc;
  for (const auto& d : data) {
    bytes += static_cast<int64_t>(d.size());
    doc.FileInBuffer(std::span<const uint8_t>(d), "bench.jww");
    entities += EntityCount(doc);
  }
  for (auto _ : state) {
    for (const auto& d : data) {
      benchmark::DoNotOptimize(doc.FileInBuffer(std::span<const uint8_t>(d), "bench.jww"));
    }
  }
  Report(state, bytes, entities);
}
BENCHMARK(BM_FileInBufferSamples)->Unit(benchmark::kMillisecond);

// A large drawing: 100 000 lines, 20 000 arcs, 10 000 texts and 5 000 solids.
void BM_FileInBufferLarge(benchmark::State& state) {
  using namespace tavolex::test;
  WDrawing d;
  d.header.jwVer = 700;
  for (int i = 0; i < 100000; ++i) {
    d.entities.push_back(WLine{.start_x = double(i), .end_y = double(i % 97)});
    if (i % 5 == 0) d.entities.push_back(WEnko{.start_x = double(i), .dHankei = 3});
    if (i % 10 == 0) d.entities.push_back(WMoji{.start_x = double(i), .str = u"壁芯 W=120"});
    if (i % 20 == 0) d.entities.push_back(WSolid{.end_x = double(i)});
  }
  const auto bytes = WriteJww(d);
  TJwwData doc;
  doc.FileInBuffer(std::span<const uint8_t>(bytes), "large.jww");
  const int64_t entities = EntityCount(doc);
  for (auto _ : state) {
    benchmark::DoNotOptimize(doc.FileInBuffer(std::span<const uint8_t>(bytes), "large.jww"));
  }
  Report(state, static_cast<int64_t>(bytes.size()), entities);
}
BENCHMARK(BM_FileInBufferLarge)->Unit(benchmark::kMillisecond);

// The settings-only read used when taking over a drawing's pens: header and 100 objects.
void BM_FilePrevIn100(benchmark::State& state) {
  auto files = SampleFiles();
  if (files.empty()) {
    state.SkipWithError("no sample drawings");
    return;
  }
  const auto largest = *std::max_element(files.begin(), files.end(), [](auto& a, auto& b) {
    return fs::file_size(a) < fs::file_size(b);
  });
  TJwwData doc;
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.FilePrevIn(largest, 100));
  state.SetLabel(largest.filename().string());
}
BENCHMARK(BM_FilePrevIn100)->Unit(benchmark::kMicrosecond);

}  // namespace
