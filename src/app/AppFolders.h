// Where the program keeps its own files: the automatic settings file and the work folder for
// unpacked images. The program's own folder when it can be written to (a portable install);
// otherwise, and for an installed program (a system's bin folder, or marked by the Windows
// installer), a per-user folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavolex {

struct TAppFolders {
  std::filesystem::path AppFolder;     // ends with a separator
  std::filesystem::path TempFolder;    // AppFolder + "TEMP", ends with a separator
  std::filesystem::path SettingsFile;  // the automatic settings file, AppFolder + "tavolex.dat"
};

// The running program's file (from the system where it tells, else argv0 made absolute).
std::filesystem::path ProgramFile(const char* argv0);

// Whether a file can be created and removed in the folder.
bool FolderWritable(const std::filesystem::path& folder);

// The file the Windows installer puts beside the programs; a copy unpacked from the zip has none.
inline constexpr char kInstalledMarkerName[] = "tavolex.installed";

// The program's folder when writable and not the folder of an installed program (a bin folder
// with a share folder beside it, or one holding kInstalledMarkerName), else userFolder (created
// when missing).
TAppFolders ChooseAppFolders(const std::filesystem::path& programFile,
                             const std::filesystem::path& userFolder);

// Creates TempFolder; a failure is ignored (images then cannot be unpacked, nothing else).
void CreateTempFolder(const TAppFolders& folders);
// Removes TempFolder when it is empty; a failure is ignored.
void RemoveTempFolder(const TAppFolders& folders);

// The folder a file dialog opens in: the first candidate that is an existing folder outside the
// program's own folder (the automatic settings file and TEMP are kept there, nothing of the
// user's); empty when there is none.
std::filesystem::path DialogStartFolder(const std::vector<std::filesystem::path>& candidates,
                                        const std::filesystem::path& appFolder);

// Adds every name that is a ".jww" file (extension in any case), exists and is not listed yet
// (compared without regard to case, as the list does) to the list. Returns the number added.
int AddDrawingFiles(std::vector<std::u16string>& list, const std::vector<std::u16string>& names);

// Names from the command line as full paths (relative ones taken in the current folder), so the
// list and the settings files saved from it hold full paths, as the dialog and a drop give them.
std::vector<std::u16string> FullPaths(const std::vector<std::u16string>& names);

}  // namespace tavolex
