// Values shared across the subsystems: the attribute tables and engine in use, the page geometry,
// the vertex buffers, and the per-drawing values that text variables print.
#pragma once

#include <string>
#include <vector>

namespace tavolex {

class TgraAttribute;
class TGraph1;

struct TDPoint {
  double X = 0.0;
  double Y = 0.0;
};

// A device point in single precision, as the fills take it.
struct TPointF {
  float X = 0.0f;
  float Y = 0.0f;
};

// A user text variable: s1 is the name beginning with "%%", s2 its value.
struct TStr2List {
  std::u16string s1;
  std::u16string s2;
};

// A calendar date and time of day (local time), to the second.
struct TDateTime {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

extern TgraAttribute* GAtt;
extern TGraph1* GGraph;

// Page geometry: printable size in device pixels, pixels per drawing millimetre, and the print
// window in drawing millimetres.
extern double ViewMinX;
extern double ViewMinY;
extern double ViewMaxX;
extern double ViewMaxY;
extern double ViewScale;
extern double ViewWidth;
extern double ViewHeight;

// World points of the next polyline or polygon, and device points of the run being drawn.
extern std::vector<TDPoint> PolyW;
extern int PolyWN;
extern std::vector<TPointF> PolyD;
extern int PolyDN;

// Published by the reader for the text variables.
extern std::u16string ZuFileName;
extern std::u16string ZuDrawTime;
extern std::u16string ZuMemo;
extern std::u16string ZuMemo1;
extern std::u16string ZuMemo2;
extern double ZuPrtScale;
// The drawing file's date-time, set by the print run.
extern TDateTime ZuFileTime;

// The reference file named in Jw_cad's settings and the user's text variables read from it.
extern std::u16string RefFileName;
extern std::vector<TStr2List> Str2List;
extern int Str2ListN;

// Layer-group scale of the text being drawn.
extern double ZuGLayScale;
// Millimetres per dot for line types taken from a drawing.
extern double LtypeUnit;
// 0 white paper, 1 black background.
extern int ZuBackKind;

}  // namespace tavolex
