// Where tests find the real drawings beside the repository, and a skip when they are absent.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace tavolex::test {

inline std::filesystem::path SamplesDir() {
  return std::filesystem::path(TAVOLEX_SAMPLES_DIR);
}

inline bool HaveSamples() {
  return std::filesystem::is_directory(SamplesDir());
}

inline std::filesystem::path SourceDir() {
  return std::filesystem::path(TAVOLEX_SOURCE_DIR);
}

}  // namespace tavolex::test

// Skips the current test when the folder of real drawings is not there.
#define TAVOLEX_REQUIRE_SAMPLES()                                                    \
  do {                                                                               \
    if (!::tavolex::test::HaveSamples()) GTEST_SKIP() << "no ../shared/jww-samples"; \
  } while (0)
