#include "platform/qt/QPainterCanvas.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <cmath>
#include <vector>

#include "platform/qt/MetafilePicture.h"
#include "platform/qt/QtPath.h"

namespace tavolex {

namespace {

bool Finite(const RectF& r) {
  return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) &&
         std::isfinite(r.height);
}

Qt::PenStyle QtPenStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::DashDot:
      return Qt::DashDotLine;
    case PenStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case PenStyle::Clear:
      return Qt::NoPen;
    case PenStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle QtBrushStyle(BrushStyle style) {
  switch (style) {
    case BrushStyle::Solid:
      return Qt::SolidPattern;
    case BrushStyle::Horizontal:
      return Qt::HorPattern;
    case BrushStyle::Vertical:
      return Qt::VerPattern;
    case BrushStyle::ForwardDiagonal:
      return Qt::FDiagPattern;
    case BrushStyle::BackwardDiagonal:
      return Qt::BDiagPattern;
    case BrushStyle::Cross:
      return Qt::CrossPattern;
    case BrushStyle::DiagonalCross:
      return Qt::DiagCrossPattern;
    case BrushStyle::Clear:
      break;
  }
  return Qt::NoBrush;
}

}  // namespace

QColor ColorFromBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                static_cast<int>((bgr >> 16) & 0xFFu));
}

QColor ColorFromArgb(uint32_t argb) {
  return QColor(static_cast<int>((argb >> 16) & 0xFFu), static_cast<int>((argb >> 8) & 0xFFu),
                static_cast<int>(argb & 0xFFu), static_cast<int>(argb >> 24));
}

QPainterCanvas::QPainterCanvas(QPainter* painter) : painter_(painter) {
  pen_ = QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  brush_ = QBrush(Qt::NoBrush);
  if (painter_ != nullptr) painter_->setRenderHint(QPainter::Antialiasing, false);
}

// ---- Pen, brush, lines, fills ----------------------------------------------------------------

void QPainterCanvas::SetPen(uint32_t color, int width, PenStyle style) {
  // A one-pixel pen leaves out the last pixel of a line, as GDI's does, so that a dot drawn
  // from x to x + 1 is one pixel; wider pens have round caps and joins.
  const bool wide = width > 1;
  pen_ = QPen(ColorFromBgr(color), wide ? width : 1, QtPenStyle(style),
              wide ? Qt::RoundCap : Qt::FlatCap, wide ? Qt::RoundJoin : Qt::MiterJoin);
}

void QPainterCanvas::SetBrush(uint32_t color, BrushStyle style) {
  brush_ = QBrush(ColorFromBgr(color), QtBrushStyle(style));
}

void QPainterCanvas::MoveTo(int x, int y) {
  pos_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
  const QPoint to(x, y);
  if (painter_ != nullptr && pen_.style() != Qt::NoPen) {
    painter_->setPen(pen_);
    // GDI draws nothing for an empty line; the engine draws the round end of a wide pen.
    if (to != pos_) painter_->drawLine(pos_, to);
  }
  pos_ = to;
}

void QPainterCanvas::FillPolygon(const TPointF* points, int count, uint32_t argb) {
  if (painter_ == nullptr || points == nullptr || count < 3) return;
  QPolygonF polygon;
  polygon.reserve(count);
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) return;
    polygon.append(QPointF(points[i].X, points[i].Y));
  }
  painter_->save();
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(QBrush(ColorFromArgb(argb)));
  painter_->drawPolygon(polygon, Qt::OddEvenFill);
  painter_->restore();
}

void QPainterCanvas::FillEllipse(int left, int top, int right, int bottom, uint32_t color) {
  if (painter_ == nullptr || right <= left || bottom <= top) return;
  // A path of curves: a PDF keeps the circle as four of them, not as a polygon.
  QPainterPath ellipse;
  ellipse.addEllipse(QRectF(left, top, right - left, bottom - top));
  painter_->fillPath(ellipse, ColorFromBgr(color));
}

// ---- Pictures --------------------------------------------------------------------------------

const QImage* QPainterCanvas::Picture(const std::filesystem::path& file) {
  std::error_code ec;
  PictureKey key{QtPathText(file), std::filesystem::file_size(file, ec), {}};
  if (!ec) key.modified = std::filesystem::last_write_time(file, ec);
  if (ec) return nullptr;
  if (!(key == pictureKey_) || picture_.isNull()) {
    if (IsEnhancedMetafile(key.path)) {
      picture_ = DecodeEnhancedMetafile(key.path);
    } else {
      QImageReader reader(key.path);
      reader.setAutoTransform(false);
      picture_ = reader.read();
    }
    pictureKey_ = key;
  }
  return picture_.isNull() ? nullptr : &picture_;
}

void QPainterCanvas::ForgetPictures() {
  picture_ = QImage();
  pictureKey_ = PictureKey{};
}

bool QPainterCanvas::PictureSize(const std::filesystem::path& file, int& width, int& height) {
  QImageReader reader(QtPathText(file));
  QSize size = reader.size();
  if (!size.isValid()) {
    const QImage* image = Picture(file);
    if (image == nullptr) return false;
    size = image->size();
  }
  width = size.width();
  height = size.height();
  return true;
}

bool QPainterCanvas::DrawPicture(const std::filesystem::path& file, const RectF& source,
                                 const RectF& target, double angleDeg, double pivotX,
                                 double pivotY) {
  if (painter_ == nullptr || !Finite(source) || !Finite(target) || !std::isfinite(angleDeg) ||
      !std::isfinite(pivotX) || !std::isfinite(pivotY)) {
    return false;
  }
  const QImage* image = Picture(file);
  if (image == nullptr) return false;
  painter_->save();
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
  // PDF and printers would otherwise re-encode the picture as JPEG and smear line art.
  painter_->setRenderHint(QPainter::LosslessImageRendering, true);
  if (angleDeg != 0.0) {
    painter_->translate(pivotX, pivotY);
    painter_->rotate(angleDeg);
    painter_->translate(-pivotX, -pivotY);
  }
  painter_->drawImage(QRectF(target.x, target.y, target.width, target.height), *image,
                      QRectF(source.x, source.y, source.width, source.height));
  painter_->restore();
  return true;
}

// ---- Characters ------------------------------------------------------------------------------
// The text renderer fills the cell with the glyph in a mapped Japanese font (fonts cached).

void QPainterCanvas::DrawChar(int x, int y, const std::u16string& ch, const CanvasFont& font,
                              uint32_t color) {
  if (painter_ == nullptr) return;
  text_.DrawChar(*painter_, x, y, ch, font, color);
}

}  // namespace tavolex
