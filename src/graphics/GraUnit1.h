// TGraph1: the drawing engine. Callers speak in drawing millimetres (y upwards); the engine maps
// them onto the device canvas (pixels, y downwards, origin at the top-left of the printable
// area) through the page geometry of UnitVal, clips them to the print window, takes pens from
// the attribute tables and draws through a Canvas.
//
// Operations whose names begin with GL take drawing millimetres and return small result codes
// (0 drawn, 1 outside the window, 2 reduced to a dot, 3 nothing to draw); those beginning with G
// alone take device pixels.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/UnitVal.h"
#include "graphics/Canvas.h"

namespace tavolex {

// A working polygon for a fill: world points and the device points handed to the canvas.
struct TWorkPolygonArea {
  int an = 0;
  std::vector<TDPoint> a;
  std::vector<TPointF> pnts;
};

// Result codes of the world primitives.
constexpr int kDrawn = 0;
constexpr int kOutside = 1;
constexpr int kDot = 2;
constexpr int kNothing = 3;

// Folder where a picture that cannot be read under its own name is copied before it is read;
// the print run points it at the program's work folder. Empty: the system's temporary folder.
extern std::filesystem::path GraImageWorkFolder;

struct LinePattern;

class TGraph1 {
 public:
  explicit TGraph1(Canvas* Ca);  // Create
  ~TGraph1();                    // Destroy
  TGraph1(const TGraph1&) = delete;
  TGraph1& operator=(const TGraph1&) = delete;

  // ---- Lifecycle ---------------------------------------------------------------------------
  void G_Start();
  void G_End();
  void RefreshGDIplus();
  void PoArSet1(int n);
  void PoArClear();

  // ---- Pen and brush -----------------------------------------------------------------------
  // Canvas pen: Windows colour 0x00BBGGRR, style 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
  // 5 clear, other solid; width in pixels. Also sets the brush to the pen colour (clear style).
  void GPenSet(uint32_t col, int typ, int wid);
  // Canvas brush colour and style (1 solid, 2..7 hatches, other clear); the fill colour of
  // polygons becomes the same colour, opaque.
  void GBrushSet(uint32_t col, int typ);
  // Pen from the attribute tables: colour by layer state and pen number, width in drawing mm.
  void GLPenSet(int lay, int col, int typ, double wid);
  // As above; a non-zero dcol (ARGB) replaces pen, brush and fill colour.
  void GLPenSet(int lay, int col, int typ, double wid, uint32_t dcol);

  // ---- Transform ---------------------------------------------------------------------------
  void GLTransPt(double x1, double y1, double& x2, double& y2) const;

  // ---- Device primitives (pixels) ----------------------------------------------------------
  void GTen(double x, double y);
  // Lines that round to one pixel leave only the round end of a wide pen (a filled circle).
  void GLine(double x1, double y1, double x2, double y2);
  void GPolyline();  // draws the first PolyDN points of PolyD
  void GSolid();     // fills the first PolyDN points of PolyD

  // ---- World primitives (drawing mm) -------------------------------------------------------
  int GLTen(double x, double y);
  int GLLine(double x1, double y1, double x2, double y2);
  int GLPolyline();  // the first PolyWN points of PolyW
  int GLSolid();     // the first PolyWN points of PolyW; closes the ring in PolyW if open

  // ---- Patterned lines ---------------------------------------------------------------------
  void GLSetDT();
  int GLLineDT(int lay, int typ, double x1, double y1, double x2, double y2);
  int GLEllipseArcDT(int lay, int typ, double cx, double cy, double r, double h, double a,
                     double sa, double da);
  int GLEllipseArcBLDT(int lay, int typ, double cx, double cy, double r, double h, double a,
                       double sa, double da, double bx, double by, double b1, double b2, double b3,
                       double b4, double sc);

  // ---- Curves and filled shapes ------------------------------------------------------------
  int GLBoxA(double x1, double y1, double x2, double y2, double a);
  int GLEllipse(double cx, double cy, double r, double h, double a);
  int GLEllipseArc(double cx, double cy, double r, double h, double a, double sa, double da);
  int GLEllipseBL(double cx, double cy, double r, double h, double a, double bx, double by,
                  double b1, double b2, double b3, double b4, double sc);
  int GLEllipseArcBL(double cx, double cy, double r, double h, double a, double sa, double da,
                     double bx, double by, double b1, double b2, double b3, double b4, double sc);
  int GLSolidCircle(double cx, double cy, double r);
  int GLSolidArc(int sty, double cx, double cy, double r, double h, double a, double sa, double da,
                 double zf);
  int GLSolidArcBL(int sty, double cx, double cy, double r, double h, double a, double sa,
                   double da, double zf, double bx, double by, double b1, double b2, double b3,
                   double b4, double sc);

