// A canvas that discards everything, for benchmarks and fuzzing; header only, so that targets
// without the test libraries can use it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "graphics/Canvas.h"

namespace tavolex {

// Takes every call and keeps nothing; pictures cannot be decoded.
class NullCanvas : public Canvas {
 public:
  void SetPen(uint32_t, int, PenStyle) override {}
  void SetBrush(uint32_t, BrushStyle) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void FillPolygon(const TPointF*, int, uint32_t) override {}
  void FillEllipse(int, int, int, int, uint32_t) override {}
  void DrawChar(int, int, const std::u16string&, const CanvasFont&, uint32_t) override {}
  bool PictureSize(const std::filesystem::path&, int&, int&) override { return false; }
  bool DrawPicture(const std::filesystem::path&, const RectF&, const RectF&, double, double,
                   double) override {
    return false;
  }
};

}  // namespace tavolex
