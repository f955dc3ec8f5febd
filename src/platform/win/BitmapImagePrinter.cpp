#include <cmath>

#include "platform/PngWrite.h"
#include "platform/win/WinPrinters.h"

namespace tavolex {

BitmapImagePrinter::BitmapImagePrinter(int width, int height, int dpi)
    : bitmap_(width, height), dpi_(dpi) {
  if (!bitmap_.Null()) canvas_ = std::make_unique<GdiCanvas>(bitmap_.Dc());
}

bool BitmapImagePrinter::PrnTitle(const std::u16string&) {
  if (documentOpen_ || !canvas_) return false;
  documentOpen_ = true;
  return PrnNewPage();
}

// The new page is drawn over the last one: the bitmap holds one sheet.
bool BitmapImagePrinter::PrnNewPage() {
  if (!documentOpen_) return false;
  bitmap_.Clear();
  canvas_->NewPage();
  return true;
}

bool BitmapImagePrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return true;
}

Canvas* BitmapImagePrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

bool BitmapImagePrinter::SavePng(const std::filesystem::path& file) const {
  if (bitmap_.Null()) return false;
  PngPage page;
  page.pixels = bitmap_.Pixels();
  page.width = bitmap_.Width();
  page.height = bitmap_.Height();
  page.strideWords = static_cast<size_t>(bitmap_.Width());
  page.dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
  return WritePng(file, page);
}

}  // namespace tavolex
