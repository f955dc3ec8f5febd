// The work folder of one run: stored images are unpacked into a folder of its own inside
// TempFolder, so runs at the same time from one install never see each other's files.
#pragma once

#include <filesystem>

namespace tavolex {

// Creates a new, empty folder "run-<pid>-XXXXXX" inside tempFolder (ending with a separator);
// empty when it cannot be created. Folders left by runs that no longer live are removed first.
std::filesystem::path MakeRunFolder(const std::filesystem::path& tempFolder);

// Removes the folder and everything in it; a failure is ignored.
void RemoveRunFolder(const std::filesystem::path& folder);

}  // namespace tavolex
