// Engine lifecycle, canvas pen and brush, the world-to-device transform and the plain
// primitives (dots, lines, polylines, filled polygons).
#include <algorithm>
#include <cmath>
#include <new>

#include "graphics/ClipUnit.h"
#include "graphics/GraUnit1.h"

namespace tavolex {

std::filesystem::path GraImageWorkFolder;

namespace {

// The 2-pixel rule: anything whose device size is at most this becomes a single dot.
constexpr double kDotPixels = 2.0;

bool DeviceSafe(double x, double y) {
  return std::isfinite(x) && std::isfinite(y) && std::fabs(x) <= kDeviceLimit &&
         std::fabs(y) <= kDeviceLimit;
}

// Cuts the device segment to the square of ±kDeviceLimit (Liang–Barsky), so that far-away end
// points never reach an integer conversion. False when nothing of it lies in the square.
bool GuardSegment(double& x1, double& y1, double& x2, double& y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return false;
  }
  if (DeviceSafe(x1, y1) && DeviceSafe(x2, y2)) return true;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + kDeviceLimit, kDeviceLimit - x1, y1 + kDeviceLimit, kDeviceLimit - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double nx1 = x1 + t0 * dx;
  const double ny1 = y1 + t0 * dy;
  x2 = std::clamp(x1 + t1 * dx, -kDeviceLimit, kDeviceLimit);
  y2 = std::clamp(y1 + t1 * dy, -kDeviceLimit, kDeviceLimit);
  x1 = std::clamp(nx1, -kDeviceLimit, kDeviceLimit);
  y1 = std::clamp(ny1, -kDeviceLimit, kDeviceLimit);
  return true;
}

// Sutherland–Hodgman against one side of the guard square; keeps even-odd coverage inside it.
template <typename Inside, typename Cross>
std::vector<TDPoint> ClipPolygonSide(const std::vector<TDPoint>& in, Inside inside, Cross cross) {
  std::vector<TDPoint> out;
  if (in.empty()) return out;
  out.reserve(in.size() + 4);
  TDPoint prev = in.back();
  bool prevIn = inside(prev);
  for (const TDPoint& cur : in) {
    const bool curIn = inside(cur);
    if (curIn != prevIn) out.push_back(cross(prev, cur));
    if (curIn) out.push_back(cur);
    prev = cur;
    prevIn = curIn;
  }
  return out;
}

std::vector<TDPoint> GuardPolygon(std::vector<TDPoint> pts) {
  const double L = kDeviceLimit;
  auto crossX = [](double xEdge) {
    return [xEdge](const TDPoint& a, const TDPoint& b) {
      const double t = (xEdge - a.X) / (b.X - a.X);
      return TDPoint{xEdge, a.Y + t * (b.Y - a.Y)};
    };
  };
  auto crossY = [](double yEdge) {
    return [yEdge](const TDPoint& a, const TDPoint& b) {
      const double t = (yEdge - a.Y) / (b.Y - a.Y);
      return TDPoint{a.X + t * (b.X - a.X), yEdge};
    };
  };
  pts = ClipPolygonSide(
      pts, [L](const TDPoint& p) { return p.X >= -L; }, crossX(-L));
  pts = ClipPolygonSide(
      pts, [L](const TDPoint& p) { return p.X <= L; }, crossX(L));
  pts = ClipPolygonSide(
      pts, [L](const TDPoint& p) { return p.Y >= -L; }, crossY(-L));
  pts = ClipPolygonSide(
      pts, [L](const TDPoint& p) { return p.Y <= L; }, crossY(L));
  return pts;
}

TPointF ToPointF(double x, double y) {
  return TPointF{static_cast<float>(x), static_cast<float>(y)};
}

}  // namespace

int RoundDevice(double v) {
  return static_cast<int>(std::nearbyint(v));
}

// ---- Lifecycle -------------------------------------------------------------------------------

TGraph1::TGraph1(Canvas* Ca) : C(Ca) {
  PolyD.clear();
  PolyDN = 0;
  PolyW.clear();
  PolyWN = 0;
  PoAr.clear();
  PoArN = 0;
}

TGraph1::~TGraph1() {
  G_End();
  PolyD.clear();
  PolyDN = 0;
  PolyW.clear();
  PolyWN = 0;
}

