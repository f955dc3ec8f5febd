// The engine's canvas on a Windows device context: GDI pens, lines and fonts, GDI+ fills and
// pictures, as the original program drew. Draws onto whatever the context is for: a printer's
// page or a bitmap in memory.
#pragma once

#include <cstdint>
#include <filesystem>

#include "graphics/Canvas.h"
#include "platform/win/GdiFonts.h"
#include "platform/win/GdiPictures.h"
#include "platform/win/WinHeaders.h"

namespace tavolex {

class GdiCanvas : public Canvas {
 public:
  // The device context is not owned and must outlive the canvas.
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void SetPen(uint32_t color, int width, PenStyle style) override;
  void SetBrush(uint32_t color, BrushStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillPolygon(const TPointF* points, int count, uint32_t argb) override;
  void DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                uint32_t color) override;
  bool PictureSize(const std::filesystem::path& file, int& width, int& height) override;
  bool DrawPicture(const std::filesystem::path& file, const RectF& source, const RectF& target,
                   double angleDeg, double pivotX, double pivotY) override;

  // A new page of the device: the pen and brush go back into the context (a printer may reset
  // it between pages) and the kept picture is dropped, as the next drawing may have unpacked
  // another picture under the same name.
  void NewPage();

 private:
  struct PenState {
    uint32_t color = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const PenState&) const = default;
  };

  struct BrushState {
    uint32_t color = 0;
    BrushStyle style = BrushStyle::Clear;
    bool operator==(const BrushState&) const = default;
  };

  void SelectPen(HPEN pen);
  void SelectBrush(HBRUSH brush);
  void DrawDot(int x, int y);

  HDC dc_;
  PenState penState_;
  BrushState brushState_;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  // What the context held before the canvas, given back at its end.
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  GdiFonts fonts_;
  GdiPictures pictures_;
};

}  // namespace tavolex
