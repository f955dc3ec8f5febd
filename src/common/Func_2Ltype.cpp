// Dash patterns of line types from their bit form.
#include "common/Func_2.h"

namespace tavolex {

namespace {

struct TBitUnit {
  std::uint32_t bits;
  int width;
};

// The shortest unit that, repeated, gives the whole pattern. An all-ones half, byte or nibble is
// kept at the wider unit (it is one long dash, not many short ones).
TBitUnit RepeatingUnit(std::uint32_t b) {
  const std::uint32_t high16 = b >> 16;
  if ((b & 0xFFFF) != high16 || high16 == 0xFFFF) return {b, 32};
  const std::uint32_t high8 = high16 >> 8;
  if ((high16 & 0xFF) != high8 || high8 == 0xFF) return {high16, 16};
  const std::uint32_t high4 = high8 >> 4;
  if ((high8 & 0xF) != high4 || high4 == 0xF) return {high8, 8};
  const std::uint32_t high2 = high4 >> 2;
  if ((high4 & 0x3) == high2 && high2 != 0x3) return {high2, 2};
  return {high4, 4};
}

}  // namespace

int LtypeBitsToPattern(std::uint32_t bits, std::array<double, 32>& values, double pitch) {
  const TBitUnit unit = RepeatingUnit(bits);
  int count = 0;
  int runLength = 0;
  bool runBit = false;
  for (int i = unit.width - 1; i >= 0; --i) {
    const bool bit = ((unit.bits >> i) & 1u) != 0;
    if (runLength > 0 && bit != runBit) {
      values[static_cast<size_t>(count++)] = (runBit ? pitch : -pitch) * runLength;
      runLength = 0;
    }
    runBit = bit;
    ++runLength;
  }
  values[static_cast<size_t>(count++)] = (runBit ? pitch : -pitch) * runLength;
  return count;
}

}  // namespace tavolex
