#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Func_2.h"

namespace tavolex {
namespace {

TEST(StrToIntZTest, ReadsWholeNumbersOnly) {
  EXPECT_EQ(StrToIntZ(u"42"), 42);
  EXPECT_EQ(StrToIntZ(u"-7"), -7);
  EXPECT_EQ(StrToIntZ(u"+7"), 7);
  EXPECT_EQ(StrToIntZ(u"  12"), 12);
  EXPECT_EQ(StrToIntZ(u"$1F"), 31);
  EXPECT_EQ(StrToIntZ(u"$ff"), 255);
  EXPECT_EQ(StrToIntZ(u"$FFFFFFFF"), -1);
  for (const char16_t* bad : {u"12a", u"1.5", u"", u" ", u"-", u"$", u"$1G", u"1 2", u"12 ",
                              u"$123456789", u"2147483648", u"-2147483649", u"１２"}) {
    EXPECT_EQ(StrToIntZ(bad), 0) << std::u16string(bad).size();
  }
  EXPECT_EQ(StrToIntZ(u"2147483647"), 2147483647);
  EXPECT_EQ(StrToIntZ(u"-2147483648"), std::numeric_limits<int>::min());
}

TEST(StrToFloatZTest, ReadsPointDecimalsAndExponents) {
  EXPECT_EQ(StrToFloatZ(u"2.5e1"), 25.0);
  EXPECT_EQ(StrToFloatZ(u"0.035"), 0.035);
  EXPECT_EQ(StrToFloatZ(u"-.5"), -0.5);
  EXPECT_EQ(StrToFloatZ(u"5."), 5.0);
  EXPECT_EQ(StrToFloatZ(u" 1E-3 "), 0.001);
  EXPECT_EQ(StrToFloatZ(u"1e-400"), 0.0);
  for (const char16_t* bad :
       {u"1,5", u"", u".", u"e5", u"1e", u"1e+", u"abc", u"1.2.3", u"NaN", u"INF", u"1e400"}) {
    EXPECT_EQ(StrToFloatZ(bad), 0.0);
  }
}

TEST(FloatStrTest, WritesShortestGeneralFormThatReadsBack) {
  EXPECT_EQ(FloatStr(0.0), u"0");
  EXPECT_EQ(FloatStr(-0.0), u"0");
  EXPECT_EQ(FloatStr(1.0), u"1");
  EXPECT_EQ(FloatStr(0.035), u"0.035");
  EXPECT_EQ(FloatStr(0.1 + 0.2), u"0.3");
  EXPECT_EQ(FloatStr(-1234.5), u"-1234.5");
  EXPECT_EQ(FloatStr(100000.0), u"100000");
  EXPECT_EQ(FloatStr(123456789012345.0), u"123456789012345");
  EXPECT_EQ(FloatStr(1e15), u"1E15");
  EXPECT_EQ(FloatStr(0.0001), u"0.0001");
  EXPECT_EQ(FloatStr(0.00001), u"0.00001");
  EXPECT_EQ(FloatStr(-2.5e-7), u"-2.5E-7");
  EXPECT_EQ(FloatStr(std::nan("")), u"NAN");
  for (double v : {0.1, 2.0 / 3.0, 1e300, -3.25e-10, 500.0, 0.0001}) {
    EXPECT_NEAR(StrToFloatZ(FloatStr(v)), v, std::fabs(v) * 1e-14);
  }
}

TEST(FixedStrTest, WritesExactDecimalsRoundingHalvesAway) {
  EXPECT_EQ(FixedStr(2, 1.0), u"1.00");
  EXPECT_EQ(FixedStr(0, 2.5), u"3");
  EXPECT_EQ(FixedStr(2, 0.125), u"0.13");
  EXPECT_EQ(FixedStr(2, -0.125), u"-0.13");
  EXPECT_EQ(FixedStr(2, 2.675), u"2.67");  // held as 2.67499999...
  EXPECT_EQ(FixedStr(1, 9.96), u"10.0");
  EXPECT_EQ(FixedStr(3, 0.0004), u"0.000");
  EXPECT_EQ(FixedStr(3, 0.0005), u"0.001");
  EXPECT_EQ(FixedStr(2, -0.001), u"0.00");
  EXPECT_EQ(FixedStr(1, 123456789.25), u"123456789.3");
  EXPECT_EQ(FixedStr(-3, 7.6), u"8");
  EXPECT_EQ(FixedStr(2, 1e22), u"10000000000000000000000.00");
  EXPECT_EQ(FixedStr(2, -std::numeric_limits<double>::infinity()), u"-INF");
}

TEST(IntStrTest, WritesDecimal) {
  EXPECT_EQ(IntStr(0), u"0");
  EXPECT_EQ(IntStr(-42), u"-42");
  EXPECT_EQ(IntStr(4294967295LL), u"4294967295");
}

TEST(IsFiniteNumberTest, RejectsNanAndInfinities) {
  EXPECT_TRUE(IsFiniteNumber(0.0));
  EXPECT_TRUE(IsFiniteNumber(-1e308));
  EXPECT_FALSE(IsFiniteNumber(std::nan("")));
  EXPECT_FALSE(IsFiniteNumber(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(IsFiniteNumber(-std::numeric_limits<double>::infinity()));
}

TEST(ColourTest, MovesBytesBetweenWindowsAndArgbValues) {
  EXPECT_EQ(RgbToArgb(0x000000FFu), 0xFFFF0000u);
  EXPECT_EQ(RgbToArgb(0x12345678u), 0xFF785634u);  // the top byte of a Windows value is dropped
  EXPECT_EQ(ArgbToRgb(0xFFFF0000u), 0x000000FFu);
  EXPECT_EQ(ArgbToRgb(0x80112233u), 0x00332211u);
  EXPECT_EQ(ArgbToRgb(RgbToArgb(0x00C0FF20u)), 0x00C0FF20u);
  EXPECT_EQ(MakeRgb(1, 2, 3), 0x00030201u);
  EXPECT_EQ(MakeArgb(1, 2, 3), 0xFF010203u);
  EXPECT_EQ(MakeRgb(300, -5, 255), 0x00FF00FFu);
  EXPECT_EQ(MakeArgb(256, 0, -1), 0xFFFF0000u);
}

}  // namespace
}  // namespace tavolex
