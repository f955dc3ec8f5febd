#include "app/RefFile.h"

#include <system_error>
#include <vector>

#include "app/TextLines.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"

namespace tavolex {

namespace {

bool StartsWith(const std::u16string& s, const std::u16string& prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

bool IsValidVariableName(const std::u16string& name) {
  if (name.empty() || !StartsWith(name, u"%%")) return false;
  for (char16_t c : name) {
    if (c <= u' ') return false;
  }
  return true;
}

// The REF_FILE value of one Jw_win.jwf; false when the file has none before its end.
bool ReadRefFileLine(const std::filesystem::path& jwf, std::u16string& refFile) {
  std::vector<std::u16string> lines;
  if (!LoadTextLines(jwf, lines)) return false;
  static const std::u16string kPrefixes[] = {u"REF_FILE=", u"REF_FILE =", u"REF_FILE  ="};
  for (const std::u16string& raw : lines) {
    const std::u16string line = TrimStr(raw);
    if (RemoveSpaces(line).empty()) continue;
    if (StartsWith(line, u"END")) return false;
    for (const std::u16string& prefix : kPrefixes) {
      if (StartsWith(line, prefix)) {
        refFile = TrimStr(line.substr(prefix.size()));
        return true;
      }
    }
  }
  return false;
}

bool IsFile(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

void GetRefFileName(const std::filesystem::path& appFolder, const std::filesystem::path& bootJww) {
  // Only the two folders are looked in: a folder that is not known (no program folder, no Jw_cad)
  // must not turn into the current directory, where a stray Jw_win.jwf would change the texts.
  std::filesystem::path jwf;
  if (appFolder.is_absolute() && IsFile(appFolder / "Jw_win.jwf")) {
    jwf = appFolder / "Jw_win.jwf";
  } else if (bootJww.is_absolute() && bootJww.has_parent_path() &&
             IsFile(bootJww.parent_path() / "Jw_win.jwf")) {
    jwf = bootJww.parent_path() / "Jw_win.jwf";
  } else {
    return;
  }
  std::u16string name;
  if (ReadRefFileLine(jwf, name)) RefFileName = name;
}

void RefFileOpen(const std::filesystem::path& appFolder) {
  if (RefFileName.empty()) return;
  std::filesystem::path file;
  if (!FolderOf(RefFileName).empty()) {
    file = PathFromStr(RefFileName);
  } else if (!ZuFileName.empty() && !FolderOf(ZuFileName).empty()) {
    file = PathFromStr(FolderOf(ZuFileName) + RefFileName);
  } else {
    file = appFolder / PathFromStr(RefFileName);
  }
  Str2List.clear();
  Str2ListN = 0;
  if (!IsFile(file)) return;
  std::vector<std::u16string> lines;
  LoadTextLines(file, lines);
  for (const std::u16string& raw : lines) {
    const std::u16string line = TrimStr(raw);
    if (RemoveSpaces(line).empty()) continue;
    const size_t tab = line.find(u'\t');
    if (tab == std::u16string::npos) continue;
    std::u16string name = line.substr(0, tab);
    if (!IsValidVariableName(name)) continue;
    Str2List.push_back({std::move(name), StripCtrlChars(line.substr(tab + 1))});
  }
  Str2ListN = static_cast<int>(Str2List.size());
}

}  // namespace tavolex
