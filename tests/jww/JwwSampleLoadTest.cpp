// Every real drawing beside the repository loads whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "jww/JwwUnit.h"
#include "support/TestPaths.h"

namespace tavolex {
namespace {

std::vector<std::filesystem::path> SampleFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(test::SamplesDir())) {
    if (entry.is_regular_file() && entry.path().extension() == ".jww") files.push_back(entry);
  }
  return files;
}

int CountOrderEntries(const std::vector<TEntJwwNo>& order, int32_t kind) {
  int n = 0;
  for (const TEntJwwNo& no : order)
    n += no.EntType == kind ? 1 : 0;
  return n;
}

TEST(JwwSampleLoad, EverySampleLoadsWithConsistentOrderLists) {
  TAVOLEX_REQUIRE_SAMPLES();
  const auto files = SampleFiles();
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    TJwwData jww;
    EXPECT_TRUE(TJwwData::FileCheck(file));
    ASSERT_TRUE(jww.FileIn(file));
    EXPECT_EQ(static_cast<size_t>(jww.Enthd.n1), jww.EntNo.size());
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntLine), jww.EntLineN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntEnko), jww.EntEnkoN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntTen), jww.EntTenN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntMoji), jww.EntMojiN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntSunpo), jww.EntSunpoN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntSolid), jww.EntSolidN);
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntBlock), jww.EntBlockN);
    // An intact file fills every announced entry.
    EXPECT_EQ(CountOrderEntries(jww.EntNo, kEntNone), 0);
    EXPECT_EQ(jww.EntBlockDefN, jww.Enthd.n2);
    EXPECT_GE(jww.EntBlockTreeN, jww.EntBlockN);
    if (file.parent_path().filename() == "blocks" && file.stem() != "non_block") {
      // The block drawings insert definitions they carry.
      ASSERT_GT(jww.EntBlockTreeN, 0);
      for (const TEntJwwBlockTree& node : jww.EntBlockTree)
        EXPECT_GE(node.defno, 0);
      EXPECT_GT(jww.EntBlockNum, 0);
    }
    for (const TEntJwwBlockDef& def : jww.EntBlockDef) {
      EXPECT_EQ(static_cast<size_t>(def.N), def.mNo.size());
      EXPECT_EQ(CountOrderEntries(def.mNo, kEntNone), 0);
    }
  }
}

}  // namespace
}  // namespace tavolex
