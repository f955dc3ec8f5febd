#include "app/OutputCheck.h"

#include <fstream>
#include <system_error>

#include "common/HostSystem.h"

namespace tavolex {

std::string OutputFileProblem(const std::filesystem::path& file) {
  std::error_code ec;
  if (file.empty() || !file.has_filename()) return "names no file";
  if (std::filesystem::is_directory(file, ec)) return "is a folder";
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  if (!std::filesystem::is_directory(folder, ec)) return "its folder does not exist";
  if (!MayWrite(folder)) return "its folder cannot be written to";
  if (std::filesystem::exists(file, ec) && !MayWrite(file)) return "cannot be written to";
  return {};
}

std::string SettingsFileProblem(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return "no such settings file";
  if (std::filesystem::is_directory(file, ec)) return "is a folder, not a settings file";
  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot be read";
  in.get();
  if (in.bad()) return "cannot be read";
  return {};
}

}  // namespace tavolex
