#include <windows.h>
// The shell's folder functions need the declarations of windows.h first.
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdlib>
#include <system_error>

#include "common/HostSystem.h"

namespace tavolex {

bool LocalTimeOf(std::time_t t, std::tm& out) {
  return localtime_s(&out, &t) == 0;
}

long CurrentProcessId() {
  return static_cast<long>(GetCurrentProcessId());
}

bool ProcessGone(long pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  // No such process: the id is not valid. Any other refusal (another user's process) is alive.
  if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool exited = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  CloseHandle(process);
  return exited;
}

bool MayWrite(const std::filesystem::path& fileOrFolder) {
  const DWORD attributes = GetFileAttributesW(fileOrFolder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  // The read-only attribute of a folder does not stop files being made in it.
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
  return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

std::filesystem::path RunningProgramFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (int tries = 0; tries < 6; ++tries) {
    const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0) return {};
    if (n < name.size()) {
      name.resize(n);
      return std::filesystem::path(name);
    }
    name.resize(name.size() * 2);  // cut off: a longer path than MAX_PATH
  }
  return {};
}

bool FileNamesIgnoreCase() {
  return true;
}

std::filesystem::path UserConfigFolder() {
  PWSTR roaming = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) {
    const std::filesystem::path folder = std::filesystem::path(roaming) / L"Tavolex";
    CoTaskMemFree(roaming);
    return folder;
  }
  CoTaskMemFree(roaming);
  const wchar_t* appData = _wgetenv(L"APPDATA");
  if (appData != nullptr && *appData != L'\0') return std::filesystem::path(appData) / L"Tavolex";
  std::error_code ec;
  return std::filesystem::temp_directory_path(ec) / L"Tavolex";
}

}  // namespace tavolex
