#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "common/Func_2.h"

namespace tavolex {
namespace {

std::vector<double> Pattern(uint32_t bits, double pitch = 1.0) {
  std::array<double, 32> values{};
  const int n = LtypeBitsToPattern(bits, values, pitch);
  return std::vector<double>(values.begin(), values.begin() + n);
}

TEST(LtypeBitsToPattern, ReducesToTheShortestRepeatingUnit) {
  // Equal halves whose bytes differ: the 16-bit unit.
  EXPECT_EQ(Pattern(0xFF00FF00u), (std::vector<double>{8, -8}));
  // Down to the nibble 1100 (the two-bit test fails: 11 vs 00).
  EXPECT_EQ(Pattern(0xCCCCCCCCu), (std::vector<double>{2, -2}));
  // Down to the two bits 10.
  EXPECT_EQ(Pattern(0xAAAAAAAAu), (std::vector<double>{1, -1}));
  // Byte 11100100 with differing nibbles.
  EXPECT_EQ(Pattern(0xE4E4E4E4u), (std::vector<double>{3, -2, 1, -2}));
}

TEST(LtypeBitsToPattern, AllOnesStaysOneLongDash) {
  EXPECT_EQ(Pattern(0xFFFFFFFFu), (std::vector<double>{32}));
  // 0xFFFF halves are not reduced; a byte of ones inside a 16-bit unit is not either.
  EXPECT_EQ(Pattern(0xFF0FFF0Fu), (std::vector<double>{8, -4, 4}));
  EXPECT_EQ(Pattern(0xFFFFFF00u), (std::vector<double>{24, -8}));
}

TEST(LtypeBitsToPattern, AllZerosIsOneGapOfTheSmallestUnit) {
  EXPECT_EQ(Pattern(0u), (std::vector<double>{-2}));
}

TEST(LtypeBitsToPattern, ScalesByPitchAndEndsWithTheLastRun) {
  EXPECT_EQ(Pattern(0x80000001u, 0.5), (std::vector<double>{0.5, -15, 0.5}));
  EXPECT_EQ(Pattern(0x0F0F0F0Fu, 0.25), (std::vector<double>{-1, 1}));
}

TEST(LtypeBitsToPattern, AlternatingBitsGiveThirtyTwoValuesAtMost) {
  // 0x55555555 reduces to "01"; an irregular 32-bit pattern keeps every run.
  EXPECT_EQ(Pattern(0x55555555u), (std::vector<double>{-1, 1}));
  const std::vector<double> runs = Pattern(0xAAAAAAABu);
  EXPECT_EQ(runs.size(), 31u);
  EXPECT_EQ(runs.back(), 2);
}

}  // namespace
}  // namespace tavolex
