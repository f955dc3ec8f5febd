#include "platform/win/GdiBitmap.h"

#include <algorithm>

namespace tavolex {

GdiBitmap::GdiBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) return;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr || bits == nullptr) return;
  original_ = SelectObject(dc_, bitmap_);
  pixels_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  Clear();
}

GdiBitmap::~GdiBitmap() {
  if (original_ != nullptr) SelectObject(dc_, original_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

void GdiBitmap::Clear() {
  if (pixels_ == nullptr) return;
  GdiFlush();
  std::fill_n(pixels_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              0x00FFFFFFu);
}

const uint32_t* GdiBitmap::Pixels() const {
  GdiFlush();
  return pixels_;
}

uint32_t GdiBitmap::Pixel(int x, int y) const {
  if (pixels_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return 0x00FFFFFFu;
  return Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                  static_cast<std::size_t>(x)] &
         0x00FFFFFFu;
}

}  // namespace tavolex
