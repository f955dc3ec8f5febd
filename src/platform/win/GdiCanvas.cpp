#include "platform/win/GdiCanvas.h"

#include <cmath>
#include <vector>

#include "graphics/TextCells.h"

namespace tavolex {

namespace {

bool Finite(const RectF& r) {
  return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) &&
         std::isfinite(r.height);
}

COLORREF ColorOf(uint32_t bgr) {
  return static_cast<COLORREF>(bgr & 0x00FFFFFFu);
}

// The canvas's pen styles are numbered as GDI numbers its own.
DWORD GdiPenStyle(PenStyle style) {
  return static_cast<DWORD>(style);
}

// A pen wider than one pixel is a geometric pen with round ends and joins; a one-pixel pen is
// cosmetic and leaves out the last pixel of a line.
HPEN MakePen(uint32_t color, int width, PenStyle style) {
  LOGBRUSH brush{BS_SOLID, ColorOf(color), 0};
  if (width > 1) {
    return ExtCreatePen(PS_GEOMETRIC | GdiPenStyle(style) | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                        static_cast<DWORD>(width), &brush, 0, nullptr);
  }
  return ExtCreatePen(PS_COSMETIC | GdiPenStyle(style), 1, &brush, 0, nullptr);
}

HBRUSH MakeBrush(uint32_t color, BrushStyle style) {
  switch (style) {
    case BrushStyle::Clear:
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BrushStyle::Solid:
      return CreateSolidBrush(ColorOf(color));
    default:
      // The hatches follow the solid brush in the canvas's numbering and start at 0 in GDI's.
      return CreateHatchBrush(static_cast<int>(style) - static_cast<int>(BrushStyle::Horizontal),
                              ColorOf(color));
  }
}

// GDI+ on the context in device pixels (a printer's context otherwise counts in hundredths of an
// inch), without smoothing, as the engine's rounding expects.
void PrepareGraphics(Gdiplus::Graphics& graphics) {
  graphics.SetPageUnit(Gdiplus::UnitPixel);
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
}

// Characters below the space have no glyph; a font would draw its box for them.
bool IsControl(const std::u16string& ch) {
  return ch.size() == 1 && (ch[0] < 0x20 || ch[0] == 0x7F);
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc) {
  pen_ = MakePen(penState_.color, penState_.width, penState_.style);
  brush_ = MakeBrush(brushState_.color, brushState_.style);
  originalPen_ = SelectObject(dc_, pen_);
  originalBrush_ = SelectObject(dc_, brush_);
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, originalPen_);
  SelectObject(dc_, originalBrush_);
  DeleteObject(pen_);
  DeleteObject(brush_);
}

void GdiCanvas::NewPage() {
  SelectObject(dc_, pen_);
  SelectObject(dc_, brush_);
  SetBkMode(dc_, TRANSPARENT);
  pictures_.Forget();
}

// ---- Pen, brush, lines, fills ----------------------------------------------------------------

void GdiCanvas::SelectPen(HPEN pen) {
  if (pen == nullptr) return;
  SelectObject(dc_, pen);
  DeleteObject(pen_);
  pen_ = pen;
}

void GdiCanvas::SelectBrush(HBRUSH brush) {
  if (brush == nullptr) return;
  SelectObject(dc_, brush);
  DeleteObject(brush_);
  brush_ = brush;
}

void GdiCanvas::SetPen(uint32_t color, int width, PenStyle style) {
  const PenState wanted{color, width, style};
  // The engine sets the pen for every entity; most keep the one there is.
  if (wanted == penState_) return;
  penState_ = wanted;
  SelectPen(MakePen(color, width, style));
}

void GdiCanvas::SetBrush(uint32_t color, BrushStyle style) {
  const BrushState wanted{color, style};
  if (wanted == brushState_) return;
  brushState_ = wanted;
  SelectBrush(MakeBrush(color, style));
}

void GdiCanvas::MoveTo(int x, int y) {
  MoveToEx(dc_, x, y, nullptr);
}

void GdiCanvas::LineTo(int x, int y) {
  POINT at{};
  GetCurrentPositionEx(dc_, &at);
  // A line that ends where it starts draws nothing; a wide round pen leaves a round dot.
  if (at.x == x && at.y == y && penState_.width > 1 && penState_.style != PenStyle::Clear) {
    DrawDot(x, y);
    return;
  }
  ::LineTo(dc_, x, y);
}

