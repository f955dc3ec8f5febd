#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Func_2.h"

namespace tavolex {
namespace {

TEST(TextWidth, DoubleByteCharactersAreFullWidth) {
  EXPECT_DOUBLE_EQ(TextWidth(u"", 1, 4), 0);
  EXPECT_DOUBLE_EQ(TextWidth(u"AB", 1, 4), 2 + 0.5 + 2);
  EXPECT_DOUBLE_EQ(TextWidth(u"漢A", 1, 4), 4 + 1 + 2);
  EXPECT_DOUBLE_EQ(TextWidth(u"A漢", 1, 4), 2 + 0.5 + 4);
  // Half-width katakana are single bytes; "ｍ" and "φ" double bytes.
  EXPECT_DOUBLE_EQ(TextWidth(u"ｱｲ", 0, 4), 4);
  EXPECT_DOUBLE_EQ(TextWidth(u"12ｍ", 0, 4), 8);
  EXPECT_DOUBLE_EQ(TextWidth(u"φ10", 2, 4), 4 + 2 + 2 + 1 + 2);
}

TEST(RoundDecimals, ModesAndSigns) {
  EXPECT_DOUBLE_EQ(RoundDecimals(12.25, 1, kRoundHalfUp), 12.3);
  EXPECT_DOUBLE_EQ(RoundDecimals(12.25, 1, kRoundCut), 12.2);
  EXPECT_DOUBLE_EQ(RoundDecimals(12.21, 1, kRoundUp), 12.3);
  EXPECT_DOUBLE_EQ(RoundDecimals(12.2, 1, kRoundUp), 12.2);
  EXPECT_DOUBLE_EQ(RoundDecimals(-12.25, 1, kRoundHalfUp), -12.3);
  EXPECT_DOUBLE_EQ(RoundDecimals(-12.29, 1, kRoundCut), -12.2);
  EXPECT_DOUBLE_EQ(RoundDecimals(2.5, 0, kRoundHalfUp), 3);
  EXPECT_DOUBLE_EQ(RoundDecimals(2.5, 10, kRoundHalfUp), 3);  // out of range: no decimals
  EXPECT_DOUBLE_EQ(RoundDecimals(2.5, -1, kRoundCut), 2);
  EXPECT_DOUBLE_EQ(RoundDecimals(1.23456789, 9, kRoundHalfUp), 1.23456789);
  EXPECT_DOUBLE_EQ(RoundDecimals(1e300, 3, kRoundHalfUp), 1e300);
  EXPECT_TRUE(std::isnan(RoundDecimals(std::numeric_limits<double>::quiet_NaN(), 2, 0)));
  EXPECT_TRUE(std::isinf(RoundDecimals(std::numeric_limits<double>::infinity(), 2, 0)));
}

}  // namespace
}  // namespace tavolex
