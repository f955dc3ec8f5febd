#include "common/HostSystem.h"

#include <gtest/gtest.h>

#include "common/Func_2.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

TEST(HostSystemTest, KnowsThisProgramTheTimeAndWhereFilesMayBeWritten) {
  const std::filesystem::path self = RunningProgramFile();
  ASSERT_TRUE(std::filesystem::is_regular_file(self)) << StrToUtf8(StrFromPath(self));
  EXPECT_EQ(StrFromPath(self.stem()), u"tests_common");
  EXPECT_FALSE(ProcessGone(CurrentProcessId()));

  // 2001-09-09 01:46:40 UTC: September 2001 in every time zone.
  std::tm local{};
  ASSERT_TRUE(LocalTimeOf(1000000000, local));
  EXPECT_EQ(local.tm_year + 1900, 2001);
  EXPECT_EQ(local.tm_mon + 1, 9);

  test::ScopedTempDir temp;
  EXPECT_TRUE(MayWrite(temp.path()));
  EXPECT_FALSE(MayWrite(temp / "missing" / "file.pdf"));
}

}  // namespace
}  // namespace tavolex
