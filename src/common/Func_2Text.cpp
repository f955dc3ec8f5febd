// Lengths of text in the drawing and rounding of measured values.
#include <cmath>

#include "common/Func_2.h"

namespace tavolex {

double TextWidth(const std::u16string& s, double sp, double w) {
  const std::string bytes = StrToCp932(s);
  double width = 0.0;
  double lastSpacing = 0.0;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const bool lead = (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
    if (lead) {
      width += w;
      lastSpacing = sp;
      i += 2;
    } else {
      width += w / 2;
      lastSpacing = sp / 2;
      i += 1;
    }
    width += lastSpacing;
  }
  return width - lastSpacing;
}

double RoundDecimals(double x, int n, int mode) {
  if (!std::isfinite(x)) return x;
  if (n < 1 || n > 9) n = 0;
  const double scale = std::pow(10.0, n);
  double add = 0.5;
  if (mode == kRoundCut) add = 0.0;
  if (mode == kRoundUp) add = 0.9999999999;
  const double v = std::trunc(std::fabs(x) * scale + add) / scale;
  return x < 0 ? -v : v;
}

}  // namespace tavolex
