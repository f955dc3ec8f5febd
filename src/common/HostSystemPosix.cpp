#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "common/HostSystem.h"

namespace tavolex {

bool LocalTimeOf(std::time_t t, std::tm& out) {
  return localtime_r(&t, &out) != nullptr;
}

long CurrentProcessId() {
  return static_cast<long>(getpid());
}

bool ProcessGone(long pid) {
  return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool MayWrite(const std::filesystem::path& fileOrFolder) {
  std::error_code ec;
  // A folder must also be searchable to create files in it.
  const int mode = std::filesystem::is_directory(fileOrFolder, ec) ? (W_OK | X_OK) : W_OK;
  return access(fileOrFolder.c_str(), mode) == 0;
}

std::filesystem::path RunningProgramFile() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self.clear();
  return self;
}

bool FileNamesIgnoreCase() {
  return false;
}

std::filesystem::path UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg == '/') return std::filesystem::path(xdg) / "tavolex";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return std::filesystem::path(home) / ".config" / "tavolex";
  return std::filesystem::temp_directory_path() / "tavolex";
}

}  // namespace tavolex
