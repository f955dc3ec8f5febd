// Attribute tables: the pen table and the colour rules of printing.
#include <cstdint>

#include "graphics/UnitGraAtt.h"

namespace tavolex {
namespace {

struct Channels {
  std::int64_t r;
  std::int64_t g;
  std::int64_t b;
};

// Thresholds are stored as given, so the sums are formed in 64 bits.
bool AllAtLeastWhite(const Channels& ch, std::int64_t threshold) {
  return ch.r + threshold >= 255 && ch.g + threshold >= 255 && ch.b + threshold >= 255;
}

}  // namespace

void TgraAttribute::SetAttrCol(int jn, std::uint32_t col, double wid, double ten) {
  SetAttrCol_(ColIndex(jn), col, wid, ten);
}

void TgraAttribute::SetAttrCol_(int n, std::uint32_t col, double wid, double ten) {
  if (!HasColor(n)) return;
  TjwvColor& pen = jwvCol[static_cast<std::size_t>(n)];
  pen.color = col;
  pen.width = wid;
  pen.ten_r = ten;
}

std::uint32_t TgraAttribute::GetAttrColcol(int jn) const {
  return GetAttrColcol_(ColIndex(jn));
}

std::uint32_t TgraAttribute::GetAttrColcol_(int n) const {
  // Pen 0 and unknown pens draw in the background colour.
  if (!HasColor(n)) return BackColor;
  return PrintColor(n, jwvCol[static_cast<std::size_t>(n)].color);
}

std::uint32_t TgraAttribute::PrintColor(int n, std::uint32_t c) const {
  if (!PrintMode) return c;
  const bool sxf = n > 8;
  const bool whiteToBlackStandard = Sikii1 >= 0 && !sxf;
  const bool whiteToBlackSxf = Sikii2 >= 0 && sxf;
  if (Sikii0 < 0 && !whiteToBlackStandard && !whiteToBlackSxf) return c;

  std::uint32_t result = c;
  Channels ch{(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF};
  if (Sikii0 >= 0) {
    // Monochrome: a channel close enough to full counts as full; only all-full stays white.
    const std::int64_t t = Sikii0;
    if (ch.r + t > 255) ch.r = 255;
    if (ch.g + t > 255) ch.g = 255;
    if (ch.b + t > 255) ch.b = 255;
    if (ch.r == 255 && ch.g == 255 && ch.b == 255) {
      result = kWhite;
    } else {
      result = kBlack;
      ch = Channels{0, 0, 0};
    }
  }
  // White to black: a pen that would vanish on white paper prints black.
  if (whiteToBlackStandard) {
    if (AllAtLeastWhite(ch, Sikii1)) result = kBlack;
  } else if (whiteToBlackSxf) {
    if (AllAtLeastWhite(ch, Sikii2)) result = kBlack;
  }
  return result;
}

double TgraAttribute::GetAttrColwid(int jn) const {
  return GetAttrColwid_(ColIndex(jn));
}

double TgraAttribute::GetAttrColwid_(int n) const {
  return HasColor(n) ? jwvCol[static_cast<std::size_t>(n)].width : 0.0;
}

double TgraAttribute::GetAttrColten(int jn) const {
  return GetAttrColten_(ColIndex(jn));
}

double TgraAttribute::GetAttrColten_(int n) const {
  return HasColor(n) ? jwvCol[static_cast<std::size_t>(n)].ten_r : 0.1;
}

}  // namespace tavolex
