// The device canvas the engine draws on: what GDI and GDI+ did for the original program and no
// more. Every drawing rule (transform, clipping, rounding, patterns, text layout) stays in the
// engine; an implementation only puts pixels where it is told.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/UnitVal.h"

namespace tavolex {

// Pen styles as GDI numbers them.
enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Clear = 5 };

// Brush styles: Clear draws nothing; the hatches are GDI's.
enum class BrushStyle : int {
  Clear = 0,
  Solid = 1,
  Horizontal = 2,
  Vertical = 3,
  ForwardDiagonal = 4,
  BackwardDiagonal = 5,
  Cross = 6,
  DiagonalCross = 7
};

// A logical font for one character, in device pixels.
struct CanvasFont {
  int height = 0;      // cell height (ascent + descent)
  int width = 0;       // half-width advance; a full-width character takes twice this
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int weight = 400;    // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::u16string faceName;  // may begin with "@" for vertical writing

  bool operator==(const CanvasFont&) const = default;
};

// A rectangle in floating-point pixels.
struct RectF {
  double x = 0.0;
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;

  bool operator==(const RectF&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Pen colour is a Windows colour value 0x00BBGGRR; width in pixels (pens wider than one pixel
  // have round caps and joins).
  virtual void SetPen(uint32_t color, int width, PenStyle style) = 0;
  virtual void SetBrush(uint32_t color, BrushStyle style) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;

  // Fills the polygon with the even-odd rule in an ARGB colour 0xAARRGGBB.
  virtual void FillPolygon(const TPointF* points, int count, uint32_t argb) = 0;

  // Fills the ellipse that fits the device rectangle, as GDI's Ellipse does with a clear pen:
  // the pixels from left up to right and from top up to bottom; colour 0x00BBGGRR.
  virtual void FillEllipse(int left, int top, int right, int bottom, uint32_t color) = 0;

  // One character (or surrogate pair) with the top-left of its cell at (x, y), before the
  // escapement turns it about that point; transparent background; colour 0x00BBGGRR.
  virtual void DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                        uint32_t color) = 0;

  // Pixel size of a picture file; false when it cannot be decoded.
  virtual bool PictureSize(const std::filesystem::path& file, int& width, int& height) = 0;

  // Draws the source rectangle (picture pixels) of a picture file into the device rectangle,
  // turned by angleDeg degrees (clockwise on the device, as a y-down transform turns) about the
  // device point (pivotX, pivotY) when angleDeg is not 0. False when the picture cannot be drawn.
  virtual bool DrawPicture(const std::filesystem::path& file, const RectF& source,
                           const RectF& target, double angleDeg, double pivotX, double pivotY) = 0;
};

}  // namespace tavolex
