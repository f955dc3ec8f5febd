// Colour values: Windows 0x00BBGGRR and ARGB 0xAARRGGBB.
#include "common/Func_2.h"

namespace tavolex {
namespace {

std::uint32_t Channel(int v) {
  return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

}  // namespace

std::uint32_t RgbToArgb(std::uint32_t v) {
  const std::uint32_t r = v & 0xFF;
  const std::uint32_t g = (v >> 8) & 0xFF;
  const std::uint32_t b = (v >> 16) & 0xFF;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

std::uint32_t ArgbToRgb(std::uint32_t a) {
  const std::uint32_t r = (a >> 16) & 0xFF;
  const std::uint32_t g = (a >> 8) & 0xFF;
  const std::uint32_t b = a & 0xFF;
  return r | (g << 8) | (b << 16);
}

std::uint32_t MakeRgb(int r, int g, int b) {
  return Channel(r) | (Channel(g) << 8) | (Channel(b) << 16);
}

std::uint32_t MakeArgb(int r, int g, int b) {
  return 0xFF000000u | (Channel(r) << 16) | (Channel(g) << 8) | Channel(b);
}

}  // namespace tavolex
