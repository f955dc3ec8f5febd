// The preview's view: the sheet on a grey ground with its shadow, its zoom and its scrolling.
#include <algorithm>
#include <cmath>

#include "app/winwindow/PreviewWindow.h"

namespace tavolex {

namespace {

constexpr int kMargin = 16;  // grey around the sheet, at 96 dpi
constexpr int kShadow = 4;
constexpr int kLine = 40;  // one step of the arrow keys and the wheel
constexpr COLORREF kGround = RGB(128, 128, 128);
constexpr COLORREF kShadowColor = RGB(64, 64, 64);

void Fill(HDC dc, const RECT& area, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// The visible part of one axis of the sheet: sheet pixels from..to, and where they land.
struct TBand {
  int from = 0, to = 0;
  int start = 0, end = 0;
};

TBand VisibleBand(int origin, int sheetLength, double zoom, int viewLength) {
  TBand band;
  band.from = std::max(static_cast<int>(std::floor(-origin / zoom)), 0);
  band.to = std::min(static_cast<int>(std::ceil((viewLength - origin) / zoom)), sheetLength);
  band.start = origin + static_cast<int>(std::lround(band.from * zoom));
  band.end = origin + static_cast<int>(std::lround(band.to * zoom));
  return band;
}

}  // namespace

SIZE TPreviewWindow::ViewSize() const {
  RECT client{};
  if (view_ != nullptr) GetClientRect(view_, &client);
  return SIZE{client.right, client.bottom};
}

double TPreviewWindow::RealSizeScale() const {
  if (page_ < 0) return 1.0;
  return static_cast<double>(scale_.dpi()) / pages_[static_cast<std::size_t>(page_)].sheet.dpiX;
}

SIZE TPreviewWindow::ShownSheet() const {
  if (page_ < 0) return SIZE{0, 0};
  const TPreviewSheet& sheet = pages_[static_cast<std::size_t>(page_)].sheet;
  return SIZE{static_cast<LONG>(std::lround(sheet.paperWidth * zoom_)),
              static_cast<LONG>(std::lround(sheet.paperHeight * zoom_))};
}

RECT TPreviewWindow::SheetRect() const {
  const SIZE view = ViewSize();
  const SIZE shown = ShownSheet();
  const TViewAxis x = LayOutAxis(shown.cx, view.cx, scale_(kMargin), scrollX_);
  const TViewAxis y = LayOutAxis(shown.cy, view.cy, scale_(kMargin), scrollY_);
  return RECT{x.origin, y.origin, x.origin + shown.cx, y.origin + shown.cy};
}

void TPreviewWindow::Refit() {
  if (page_ < 0 || fit_ == TZoomFit::Free) return;
  const TPreviewSheet& sheet = pages_[static_cast<std::size_t>(page_)].sheet;
  const SIZE view = ViewSize();
  const double fitted =
      fit_ == TZoomFit::Page
          ? FitPageScale(sheet.paperWidth, sheet.paperHeight, view.cx, view.cy, scale_(kMargin))
          : FitWidthScale(sheet.paperWidth, view.cx, scale_(kMargin));
  zoom_ = ClampZoom(fitted, RealSizeScale());
}

void TPreviewWindow::UpdateScrollBars() {
  if (view_ == nullptr) return;
  const SIZE view = ViewSize();
  const SIZE shown = ShownSheet();
  const TViewAxis x = LayOutAxis(shown.cx, view.cx, scale_(kMargin), scrollX_);
  const TViewAxis y = LayOutAxis(shown.cy, view.cy, scale_(kMargin), scrollY_);
  scrollX_ = x.scroll;
  scrollY_ = y.scroll;
  // Both bars always stand, so the view keeps its size whatever the zoom.
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMax = std::max(x.content - 1, 0);
  info.nPage = static_cast<UINT>(std::max<LONG>(view.cx, 0));
  info.nPos = x.scroll;
  SetScrollInfo(view_, SB_HORZ, &info, TRUE);
  info.nMax = std::max(y.content - 1, 0);
  info.nPage = static_cast<UINT>(std::max<LONG>(view.cy, 0));
  info.nPos = y.scroll;
  SetScrollInfo(view_, SB_VERT, &info, TRUE);
}

void TPreviewWindow::ScrollTo(int x, int y) {
  scrollX_ = x;
  scrollY_ = y;
  UpdateScrollBars();
  InvalidateRect(view_, nullptr, FALSE);
}

void TPreviewWindow::OnScroll(int bar, int request) {
  if (view_ == nullptr) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(view_, bar, &info);
  const int line = scale_(kLine);
  const int page = std::max(static_cast<int>(info.nPage) - line, line);
  int pos = info.nPos;
  switch (request) {
    case SB_LINEUP:
      pos -= line;
      break;
    case SB_LINEDOWN:
      pos += line;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = info.nTrackPos;
      break;
    case SB_TOP:
      pos = 0;
      break;
    case SB_BOTTOM:
      pos = info.nMax;
      break;
    default:
      return;
  }
  if (bar == SB_HORZ) {
    ScrollTo(pos, scrollY_);
  } else {
    ScrollTo(scrollX_, pos);
  }
}

void TPreviewWindow::OnWheel(int delta, bool ctrl, POINT at) {
  if (ctrl) {
    if (delta != 0) ZoomAround(StepZoom(zoom_, delta > 0, RealSizeScale()), at);
    return;
  }
  ScrollTo(scrollX_, scrollY_ - MulDiv(delta, 3 * scale_(kLine), WHEEL_DELTA));
}

void TPreviewWindow::ZoomAround(double scale, POINT at) {
  if (page_ < 0) return;
  const double zoom = ClampZoom(scale, RealSizeScale());
  const RECT sheet = SheetRect();
  const int margin = scale_(kMargin);
  const int x = ScrollKeeping(sheet.left, at.x, margin, zoom_, zoom);
  const int y = ScrollKeeping(sheet.top, at.y, margin, zoom_, zoom);
  fit_ = TZoomFit::Free;
  zoom_ = zoom;
  ScrollTo(x, y);
}

void TPreviewWindow::PaintSheet(HDC dc, const RECT& sheet) {
  Fill(dc, sheet, RGB(255, 255, 255));
  if (shown_.Empty()) return;
  // Shown small, the sheet is first averaged down to no less than its shown size: a plain
  // stretch (Wine's, for one) keeps only every so many rows and drops the thin lines between.
  const int by = zoom_ < 1.0 ? static_cast<int>(std::ceil(1.0 / zoom_ - 1e-9)) : 1;
  if (by > 1 && (reduced_.Empty() || reducedBy_ != by)) {
    reduced_ = ReduceImage(shown_, by);
    reducedBy_ = by;
  }
  const TPreviewImage& image = by > 1 ? reduced_ : shown_;
  const double zoom = zoom_ * by;
  const SIZE view = ViewSize();
  const TBand x = VisibleBand(sheet.left, image.width, zoom, view.cx);
  const TBand y = VisibleBand(sheet.top, image.height, zoom, view.cy);
  if (x.to <= x.from || y.to <= y.from) return;
  // Only the rows in sight go to the system, described as a bitmap of their own whose first
  // row is the top one, so no source row is counted from the bottom.
  BITMAPINFO band{};
  band.bmiHeader.biSize = sizeof band.bmiHeader;
  band.bmiHeader.biWidth = image.width;
  band.bmiHeader.biHeight = -(y.to - y.from);
  band.bmiHeader.biPlanes = 1;
  band.bmiHeader.biBitCount = 32;
  band.bmiHeader.biCompression = BI_RGB;
  const uint32_t* rows = image.pixels.data() +
                         static_cast<std::size_t>(y.from) * static_cast<std::size_t>(image.width);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, x.start, y.start, x.end - x.start, y.end - y.start, x.from, 0, x.to - x.from,
                y.to - y.from, rows, &band, DIB_RGB_COLORS, SRCCOPY);
}

void TPreviewWindow::Paint(HDC target) {
  const SIZE view = ViewSize();
  if (view.cx <= 0 || view.cy <= 0) return;
  // Drawn off screen first, so scrolling and zooming do not flicker.
  HDC dc = CreateCompatibleDC(target);
  HBITMAP canvas = CreateCompatibleBitmap(target, view.cx, view.cy);
  HGDIOBJ original = SelectObject(dc, canvas);
  Fill(dc, RECT{0, 0, view.cx, view.cy}, kGround);
  if (page_ >= 0) {
    const RECT sheet = SheetRect();
    const int shadow = scale_(kShadow);
    Fill(dc,
         RECT{sheet.left + shadow, sheet.top + shadow, sheet.right + shadow, sheet.bottom + shadow},
         kShadowColor);
    PaintSheet(dc, sheet);
  }
  BitBlt(target, 0, 0, view.cx, view.cy, dc, 0, 0, SRCCOPY);
  SelectObject(dc, original);
  DeleteObject(canvas);
  DeleteDC(dc);
}

LRESULT CALLBACK TPreviewWindow::ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TPreviewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->view_ != window)
    return DefWindowProcW(window, message, wParam, lParam);
  return self->OnView(message, wParam, lParam);
}

LRESULT TPreviewWindow::OnView(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(view_, &paint);
      Paint(dc);
      EndPaint(view_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Refit();
      UpdateScrollBars();
      InvalidateRect(view_, nullptr, FALSE);
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      MSG wheel{view_, message, wParam, lParam, 0, {}};
      HandleKey(wheel);
      return 0;
    }
    // The sheet follows the mouse while the left button holds it.
    case WM_LBUTTONDOWN:
      SetFocus(view_);
      SetCapture(view_);
      dragFrom_ = POINT{PointX(lParam), PointY(lParam)};
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == view_) {
        const POINT at{PointX(lParam), PointY(lParam)};
        ScrollTo(scrollX_ - (at.x - dragFrom_.x), scrollY_ - (at.y - dragFrom_.y));
        dragFrom_ = at;
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == view_) ReleaseCapture();
      return 0;
    default:
      return DefWindowProcW(view_, message, wParam, lParam);
  }
}

}  // namespace tavolex
