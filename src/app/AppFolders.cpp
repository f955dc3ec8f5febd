#include "app/AppFolders.h"

#include <fstream>
#include <system_error>

#include "common/Func_2.h"
#include "common/HostSystem.h"

namespace tavolex {

namespace {

std::filesystem::path WithSeparator(std::filesystem::path folder) {
  folder /= "";
  return folder;
}

// The folder of an installed program: the bin folder of an installation prefix (/usr/bin beside
// /usr/share), or a folder the Windows installer marked. It belongs to the system, so it is never
// used for settings and work files, even for a user who may write there (an administrator, Wine).
bool InstalledProgramFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::exists(folder / kInstalledMarkerName, ec)) return true;
  return folder.filename() == "bin" &&
         std::filesystem::is_directory(folder.parent_path() / "share", ec);
}

// The folder as the file system names it, so that links and "..", letter case aside, do not hide
// that two names are one folder.
std::filesystem::path SameFolderName(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path name = std::filesystem::weakly_canonical(folder, ec);
  if (ec) name = folder.lexically_normal();
  return name.has_filename() ? name : name.parent_path();
}

bool InsideFolder(const std::filesystem::path& folder, const std::filesystem::path& outer) {
  const std::filesystem::path rel =
      SameFolderName(folder).lexically_relative(SameFolderName(outer));
  return !rel.empty() && *rel.begin() != "..";
}

}  // namespace

std::filesystem::path DialogStartFolder(const std::vector<std::filesystem::path>& candidates,
                                        const std::filesystem::path& appFolder) {
  for (const std::filesystem::path& folder : candidates) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) continue;
    if (appFolder.empty() || !InsideFolder(folder, appFolder)) return folder;
  }
  return {};
}

std::filesystem::path ProgramFile(const char* argv0) {
  std::error_code ec;
  const std::filesystem::path self = RunningProgramFile();
  if (!self.empty()) return self;
  if (argv0 == nullptr || *argv0 == '\0') return std::filesystem::current_path(ec) / "tavolex";
  return std::filesystem::absolute(argv0, ec);
}

bool FolderWritable(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
  const std::filesystem::path probe =
      folder / (".tavolex-probe-" + std::to_string(CurrentProcessId()));
  {
    std::ofstream out(probe, std::ios::binary);
    if (!out) return false;
  }
  return std::filesystem::remove(probe, ec) && !ec;
}

TAppFolders ChooseAppFolders(const std::filesystem::path& programFile,
                             const std::filesystem::path& userFolder) {
  std::filesystem::path folder = programFile.parent_path();
  if (InstalledProgramFolder(folder) || !FolderWritable(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(userFolder, ec);
    folder = userFolder;
  }
  TAppFolders f;
  f.AppFolder = WithSeparator(folder);
  f.TempFolder = WithSeparator(folder / "TEMP");
  f.SettingsFile = folder / "tavolex.dat";
  return f;
}

void CreateTempFolder(const TAppFolders& folders) {
  std::error_code ec;
  std::filesystem::create_directories(folders.TempFolder, ec);
}

void RemoveTempFolder(const TAppFolders& folders) {
  std::error_code ec;
  if (std::filesystem::is_empty(folders.TempFolder, ec) && !ec)
    std::filesystem::remove(folders.TempFolder, ec);
}

int AddDrawingFiles(std::vector<std::u16string>& list, const std::vector<std::u16string>& names) {
  int added = 0;
  for (const std::u16string& name : names) {
    if (name.empty() || ExtLower(name) != u".jww") continue;
    const std::u16string key = LowerStr(name);
    bool listed = false;
    for (const std::u16string& entry : list) {
      if (LowerStr(entry) == key) {
        listed = true;
        break;
      }
    }
    if (listed || !FileExistsQ(name)) continue;
    list.push_back(name);
    ++added;
  }
  return added;
}

std::vector<std::u16string> FullPaths(const std::vector<std::u16string>& names) {
  std::vector<std::u16string> out;
  out.reserve(names.size());
  for (const std::u16string& name : names) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(PathFromStr(name), ec);
    out.push_back(name.empty() || ec ? name : StrFromPath(full.lexically_normal()));
  }
  return out;
}

}  // namespace tavolex
