// A canvas that records every call with its exact arguments, so that engine and drawing tests
// can assert device operations without pixels or fonts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "graphics/Canvas.h"
#include "support/NullCanvas.h"

namespace tavolex {

enum class CallKind {
  SetPen,
  SetBrush,
  MoveTo,
  LineTo,
  FillPolygon,
  FillEllipse,
  DrawChar,
  PictureSize,
  DrawPicture
};

// One recorded call; only the fields of its kind are meaningful.
struct CanvasCall {
  CallKind kind = CallKind::MoveTo;
  uint32_t color = 0;  // pen, brush, character or ellipse colour (0x00BBGGRR); polygon fill (ARGB)
  int width = 0;       // pen width
  PenStyle penStyle = PenStyle::Solid;
  BrushStyle brushStyle = BrushStyle::Clear;
  int x = 0;  // MoveTo, LineTo, DrawChar
  int y = 0;
  std::vector<TPointF> points;  // FillPolygon
  std::u16string text;          // DrawChar
  CanvasFont font;              // DrawChar
  std::filesystem::path file;   // PictureSize, DrawPicture
  RectF source;                 // DrawPicture
  RectF target;                 // DrawPicture; FillEllipse: its device rectangle
  double angleDeg = 0.0;
  double pivotX = 0.0;
  double pivotY = 0.0;
};

// A drawn line from move-to/line-to, with the pen it was drawn with.
struct RecordedSegment {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  uint32_t color = 0;
  int width = 0;

  bool operator==(const RecordedSegment& o) const {
    return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
  }
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(uint32_t color, int width, PenStyle style) override;
  void SetBrush(uint32_t color, BrushStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillPolygon(const TPointF* points, int count, uint32_t argb) override;
  void FillEllipse(int left, int top, int right, int bottom, uint32_t color) override;
  void DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                uint32_t color) override;
  bool PictureSize(const std::filesystem::path& file, int& width, int& height) override;
  bool DrawPicture(const std::filesystem::path& file, const RectF& source, const RectF& target,
                   double angleDeg, double pivotX, double pivotY) override;

  // Every call in order.
  std::vector<CanvasCall> calls;

  void Clear() { calls.clear(); }
  // The calls of one kind, in order.
  std::vector<CanvasCall> Of(CallKind kind) const;
  int Count(CallKind kind) const;
  // Lines as drawn: each line-to joined to the point before it (the last move-to or line-to).
  std::vector<RecordedSegment> Segments() const;
  // The point lists of the fills, in order.
  std::vector<std::vector<TPointF>> Fills() const;
  // The last pen set, if any.
  std::optional<CanvasCall> LastPen() const;

  // Pictures the canvas can "decode": sizes by file; any other file that exists on disk gets
  // anyPictureSize when set. DrawPicture answers drawPictureResult.
  void AddPicture(const std::filesystem::path& file, int width, int height);
  std::optional<std::pair<int, int>> anyPictureSize;
  bool drawPictureResult = true;

 private:
  std::map<std::filesystem::path, std::pair<int, int>> pictures_;
};

}  // namespace tavolex
