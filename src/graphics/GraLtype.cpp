// Patterned lines: a line type's dash or zig-zag pattern walked along straight segments and
// flattened arcs, each visible piece drawn as a solid line. The pattern continues from one
// segment into the next when the next starts where the last ended (same layer and type).
#include <algorithm>
#include <array>
#include <cmath>

#include "common/Func_2Geometry.h"
#include "graphics/ClipUnit.h"
#include "graphics/GraCurves.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

constexpr int kMaxPattern = 32;

// A line type as the walk needs it, read once per line or arc.
struct LinePattern {
  std::array<double, kMaxPattern> pat{};
  int n = 0;
  double pitch = 0.0;
  double amp = 0.0;
  bool random = false;
};

namespace {

constexpr double kWalkEps = 1e-14;

LinePattern LoadPattern(int typ) {
  LinePattern p;
  if (GAtt == nullptr) return p;
  p.n = std::clamp(GAtt->GetAttrTyppat(typ, p.pat), 0, kMaxPattern);
  if (p.n == 0) return p;
  // The walk advances by the sum of the values per period, so that sum (not only the stored
  // pitch) must be large enough; values that are not numbers make the type print solid.
  double sum = 0.0;
  for (int i = 0; i < p.n; ++i)
    sum += std::fabs(p.pat[i]);
  if (!std::isfinite(sum)) {
    p.n = 0;
    return p;
  }
  p.pitch = std::min(GAtt->GetAttrTyppit(typ), sum);
  p.amp = GAtt->GetAttrTypamp(typ);
  p.random = std::fabs(p.amp) >= kWalkEps;
  return p;
}

// True when the pattern is too fine to show at this scale (or has no pattern at all): the line
// then prints solid. A pitch that is not a number counts as too fine.
bool PrintsSolid(const LinePattern& p) {
  if (p.n == 0 || !(p.pitch * ViewScale > 2.0)) return true;
  double feature = 0.0;
  if (p.random) {
    feature = std::fabs(p.amp);
  } else {
    for (int i = 0; i < p.n; ++i) {
      if (p.pat[i] < 0.0) feature = std::max(feature, -p.pat[i]);
    }
  }
  return !(feature * ViewScale >= 2.0);
}

// Chord count for a flattened patterned arc of device length d (more than the dot size): 72, or
// one chord per 2 pixels for small arcs. d / 2 is below 72 where it is converted.
int ArcChords(double d) {
  if (!(d / 72.0 < 2.0)) return 72;
  return std::max(2, static_cast<int>(std::nearbyint(d / 2.0)));
}

}  // namespace

void TGraph1::GLSetDT() {
  LastLay = -1;
  LastTyp = -1;
  LastX = 0.0;
  LastY = 0.0;
  LastSeg = 0;
  LastLen = 0.0;
}

int TGraph1::GLLineDT(int lay, int typ, double x1, double y1, double x2, double y2) {
  return WalkLineDT(LoadPattern(typ), lay, typ, x1, y1, x2, y2);
}

