// The readers of settings, environment and reference files take a path, as the window hands
// them one; the fuzz targets write each input to a file in a folder of their own process.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tavolex::fuzz {

// libFuzzer ends its process without running exit handlers, so the folder stays behind:
// scripts/fuzz.sh points TMPDIR into the build folder and empties it.
inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder = [] {
    const auto f = std::filesystem::temp_directory_path() /
                   ("tavolex-fuzz-" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::create_directories(f);
    return f;
  }();
  return folder;
}

// Writes the bytes to name in the fuzz folder and returns its path.
inline std::filesystem::path FuzzFile(const std::string& name, std::string_view bytes) {
  const std::filesystem::path file = FuzzFolder() / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) std::abort();  // the target would test nothing
  return file;
}

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tavolex::fuzz
