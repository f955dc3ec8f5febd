#include "app/OutputFileNames.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(OutputFileNames, TitlesBecomeSafeNamesGivenOutOnce) {
  EXPECT_EQ(FileNameFromTitle(u".."), u"Tavolex");
  EXPECT_EQ(FileNameFromTitle(u"a\\b:c\x01"), u"a_b_c_");
  EXPECT_EQ(FileNameFromTitle(u"  "), u"Tavolex");
  EXPECT_EQ(FileNameFromTitle(u"\u3000[3]Tavolex_平面図.jww\u00A0"), u"[3]Tavolex_平面図.jww");
  EXPECT_EQ(PageFileKey(u"plan", 7), u"plan-007");
  EXPECT_EQ(PageFileKey(u"plan", 1234), u"plan-1234");

  OutputFiles files;
  EXPECT_EQ(files.UniqueFile("out", u"plan", u".pdf"), std::filesystem::path("out/plan.pdf"));
  EXPECT_EQ(files.UniqueFile("out", u"plan", u".pdf"), std::filesystem::path("out/plan (2).pdf"));
  EXPECT_EQ(files.UniqueFile("out", u"plan-001", u".png"), std::filesystem::path("out/plan-001.png"));
}

}  // namespace
}  // namespace tavolex
