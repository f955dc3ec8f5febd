// Checks made before a run starts, so a run that cannot deliver fails at once instead of
// printing every drawing into nowhere.
#pragma once

#include <filesystem>
#include <string>

namespace tavolex {

// Why a file cannot be written at that place (its folder is missing or not writable, or the name
// is a folder); empty when it can.
std::string OutputFileProblem(const std::filesystem::path& file);

// Why a settings file cannot be read (missing, a folder, not readable); empty when it can.
std::string SettingsFileProblem(const std::filesystem::path& file);

}  // namespace tavolex
