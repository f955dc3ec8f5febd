#include "app/RunFolder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
// The process list needs the declarations of windows.h first.
#include <tlhelp32.h>
#else
#include <unistd.h>
#endif

#include <fstream>

#include "common/HostSystem.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

// A process other than this one that runs for the whole test: the parent on Linux; on Windows,
// whose processes need not have a living parent, the first other one the system lists.
long OtherLiveProcess() {
#ifdef _WIN32
  long found = 0;
  HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (list == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(list, &entry); more && found == 0;
       more = Process32NextW(list, &entry)) {
    const long pid = static_cast<long>(entry.th32ProcessID);
    if (pid != 0 && pid != CurrentProcessId()) found = pid;
  }
  CloseHandle(list);
  return found;
#else
  return static_cast<long>(getppid());
#endif
}

TEST(RunFolderTest, EachRunGetsItsOwnFolderAndFoldersOfEndedRunsAreSwept) {
  test::ScopedTempDir temp;
  // Left by a run that was killed (no such process) and by one that still runs.
  const long running = OtherLiveProcess();
  ASSERT_GT(running, 0);
  ASSERT_FALSE(ProcessGone(running));
  const std::filesystem::path dead = temp / "run-4194303-AbCdEf";
  const std::filesystem::path alive = temp / ("run-" + std::to_string(running) + "-AbCdEf");
  const std::filesystem::path other = temp / "run-notes";
  for (const auto& f : {dead, alive, other})
    std::filesystem::create_directories(f / "sub");

  const std::filesystem::path a = MakeRunFolder(temp.path());
  const std::filesystem::path b = MakeRunFolder(temp.path());
  ASSERT_FALSE(a.empty());
  EXPECT_NE(a, b);
  EXPECT_EQ(a.parent_path().parent_path(), temp.path());
  EXPECT_FALSE(std::filesystem::exists(dead));
  EXPECT_TRUE(std::filesystem::exists(alive));
  EXPECT_TRUE(std::filesystem::exists(other));

  std::ofstream(a / "pic.png") << "x";
  RemoveRunFolder(a);
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_TRUE(std::filesystem::exists(b));
  EXPECT_TRUE(MakeRunFolder(temp / "missing").empty());
}

}  // namespace
}  // namespace tavolex
