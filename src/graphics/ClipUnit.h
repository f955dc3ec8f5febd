// Clipping of points and segments against the print window (drawing millimetres). The window is
// the open rectangle: a point on an edge, or within 1e-12 inside it, counts as outside.
#pragma once

namespace tavolex {

// Region bits of a point relative to the window.
constexpr int kClipLeft = 1;
constexpr int kClipRight = 2;
constexpr int kClipBelow = 4;
constexpr int kClipAbove = 8;

// 4-bit region code; 0 inside. A coordinate that is NaN puts the point outside every edge.
int ClipOutcode(double x, double y, double minX, double minY, double maxX, double maxY);

// 0 when the point is inside the window, else 2.
int ClipPoint(double x, double y, double minX, double minY, double maxX, double maxY);

// Clips the segment in place: 0 inside and unchanged; 1 clipped, the end points moved onto the
// window edges; 2 nothing visible. Segments with a coordinate that is not finite, or whose
// clipped end points would not be finite, are reported as 2 and left unchanged.
int ClipLine(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
             double maxY);

}  // namespace tavolex
