// The value of a dimension measured again on its placed dimension line, formatted by the flags
// that the dimension text carries in its pen width.
#include <cmath>

#include "common/Func_2.h"

namespace tavolex {

namespace {

constexpr int kInMetres = 0x0010;
constexpr int kUnitSuffix = 0x0020;
constexpr int kThousands = 0x0040;
constexpr int kKeepZeros = 0x0080;
constexpr int kCutOffFlag = 0x0100;
constexpr int kRoundUpFlag = 0x0200;
constexpr int kSignBefore = 0x0400;
constexpr int kSignAfter = 0x0800;
constexpr int kFullWidth = 0x0008;
constexpr int kRadiusKind = 0x0100;
constexpr int kDiameterKind = 0x0200;

int DecimalsOf(int flags) {
  return (flags / 4096) % 10;
}

int RoundingOf(int flags) {
  const bool cut = (flags & kCutOffFlag) != 0;
  const bool up = (flags & kRoundUpFlag) != 0;
  if (cut && !up) return kRoundCut;
  if (up && !cut) return kRoundUp;
  return kRoundHalfUp;
}

// Thousands separators in the integer part of a fixed-point text.
std::u16string WithThousands(const std::u16string& fixed) {
  std::size_t begin = (!fixed.empty() && fixed[0] == u'-') ? 1 : 0;
  std::size_t end = fixed.find(u'.');
  if (end == std::u16string::npos) end = fixed.size();
  std::u16string out = fixed.substr(0, begin);
  for (std::size_t i = begin; i < end; ++i) {
    if (i > begin && (end - i) % 3 == 0) out += u',';
    out += fixed[i];
  }
  return out + fixed.substr(end);
}

// Trailing zeros of the fraction removed, and the point when nothing follows it.
std::u16string WithoutTrailingZeros(std::u16string s) {
  if (s.find(u'.') == std::u16string::npos) return s;
  while (!s.empty() && s.back() == u'0')
    s.pop_back();
  if (!s.empty() && s.back() == u'.') s.pop_back();
  return s;
}

std::u16string FormatValue(double v, int flags) {
  const int decimals = DecimalsOf(flags);
  if (!std::isfinite(v)) return FloatStr(v);
  if ((flags & kThousands) != 0) {
    std::u16string s = WithThousands(FixedStr(decimals, v));
    return (flags & kKeepZeros) != 0 ? s : WithoutTrailingZeros(s);
  }
  if ((flags & kKeepZeros) != 0) return FixedStr(decimals, v);
  return FloatStr(v);
}

}  // namespace

std::u16string DimValueText(int flags, int kind, double x1, double y1, double x2, double y2,
                            double groupScale, double bx, double by, double b1, double b2,
                            double b3, double b4, double sc) {
  double X1, Y1, X2, Y2;
  BLLine(x1, y1, x2, y2, bx, by, b1, b2, b3, b4, sc, X1, Y1, X2, Y2);
  const double g = (groupScale > 0.0 && std::isfinite(groupScale)) ? groupScale : 1.0;
  double v = std::hypot(X2 - X1, Y2 - Y1) * g;
  if ((flags & kInMetres) != 0) v /= 1000.0;
  v = RoundDecimals(v, DecimalsOf(flags), RoundingOf(flags));

  std::u16string text = FormatValue(v, flags);
  std::u16string sign;
  if ((kind & kRadiusKind) != 0) {
    sign = u"R";
  } else if ((kind & kDiameterKind) != 0) {
    sign = u"φ";
  }
  if ((flags & kSignBefore) != 0) {
    text = sign + text;
  } else if ((flags & kSignAfter) != 0) {
    text += sign;
  }
  if ((flags & kFullWidth) != 0) text = ToFullWidth(text);
  if ((flags & kUnitSuffix) != 0) text += (flags & kInMetres) != 0 ? u"ｍ" : u"mm";
  return text;
}

}  // namespace tavolex
