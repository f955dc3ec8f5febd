#include <QImageWriter>
#include <QSaveFile>

#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtPath.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {

ImagePrinter::ImagePrinter(const QSize& size, int dpi)
    : WholeSheetPrinter(size, dpi), image_(size, QImage::Format_RGB32) {
  sheet_ = image_.size();  // none when the image could not be had
  if (!image_.isNull()) image_.fill(Qt::white);
}

ImagePrinter::~ImagePrinter() {
  PrnEndDoc();
}

bool ImagePrinter::PrnTitle(const std::u16string&) {
  if (painter_ || image_.isNull()) return false;
  image_.fill(Qt::white);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&image_)) {
    painter_.reset();
    return false;
  }
  canvas_ = std::make_unique<QPainterCanvas>(painter_.get());
  return true;
}

// The new page is drawn over the last one: the image holds one sheet.
bool ImagePrinter::PrnNewPage() {
  if (!painter_) return false;
  painter_->fillRect(image_.rect(), Qt::white);
  return true;
}

bool ImagePrinter::PrnEndDoc() {
  if (!painter_) return false;
  canvas_.reset();
  const bool ended = painter_->end();
  painter_.reset();
  return ended;
}

Canvas* ImagePrinter::PageCanvas() {
  return canvas_.get();
}

bool ImagePrinter::SavePng(const std::filesystem::path& file) const {
  QSaveFile out(QtPathText(file));
  if (!out.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&out, "png");
  if (!writer.write(image_)) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

}  // namespace tavolex
