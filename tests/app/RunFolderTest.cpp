#include "app/RunFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

TEST(RunFolderTest, EachRunGetsItsOwnFolderAndFoldersOfEndedRunsAreSwept) {
  test::ScopedTempDir temp;
  // Left by a run that was killed (no such process) and by one that still runs (our parent).
  const std::filesystem::path dead = temp / "run-4194303-AbCdEf";
  const std::filesystem::path alive = temp / ("run-" + std::to_string(getppid()) + "-AbCdEf");
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
