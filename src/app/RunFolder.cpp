#include "app/RunFolder.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

namespace tavolex {

namespace {

constexpr char kPrefix[] = "run-";

// The process that made a run folder, from its name "run-<pid>-XXXXXX"; 0 when it is not one.
long OwnerOf(const std::string& name) {
  if (name.rfind(kPrefix, 0) != 0) return 0;
  const std::string rest = name.substr(sizeof kPrefix - 1);
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos) return 0;
  long pid = 0;
  for (size_t i = 0; i < dash; ++i) {
    if (rest[i] < '0' || rest[i] > '9' || pid > 100000000) return 0;
    pid = pid * 10 + (rest[i] - '0');
  }
  return pid;
}

bool ProcessGone(long pid) {
  return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A run stopped hard (a second Ctrl-C, a kill) cannot clean up after itself; the next run does.
void RemoveStaleRunFolders(const std::filesystem::path& tempFolder) {
  std::error_code ec;
  std::vector<std::filesystem::path> stale;
  for (std::filesystem::directory_iterator it(tempFolder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const long pid = OwnerOf(it->path().filename().string());
    if (pid > 0 && pid != static_cast<long>(getpid()) && ProcessGone(pid) && it->is_directory(ec) &&
        !it->is_symlink(ec)) {
      stale.push_back(it->path());
    }
  }
  for (const auto& folder : stale)
    RemoveRunFolder(folder);
}

}  // namespace

std::filesystem::path MakeRunFolder(const std::filesystem::path& tempFolder) {
  std::error_code ec;
  if (tempFolder.empty() || !std::filesystem::is_directory(tempFolder, ec)) return {};
  RemoveStaleRunFolders(tempFolder);
  const std::string pattern =
      (tempFolder / (kPrefix + std::to_string(static_cast<long>(getpid())) + "-XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return {};
  std::filesystem::path folder(name.data());
  folder /= "";
  return folder;
}

void RemoveRunFolder(const std::filesystem::path& folder) {
  // Without its trailing separator, so a link of that name is removed itself, never followed.
  const std::filesystem::path target = folder.has_filename() ? folder : folder.parent_path();
  if (target.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(target, ec);
}

}  // namespace tavolex
