#include "common/Func_2Geometry.h"

#include <cmath>
#include <numbers>

namespace tavolex {

namespace {

constexpr double kSamePointTolerance = 1e-12;
constexpr double kCoordinateGuard = 5e11;
constexpr double kBoxLimit = 1e8;
constexpr double kVerticalTolerance = 1e-10;

double ClampToBox(double v) {
  if (v < -kBoxLimit) return -kBoxLimit;
  if (v > kBoxLimit) return kBoxLimit;
  return v;
}

// All four sides stay within the box limit, so a box measured from far-away points never turns
// inside out (a minimum clamped below its maximum).
void ClampBox(double& minx, double& miny, double& maxx, double& maxy) {
  minx = ClampToBox(minx);
  miny = ClampToBox(miny);
  maxx = ClampToBox(maxx);
  maxy = ClampToBox(maxy);
}

}  // namespace

bool SamePoint(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= kSamePointTolerance && std::fabs(y1 - y2) <= kSamePointTolerance;
}

bool MinMaxAccepts(double x, double y) {
  // Written so that a NaN fails.
  return x >= -kCoordinateGuard && x <= kCoordinateGuard && y >= -kCoordinateGuard &&
         y <= kCoordinateGuard;
}

void MinMaxSet(double& minx, double& miny, double& maxx, double& maxy, double x, double y) {
  if (!MinMaxAccepts(x, y)) return;
  minx = maxx = x;
  miny = maxy = y;
  ClampBox(minx, miny, maxx, maxy);
}

void MinMaxAdd(double& minx, double& miny, double& maxx, double& maxy, double x, double y) {
  if (!MinMaxAccepts(x, y)) return;
  if (!(x >= minx)) minx = x;
  if (!(y >= miny)) miny = y;
  if (x > maxx) maxx = x;
  if (y > maxy) maxy = y;
  ClampBox(minx, miny, maxx, maxy);
}

void MinMaxAddBL(double& minx, double& miny, double& maxx, double& maxy, double px, double py,
                 double bx, double by, double b1, double b2, double b3, double b4) {
  if (!MinMaxAccepts(px, py)) return;
  MinMaxAdd(minx, miny, maxx, maxy, bx + b1 * px + b2 * py, by + b3 * px + b4 * py);
}

double RotateX(double x, double y, double cx, double cy, double ang) {
  return cx + std::cos(ang) * (x - cx) - std::sin(ang) * (y - cy);
}

double RotateY(double x, double y, double cx, double cy, double ang) {
  return cy + std::sin(ang) * (x - cx) + std::cos(ang) * (y - cy);
}

double VectorAngle(double dx, double dy) {
  if (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) return 0.0;
  double a = std::atan2(dy, dx);
  if (a < 0.0) a += 2.0 * std::numbers::pi;
  return a;
}

bool OnSegment(double x, double y, double x1, double y1, double x2, double y2) {
  const double t = VectorAngle(x2 - x1, y2 - y1);
  const double along = RotateX(x, y, x1, y1, -t);
  const double length = std::hypot(x2 - x1, y2 - y1);
  return along >= x1 - kSamePointTolerance && along <= x1 + length + kSamePointTolerance;
}

int LineCross(double& x, double& y, double x1, double y1, double x2, double y2, double x3,
              double y3, double x4, double y4) {
  const bool vertical1 = std::fabs(x1 - x2) <= kVerticalTolerance;
  const bool vertical2 = std::fabs(x3 - x4) <= kVerticalTolerance;
  double cx = 0.0;
  double cy = 0.0;
  if (vertical1 && vertical2) return 0;
  if (vertical1) {
    const double m2 = (y4 - y3) / (x4 - x3);
    cx = x1;
    cy = y3 + (x1 - x3) * m2;
  } else if (vertical2) {
    const double m1 = (y2 - y1) / (x2 - x1);
    cx = x3;
    cy = y1 + (x3 - x1) * m1;
  } else {
    const double m1 = (y2 - y1) / (x2 - x1);
    const double m2 = (y4 - y3) / (x4 - x3);
    if (std::fabs(m1 - m2) <= kVerticalTolerance) return 0;
    const double c1 = y1 - x1 * m1;
    const double c2 = y3 - x3 * m2;
    cx = (c2 - c1) / (m1 - m2);
    cy = c1 + m1 * cx;
  }
  x = cx;
  y = cy;
  const bool onBoth = OnSegment(cx, cy, x1, y1, x2, y2) && OnSegment(cx, cy, x3, y3, x4, y4);
  return onBoth ? 1 : 2;
}

void SolidArcCorner(double& sx, double& sy, double& ex, double& ey, double& kx, double& ky,
                    double cx, double cy, double r, double h, double tilt, double sa, double da) {
  constexpr double kQuarter = std::numbers::pi / 2.0;
  const double rh = r * h;
  const double ea = sa + da;
  const double p1x = r * std::cos(sa);
  const double p1y = rh * std::sin(sa);
  const double p3x = r * std::cos(ea);
  const double p3y = rh * std::sin(ea);
  const double p2x = p1x + r * std::cos(sa + kQuarter);
  const double p2y = p1y + rh * std::sin(sa + kQuarter);
  const double p4x = p3x + r * std::cos(ea - kQuarter);
  const double p4y = p3y + rh * std::sin(ea - kQuarter);

  sx = cx + RotateX(p1x, p1y, 0.0, 0.0, tilt);
  sy = cy + RotateY(p1x, p1y, 0.0, 0.0, tilt);
  ex = cx + RotateX(p3x, p3y, 0.0, 0.0, tilt);
  ey = cy + RotateY(p3x, p3y, 0.0, 0.0, tilt);

  double qx = 0.0;
  double qy = 0.0;
  if (LineCross(qx, qy, p1x, p1y, p2x, p2y, p3x, p3y, p4x, p4y) == 0) {
    qx = 0.0;
    qy = 0.0;
  }
  kx = cx + RotateX(qx, qy, 0.0, 0.0, tilt);
  ky = cy + RotateY(qx, qy, 0.0, 0.0, tilt);
}

}  // namespace tavolex

namespace tavolex {

double PlacementDivisor(double sc) {
  // A divisor of 0 (or a damaged one) would send every point to infinity.
  if (!std::isfinite(sc) || std::fabs(sc) < 1e-300) return 1.0;
  return sc;
}

void BLPoint(double x, double y, double bx, double by, double b1, double b2, double b3, double b4,
             double sc, double& X, double& Y) {
  sc = PlacementDivisor(sc);
  X = (bx + b1 * x + b2 * y) / sc;
  Y = (by + b3 * x + b4 * y) / sc;
}

void BLLine(double x1, double y1, double x2, double y2, double bx, double by, double b1, double b2,
            double b3, double b4, double sc, double& X1, double& Y1, double& X2, double& Y2) {
  BLPoint(x1, y1, bx, by, b1, b2, b3, b4, sc, X1, Y1);
  BLPoint(x2, y2, bx, by, b1, b2, b3, b4, sc, X2, Y2);
}

bool TextHasPlace(double sx, double sy, double ex, double ey) {
  if (SamePoint(sx, sy, ex, ey)) return false;
  // The marker text that Jw_cad keeps at the origin.
  return !(SamePoint(sx, sy, 0.0, 0.0) && SamePoint(ex, ey, 0.01, 0.01));
}

}  // namespace tavolex
