// Characters in cells and strings along a baseline.
#include <cmath>
#include <numbers>
#include <string_view>

#include "graphics/ClipUnit.h"
#include "graphics/GraUnit1.h"
#include "graphics/TextCells.h"

namespace tavolex {

namespace {

constexpr double kPi = std::numbers::pi;

// A character cell larger than this many pixels is never handed to the canvas (the string
// layout already refuses 3000; this guards direct calls with absurd or non-finite sizes).
constexpr double kMaxCellPixels = 100000.0;

// Offset of the cell's top-left corner from the reference point, in the text's own frame (y
// up), for the nine alignment codes.
void CellOffset(int fm, double c, double h, double& dx, double& dy) {
  const int column = (fm >= 0 && fm <= 8) ? fm % 3 : 0;
  const int row = (fm >= 0 && fm <= 8) ? fm / 3 : 0;
  dx = column == 0 ? 0.0 : (column == 1 ? -c / 2 : -c);
  dy = row == 0 ? h : (row == 1 ? h / 2 : 0.0);
}

bool AnyCornerVisible(double tx, double ty, double c, double h, double a) {
  const double ax = c * std::cos(a);
  const double ay = c * std::sin(a);
  const double bx = h * std::cos(a - kPi / 2);
  const double by = h * std::sin(a - kPi / 2);
  const double xs[4] = {tx, tx + ax, tx + bx, tx + ax + bx};
  const double ys[4] = {ty, ty + ay, ty + by, ty + ay + by};
  for (int i = 0; i < 4; ++i) {
    if (ClipPoint(xs[i], ys[i], ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 0) return true;
  }
  return false;
}

// Escapement in tenths of a degree, counter-clockwise, within one turn.
int Escapement(double a) {
  const double turn = std::fmod(a, 2 * kPi);
  return static_cast<int>(std::lround(turn / kPi * 1800.0));
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Characters that lie along the line in vertical writing: brackets and long dashes, then the
// Japanese full stop, comma and long vowel marks.
constexpr std::u16string_view kVerticalAlongLine =
    u"【＜≪〈《（｛〔［「『｜―－‐＝＿￣』」］〕｝）》〉≫＞】"
    u"。、ー～≠≒";
// Small marks that stay upright but sit further from the line.
constexpr std::u16string_view kVerticalShifted = u"．，°′″’”´゛゜";

bool InSet(std::u16string_view set, std::u16string_view ch) {
  return ch.size() == 1 && set.find(ch[0]) != std::u16string_view::npos;
}

}  // namespace

int TGraph1::GLAText1(double x, double y, double h, double w, double a, int Fm,
                      const std::u16string& s) {
  if (s.empty() || s == u" " || s == u"　") return 2;
  if (h < 0) {
    h = -h;
    if (Fm >= 0 && Fm <= 2) {
      Fm += 6;
    } else if (Fm >= 6 && Fm <= 8) {
      Fm -= 6;
    }
  }
  const double c = IsHalfWidthChar(s) ? std::fabs(w) / 2 : std::fabs(w);
  double dx = 0.0;
  double dy = 0.0;
  CellOffset(Fm, c, h, dx, dy);
  const double tx = x + dx * std::cos(a) - dy * std::sin(a);
  const double ty = y + dx * std::sin(a) + dy * std::cos(a);
  if (!AllFinite({tx, ty, c, h, a})) return 1;
  if (!AnyCornerVisible(tx, ty, c, h, a)) return 1;

  double px = 0.0;
  double py = 0.0;
  GLTransPt(tx, ty, px, py);
  const double cw = c * ViewScale;
  const double ch = h * ViewScale;
  if (cw <= 2 || ch <= 2) {
    GTen(px, py);
    return 2;
  }
  if (cw > kMaxCellPixels || ch > kMaxCellPixels || std::fabs(px) > kDeviceLimit ||
      std::fabs(py) > kDeviceLimit) {
    return 1;
  }

  CanvasFont font;
  font.height = static_cast<int>(std::lround(ch));
  const int advance = static_cast<int>(std::lround(cw));
  font.width = IsHalfWidthChar(s) ? advance : advance / 2;
  font.escapement = Escapement(a);
  font.weight = (FontStyle & 1) ? 700 : 400;
  font.italic = (FontStyle & 2) != 0;
  font.underline = (FontStyle & 4) != 0;
  font.strikeOut = (FontStyle & 8) != 0;
  font.faceName = FontName.substr(0, 31);

  if (BrushSty != BrushStyle::Clear) SetCanvasBrush(BrushColor, BrushStyle::Clear);
  if (C != nullptr) C->DrawChar(RoundDevice(px), RoundDevice(py), s, font, PenColor);
  return 0;
}

int TGraph1::GLAText2(double xx, double yy, double ang, double h, double w, double sp, int Ftyp,
                      const std::u16string& f, const std::u16string& s) {
  if (IsBlankText(s)) return 2;
  if (!AllFinite({xx, yy, ang, h, w, sp})) return 1;
  const double length = TextRunLength(s, w, sp);
  if (std::fabs(h) * ViewScale <= 2 || length * ViewScale <= 2) {
    GLTen(xx, yy);
    return 2;
  }
  if (std::fabs(h) * ViewScale > 3000 || std::fabs(w) * ViewScale > 3000) return 1;

  std::u16string face = f;
  bool vertical = false;
  double upright = ang;
  for (int i = 0; i < 4 && !face.empty() && face[0] == u'@'; ++i) {
    face.erase(0, 1);
    upright = ang + kPi / 2;
    if (upright >= 2 * kPi) upright -= 2 * kPi;
    vertical = true;
  }
  FontName = face;
  FontStyle = Ftyp;

  const double cosA = std::cos(ang);
  const double sinA = std::sin(ang);
  double px = xx;
  double py = yy;
  int drawn = 0;
  const std::u16string_view text = s;
  ForEachChar(text, [&](std::size_t i, std::size_t n) {
    const std::u16string ch(text.substr(i, n));
    const bool half = IsHalfWidthChar(ch);
    double hy = std::fabs(h) / 2;
    double ca = ang;
    const double hx = half ? std::fabs(w) / 4 : std::fabs(w) / 2;
    if (!half && vertical) {
      ca = upright;
      if (InSet(kVerticalAlongLine, ch)) {
        ca = ang;
      } else if (InSet(kVerticalShifted, ch)) {
        hy = 1.8 * hy;
      }
    }
    const double cx = px + hx * cosA - hy * sinA;
    const double cy = py + hx * sinA + hy * cosA;
    if (GLAText1(cx, cy, h, w, ca, 4, ch) == 0) ++drawn;
    const double step = half ? (w + sp) / 2 : w + sp;
    px += step * cosA;
    py += step * sinA;
  });
  return drawn > 0 ? 0 : 1;
}

}  // namespace tavolex
