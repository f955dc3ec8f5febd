#include "platform/PngWrite.h"
#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {

PngPage PngPageOf(const QImage& image) {
  PngPage page;
  page.pixels = reinterpret_cast<const uint32_t*>(image.constBits());
  page.width = image.width();
  page.height = image.height();
  page.strideWords = static_cast<size_t>(image.bytesPerLine()) / sizeof(uint32_t);
  page.dotsPerMeter = image.dotsPerMeterX();
  return page;
}

PngPrinter::PngPrinter(const std::filesystem::path& folder, const QtPaperOptions& options)
    : PaperSheetPrinter(options), folder_(folder) {}

PngPrinter::~PngPrinter() {
  canvas_.reset();
  if (painter_) painter_->end();
}

bool PngPrinter::StartPage() {
  if (image_.size() != sheet_) {
    image_ = QImage(sheet_, QImage::Format_RGB32);
    if (image_.isNull()) return false;
  }
  image_.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(options_.dpi / 0.0254 + 0.5);
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&image_)) {
    painter_.reset();
    return false;
  }
  // Text is set in whole device pixels, as a printer's own dots are: the page then keeps to the
  // few pen colours of the drawing and is written as a small indexed image.
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  canvas_ = std::make_unique<QPainterCanvas>(painter_.get());
  ++pageNo_;
  return true;
}

bool PngPrinter::SavePage() {
  canvas_.reset();
  if (!painter_) return false;
  painter_->end();
  painter_.reset();
  const std::u16string key = PageFileKey(docName_, pageNo_);
  const std::filesystem::path file = files_.UniqueFile(folder_, key, u".png");
  if (!WritePng(file, PngPageOf(image_))) return false;
  files_.Written(file, key);
  return true;
}

bool PngPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  docName_ = FileNameFromTitle(title);
  pageNo_ = 0;
  documentOpen_ = StartPage();
  return documentOpen_;
}

bool PngPrinter::PrnNewPage() {
  if (!documentOpen_) return false;
  const bool saved = SavePage();
  return StartPage() && saved;
}

bool PngPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return SavePage();
}

Canvas* PngPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

}  // namespace tavolex
