// Curves and filled shapes: every ellipse, arc, rotated box and filled arc shape is flattened
// into world points in PolyW and handed to GLPolyline or GLSolid, so clipping, the dot rule and
// the result codes are those of polylines and polygons.
#include <cmath>
#include <numbers>

#include "graphics/ClipUnit.h"
#include "graphics/GraCurves.h"
#include "graphics/GraUnit1.h"

namespace tavolex {

namespace {

constexpr int kFlatSteps = 72;  // 73 points per ellipse or arc
constexpr double kZfEps = 1e-14;

bool Near(double v, double target) {
  return std::fabs(v - target) < kZfEps;
}

void SetPolyW(const std::vector<TDPoint>& pts) {
  PolyW = pts;
  PolyWN = static_cast<int>(PolyW.size());
}

void ClearPolyW() {
  PolyW.clear();
  PolyWN = 0;
}

// In the ellipse's own frame: where the tangents at the arc's two ends meet; the centre when
// they are parallel.
TDPoint TangentCorner(double r, double h, double sa, double da) {
  const double s = sa;
  const double e = sa + da;
  const double sx = r * std::cos(s), sy = r * h * std::sin(s);
  const double sdx = -r * std::sin(s), sdy = r * h * std::cos(s);
  const double ex = r * std::cos(e), ey = r * h * std::sin(e);
  const double edx = -r * std::sin(e), edy = r * h * std::cos(e);
  constexpr double kEps = 1e-10;
  const bool sVertical = std::fabs(sdx) < kEps;
  const bool eVertical = std::fabs(edx) < kEps;
  if (sVertical && eVertical) return {0.0, 0.0};
  if (sVertical) return {sx, ey + (sx - ex) * edy / edx};
  if (eVertical) return {ex, sy + (ex - sx) * sdy / sdx};
  const double ms = sdy / sdx;
  const double me = edy / edx;
  if (std::fabs(ms - me) < kEps) return {0.0, 0.0};
  const double x = (ey - sy + ms * sx - me * ex) / (ms - me);
  return {x, sy + ms * (x - sx)};
}

// A point of the ellipse's own frame placed on the drawing.
TDPoint Place(const TDPoint& own, double cx, double cy, double a) {
  const double ca = std::cos(a), sn = std::sin(a);
  return {cx + own.X * ca - own.Y * sn, cy + own.X * sn + own.Y * ca};
}

}  // namespace

TDPoint EllipsePoint(double cx, double cy, double r, double h, double a, double t) {
  return Place({r * std::cos(t), r * h * std::sin(t)}, cx, cy, a);
}

TDPoint BlockPoint(const TDPoint& p, const BlockPlacement& bl) {
  return {(bl.b1 * p.X + bl.b2 * p.Y + bl.bx) / bl.sc, (bl.b3 * p.X + bl.b4 * p.Y + bl.by) / bl.sc};
}

void AppendArc(std::vector<TDPoint>& pts, double cx, double cy, double r, double h, double a,
               double sa, double da) {
  const double step = da / kFlatSteps;
  double t = sa;
  for (int i = 0; i <= kFlatSteps; ++i) {
    pts.push_back(EllipsePoint(cx, cy, r, h, a, t));
    t += step;
  }
}

void AppendEllipse(std::vector<TDPoint>& pts, double cx, double cy, double r, double h, double a) {
  const double step = std::numbers::pi / 36.0;
  double t = 0.0;
  for (int i = 0; i <= kFlatSteps; ++i) {
    pts.push_back(EllipsePoint(cx, cy, r, h, a, t));
    t += step;
  }
}

// The world points of a filled or outlined arc shape; false for an unknown style. `closeRing`
// adds the explicit closing point of a ring.
bool SolidArcPoints(std::vector<TDPoint>& pts, bool& outline, int sty, double cx, double cy,
                    double r, double h, double a, double sa, double da, double zf, bool closeRing) {
  outline = false;
  switch (sty) {
    case 101:
      if (Near(zf, 100.0)) {
        AppendEllipse(pts, cx, cy, r, h, a);
      } else {
        AppendArc(pts, cx, cy, r, h, a, sa, da);
        if (Near(zf, 0.0)) {
          pts.push_back({cx, cy});
        } else if (!Near(zf, 5.0)) {
          pts.push_back(Place(TangentCorner(r, h, sa, da), cx, cy, a));
        }
      }
      return true;
    case 111:
      outline = true;
      if (Near(zf, 100.0)) {
        AppendEllipse(pts, cx, cy, r, h, a);
      } else {
        AppendArc(pts, cx, cy, r, h, a, sa, da);
      }
      return true;
    case 105:
    case 106: {
      AppendArc(pts, cx, cy, r, h, a, sa, da);
      // Style 106 keeps the ring equally wide on both axes: the inner y radius is
      // zf + r·h − r (computed directly, so an inner radius of 0 needs no division).
      const double innerYRadius = sty == 105 ? zf * h : zf + r * h - r;
      const double step = -da / kFlatSteps;
      double t = sa + da;
      for (int i = 0; i <= kFlatSteps; ++i) {
        pts.push_back(Place({zf * std::cos(t), innerYRadius * std::sin(t)}, cx, cy, a));
        t += step;
      }
      if (closeRing) pts.push_back(pts.front());
      return true;
    }
    default:
      return false;
  }
}

int TGraph1::GLBoxA(double x1, double y1, double x2, double y2, double a) {
  std::vector<TDPoint> pts;
  pts.reserve(5);
  pts.push_back({x1, y1});
  const TDPoint corners[3] = {{x2, y1}, {x2, y2}, {x1, y2}};
  for (const TDPoint& c : corners)
    pts.push_back(Place({c.X - x1, c.Y - y1}, x1, y1, a));
  pts.push_back({x1, y1});
  SetPolyW(pts);
  const int result = GLPolyline();
  ClearPolyW();
  return result;
}

int TGraph1::GLEllipse(double cx, double cy, double r, double h, double a) {
  std::vector<TDPoint> pts;
  pts.reserve(kFlatSteps + 1);
  AppendEllipse(pts, cx, cy, r, h, a);
  SetPolyW(pts);
  const int result = GLPolyline();
  ClearPolyW();
  return result;
}

int TGraph1::GLEllipseArc(double cx, double cy, double r, double h, double a, double sa,
                          double da) {
  std::vector<TDPoint> pts;
  pts.reserve(kFlatSteps + 1);
  AppendArc(pts, cx, cy, r, h, a, sa, da);
  SetPolyW(pts);
  const int result = GLPolyline();
  ClearPolyW();
  return result;
}

int TGraph1::GLEllipseBL(double cx, double cy, double r, double h, double a, double bx, double by,
                         double b1, double b2, double b3, double b4, double sc) {
  std::vector<TDPoint> pts;
  pts.reserve(kFlatSteps + 1);
  AppendEllipse(pts, cx, cy, r, h, a);
  const BlockPlacement bl{bx, by, b1, b2, b3, b4, sc};
  for (TDPoint& p : pts)
    p = BlockPoint(p, bl);
  SetPolyW(pts);
  const int result = GLPolyline();
  ClearPolyW();
  return result;
}

int TGraph1::GLEllipseArcBL(double cx, double cy, double r, double h, double a, double sa,
                            double da, double bx, double by, double b1, double b2, double b3,
                            double b4, double sc) {
  std::vector<TDPoint> pts;
  pts.reserve(kFlatSteps + 1);
  AppendArc(pts, cx, cy, r, h, a, sa, da);
  const BlockPlacement bl{bx, by, b1, b2, b3, b4, sc};
  for (TDPoint& p : pts)
    p = BlockPoint(p, bl);
  SetPolyW(pts);
  const int result = GLPolyline();
  ClearPolyW();
  return result;
}

int TGraph1::GLSolidCircle(double cx, double cy, double r) {
  if (r * ViewScale > 2.0) {
    std::vector<TDPoint> pts;
    pts.reserve(kFlatSteps + 1);
    AppendEllipse(pts, cx, cy, r, 1.0, 0.0);
    SetPolyW(pts);
    const int result = GLSolid();
    ClearPolyW();
    return result;
  }
  if (ClipOutcode(cx, cy, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 0) {
    double dx = 0.0, dy = 0.0;
    GLTransPt(cx, cy, dx, dy);
    GTen(dx, dy);
  }
  return kDot;
}

int TGraph1::GLSolidArc(int sty, double cx, double cy, double r, double h, double a, double sa,
                        double da, double zf) {
  std::vector<TDPoint> pts;
  pts.reserve(2 * kFlatSteps + 3);
  bool outline = false;
  if (!SolidArcPoints(pts, outline, sty, cx, cy, r, h, a, sa, da, zf, true)) return kNothing;
  SetPolyW(pts);
  const int result = outline ? GLPolyline() : GLSolid();
  ClearPolyW();
  return result;
}

int TGraph1::GLSolidArcBL(int sty, double cx, double cy, double r, double h, double a, double sa,
                          double da, double zf, double bx, double by, double b1, double b2,
                          double b3, double b4, double sc) {
  std::vector<TDPoint> pts;
  pts.reserve(2 * kFlatSteps + 3);
  bool outline = false;
  if (!SolidArcPoints(pts, outline, sty, cx, cy, r, h, a, sa, da, zf, false)) return kNothing;
  const BlockPlacement bl{bx, by, b1, b2, b3, b4, sc};
  for (TDPoint& p : pts)
    p = BlockPoint(p, bl);
  SetPolyW(pts);
  const int result = outline ? GLPolyline() : GLSolid();
  ClearPolyW();
  return result;
}

}  // namespace tavolex
