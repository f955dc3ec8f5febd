#include "app/RunFolder.h"

#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "common/Func_2.h"
#include "common/HostSystem.h"

namespace tavolex {

namespace {

constexpr char kPrefix[] = "run-";

// The process that made a run folder, from its name "run-<pid>-XXXXXX"; 0 when it is not one.
long OwnerOf(const std::u16string& name) {
  const std::u16string prefix(std::begin(kPrefix), std::end(kPrefix) - 1);
  if (name.rfind(prefix, 0) != 0) return 0;
  const std::u16string rest = name.substr(prefix.size());
  const size_t dash = rest.find(u'-');
  if (dash == 0 || dash == std::u16string::npos) return 0;
  long pid = 0;
  for (size_t i = 0; i < dash; ++i) {
    if (rest[i] < u'0' || rest[i] > u'9' || pid > 100000000) return 0;
    pid = pid * 10 + (rest[i] - u'0');
  }
  return pid;
}

// Six letters and digits, as the system's own unique folder names have.
std::string RandomSuffix(std::mt19937& random) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(6, '0');
  for (char& c : suffix)
    c = kLetters[pick(random)];
  return suffix;
}

// A run stopped hard (a second Ctrl-C, a kill) cannot clean up after itself; the next run does.
void RemoveStaleRunFolders(const std::filesystem::path& tempFolder) {
  std::error_code ec;
  std::vector<std::filesystem::path> stale;
  for (std::filesystem::directory_iterator it(tempFolder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const long pid = OwnerOf(StrFromPath(it->path().filename()));
    if (pid > 0 && pid != CurrentProcessId() && ProcessGone(pid) && it->is_directory(ec) &&
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
  const std::string stem = kPrefix + std::to_string(CurrentProcessId()) + "-";
  std::random_device seed;
  std::mt19937 random(seed());
  for (int tries = 0; tries < 100; ++tries) {
    std::filesystem::path folder = tempFolder / (stem + RandomSuffix(random));
    // Creating the folder is the test: one that exists already (another run's) is never taken.
    if (!std::filesystem::create_directory(folder, ec)) {
      if (ec) return {};
      continue;
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
    folder /= "";
    return folder;
  }
  return {};
}

void RemoveRunFolder(const std::filesystem::path& folder) {
  // Without its trailing separator, so a link of that name is removed itself, never followed.
  const std::filesystem::path target = folder.has_filename() ? folder : folder.parent_path();
  if (target.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(target, ec);
}

}  // namespace tavolex
