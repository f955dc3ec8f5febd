#include "graphics/ClipUnit.h"

#include <cmath>

namespace tavolex {

namespace {

constexpr double kEdgeEps = 1e-12;

bool AllFinite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Moves one end point onto the window edges its region code names, one edge at a time in the
// order left, right, below, above, along the original segment.
void ClipEnd(double& x, double& y, double x0, double y0, double dx, double dy, double minX,
             double minY, double maxX, double maxY) {
  int code = ClipOutcode(x, y, minX, minY, maxX, maxY);
  if ((code & kClipLeft) != 0 && std::fabs(dx) > kEdgeEps) {
    x = minX;
    y = y0 + (minX - x0) * dy / dx;
    code = ClipOutcode(x, y, minX, minY, maxX, maxY);
  }
  if ((code & kClipRight) != 0 && std::fabs(dx) > kEdgeEps) {
    x = maxX;
    y = y0 + (maxX - x0) * dy / dx;
    code = ClipOutcode(x, y, minX, minY, maxX, maxY);
  }
  if ((code & kClipBelow) != 0 && std::fabs(dy) > kEdgeEps) {
    y = minY;
    x = x0 + (minY - y0) * dx / dy;
    code = ClipOutcode(x, y, minX, minY, maxX, maxY);
  }
  if ((code & kClipAbove) != 0 && std::fabs(dy) > kEdgeEps) {
    y = maxY;
    x = x0 + (maxY - y0) * dx / dy;
  }
}

}  // namespace

int ClipOutcode(double x, double y, double minX, double minY, double maxX, double maxY) {
  if (std::isnan(x) || std::isnan(y)) return kClipLeft | kClipRight | kClipBelow | kClipAbove;
  int code = 0;
  if (x - minX < kEdgeEps) code |= kClipLeft;
  if (x - maxX > -kEdgeEps) code |= kClipRight;
  if (y - minY < kEdgeEps) code |= kClipBelow;
  if (y - maxY > -kEdgeEps) code |= kClipAbove;
  return code;
}

int ClipPoint(double x, double y, double minX, double minY, double maxX, double maxY) {
  return ClipOutcode(x, y, minX, minY, maxX, maxY) == 0 ? 0 : 2;
}

int ClipLine(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
             double maxY) {
  if (!AllFinite(x1, y1, x2, y2)) return 2;
  const int c1 = ClipOutcode(x1, y1, minX, minY, maxX, maxY);
  const int c2 = ClipOutcode(x2, y2, minX, minY, maxX, maxY);
  if (c1 == 0 && c2 == 0) return 0;
  if ((c1 & c2) != 0) return 2;

  const double x0 = x1;
  const double y0 = y1;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double nx1 = x1, ny1 = y1, nx2 = x2, ny2 = y2;
  ClipEnd(nx1, ny1, x0, y0, dx, dy, minX, minY, maxX, maxY);
  ClipEnd(nx2, ny2, x0, y0, dx, dy, minX, minY, maxX, maxY);
  if (!AllFinite(nx1, ny1, nx2, ny2)) return 2;
  x1 = nx1;
  y1 = ny1;
  x2 = nx2;
  y2 = ny2;
  if (std::fabs(x1 - x2) >= kEdgeEps || std::fabs(y1 - y2) >= kEdgeEps) return 1;
  return 2;
}

}  // namespace tavolex
