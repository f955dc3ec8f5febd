#include "platform/win/GdiPage.h"

namespace tavolex {

bool GdiPage::Start(int width, int height) {
  if (!bitmap_ || bitmap_->Width() != width || bitmap_->Height() != height) {
    canvas_.reset();
    bitmap_.reset();
    auto page = std::make_unique<GdiBitmap>(width, height);
    if (page->Null()) return false;
    bitmap_ = std::move(page);
    canvas_ = std::make_unique<GdiCanvas>(bitmap_->Dc());
  } else {
    bitmap_->Clear();
  }
  canvas_->NewPage();
  return true;
}

}  // namespace tavolex
