// Drawing one line, arc, point, solid or image entity through the engine, with its block
// placement.
#include <cmath>
#include <numbers>

#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr int kOwnColourPen = 10;       // a solid that carries its own colour
constexpr int kMarkerPointStyle = 100;  // a point that carries marker code, angle and scale
constexpr int kArcSolidStyle = 101;     // solids of this style and above are arc solids
constexpr double kMarkerAxisLength = 10.0;
const std::u16string kBoundImageFolderTag = u"%temp%";

// The layer that continues a line pattern from one segment into the next.
int PatternLayer(const TEntJwwAttr& att) {
  return LayerIndex(att);
}

// Pen width in drawing mm: the entity's own, or the pen table's when it has none.
double PenWidthOf(const TEntJwwAttr& att) {
  if (att.nPenWidth != 0) return att.nPenWidth * 0.01;
  return GAtt->GetAttrColwid(att.nPenColor);
}

}  // namespace

void TJwwData::GLDrawLine2(bool dispmode, uint32_t dcol, const TEntJwwLine& e, bool lf, double sc,
                           double bx, double by, double b1, double b2, double b3, double b4) {
  if (dispmode) GGraph->GLSetDT();  // every line starts its pattern afresh
  if (lf) sc = 1.0;
  GGraph->GLPenSet(DrawLayer(e.att), e.att.nPenColor, e.att.nPenStyle, PenWidthOf(e.att), dcol);
  double X1, Y1, X2, Y2;
  BLLine(e.start_x, e.start_y, e.end_x, e.end_y, bx, by, b1, b2, b3, b4, sc, X1, Y1, X2, Y2);
  if (dispmode) {
    GGraph->GLLineDT(PatternLayer(e.att), e.att.nPenStyle, X1, Y1, X2, Y2);
  } else {
    GGraph->GLLine(X1, Y1, X2, Y2);
  }
}

void TJwwData::GLDrawEnko2(bool dispmode, uint32_t dcol, const TEntJwwEnko& e, bool lf, double sc,
                           double bx, double by, double b1, double b2, double b3, double b4) {
  if (dispmode) GGraph->GLSetDT();
  GGraph->GLPenSet(DrawLayer(e.att), e.att.nPenColor, e.att.nPenStyle, PenWidthOf(e.att), dcol);
  if (lf) sc = 1.0;
  const double cx = e.start_x, cy = e.start_y, r = e.dHankei, h = e.dHenpeiRitsu;
  const double a = e.radKatamukiKaku;
  const bool whole = e.bZenEnFlg != 0;
  if (dispmode) {
    const double sa = whole ? 0.0 : static_cast<double>(e.radKaishiKaku);
    const double da = whole ? 2.0 * std::numbers::pi : static_cast<double>(e.radEnkoKaku);
    GGraph->GLEllipseArcBLDT(PatternLayer(e.att), e.att.nPenStyle, cx, cy, r, h, a, sa, da, bx, by,
                             b1, b2, b3, b4, sc);
  } else if (whole) {
    GGraph->GLEllipseBL(cx, cy, r, h, a, bx, by, b1, b2, b3, b4, sc);
  } else {
    GGraph->GLEllipseArcBL(cx, cy, r, h, a, e.radKaishiKaku, e.radEnkoKaku, bx, by, b1, b2, b3, b4,
                           sc);
  }
}

void TJwwData::TenMarkerParam(const TEntJwwTen& e, bool lf, double sc, double bx, double by,
                              double b1, double b2, double b3, double b4, double& X, double& Y,
                              int& kf, int& pc, double& a, double& ba) const {
  if (lf) sc = 1.0;
  BLPoint(e.start_x, e.start_y, bx, by, b1, b2, b3, b4, sc, X, Y);
  kf = static_cast<int>(e.bKariten);
  if (e.att.nPenStyle != kMarkerPointStyle) {
    pc = 0;
    a = 0.0;
    ba = 1.0;
    return;
  }
  pc = static_cast<int32_t>(e.nCode);  // negative codes are stored as their 32-bit pattern
  ba = e.dBairitsu;
  // The marker turns with the placed x axis of the point.
  double ax = 0.0, ay = 0.0;
  BLPoint(e.start_x + kMarkerAxisLength, e.start_y, bx, by, b1, b2, b3, b4, sc, ax, ay);
  a = e.radKaitenKaku + VectorAngle(ax - X, ay - Y);
  if (b1 < 0.0) a += std::numbers::pi;
}

void TJwwData::GLDrawTen2(bool /*dispmode*/, uint32_t dcol, const TEntJwwTen& e, bool lf, double sc,
                          double bx, double by, double b1, double b2, double b3, double b4) {
  double X = 0.0, Y = 0.0, a = 0.0, ba = 1.0;
  int kf = 0, pc = 0;
  TenMarkerParam(e, lf, sc, bx, by, b1, b2, b3, b4, X, Y, kf, pc, a, ba);
  GGraph->GLTenMarker(X, Y, kf, pc, a, ba, DrawLayer(e.att), e.att.nPenColor, e.att.nPenWidth,
                      dcol);
}