int TGraph1::WalkLineDT(const LinePattern& p, int lay, int typ, double x1, double y1, double x2,
                        double y2) {
  if (PrintsSolid(p)) return GLLine(x1, y1, x2, y2);
  if (ClipLine(x1, y1, x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 2) return kOutside;
  double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
  GLTransPt(x1, y1, dx1, dy1);
  GLTransPt(x2, y2, dx2, dy2);
  if (!(std::fabs(dx2 - dx1) + std::fabs(dy2 - dy1) > 2.0)) {
    GTen(dx1, dy1);
    return kDot;
  }

  int k = 0;
  double u = 0.0;
  if (LastLay == lay && LastTyp == typ && std::fabs(x1 - LastX) <= kWalkEps &&
      std::fabs(y1 - LastY) <= kWalkEps) {
    k = LastSeg;
    u = LastLen;
  }
  if (k < 0 || k >= p.n) {
    k = 0;
    u = 0.0;
  }

  double L = std::hypot(x2 - x1, y2 - y1);
  const double theta = VectorAngle(x2 - x1, y2 - y1);
  const double c = std::cos(theta), s = std::sin(theta);
  const double amp = std::fabs(p.amp);
  double px = x1, py = y1;  // current point on the base line
  double vx = x1, vy = y1;  // previous zig-zag vertex
  for (;;) {
    double step = std::max(std::fabs(p.pat[k]) - u, 0.0);
    if (step > L) step = L;
    const double qx = px + step * c, qy = py + step * s;
    if (!p.random) {
      if (p.pat[k] >= 0.0) GLLine(px, py, qx, qy);
    } else {
      double wx = qx, wy = qy;
      if (L - step > kWalkEps) {
        if (p.pat[k] > 0.0) {
          wx -= amp * s;
          wy += amp * c;
        } else if (p.pat[k] < 0.0) {
          wx += amp * s;
          wy -= amp * c;
        }
      }
      GLLine(vx, vy, wx, wy);
      vx = wx;
      vy = wy;
    }
    px = qx;
    py = qy;
    L -= step;
    if (L <= kWalkEps) {
      u += step;
      break;
    }
    u = 0.0;
    k = (k + 1) % p.n;
  }

  LastLay = lay;
  LastTyp = typ;
  LastX = x2;
  LastY = y2;
  LastSeg = k;
  LastLen = u;
  return kDrawn;
}

int TGraph1::WalkArcChords(const LinePattern& p, int lay, int typ,
                           const std::vector<TDPoint>& pts) {
  int outside = 0;
  for (size_t i = 1; i < pts.size(); ++i) {
    if (WalkLineDT(p, lay, typ, pts[i - 1].X, pts[i - 1].Y, pts[i].X, pts[i].Y) == kOutside) {
      ++outside;
    }
  }
  return outside == static_cast<int>(pts.size()) - 1 ? kOutside : kDrawn;
}

int TGraph1::GLEllipseArcDT(int lay, int typ, double cx, double cy, double r, double h, double a,
                            double sa, double da) {
  const LinePattern p = LoadPattern(typ);
  if (p.n == 0 || !(p.pitch * ViewScale > 2.0)) return GLEllipseArc(cx, cy, r, h, a, sa, da);
  double arc = std::fabs(r * da);
  if (h > 1.0) arc *= h;
  const double d = arc * ViewScale;
  if (!(d > 2.0)) {
    if (ClipOutcode(cx, cy, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 0) {
      double dx = 0.0, dy = 0.0;
      GLTransPt(cx, cy, dx, dy);
      GTen(dx, dy);
    }
    return kDot;
  }
  const int n = ArcChords(d);
  std::vector<TDPoint> pts;
  pts.reserve(static_cast<size_t>(n) + 1);
  const double step = da / n;
  double t = sa;
  for (int i = 0; i <= n; ++i) {
    pts.push_back(EllipsePoint(cx, cy, r, h, a, t));
    t += step;
  }
  return WalkArcChords(p, lay, typ, pts);
}

int TGraph1::GLEllipseArcBLDT(int lay, int typ, double cx, double cy, double r, double h, double a,
                              double sa, double da, double bx, double by, double b1, double b2,
                              double b3, double b4, double sc) {
  const LinePattern p = LoadPattern(typ);
  if (p.n == 0 || !(p.pitch * ViewScale > 2.0)) {
    return GLEllipseArcBL(cx, cy, r, h, a, sa, da, bx, by, b1, b2, b3, b4, sc);
  }
  const BlockPlacement bl{bx, by, b1, b2, b3, b4, sc};
  const TDPoint centre = BlockPoint({cx, cy}, bl);
  const TDPoint rim = BlockPoint({cx + r * h, cy + r * h}, bl);
  const double d = std::hypot(rim.X - centre.X, rim.Y - centre.Y) * ViewScale;
  if (!(d > 1.0)) {
    if (ClipOutcode(centre.X, centre.Y, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 0) {
      double dx = 0.0, dy = 0.0;
      GLTransPt(centre.X, centre.Y, dx, dy);
      GTen(dx, dy);
    }
    return kDot;
  }
  const int n = ArcChords(d);
  std::vector<TDPoint> pts;
  pts.reserve(static_cast<size_t>(n) + 1);
  const double step = da / n;
  double t = sa;
  for (int i = 0; i <= n; ++i) {
    pts.push_back(BlockPoint(EllipsePoint(cx, cy, r, h, a, t), bl));
    t += step;
  }
  return WalkArcChords(p, lay, typ, pts);
}

}  // namespace tavolex
