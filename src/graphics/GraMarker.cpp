// Point entities: ordinary points as dots sized by the pen table, temporary points as small
// rings, and coded points as small marker symbols sized in paper millimetres.
#include <cmath>
#include <numbers>

#include "common/Func_2.h"
#include "common/Func_2Geometry.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

// A marker's frame: the point is the origin and the x axis runs along the marker angle.
struct MarkerFrame {
  double x;
  double y;
  double a;

  TDPoint At(double u, double v) const {
    return {x + RotateX(u, v, 0.0, 0.0, a), y + RotateY(u, v, 0.0, 0.0, a)};
  }
  // The point at length r and angle deg degrees in the frame.
  TDPoint Polar(double r, double deg) const {
    return At(r * std::cos(deg * kDeg), r * std::sin(deg * kDeg));
  }
};

void SetMarkerPoly(std::initializer_list<TDPoint> pts) {
  PolyW.assign(pts);
  PolyWN = static_cast<int>(PolyW.size());
}

void ArrowPoly(const MarkerFrame& f, double s) {
  SetMarkerPoly({f.At(0, 0), f.At(-7.5 * s, 1.25 * s), f.At(-7.5 * s, -1.25 * s), f.At(0, 0)});
}

void SquarePoly(const MarkerFrame& f, double s) {
  const double q = 1.25 * s;
  SetMarkerPoly({f.At(-q, -q), f.At(q, -q), f.At(q, q), f.At(-q, q), f.At(-q, -q)});
}

}  // namespace

int TGraph1::MarkerLine(const TDPoint& p, const TDPoint& q) {
  return GLLine(p.X, p.Y, q.X, q.Y);
}

int TGraph1::BackgroundFill(bool circle, double x, double y, double r) {
  gpb = GAtt != nullptr ? GAtt->GetBackColor() : 0xFFFFFFFFu;
  const int result = circle ? GLSolidCircle(x, y, r) : GLSolid();
  gpb = RgbToArgb(PenColor);
  return result;
}

int TGraph1::GLTenMarker(double x, double y, int kf, int pc, double a, double ba, int lay, int col,
                         int wd, uint32_t dcol) {
  if (kf == 1) {
    GLPenSet(lay, col, 1, 0.0, dcol);
    return GLEllipse(x, y, 3.0 / ViewScale, 1.0, 0.0);
  }
  const double penWidth = GAtt != nullptr ? GAtt->GetAttrColwid(col) : 0.0;
  const double wid = wd != 0 ? wd * 0.01 : penWidth;
  GLPenSet(lay, col, 1, wid, dcol);
  const double s = ba > 1e-8 ? ba : 1.0;
  const double q = 1.25 * s;
  const MarkerFrame f{x, y, a};
  bool outline = false;  // the polygon in PolyW is outlined after the shape
  int result = kDrawn;

  switch (pc) {
    case 0: {
      GLPenSet(lay, col, 1, 0.0, dcol);
      const double ten = GAtt != nullptr ? GAtt->GetAttrColten(col) : 0.1;
      double radius = wid / 2.0 + ten;
      if (radius < 2.0 / ViewScale) radius = 2.0 / ViewScale;
      result = GLSolidCircle(x, y, radius);
      break;
    }
    case 1:
      ArrowPoly(f, s);
      result = BackgroundFill(false, x, y, 0.0);
      outline = true;
      break;
    case 2:
      SquarePoly(f, s);
      result = BackgroundFill(false, x, y, 0.0);
      outline = true;
      break;
    case 3:
      BackgroundFill(true, x, y, q);
      result = GLEllipse(x, y, q, 1.0, 0.0);
      break;
    case 4:
    case -2:
      result = GLEllipse(x, y, q, 1.0, 0.0);
      break;
    case 5:
      SquarePoly(f, s);
      result = GLSolid();
      outline = true;
      break;
    case 6:
      ArrowPoly(f, s);
      result = GLSolid();
      outline = true;
      break;
    case 7:
      GLSolidCircle(x, y, q);
      result = GLEllipse(x, y, q, 1.0, 0.0);
      break;
    case 8: {
      const double r = 1.25 * std::numbers::sqrt2 * s;
      const TDPoint c1 = f.At(r, 0.0);
      const TDPoint c2 = f.At(-r, 0.0);
      GLEllipseArc(c1.X, c1.Y, r, 1.0, a, kPi / 2.0, kPi / 2.0);
      result = GLEllipseArc(c2.X, c2.Y, r, 1.0, a, 3.0 * kPi / 2.0, kPi / 2.0);
      break;
    }
    case 9:
      MarkerLine(f.At(0, 0), f.At(-7.5 * s, 1.25 * s));
      result = MarkerLine(f.At(0, 0), f.At(-7.5 * s, -1.25 * s));
      break;
    case 10:
      result = MarkerLine(f.Polar(2.5 * s, 45), f.Polar(2.5 * s, 225));
      break;
    case 11:
      ArrowPoly(f, s);
      outline = true;
      break;
    case -1:
      MarkerLine(f.Polar(q, 90), f.Polar(q, 270));
      MarkerLine(f.Polar(q, 30), f.Polar(q, 210));
      result = MarkerLine(f.Polar(q, 150), f.Polar(q, 330));
      break;
    case -3: {
      GLPenSet(lay, col, 1, penWidth, dcol);
      double radius = s * penWidth;
      if (radius < 1.0 / ViewScale) radius = 1.0 / ViewScale;
      result = GLSolidCircle(x, y, radius);
      break;
    }
    case -4:
      MarkerLine(f.At(0, q), f.At(0, -q));
      result = MarkerLine(f.At(-q, 0), f.At(q, 0));
      break;
    case -5:
      MarkerLine(f.At(-q, -q), f.At(q, -q));
      MarkerLine(f.At(q, -q), f.At(q, q));
      MarkerLine(f.At(q, q), f.At(-q, q));
      result = MarkerLine(f.At(-q, q), f.At(-q, -q));
      break;
    case -6: {
      const double t = 5.0 / 3.0 * s;
      MarkerLine(f.Polar(t, 90), f.Polar(t, 210));
      MarkerLine(f.Polar(t, 210), f.Polar(t, 330));
      result = MarkerLine(f.Polar(t, 330), f.Polar(t, 90));
      break;
    }
    case -7:
      MarkerLine(f.Polar(q, 45), f.Polar(q, 225));
      result = MarkerLine(f.Polar(q, 135), f.Polar(q, 315));
      break;
    default:
      GLEllipse(x, y, q, 1.0, 0.0);
      result = GLSolidCircle(x, y, q);
      break;
  }

  if (outline) result = GLPolyline();
  PolyW.clear();
  PolyWN = 0;
  return result;
}

}  // namespace tavolex
