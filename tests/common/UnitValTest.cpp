#include "common/UnitVal.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(UnitValTest, StartValuesAreThoseOfAFreshProgram) {
  EXPECT_EQ(ZuPrtScale, 1.0);
  EXPECT_EQ(ZuGLayScale, 1.0);
  EXPECT_EQ(LtypeUnit, 0.035);
  EXPECT_EQ(ZuBackKind, 0);
  EXPECT_EQ(PolyWN, 0);
  EXPECT_EQ(PolyDN, 0);
  EXPECT_EQ(Str2ListN, 0);
  EXPECT_EQ(GAtt, nullptr);
  EXPECT_EQ(GGraph, nullptr);
}

}  // namespace
}  // namespace tavolex