void GdiCanvas::DrawDot(int x, int y) {
  const int width = penState_.width;
  const int left = x - width / 2;
  const int top = y - width / 2;
  HBRUSH fill = CreateSolidBrush(ColorOf(penState_.color));
  if (fill == nullptr) return;
  HGDIOBJ pen = SelectObject(dc_, GetStockObject(NULL_PEN));
  HGDIOBJ brush = SelectObject(dc_, fill);
  // A filled figure leaves out the right and bottom edges of its box: width pixels across.
  Ellipse(dc_, left, top, left + width, top + width);
  SelectObject(dc_, brush);
  SelectObject(dc_, pen);
  DeleteObject(fill);
}

void GdiCanvas::FillPolygon(const TPointF* points, int count, uint32_t argb) {
  if (points == nullptr || count < 3) return;
  std::vector<Gdiplus::PointF> corners;
  corners.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) return;
    corners.emplace_back(points[i].X, points[i].Y);
  }
  Gdiplus::Graphics graphics(dc_);
  PrepareGraphics(graphics);
  Gdiplus::SolidBrush brush{Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb))};
  graphics.FillPolygon(&brush, corners.data(), count, Gdiplus::FillModeAlternate);
}

// ---- Characters ------------------------------------------------------------------------------

void GdiCanvas::DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                         uint32_t color) {
  if (ch.empty() || font.height <= 0 || font.width <= 0 || IsControl(ch)) return;
  const bool pair = ch.size() == 2 && IsHighSurrogate(ch[0]) && IsLowSurrogate(ch[1]);
  HFONT made = fonts_.Font(font, pair);
  if (made == nullptr) return;
  HGDIOBJ previous = SelectObject(dc_, made);
  SetTextColor(dc_, ColorOf(color));
  SetBkMode(dc_, TRANSPARENT);
  // The point is the top-left of the cell, and the escapement turns the character about it.
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(ch.data()), static_cast<int>(ch.size()));
  SelectObject(dc_, previous);
}

// ---- Pictures --------------------------------------------------------------------------------

bool GdiCanvas::PictureSize(const std::filesystem::path& file, int& width, int& height) {
  Gdiplus::Image* image = pictures_.Picture(file);
  if (image == nullptr) return false;
  width = static_cast<int>(image->GetWidth());
  height = static_cast<int>(image->GetHeight());
  return width > 0 && height > 0;
}

bool GdiCanvas::DrawPicture(const std::filesystem::path& file, const RectF& source,
                            const RectF& target, double angleDeg, double pivotX, double pivotY) {
  if (!Finite(source) || !Finite(target) || !std::isfinite(angleDeg) || !std::isfinite(pivotX) ||
      !std::isfinite(pivotY)) {
    return false;
  }
  Gdiplus::Image* image = pictures_.Picture(file);
  if (image == nullptr) return false;
  Gdiplus::Graphics graphics(dc_);
  PrepareGraphics(graphics);
  if (angleDeg != 0.0) {
    const auto px = static_cast<Gdiplus::REAL>(pivotX);
    const auto py = static_cast<Gdiplus::REAL>(pivotY);
    graphics.TranslateTransform(px, py);
    graphics.RotateTransform(static_cast<Gdiplus::REAL>(angleDeg));
    graphics.TranslateTransform(-px, -py);
  }
  // The picture's own edge pixels are repeated outward, so a crop's border is not faded toward
  // the transparent outside of the picture.
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  const Gdiplus::RectF into(
      static_cast<Gdiplus::REAL>(target.x), static_cast<Gdiplus::REAL>(target.y),
      static_cast<Gdiplus::REAL>(target.width), static_cast<Gdiplus::REAL>(target.height));
  return graphics.DrawImage(
             image, into, static_cast<Gdiplus::REAL>(source.x),
             static_cast<Gdiplus::REAL>(source.y), static_cast<Gdiplus::REAL>(source.width),
             static_cast<Gdiplus::REAL>(source.height), Gdiplus::UnitPixel, &edges) == Gdiplus::Ok;
}

}  // namespace tavolex
