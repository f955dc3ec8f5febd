// Flattening helpers shared by the engine's curve, pattern and marker drawing (internal to the
// engine).
#pragma once

#include <vector>

#include "common/UnitVal.h"

namespace tavolex {

// A block insert's placement: (x, y) maps to ((b1·x + b2·y + bx)/sc, (b3·x + b4·y + by)/sc).
struct BlockPlacement {
  double bx = 0.0;
  double by = 0.0;
  double b1 = 1.0;
  double b2 = 0.0;
  double b3 = 0.0;
  double b4 = 1.0;
  double sc = 1.0;
};

TDPoint BlockPoint(const TDPoint& p, const BlockPlacement& bl);

// The point of parameter t of the ellipse with centre (cx, cy), radius r, flatness h (y radius
// r·h) and axis angle a.
TDPoint EllipsePoint(double cx, double cy, double r, double h, double a, double t);

// 73 points from sa in steps of da/72, the parameter accumulated by addition.
void AppendArc(std::vector<TDPoint>& pts, double cx, double cy, double r, double h, double a,
               double sa, double da);
// 73 points of the whole ellipse from 0 in steps of 5°; the last closes the ring.
void AppendEllipse(std::vector<TDPoint>& pts, double cx, double cy, double r, double h, double a);

// Points of a filled (101, 105, 106) or outlined (111) arc shape; false for any other style.
bool SolidArcPoints(std::vector<TDPoint>& pts, bool& outline, int sty, double cx, double cy,
                    double r, double h, double a, double sa, double da, double zf, bool closeRing);

}  // namespace tavolex
