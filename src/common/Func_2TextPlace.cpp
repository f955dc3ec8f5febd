// Where a text entity lands when it is drawn through a block placement: its base line, and its
// character width, height and spacing measured in the placed frame.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/Func_2.h"

namespace tavolex {

namespace {

constexpr double kIdentityTolerance = 1e-14;
constexpr double kSmallestCentredSize = 0.0001;

double Distance(double x1, double y1, double x2, double y2) {
  return std::hypot(x2 - x1, y2 - y1);
}

// Distance of (px, py) from the line through A and B; from A itself when A and B coincide.
double DistanceFromLine(double px, double py, double ax, double ay, double bx, double by) {
  const double length = Distance(ax, ay, bx, by);
  if (!(length > 0.0)) return Distance(ax, ay, px, py);
  return std::fabs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / length;
}

}  // namespace

bool IsIdentityPlacement(double b1, double b2, double b3, double b4) {
  return std::fabs(b1 - 1.0) <= kIdentityTolerance && std::fabs(b2) <= kIdentityTolerance &&
         std::fabs(b3) <= kIdentityTolerance && std::fabs(b4 - 1.0) <= kIdentityTolerance;
}

bool IsMirrorPlacement(double b1, double b2, double b3, double b4) {
  return b1 * b4 - b2 * b3 < 0.0;
}

TTextPlace TextPlace(double sx, double sy, double ex, double ey, double sizeX, double sizeY,
                     double spacing, double sc, double bx, double by, double b1, double b2,
                     double b3, double b4) {
  sc = PlacementDivisor(sc);
  TTextPlace p;
  BLLine(sx, sy, ex, ey, bx, by, b1, b2, b3, b4, sc, p.X1, p.Y1, p.X2, p.Y2);
  if (IsIdentityPlacement(b1, b2, b3, b4)) {
    p.w = sizeX / sc;
    p.h = sizeY / sc;
    p.sp = spacing / sc;
  } else {
    // Lengths along and across the text in its own frame, measured again after placement.
    const double t = VectorAngle(ex - sx, ey - sy);
    const double c = std::cos(t);
    const double s = std::sin(t);
    double x = 0.0, y = 0.0;
    BLPoint(sx + sizeX * c, sy + sizeX * s, bx, by, b1, b2, b3, b4, sc, x, y);
    p.w = Distance(p.X1, p.Y1, x, y);
    BLPoint(sx + spacing * c, sy + spacing * s, bx, by, b1, b2, b3, b4, sc, x, y);
    p.sp = Distance(p.X1, p.Y1, x, y);
    const double across = t + std::numbers::pi / 2.0;
    BLPoint(sx + sizeY * std::cos(across), sy + sizeY * std::sin(across), bx, by, b1, b2, b3, b4,
            sc, x, y);
    p.h = DistanceFromLine(x, y, p.X1, p.Y1, p.X2, p.Y2);
  }
  // A mirrored placement would draw the text backwards; run it from the placed end instead.
  if (IsMirrorPlacement(b1, b2, b3, b4)) {
    std::swap(p.X1, p.X2);
    std::swap(p.Y1, p.Y2);
  }
  return p;
}

TTextPlace TextPlaceCentred(const std::u16string& text, double sx, double sy, double ex, double ey,
                            double sizeX, double sizeY, double spacing, double sc, double bx,
                            double by, double b1, double b2, double b3, double b4) {
  TTextPlace p = TextPlace(sx, sy, ex, ey, sizeX, sizeY, spacing, sc, bx, by, b1, b2, b3, b4);
  p.w = std::max(RoundDecimals(p.w, 4, kRoundHalfUp), kSmallestCentredSize);
  p.h = std::max(RoundDecimals(p.h, 4, kRoundHalfUp), kSmallestCentredSize);
  p.sp = RoundDecimals(p.sp, 4, kRoundHalfUp);
  if (IsIdentityPlacement(b1, b2, b3, b4)) return p;

  // The new string is centred where the stored one was.
  const double half = TextWidth(text, p.sp, p.w) / 2.0;
  const double mx = (p.X1 + p.X2) / 2.0;
  const double my = (p.Y1 + p.Y2) / 2.0;
  const double d = VectorAngle(p.X2 - p.X1, p.Y2 - p.Y1);
  const double dx = std::cos(d);
  const double dy = std::sin(d);
  p.X1 = mx - half * dx;
  p.Y1 = my - half * dy;
  p.X2 = mx + half * dx;
  p.Y2 = my + half * dy;
  return p;
}

}  // namespace tavolex
