// A page drawn in memory: a white bitmap with the GDI canvas on it, made again only when the size
// of the page changes, as the pages of a run mostly share one sheet.
#pragma once

#include <memory>

#include "platform/win/GdiBitmap.h"
#include "platform/win/GdiCanvas.h"

namespace tavolex {

class GdiPage {
 public:
  // A fresh white page of the size with its canvas at the start of a page; false when the memory
  // for it cannot be had (no page is there then).
  bool Start(int width, int height);

  // The page begun last; nullptr before the first or after a failed start.
  const GdiBitmap* Bitmap() const { return bitmap_.get(); }
  GdiCanvas* Canvas() const { return canvas_.get(); }

 private:
  std::unique_ptr<GdiBitmap> bitmap_;
  std::unique_ptr<GdiCanvas> canvas_;  // made after the bitmap, so it is gone before it
};

}  // namespace tavolex
