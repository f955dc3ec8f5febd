// The window's start and exit, its message handling, its questions and its status line.
#include "app/winwindow/Unit1.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <stdexcept>
#include <vector>

#include "app/FileListRules.h"
#include "app/JwCadLaunch.h"
#include "app/WindowPlacement.h"
#include "app/winwindow/HandOver.h"
#include "app/winwindow/LtypeTab.h"
#include "app/winwindow/PenTab.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

void RegisterFormClass() {
  // The procedure is replaced once the form's object is attached.
  RegisterWindowClass(kForm1Class, DefWindowProcW, GetSysColorBrush(COLOR_BTNFACE), 0,
                      LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
}

// The fixed frame: a title with the system menu and minimising, no sizing, no maximising.
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;

// The areas of the screens' work areas (without the task bar), where a window may be put.
BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<TWindowGeometry>*>(list)->push_back(
        {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

bool IsOwnWindow(HWND form, HWND window) {
  return window == form || IsChild(form, window);
}

}  // namespace

TForm1::TForm1(const std::filesystem::path& programFile, bool loadAutomatic)
    : programFile_(programFile), loadAutomatic_(loadAutomatic) {
  flows_ = std::make_unique<TFormFlows>(App, *this,
                                        [this](const std::u16string& a, const std::u16string& b) {
                                          return platform_.ComparePathsForList(a, b);
                                        });
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                   ICC_PROGRESS_CLASS;
  InitCommonControlsEx(&controls);
  RegisterFormClass();

  scale_ = TLayoutScale(SystemDpi());
  RECT frame{0, 0, scale_(650), scale_(438)};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
  form_ = CreateWindowExW(kFormExStyle, kForm1Class, Wide(kWindowTitle), kFormStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  // Without a window (no desktop to show it on) there is no form to build.
  if (form_ == nullptr) throw std::runtime_error("the main window cannot be created");
  SetWindowLongPtrW(form_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm1::FormProc));
  status_ = kStartStatus;
  BuildForm();

  const std::u16string defaultPrinter = platform_.DefaultPrinterName();
  const std::vector<std::u16string> printers = platform_.PrinterNames();
  // No default printer: the first one of the list.
  printer_.name = !defaultPrinter.empty() ? defaultPrinter
                  : printers.empty()      ? std::u16string()
                                          : printers.front();
}

TForm1::~TForm1() {
  if (!closed_ && GAtt != nullptr) {
    closed_ = true;
    App.Close(false);
  }
  if (form_ != nullptr) {
    SetWindowLongPtrW(form_, GWLP_USERDATA, 0);
    DestroyWindow(form_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (swatchBrush_ != nullptr) DeleteObject(swatchBrush_);
}

void TForm1::FormShow(const std::vector<std::u16string>& arguments) {
  flows_->Start(programFile_, BootJwwOrDefault(FindJwwExe()), loadAutomatic_, arguments);
  std::vector<TWindowGeometry> screens;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&screens));
  const TWindowGeometry& kept = App.Settings.Window;
  if (KeptPositionUsable(kept, screens))
    SetWindowPos(form_, nullptr, kept.left, kept.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  DragAcceptFiles(form_, TRUE);
}

int TForm1::Run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

bool TForm1::PreTranslate(MSG& message) {
  if (form_ == nullptr || !IsOwnWindow(form_, message.hwnd)) return false;
  // With the focus on no control (the run disabled it) the key comes as a system key.
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  if (keyDown && message.wParam == VK_ESCAPE && flows_->Running()) {
    escPressed_ = true;
    return true;
  }
  // Ctrl+Tab and Ctrl+Shift+Tab go through the tabs.
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
      (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
    const int shown = static_cast<int>(SendMessageW(PageControl1, TCM_GETCURSEL, 0, 0));
    const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    ShowTab((shown + (back ? 3 : 1)) % 4);
    return true;
  }
  // Alt+letter clicks the button that underlines it, the page on show before the panel.
  if (message.message == WM_SYSCHAR && ClickMnemonic(static_cast<wchar_t>(message.wParam)))
    return true;
  return IsDialogMessageW(form_, &message) != FALSE;
}

bool TForm1::ClickMnemonic(wchar_t letter) {
  return tavolex::ClickMnemonic({Button1, Button2, Button17, Button18, Button19, Button3, Button4,
                                 Button12, Button20, Button13, Button14, Button15, Button16},
                                letter);
}

LRESULT CALLBACK TForm1::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->Handle(message, wParam, lParam);
}

LRESULT TForm1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == PageControl1 && header->code == TCN_SELCHANGE) {
        ShowTab(static_cast<int>(SendMessageW(PageControl1, TCM_GETCURSEL, 0, 0)));
        return 0;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->hwndItem == PageControl1) {
        DrawTabCaption(*item);
        return TRUE;
      }
      break;
    }
    case WM_DROPFILES:
      WMDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_COPYDATA:
      return WMCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_CLOSE:
      FormCloseQuery();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(form_, message, wParam, lParam);
}