void TJwwData::GLDrawSolid2(bool /*dispmode*/, uint32_t dcol, const TEntJwwSolid& e, bool lf,
                            double sc, double bx, double by, double b1, double b2, double b3,
                            double b4) {
  if (lf) sc = 1.0;
  const int lay = DrawLayer(e.att);
  if (e.att.nPenColor == kOwnColourPen) {
    // The solid's own colour is printed as it is: monochrome and white-to-black rules do not
    // apply to it. Table colours are ARGB and converted; the record's colour is already a
    // Windows colour value.
    uint32_t colour = e.Color;
    const int state = GAtt->GetAttrLayerState(lay);
    if (state == 2) colour = ArgbToRgb(GAtt->GetGrayColor());
    if (state == 3) colour = ArgbToRgb(GAtt->GetBackColor());
    if (dcol != 0) colour = ArgbToRgb(dcol);
    if (GAtt->GetAll1ColorState()) colour = ArgbToRgb(GAtt->GetAll1Color());
    GGraph->GPenSet(colour, 0, 1);
  } else {
    GGraph->GLPenSet(lay, e.att.nPenColor, 1, 0.0, dcol);
  }

  if (e.att.nPenStyle >= kArcSolidStyle) {
    GGraph->GLSolidArcBL(e.att.nPenStyle, e.start_x, e.start_y, e.end_x, e.end_y, e.DPoint2_x,
                         e.DPoint2_y, e.DPoint3_x, e.DPoint3_y, bx, by, b1, b2, b3, b4, sc);
    return;
  }
  if (SamePoint(e.DPoint2_x, e.DPoint2_y, e.end_x, e.end_y) &&
      SamePoint(e.DPoint3_x, e.DPoint3_y, e.end_x, e.end_y)) {
    // Three corners in one place: the solid is a line.
    double X1, Y1, X2, Y2;
    BLLine(e.start_x, e.start_y, e.end_x, e.end_y, bx, by, b1, b2, b3, b4, sc, X1, Y1, X2, Y2);
    GGraph->GLLine(X1, Y1, X2, Y2);
    return;
  }
  PolyW.assign(4, TDPoint{});
  PolyWN = 4;
  BLPoint(e.start_x, e.start_y, bx, by, b1, b2, b3, b4, sc, PolyW[0].X, PolyW[0].Y);
  BLPoint(e.end_x, e.end_y, bx, by, b1, b2, b3, b4, sc, PolyW[1].X, PolyW[1].Y);
  BLPoint(e.DPoint2_x, e.DPoint2_y, bx, by, b1, b2, b3, b4, sc, PolyW[2].X, PolyW[2].Y);
  BLPoint(e.DPoint3_x, e.DPoint3_y, bx, by, b1, b2, b3, b4, sc, PolyW[3].X, PolyW[3].Y);
  GGraph->GLSolid();
  PolyW.clear();
  PolyWN = 0;
}

void TJwwData::GLDrawImage2(bool dispmode, uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc,
                            double bx, double by, double b1, double b2, double b3, double b4) {
  if (!IsImageText(e.str)) return;
  std::u16string file;
  double width = 0, height = 0, drx = 0, dry = 0, drr = 1, deg = 0;
  int k1 = -1, k2 = -1, k3 = -1;
  ImageTextParse(e.str, file, width, height, drx, dry, drr, deg, k1, k2, k3);
  if (file.empty()) return;
  // Images stored inside the drawing are unpacked into the document's own folder.
  if (file.compare(0, kBoundImageFolderTag.size(), kBoundImageFolderTag) == 0) {
    std::u16string name = file.substr(kBoundImageFolderTag.size());
    while (!name.empty() && (name[0] == u'\\' || name[0] == u'/'))
      name.erase(0, 1);
    file = StrFromPath(BindImageFolder / PathFromStr(name));
  }

  if (lf) sc = 1.0;
  const double sx = e.start_x, sy = e.start_y;
  double x0, y0;
  BLPoint(sx, sy, bx, by, b1, b2, b3, b4, sc, x0, y0);
  const auto placedDistance = [&](double dx, double dy) {
    double x, y;
    BLPoint(sx + dx, sy + dy, bx, by, b1, b2, b3, b4, sc, x, y);
    return std::hypot(x - x0, y - y0);
  };
  // Width and height after placement, measured along the text's own direction.
  const double t = VectorAngle(e.end_x - sx, e.end_y - sy);
  const double w = placedDistance(width * std::cos(t), width * std::sin(t));
  const double h = placedDistance(-height * std::sin(t), height * std::cos(t));

  // The turn of the picture, in degrees, as it lies after placement.
  const double rad = deg * std::numbers::pi / 180.0;
  double tx, ty;
  BLPoint(sx + width * std::cos(rad), sy + width * std::sin(rad), bx, by, b1, b2, b3, b4, sc, tx,
          ty);
  double dan = VectorAngle(tx - x0, ty - y0) * 180.0 / std::numbers::pi;
  if (dan >= 360.0 || dan < 0.0) dan = std::fmod(std::fmod(dan, 360.0) + 360.0, 360.0);

  if (dispmode) {
    GGraph->GLImage2(x0, y0, x0 + w, y0 + h, drx, dry, drr, dan, file);
  } else {
    GGraph->GLPenSet(DrawLayer(e.att), e.att.nPenColor, 1, 0.0, dcol);
    GGraph->GLBoxA(x0, y0, x0 + w, y0 + h, dan * std::numbers::pi / 180.0);
  }
}

}  // namespace tavolex