void TGraph1::G_Start() {
  PoArClear();
  SetCanvasPen(0x000000u, 1, PenStyle::Solid);
  gpg = true;
  gpb = 0xFF000000u;
}

void TGraph1::RefreshGDIplus() {
  // The fill device keeps no state of its own between fills; nothing to rebuild.
}

void TGraph1::G_End() {
  RefreshGDIplus();
  PoArClear();
  gpg = false;
}

void TGraph1::PoArSet1(int n) {
  const int count = std::max(n, 1);
  try {
    PoAr.assign(static_cast<size_t>(count), TWorkPolygonArea{});
    PoArN = count;
  } catch (const std::bad_alloc&) {
    PoAr.clear();
    PoArN = 0;
  }
}

void TGraph1::PoArClear() {
  for (TWorkPolygonArea& area : PoAr) {
    area.a.clear();
    area.pnts.clear();
  }
  PoAr.clear();
  PoArN = 0;
}

// ---- Pen and brush ---------------------------------------------------------------------------

void TGraph1::SetCanvasPen(uint32_t color, int width, PenStyle style) {
  PenColor = color;
  PenWidth = width;
  PenSty = style;
  if (C != nullptr) C->SetPen(color, width, style);
}

void TGraph1::SetCanvasBrush(uint32_t color, BrushStyle style) {
  BrushColor = color;
  BrushSty = style;
  if (C != nullptr) C->SetBrush(color, style);
}

void TGraph1::GPenSet(uint32_t col, int typ, int wid) {
  SetCanvasBrush(BrushColor, BrushStyle::Clear);
  PenStyle style = PenStyle::Solid;
  if (typ >= 1 && typ <= 5) style = static_cast<PenStyle>(typ);
  SetCanvasPen(col, wid, style);
  GBrushSet(col, 0);
}

void TGraph1::GBrushSet(uint32_t col, int typ) {
  BrushStyle style = BrushStyle::Clear;
  if (typ >= 1 && typ <= 7) style = static_cast<BrushStyle>(typ);
  SetCanvasBrush(col, style);
  const uint32_t r = col & 0xFFu;
  const uint32_t g = (col >> 8) & 0xFFu;
  const uint32_t b = (col >> 16) & 0xFFu;
  gpb = 0xFF000000u + r * 65536u + g * 256u + b;
}

// ---- Transform -------------------------------------------------------------------------------

void TGraph1::GLTransPt(double x1, double y1, double& x2, double& y2) const {
  x2 = (x1 - ViewMinX) * ViewScale;
  y2 = ViewHeight - (y1 - ViewMinY) * ViewScale;
}

// ---- Device primitives -----------------------------------------------------------------------

void TGraph1::GTen(double x, double y) {
  if (C == nullptr || !DeviceSafe(x, y) || !DeviceSafe(x + 1.0, y)) return;
  C->MoveTo(RoundDevice(x), RoundDevice(y));
  C->LineTo(RoundDevice(x + 1.0), RoundDevice(y));
}

void TGraph1::GLine(double x1, double y1, double x2, double y2) {
  if (C == nullptr || !GuardSegment(x1, y1, x2, y2)) return;
  const int ax = RoundDevice(x1), ay = RoundDevice(y1);
  const int bx = RoundDevice(x2), by = RoundDevice(y2);
  if (ax == bx && ay == by) {
    PenDot(ax, ay);
    return;
  }
  C->MoveTo(ax, ay);
  C->LineTo(bx, by);
}

void TGraph1::GPolyline() {
  const int n = std::min<int>(PolyDN, static_cast<int>(PolyD.size()));
  if (n < 2 || C == nullptr) return;
  // A run is handed over as one move-to and its line-tos; a point the device cannot take
  // breaks the run there. A segment that rounds to one pixel draws nothing of its own: the
  // round ends of the run's lines already cover it, and a run of nothing else is one pen dot.
  bool open = false;     // the next segment continues the run
  bool drawing = false;  // the run has drawn a line; the canvas stands at (px, py)
  bool dot = false;      // the run so far is segments that round to the one pixel (px, py)
  int px = 0, py = 0;    // the pixel where the run stands
  for (int i = 1; i < n; ++i) {
    double x1 = PolyD[i - 1].X, y1 = PolyD[i - 1].Y;
    double x2 = PolyD[i].X, y2 = PolyD[i].Y;
    const bool whole = DeviceSafe(x1, y1) && DeviceSafe(x2, y2);
    if (!whole && !GuardSegment(x1, y1, x2, y2)) {
      open = false;
      continue;
    }
    if (!open || !whole) {
      if (dot) PenDot(px, py);
      drawing = false;
      dot = false;
      px = RoundDevice(x1);
      py = RoundDevice(y1);
    }
    const int bx = RoundDevice(x2), by = RoundDevice(y2);
    if (bx == px && by == py) {
      dot = !drawing;
    } else {
      if (!drawing) C->MoveTo(px, py);
      C->LineTo(bx, by);
      drawing = true;
      dot = false;
      px = bx;
      py = by;
    }
    open = whole;
  }
  if (dot) PenDot(px, py);
}

