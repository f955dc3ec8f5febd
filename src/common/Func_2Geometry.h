// Geometric helpers shared by the drawing code and the engine: point comparison, the extents box,
// rotation about a point, direction angles, line intersection and the corner of an arc solid.
// (Kept in its own header until the rest of the common functions share one.)
#pragma once

#include <string>

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

// Block placement of a drawing point: X = (bx + b1·x + b2·y) / sc, Y = (by + b3·x + b4·y) / sc.
void BLPoint(double x, double y, double bx, double by, double b1, double b2, double b3, double b4,
             double sc, double& X, double& Y);
void BLLine(double x1, double y1, double x2, double y2, double bx, double by, double b1, double b2,
            double b3, double b4, double sc, double& X1, double& Y1, double& X2, double& Y2);
// The divisor sc of a placement; 1 when it is 0 or not a finite number.
double PlacementDivisor(double sc);
// True when the linear part of a placement is the identity (within 1e-14).
bool IsIdentityPlacement(double b1, double b2, double b3, double b4);
// True when the placement mirrors (its determinant is negative).
bool IsMirrorPlacement(double b1, double b2, double b3, double b4);

// True when a text has a base line to be drawn and measured along: its start and end differ, and
// it is not the marker text from (0, 0) to (0.01, 0.01).
bool TextHasPlace(double sx, double sy, double ex, double ey);

// ---- Image entities --------------------------------------------------------------------------
// A text whose string begins with "^@BM" stands for a picture.
bool IsImageText(const std::u16string& s);
// Reads "^@BM" + file + ",width,height,drx,dry,drr,deg,k1,k2,k3". Missing items keep their
// defaults (width, drx, dry, deg 0; height = width when only the width is given; drr 1; k1..k3
// -1, or 0 for k2, k3 after a given k1); an item that is not a number reads as 0. Result 0 when
// at least three numbers follow the file name, else 1.
int ImageTextParse(const std::u16string& s, std::u16string& fn, double& width, double& height,
                   double& drx, double& dry, double& drr, double& deg, int& k1, int& k2, int& k3);

// ---- Placed text ----------------------------------------------------------------------------
// A text's base line from (X1, Y1) to (X2, Y2) and its character width w, height h and spacing
// sp, all as drawn.
struct TTextPlace {
  double X1 = 0.0;
  double Y1 = 0.0;
  double X2 = 0.0;
  double Y2 = 0.0;
  double w = 0.0;
  double h = 0.0;
  double sp = 0.0;
};
// Places the base line (sx, sy)-(ex, ey) of a text with character sizes sizeX along and sizeY
// across its line and the given spacing. Through a placement other than the identity the sizes
// are measured again after placement; a mirrored placement runs the text from its placed end, so
// that it still reads forwards.
TTextPlace TextPlace(double sx, double sy, double ex, double ey, double sizeX, double sizeY,
                     double spacing, double sc, double bx, double by, double b1, double b2,
                     double b3, double b4);
// As TextPlace for a string that replaces the stored one: sizes rounded to 4 decimals (at least
// 0.0001) and, through a placement other than the identity, the new string's length centred on
// the middle of the placed base line.
TTextPlace TextPlaceCentred(const std::u16string& text, double sx, double sy, double ex, double ey,
                            double sizeX, double sizeY, double spacing, double sc, double bx,
                            double by, double b1, double b2, double b3, double b4);

// The value of a dimension line (x1, y1)-(x2, y2) as placed, times its group scale (1 when not
// positive), formatted by the flags of its text's pen width (units, separators, decimals,
// rounding, kind sign by the text's sFlg kind, full width).
std::u16string DimValueText(int flags, int kind, double x1, double y1, double x2, double y2,
                            double groupScale, double bx, double by, double b1, double b2,
                            double b3, double b4, double sc);

}  // namespace tavolex
