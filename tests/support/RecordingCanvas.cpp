#include "support/RecordingCanvas.h"

#include <system_error>

namespace tavolex {

void RecordingCanvas::SetPen(uint32_t color, int width, PenStyle style) {
  CanvasCall c;
  c.kind = CallKind::SetPen;
  c.color = color;
  c.width = width;
  c.penStyle = style;
  calls.push_back(std::move(c));
}

void RecordingCanvas::SetBrush(uint32_t color, BrushStyle style) {
  CanvasCall c;
  c.kind = CallKind::SetBrush;
  c.color = color;
  c.brushStyle = style;
  calls.push_back(std::move(c));
}

void RecordingCanvas::MoveTo(int x, int y) {
  CanvasCall c;
  c.kind = CallKind::MoveTo;
  c.x = x;
  c.y = y;
  calls.push_back(std::move(c));
}

void RecordingCanvas::LineTo(int x, int y) {
  CanvasCall c;
  c.kind = CallKind::LineTo;
  c.x = x;
  c.y = y;
  calls.push_back(std::move(c));
}

void RecordingCanvas::FillPolygon(const TPointF* points, int count, uint32_t argb) {
  CanvasCall c;
  c.kind = CallKind::FillPolygon;
  c.color = argb;
  if (points != nullptr && count > 0) c.points.assign(points, points + count);
  calls.push_back(std::move(c));
}

void RecordingCanvas::FillEllipse(int left, int top, int right, int bottom, uint32_t color) {
  CanvasCall c;
  c.kind = CallKind::FillEllipse;
  c.color = color;
  c.target = RectF{static_cast<double>(left), static_cast<double>(top),
                   static_cast<double>(right - left), static_cast<double>(bottom - top)};
  calls.push_back(std::move(c));
}

void RecordingCanvas::DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                               uint32_t color) {
  CanvasCall c;
  c.kind = CallKind::DrawChar;
  c.x = x;
  c.y = y;
  c.text = ch;
  c.font = font;
  c.color = color;
  calls.push_back(std::move(c));
}

bool RecordingCanvas::PictureSize(const std::filesystem::path& file, int& width, int& height) {
  CanvasCall c;
  c.kind = CallKind::PictureSize;
  c.file = file;
  calls.push_back(std::move(c));
  const auto found = pictures_.find(file);
  if (found != pictures_.end()) {
    width = found->second.first;
    height = found->second.second;
    return true;
  }
  std::error_code ec;
  if (anyPictureSize && std::filesystem::is_regular_file(file, ec)) {
    width = anyPictureSize->first;
    height = anyPictureSize->second;
    return true;
  }
  return false;
}

bool RecordingCanvas::DrawPicture(const std::filesystem::path& file, const RectF& source,
                                  const RectF& target, double angleDeg, double pivotX,
                                  double pivotY) {
  CanvasCall c;
  c.kind = CallKind::DrawPicture;
  c.file = file;
  c.source = source;
  c.target = target;
  c.angleDeg = angleDeg;
  c.pivotX = pivotX;
  c.pivotY = pivotY;
  calls.push_back(std::move(c));
  return drawPictureResult;
}

std::vector<CanvasCall> RecordingCanvas::Of(CallKind kind) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& c : calls) {
    if (c.kind == kind) out.push_back(c);
  }
  return out;
}

int RecordingCanvas::Count(CallKind kind) const {
  int n = 0;
  for (const CanvasCall& c : calls) {
    if (c.kind == kind) ++n;
  }
  return n;
}

std::vector<RecordedSegment> RecordingCanvas::Segments() const {
  std::vector<RecordedSegment> out;
  int px = 0, py = 0;
  uint32_t color = 0;
  int width = 1;
  for (const CanvasCall& c : calls) {
    if (c.kind == CallKind::SetPen) {
      color = c.color;
      width = c.width;
    } else if (c.kind == CallKind::MoveTo) {
      px = c.x;
      py = c.y;
    } else if (c.kind == CallKind::LineTo) {
      out.push_back(RecordedSegment{px, py, c.x, c.y, color, width});
      px = c.x;
      py = c.y;
    }
  }
  return out;
}

std::vector<std::vector<TPointF>> RecordingCanvas::Fills() const {
  std::vector<std::vector<TPointF>> out;
  for (const CanvasCall& c : calls) {
    if (c.kind == CallKind::FillPolygon) out.push_back(c.points);
  }
  return out;
}

std::optional<CanvasCall> RecordingCanvas::LastPen() const {
  for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
    if (it->kind == CallKind::SetPen) return *it;
  }
  return std::nullopt;
}

void RecordingCanvas::AddPicture(const std::filesystem::path& file, int width, int height) {
  pictures_[file] = {width, height};
}

}  // namespace tavolex
