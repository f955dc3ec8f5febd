#include "app/winwindow/WindowShot.h"

#include "platform/PngWrite.h"
#include "platform/win/GdiBitmap.h"

namespace tavolex {

bool SaveWindowPng(HWND window, const std::filesystem::path& file) {
  RECT frame{};
  if (!GetWindowRect(window, &frame)) return false;
  GdiBitmap picture(frame.right - frame.left, frame.bottom - frame.top);
  if (picture.Null()) return false;
  // The window as the screen shows it, its children and the frame that the window manager
  // draws included; a window that is not on screen is asked to print itself.
  if (IsWindowVisible(window)) {
    HDC screen = GetDC(nullptr);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, frame.left, frame.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
  } else if (!PrintWindow(window, picture.Dc(), 0)) {
    return false;
  }
  GdiFlush();
  PngPage page;
  page.pixels = picture.Pixels();
  page.width = picture.Width();
  page.height = picture.Height();
  page.strideWords = static_cast<std::size_t>(picture.Width());
  return WritePng(file, page);
}

}  // namespace tavolex
