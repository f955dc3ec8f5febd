// The preview's frame: its tool row, the page it shows, the keys and the modal run.
#include "app/winwindow/PreviewWindow.h"

#include <commctrl.h>
#include <algorithm>
#include <cmath>

#include "common/Func_2.h"

namespace tavolex {

namespace {

const wchar_t kFrameClass[] = L"TavolexPreview";
const wchar_t kViewClass[] = L"TavolexPreviewView";

enum : int {
  kPrevious = 101,
  kNext,
  kFitPage,
  kFitWidth,
  kRealSize,
  kZoomIn,
  kZoomOut,
  kPrint,
  kClose,
  kPageLabel,
  kStatusBar,
};

// The tool row at 96 dpi, left to right; the page number stands after the second button.
struct TTool {
  int id;
  const char16_t* text;
  int width;
};
constexpr TTool kTools[] = {
    {kPrevious, u"前ページ", 68},  {kNext, u"次ページ", 68},         {kPageLabel, u"", 76},
    {kFitPage, u"ページ全体", 84}, {kFitWidth, u"幅に合わせる", 92}, {kRealSize, u"100%", 52},
    {kZoomIn, u"拡大", 48},        {kZoomOut, u"縮小", 48},          {kPrint, u"印刷", 60},
    {kClose, u"閉じる", 60},
};
constexpr int kToolRow = 34;  // height of the tool row at 96 dpi
constexpr int kGap = 4;

// The window is 900 x 700 at 96 dpi, as the Linux preview opens.
constexpr int kWidth = 900;
constexpr int kHeight = 700;

// The dpi a window is shown at: its monitor's where the system tells it, else the screen's.
int WindowDpi(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (window != nullptr && dpiForWindow != nullptr) {
    const UINT dpi = dpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

bool RegisterClasses(WNDPROC frame, WNDPROC view) {
  // The view paints all of itself.
  return RegisterWindowClass(kFrameClass, frame, GetSysColorBrush(COLOR_BTNFACE)) &&
         RegisterWindowClass(kViewClass, view, nullptr);
}

// Centred on the owner's monitor, within its work area.
RECT InitialFrame(HWND owner, const TLayoutScale& scale) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = std::min<int>(scale(kWidth), work.right - work.left);
  const int height = std::min<int>(scale(kHeight), work.bottom - work.top);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace

TPreviewWindow::TPreviewWindow(HWND owner, const TPreviewRequest& request)
    : owner_(owner), scale_(WindowDpi(owner)) {
  PreviewPagePrinter printer(request.printerName, request.sheet);
  if (request.printTo) result_ = request.printTo(printer);
  pages_ = printer.TakePages();

  if (!RegisterClasses(FrameProc, ViewProc)) return;
  const RECT frame = InitialFrame(owner, scale_);
  window_ =
      CreateWindowExW(0, kFrameClass, Wide(kPreviewTitle), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                      owner, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  // The window may sit on a monitor of another dpi than its owner's.
  const int dpi = WindowDpi(window_);
  scale_ = TLayoutScale(dpi);
  font_ = MakeInterfaceFont(scale_);
  MakeControls();
  LayOut();
  ShowPage(0);
  UpdateLabels();
}

TPreviewWindow::~TPreviewWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
}

void TPreviewWindow::MakeControls() {
  const TPlace none{};
  for (const TTool& tool : kTools) {
    if (tool.id == kPageLabel) {
      pageLabel_ =
          MakeLabel(window_, u"", kPageLabel, none, scale_, font_, SS_CENTER | SS_CENTERIMAGE);
    } else {
      buttons_.push_back(MakeButton(window_, tool.text, tool.id, none, scale_, font_));
    }
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  statusBar_ =
      MakeControl(window_, STATUSCLASSNAMEW, u"", SBARS_SIZEGRIP, kStatusBar, none, scale_, font_);
  SendMessageW(statusBar_, SB_SIMPLE, TRUE, 0);
  view_ = CreateWindowExW(WS_EX_CLIENTEDGE, kViewClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0, window_,
                          nullptr, GetModuleHandleW(nullptr), this);
}

void TPreviewWindow::LayOut() {
  if (window_ == nullptr || view_ == nullptr) return;
  RECT client{};
  GetClientRect(window_, &client);
  const int row = scale_(kToolRow);
  const int top = scale_(5);
  const int height = row - 2 * top;
  int x = scale_(6);
  std::size_t button = 0;
  for (const TTool& tool : kTools) {
    HWND control = tool.id == kPageLabel ? pageLabel_ : buttons_[button++];
    MoveWindow(control, x, top, scale_(tool.width), height, FALSE);
    x += scale_(tool.width) + scale_(kGap);
  }
  // The status bar places itself at the bottom.
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
  RECT status{};
  GetWindowRect(statusBar_, &status);
  const int below = client.bottom - (status.bottom - status.top);
  MoveWindow(view_, 0, row, client.right, std::max<int>(below - row, 0), TRUE);
  InvalidateRect(window_, nullptr, TRUE);
}

void TPreviewWindow::UseDpi(int dpi) {
  scale_ = TLayoutScale(dpi);
  HFONT font = MakeInterfaceFont(scale_);
  for (HWND control : buttons_)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  for (HWND label : {pageLabel_, statusBar_})
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

std::u16string TPreviewWindow::PageLabel() const {
  return pageLabel_ != nullptr ? ControlText(pageLabel_) : std::u16string();
}

void TPreviewWindow::UpdateLabels() {
  if (window_ == nullptr) return;
  SetControlText(pageLabel_, IntStr(page_ + 1) + u" / " + IntStr(PageCount()));
  std::u16string status = u"印刷するページがありません。";
  if (page_ >= 0) {
    const TPreviewPage& page = pages_[static_cast<std::size_t>(page_)];
    const TPreviewSheet& sheet = page.sheet;
    status = page.title + u"　" + IntStr(page.number) + u"ページ　用紙 " +
             IntStr(std::lround(PixelsToMm(sheet.paperWidth, sheet.dpiX))) + u" × " +
             IntStr(std::lround(PixelsToMm(sheet.paperHeight, sheet.dpiY))) + u" mm";
  }
  SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Wide(status)));
  EnableWindow(GetDlgItem(window_, kPrevious), page_ > 0);
  EnableWindow(GetDlgItem(window_, kNext), page_ + 1 < PageCount());
}

void TPreviewWindow::ShowPage(int index) {
  if (pages_.empty()) return;
  index = std::clamp(index, 0, PageCount() - 1);
  if (index == page_ && !shown_.Empty()) return;
  page_ = index;
  shown_ = UnpackSheet(pages_[static_cast<std::size_t>(page_)]);
  reduced_ = {};
  scrollX_ = scrollY_ = 0;
  Refit();
  UpdateScrollBars();
  UpdateLabels();
  if (view_ != nullptr) InvalidateRect(view_, nullptr, FALSE);
}

void TPreviewWindow::SetFit(TZoomFit fit) {
  fit_ = fit;
  Refit();
  UpdateScrollBars();
  if (view_ != nullptr) InvalidateRect(view_, nullptr, FALSE);
}

void TPreviewWindow::Zoom(bool in) {
  const SIZE view = ViewSize();
  ZoomAround(StepZoom(zoom_, in, RealSizeScale()), POINT{view.cx / 2, view.cy / 2});
}

void TPreviewWindow::ShowRealSize() {
  const SIZE view = ViewSize();
  ZoomAround(RealSizeScale(), POINT{view.cx / 2, view.cy / 2});
}

void TPreviewWindow::OnCommand(int id) {
  switch (id) {
    case kPrevious:
      PreviousPage();
      break;
    case kNext:
      NextPage();
      break;
    case kFitPage:
      SetFit(TZoomFit::Page);
      break;
    case kFitWidth:
      SetFit(TZoomFit::Width);
      break;
    case kRealSize:
      ShowRealSize();
      break;
    case kZoomIn:
      Zoom(true);
      break;
    case kZoomOut:
      Zoom(false);
      break;
    case kPrint:
      printChosen_ = true;
      Close();
      return;
    case kClose:
    case IDCANCEL:
      Close();
      return;
    default:
      return;
  }
  // The keys go on working after a click.
  SetFocus(view_);
}

bool TPreviewWindow::HandleKey(const MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
    return false;
  if (message.message == WM_MOUSEWHEEL) {
    POINT at{PointX(message.lParam), PointY(message.lParam)};
    ScreenToClient(view_, &at);
    OnWheel(GET_WHEEL_DELTA_WPARAM(message.wParam),
            (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0, at);
    return true;
  }
  if (message.message != WM_KEYDOWN) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (message.wParam) {
    case VK_PRIOR:
      PreviousPage();
      return true;
    case VK_NEXT:
      NextPage();
      return true;
    case VK_HOME:
      ShowPage(0);
      return true;
    case VK_END:
      ShowPage(PageCount() - 1);
      return true;
    case VK_ESCAPE:
      Close();
      return true;
    case VK_UP:
      OnScroll(SB_VERT, SB_LINEUP);
      return true;
    case VK_DOWN:
      OnScroll(SB_VERT, SB_LINEDOWN);
      return true;
    case VK_LEFT:
      OnScroll(SB_HORZ, SB_LINELEFT);
      return true;
    case VK_RIGHT:
      OnScroll(SB_HORZ, SB_LINERIGHT);
      return true;
    case VK_ADD:
    case VK_OEM_PLUS:
      if (!ctrl) return false;
      Zoom(true);
      return true;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
      if (!ctrl) return false;
      Zoom(false);
      return true;
    default:
      return false;
  }
}

void TPreviewWindow::Close() {
  if (window_ == nullptr) return;
  // The owner is enabled before the preview goes, so the system activates it and not another
  // program's window.
  if (ownerDisabled_) EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
  DestroyWindow(window_);
}

LRESULT CALLBACK TPreviewWindow::FrameProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TPreviewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ != window)
    return DefWindowProcW(window, message, wParam, lParam);
  return self->OnFrame(message, wParam, lParam);
}

LRESULT TPreviewWindow::OnFrame(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      window_ = view_ = pageLabel_ = statusBar_ = nullptr;
      buttons_.clear();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = POINT{scale_(480), scale_(320)};
      return 0;
    }
    case WM_MOUSEWHEEL: {
      MSG wheel{window_, message, wParam, lParam, 0, {}};
      HandleKey(wheel);
      return 0;
    }
    case 0x02E0: {  // WM_DPICHANGED: the window moved to a monitor of another dpi
      UseDpi(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut();
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void TPreviewWindow::RunModal() {
  if (window_ == nullptr) return;
  ownerDisabled_ = owner_ != nullptr && !EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  MSG message{};
  while (window_ != nullptr) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program was asked to end while the preview was open: its own loop ends it.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (HandleKey(message) || IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Close();
  if (owner_ != nullptr) SetForegroundWindow(owner_);
}

void ShowPreview(HWND owner, const TPreviewRequest& request) {
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  TPreviewWindow preview(owner, request);
  SetCursor(previous);
  preview.RunModal();
  if (preview.PrintChosen() && request.printAll) request.printAll();
}

}  // namespace tavolex
