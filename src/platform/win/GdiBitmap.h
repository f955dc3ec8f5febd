// A sheet in memory for the GDI canvas: a 32-bit device-independent bitmap, rows top down, in a
// device context of its own, white until drawn on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win/WinHeaders.h"

namespace tavolex {

class GdiBitmap {
 public:
  // Null() when the system cannot give a bitmap of that size.
  GdiBitmap(int width, int height);
  ~GdiBitmap();
  GdiBitmap(const GdiBitmap&) = delete;
  GdiBitmap& operator=(const GdiBitmap&) = delete;

  bool Null() const { return pixels_ == nullptr; }
  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Paints the whole sheet white.
  void Clear();
  // The pixels as 0x00RRGGBB words, row after row, Width() apart; every drawing is finished
  // before they are read.
  const uint32_t* Pixels() const;
  uint32_t Pixel(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  uint32_t* pixels_ = nullptr;
};

}  // namespace tavolex
