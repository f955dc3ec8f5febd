// Geometric helpers shared by the drawing code and the engine: point comparison, the extents box,
// rotation about a point, direction angles, line intersection and the corner of an arc solid.
// (Kept in its own header until the rest of the common functions share one.)
#pragma once

namespace tavolex {

// True when the two points agree within 1e-12 in x and in y.
bool SamePoint(double x1, double y1, double x2, double y2);

// The extents box. A point beyond ±5e11 in x or y, or with a NaN, is ignored; after every update
// the box is kept within ±1e8.
void MinMaxSet(double& minx, double& miny, double& maxx, double& maxy, double x, double y);
void MinMaxAdd(double& minx, double& miny, double& maxx, double& maxy, double x, double y);
// Adds the point (px, py) as placed by a block insert: (bx + b1·px + b2·py, by + b3·px + b4·py).
void MinMaxAddBL(double& minx, double& miny, double& maxx, double& maxy, double px, double py,
                 double bx, double by, double b1, double b2, double b3, double b4);
// True when the point passes the coordinate guard of the box functions.
bool MinMaxAccepts(double x, double y);

// The point (x, y) turned by ang radians counter-clockwise about (cx, cy).
double RotateX(double x, double y, double cx, double cy, double ang);
double RotateY(double x, double y, double cx, double cy, double ang);

// Direction of (dx, dy) in [0, 2π); 0 for a vector shorter than 1e-14 in both components.
double VectorAngle(double dx, double dy);

// True when (x, y), taken along the segment P1–P2, lies between its ends (1e-12 slack).
bool OnSegment(double x, double y, double x1, double y1, double x2, double y2);

// Intersection of the line through P1, P2 with the line through P3, P4. Result 0: parallel (x, y
// unchanged); 1: the point lies on both segments; 2: it lies outside at least one of them.
int LineCross(double& x, double& y, double x1, double y1, double x2, double y2, double x3,
              double y3, double x4, double y4);

// Start, end and the meeting point of the end tangents of the elliptic arc of an arc solid:
// centre (cx, cy), radius r, flatness h, tilt, start angle sa and sweep da (radians). Parallel
// tangents put the corner on the centre.
void SolidArcCorner(double& sx, double& sy, double& ex, double& ey, double& kx, double& ky,
                    double cx, double cy, double r, double h, double tilt, double sa, double da);

}  // namespace tavolex