void TGraph1::PenDot(int x, int y) {
  if (C == nullptr || PenWidth <= 1 || PenSty == PenStyle::Clear) return;
  // Centred as the pen centres its lines: on the pixel for an odd width, on its top-left
  // corner for an even one.
  const int left = x - PenWidth / 2;
  const int top = y - PenWidth / 2;
  C->FillEllipse(left, top, left + PenWidth, top + PenWidth, PenColor);
}

void TGraph1::GSolid() {
  const int n = std::min<int>(PolyDN, static_cast<int>(PolyD.size()));
  if (n < 3) return;
  PoArSet1(1);
  if (PoArN > 0) {
    TWorkPolygonArea& area = PoAr[0];
    const TPointF first = PolyD[0];
    const TPointF last = PolyD[n - 1];
    const bool open = std::fabs(first.X - last.X) > 0.01f || std::fabs(first.Y - last.Y) > 0.01f;
    area.an = n + (open ? 1 : 0);
    area.pnts.assign(PolyD.begin(), PolyD.begin() + n);
    if (open) area.pnts.push_back(first);
    bool finite = true;
    bool inRange = true;
    for (const TPointF& p : area.pnts) {
      if (!std::isfinite(p.X) || !std::isfinite(p.Y)) finite = false;
      if (std::fabs(p.X) > kDeviceLimit || std::fabs(p.Y) > kDeviceLimit) inRange = false;
    }
    if (finite && !inRange) {
      std::vector<TDPoint> pts;
      pts.reserve(area.pnts.size());
      for (const TPointF& p : area.pnts)
        pts.push_back(TDPoint{p.X, p.Y});
      pts = GuardPolygon(std::move(pts));
      area.pnts.clear();
      for (const TDPoint& p : pts)
        area.pnts.push_back(ToPointF(p.X, p.Y));
      area.an = static_cast<int>(area.pnts.size());
    }
    if (finite && area.an >= 3 && gpg && C != nullptr) {
      C->FillPolygon(area.pnts.data(), area.an, gpb);
    }
  }
  PoArClear();
}

// ---- World primitives ------------------------------------------------------------------------

int TGraph1::GLTen(double x, double y) {
  if (ClipPoint(x, y, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) != 0) return kOutside;
  double dx = 0.0, dy = 0.0;
  GLTransPt(x, y, dx, dy);
  GTen(dx, dy);
  return kDrawn;
}

