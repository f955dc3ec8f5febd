// The engine's canvas on a QPainter: draws onto whatever the painter is open on (a QImage for
// PNG pages, a PDF writer, a printer), in the device's pixels, without antialiasing, as GDI and
// GDI+ drew for the original program.
#pragma once

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <filesystem>

#include "graphics/Canvas.h"
#include "platform/qt/QtTextRenderer.h"

class QPainter;

namespace tavolex {

class QPainterCanvas : public Canvas {
 public:
  // The painter is not owned and must stay active while the canvas is used.
  explicit QPainterCanvas(QPainter* painter);

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

  // Drops the kept picture; called at every new page, where the next drawing may have unpacked
  // other pictures under the same names.
  void ForgetPictures();

 private:
  // Which file a decoded picture came from: the same path may be unpacked again from another
  // drawing within one document.
  struct PictureKey {
    QString path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const PictureKey&) const = default;
  };

  // The decoded picture of a file; the last one is kept, as a drawing often repeats it.
  const QImage* Picture(const std::filesystem::path& file);

  QPainter* painter_;
  QPen pen_;
  QBrush brush_;
  QPoint pos_;
  PictureKey pictureKey_;
  QImage picture_;
  QtTextRenderer text_;
};

// A Windows colour value 0x00BBGGRR as a Qt colour.
QColor ColorFromBgr(uint32_t bgr);
// An ARGB value 0xAARRGGBB as a Qt colour.
QColor ColorFromArgb(uint32_t argb);

}  // namespace tavolex