  // ---- Point markers -----------------------------------------------------------------------
  int GLTenMarker(double x, double y, int kf, int pc, double a, double ba, int lay, int col, int wd,
                  uint32_t dcol);

  // ---- Images ------------------------------------------------------------------------------
  int GLImage2(double x1, double y1, double x2, double y2, double drx, double dry, double drr,
               double dan, const std::u16string& fn);

  // ==== Text (GLAText1, GLAText2, GLAText3) =================================================
  // Declared and implemented by the text drawing files; keep text members in this section.

  // One character (or surrogate pair) in its cell of height h and width |w| (half that for a
  // half-width character), turned by a, aligned to (x, y) by Fm: 0..2 bottom, 3..5 middle,
  // 6..8 top, each left, centre, right. 0 drawn, 1 outside, 2 blank or reduced to a dot.
  int GLAText1(double x, double y, double h, double w, double a, int Fm, const std::u16string& s);
  // A string along the baseline from (xx, yy) at angle ang with height h, full-width cell w and
  // spacing sp; style Ftyp (1 bold, 2 italic, 4 underline, 8 strike-out); a face name beginning
  // with "@" writes vertically. 0 drawn, 1 nothing drawn (too large or outside), 2 blank or tiny.
  int GLAText2(double xx, double yy, double ang, double h, double w, double sp, int Ftyp,
               const std::u16string& f, const std::u16string& s);
  // A text entity on the baseline from (x1, y1) towards (x2, y2): mirroring (negative w),
  // trailing layout markers, text variables and "^" control sequences.
  int GLAText3(double x1, double y1, double x2, double y2, double h, double w, double sp, int Ftyp,
               const std::u16string& f, const std::u16string& s);

  // The canvas font the characters are drawn in: face name and style flags as Ftyp.
  std::u16string FontName;
  int FontStyle = 0;

  friend class TextSequenceDrawer;

  // ==== End of text section =================================================================

  // ---- State -------------------------------------------------------------------------------
  Canvas* C = nullptr;

  // The fill device is ready between G_Start and G_End; fills outside that span draw nothing.
  bool gpg = false;
  // Colour of the fill brush, ARGB.
  uint32_t gpb = 0xFF000000u;

  // What was last set on the canvas, so that colours can be taken over and restored.
  uint32_t PenColor = 0;  // 0x00BBGGRR
  int PenWidth = 1;
  PenStyle PenSty = PenStyle::Solid;
  uint32_t BrushColor = 0xFFFFFFu;  // 0x00BBGGRR
  BrushStyle BrushSty = BrushStyle::Clear;

  std::vector<TWorkPolygonArea> PoAr;
  int PoArN = 0;

  // Pattern continuation from one patterned segment to the next.
  int LastLay = -1;
  int LastTyp = -1;
  double LastX = 0.0;
  double LastY = 0.0;
  int LastSeg = 0;
  double LastLen = 0.0;

 private:
  void SetCanvasPen(uint32_t color, int width, PenStyle style);
  void SetCanvasBrush(uint32_t color, BrushStyle style);
  // Total device length of the visible parts of the first n - 1 segments of PolyW; counts the
  // segments that had nothing visible.
  double VisiblePolyLength(int n, int& hidden) const;
  // The dot drawn for a polyline or polygon that is too small.
  void SmallShapeDot(int n);
  // What a line that rounds to the one device pixel (x, y) leaves: nothing with a thin or clear
  // pen, the round end of a wider pen, a filled circle of its width.
  void PenDot(int x, int y);
  int MarkerLine(const TDPoint& p, const TDPoint& q);
  // Fills PolyW (or a circle) in the background colour, then gives the fill the pen colour back.
  int BackgroundFill(bool circle, double x, double y, double r);
  // Walks a line type's pattern along one segment (GLLineDT with the pattern already read).
  int WalkLineDT(const LinePattern& p, int lay, int typ, double x1, double y1, double x2,
                 double y2);
  // Walks the pattern along the chords of a flattened arc; 1 when every chord was outside.
  int WalkArcChords(const LinePattern& p, int lay, int typ, const std::vector<TDPoint>& pts);
};

// Rounds a device coordinate to the nearest pixel, halves to even. The value must be finite and
// within kDeviceLimit.
int RoundDevice(double v);
// Device coordinates beyond this magnitude are never handed to the canvas.
constexpr double kDeviceLimit = 4194304.0;

}  // namespace tavolex