int TGraph1::GLLine(double x1, double y1, double x2, double y2) {
  if (ClipLine(x1, y1, x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 2) return kOutside;
  double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
  GLTransPt(x1, y1, dx1, dy1);
  GLTransPt(x2, y2, dx2, dy2);
  if (std::fabs(dx2 - dx1) + std::fabs(dy2 - dy1) > kDotPixels) {
    GLine(dx1, dy1, dx2, dy2);
    return kDrawn;
  }
  GTen(dx1, dy1);
  return kDot;
}

double TGraph1::VisiblePolyLength(int n, int& hidden) const {
  double total = 0.0;
  hidden = 0;
  for (int i = 1; i < n; ++i) {
    double x1 = PolyW[i - 1].X, y1 = PolyW[i - 1].Y;
    double x2 = PolyW[i].X, y2 = PolyW[i].Y;
    if (ClipLine(x1, y1, x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) == 2) {
      ++hidden;
      continue;
    }
    double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
    GLTransPt(x1, y1, dx1, dy1);
    GLTransPt(x2, y2, dx2, dy2);
    total += std::hypot(dx2 - dx1, dy2 - dy1);
  }
  return total;
}

// A shape too small to draw leaves one dot where its last segment ends, when that end is on
// the page.
void TGraph1::SmallShapeDot(int n) {
  double x1 = PolyW[n - 2].X, y1 = PolyW[n - 2].Y;
  double x2 = PolyW[n - 1].X, y2 = PolyW[n - 1].Y;
  ClipLine(x1, y1, x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY);
  if (ClipOutcode(x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY) != 0) return;
  double dx = 0.0, dy = 0.0;
  GLTransPt(x2, y2, dx, dy);
  GTen(dx, dy);
}

namespace {

int CommonOutcode(int n) {
  int common = 15;
  for (int i = 0; i < n && common != 0; ++i) {
    common &= ClipOutcode(PolyW[i].X, PolyW[i].Y, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY);
  }
  return common;
}

// Larger side of the device bounding box of the first n world points of PolyW.
double DeviceExtent(int n) {
  double minX = PolyW[0].X, maxX = PolyW[0].X, minY = PolyW[0].Y, maxY = PolyW[0].Y;
  for (int i = 1; i < n; ++i) {
    minX = std::min(minX, PolyW[i].X);
    maxX = std::max(maxX, PolyW[i].X);
    minY = std::min(minY, PolyW[i].Y);
    maxY = std::max(maxY, PolyW[i].Y);
  }
  return std::max(maxX - minX, maxY - minY) * ViewScale;
}

void AppendDevicePoint(double x, double y) {
  PolyD.push_back(ToPointF(x, y));
  PolyDN = static_cast<int>(PolyD.size());
}

void ClearDevicePoints() {
  PolyD.clear();
  PolyDN = 0;
}

}  // namespace

int TGraph1::GLPolyline() {
  const int n = std::min<int>(PolyWN, static_cast<int>(PolyW.size()));
  if (n < 2) return kNothing;
  if (CommonOutcode(n) != 0) return kOutside;
  int hidden = 0;
  const double total = VisiblePolyLength(n, hidden);
  if (hidden == n - 1) return kOutside;
  if (!(total > kDotPixels)) {
    SmallShapeDot(n);
    return kDot;
  }
  ClearDevicePoints();
  for (int i = 1; i < n; ++i) {
    double x1 = PolyW[i - 1].X, y1 = PolyW[i - 1].Y;
    double x2 = PolyW[i].X, y2 = PolyW[i].Y;
    const int clip = ClipLine(x1, y1, x2, y2, ViewMinX, ViewMinY, ViewMaxX, ViewMaxY);
    if (clip == 2) {
      if (PolyDN > 1) GPolyline();
      ClearDevicePoints();
      continue;
    }
    double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
    GLTransPt(x1, y1, dx1, dy1);
    GLTransPt(x2, y2, dx2, dy2);
    if (PolyDN == 0) AppendDevicePoint(dx1, dy1);
    AppendDevicePoint(dx2, dy2);
    if (clip == 1 && PolyDN > 1) {
      GPolyline();
      ClearDevicePoints();
    }
  }
  if (PolyDN > 1) GPolyline();
  ClearDevicePoints();
  return kDrawn;
}

int TGraph1::GLSolid() {
  int n = std::min<int>(PolyWN, static_cast<int>(PolyW.size()));
  if (n < 3) return kNothing;
  const TDPoint first = PolyW[0];
  const TDPoint last = PolyW[n - 1];
  if (std::fabs(first.X - last.X) > 1e-12 || std::fabs(first.Y - last.Y) > 1e-12) {
    if (static_cast<int>(PolyW.size()) > n) {
      PolyW[n] = first;
    } else {
      PolyW.push_back(first);
    }
    ++n;
    PolyWN = n;
  }
  if (CommonOutcode(n) != 0) return kOutside;
  int hidden = 0;
  const double total = VisiblePolyLength(n, hidden);
  // The visible edges alone would call a polygon that covers the whole page "small"; only a
  // polygon that is small as a whole becomes a dot.
  if (!(total > kDotPixels) && !(DeviceExtent(n) > kDotPixels)) {
    SmallShapeDot(n);
    return kDot;
  }
  ClearDevicePoints();
  PolyD.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    double dx = 0.0, dy = 0.0;
    GLTransPt(PolyW[i].X, PolyW[i].Y, dx, dy);
    AppendDevicePoint(dx, dy);
  }
  GSolid();
  ClearDevicePoints();
  return kDrawn;
}

}  // namespace tavolex