void TForm1::DrawTabCaption(const DRAWITEMSTRUCT& item) {
  // The caption downwards, one character under the other, as Japanese is written in columns.
  wchar_t text[32] = {};
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = text;
  tab.cchTextMax = 31;
  SendMessageW(PageControl1, TCM_GETITEMW, item.itemID, reinterpret_cast<LPARAM>(&tab));
  HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_WINDOW : COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int count = lstrlenW(text);
  const int lineHeight = metrics.tmHeight;
  const int width = item.rcItem.right - item.rcItem.left;
  int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - count * lineHeight) / 2;
  for (int i = 0; i < count; ++i, y += lineHeight) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text + i, 1, &size);
    TextOutW(dc, item.rcItem.left + (width - size.cx) / 2, y, text + i, 1);
  }
  SelectObject(dc, old);
}

bool TForm1::OnCommand(int id, int code, HWND control) {
  (void)control;
  if (code == LBN_DBLCLK && id == kIdListBox1) {
    ListBox1DblClick();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kIdButton1:
      Button1Click();
      return true;
    case kIdButton2:
      Button2Click();
      return true;
    case kIdButton17:
      Button17Click();
      return true;
    case kIdButton18:
      Button18Click();
      return true;
    case kIdButton19:
      Button19Click();
      return true;
    case kIdButton3:
      Button3Click();
      return true;
    case kIdButton4:
      Button4Click();
      return true;
    case kIdButton12:
      Button12Click();
      return true;
    case kIdButton13:
      Button13Click();
      return true;
    case kIdButton14:
      Button14Click();
      return true;
    case kIdButton15:
      Button15Click();
      return true;
    case kIdButton16:
      Button16Click();
      return true;
    case kIdButton20:
      Button20Click();
      return true;
    default:
      return false;
  }
}

void TForm1::Button13Click() {
  if (flows_->AskExit()) CloseWindow();
}

void TForm1::FormCloseQuery() {
  if (flows_->AskExit()) CloseWindow();
}

void TForm1::CloseWindow() {
  if (flows_->Running()) {
    // The file being printed is finished first; the window closes when the run has stopped.
    escPressed_ = true;
    closeAfterRun_ = true;
    return;
  }
  if (!closed_) {
    closed_ = true;
    // The frame as it is when not minimised, so a window closed from the task bar comes back.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT frame{};
    if (IsIconic(form_) && GetWindowPlacement(form_, &placement))
      frame = placement.rcNormalPosition;
    else
      GetWindowRect(form_, &frame);
    flows_->Close({frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top});
  }
  DestroyWindow(form_);
  form_ = nullptr;
}

void TForm1::SetStatus(const std::u16string& text, const std::u16string& drawing) {
  status_ = text;
  const std::u16string shown = FitStatus(text, drawing);
  SendMessageW(StatusBar1, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(shown)));
  UpdateWindow(StatusBar1);
}

std::u16string TForm1::FitStatus(const std::u16string& text, const std::u16string& drawing) const {
  // A long path is shortened in its middle, so the words after it ("[ESC:中断]") stay in view.
  const std::size_t at = drawing.empty() ? std::u16string::npos : text.find(drawing);
  if (at == std::u16string::npos) return text;
  RECT part{};
  SendMessageW(StatusBar1, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
  HDC dc = GetDC(StatusBar1);
  HGDIOBJ old = SelectObject(dc, font_);
  const auto width = [dc](const std::u16string& s) {
    SIZE size{};
    GetTextExtentPoint32W(dc, Wide(s), static_cast<int>(s.size()), &size);
    return static_cast<int>(size.cx);
  };
  const int room = (part.right - part.left) - scale_(12) - width(text) + width(drawing);
  std::u16string shown = text;
  if (width(text) > part.right - part.left - scale_(12) && room > 0) {
    std::vector<wchar_t> path(drawing.begin(), drawing.end());
    path.push_back(L'\0');
    if (PathCompactPathW(dc, path.data(), static_cast<UINT>(room)))
      shown.replace(at, drawing.size(), reinterpret_cast<const char16_t*>(path.data()));
  }
  SelectObject(dc, old);
  ReleaseDC(StatusBar1, dc);
  return shown;
}

bool TForm1::Question(const std::u16string& text) {
  if (AutoAnswer != nullptr) return AutoAnswer(text);
  return MessageBoxW(form_, Wide(text), Wide(kWindowTitle),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
}

void TForm1::Notice(const std::u16string& text) {
  if (AutoAnswer != nullptr) {
    AutoAnswer(text);
    return;
  }
  MessageBoxW(form_, Wide(text), Wide(kWindowTitle), MB_OK | MB_ICONQUESTION);
}

}  // namespace tavolex
