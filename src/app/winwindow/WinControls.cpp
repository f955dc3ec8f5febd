#include "app/winwindow/WinControls.h"

#include <commctrl.h>

#include <vector>

namespace tavolex {

namespace {

const wchar_t kPageClass[] = L"TavolexPage";

LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* handler = reinterpret_cast<TPageHandler*>(GetWindowLongPtrW(page, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_COMMAND:
      if (handler != nullptr &&
          handler->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
        return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (handler != nullptr && handler->OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
        return result;
      break;
    }
    case WM_CTLCOLORSTATIC:
      if (handler != nullptr) {
        if (HBRUSH brush = handler->OnStaticColor(reinterpret_cast<HDC>(wParam),
                                                  reinterpret_cast<HWND>(lParam)))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(page, message, wParam, lParam);
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

bool RegisterWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background, UINT style,
                         HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  return GetClassInfoExW(wc.hInstance, name, &existing) || RegisterClassExW(&wc) != 0;
}

RECT TLayoutScale::Rect(int x, int y, int w, int h) const {
  const TLayoutScale& s = *this;
  return RECT{s(x), s(y), s(x + w), s(y + h)};
}

HWND MakeControl(HWND parent, const wchar_t* windowClass, const std::u16string& text, DWORD style,
                 int id, const TPlace& at, const TLayoutScale& scale, HFONT font, DWORD exStyle) {
  const RECT r = scale.Rect(at.x, at.y, at.w, at.h);
  HWND control = CreateWindowExW(exStyle, windowClass, Wide(text), WS_CHILD | WS_VISIBLE | style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (control != nullptr && font != nullptr)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

HWND MakeButton(HWND parent, const std::u16string& text, int id, const TPlace& at,
                const TLayoutScale& scale, HFONT font) {
  return MakeControl(parent, WC_BUTTONW, text, WS_TABSTOP | BS_PUSHBUTTON, id, at, scale, font);
}

HWND MakeCheckBox(HWND parent, const std::u16string& text, int id, const TPlace& at,
                  const TLayoutScale& scale, HFONT font) {
  return MakeControl(parent, WC_BUTTONW, text, WS_TABSTOP | BS_AUTOCHECKBOX, id, at, scale, font);
}

HWND MakeRadioButton(HWND parent, const std::u16string& text, int id, bool firstOfGroup,
                     const TPlace& at, const TLayoutScale& scale, HFONT font) {
  const DWORD group = firstOfGroup ? (WS_GROUP | WS_TABSTOP) : 0;
  return MakeControl(parent, WC_BUTTONW, text, group | BS_AUTORADIOBUTTON, id, at, scale, font);
}

HWND MakeEdit(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
              DWORD extraStyle) {
  return MakeControl(parent, WC_EDITW, u"", WS_TABSTOP | ES_AUTOHSCROLL | extraStyle, id, at, scale,
                     font, WS_EX_CLIENTEDGE);
}

HWND MakeLabel(HWND parent, const std::u16string& text, int id, const TPlace& at,
               const TLayoutScale& scale, HFONT font, DWORD extraStyle) {
  return MakeControl(parent, WC_STATICW, text, extraStyle, id, at, scale, font);
}

HWND MakeGroupBox(HWND parent, const std::u16string& text, const TPlace& at,
                  const TLayoutScale& scale, HFONT font) {
  return MakeControl(parent, WC_BUTTONW, text, BS_GROUPBOX, -1, at, scale, font);
}

std::u16string ControlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(control, buffer.data(), length + 1);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()),
                        static_cast<std::size_t>(got > 0 ? got : 0));
}

void SetControlText(HWND control, const std::u16string& text) {
  SetWindowTextW(control, Wide(text));
}

bool IsChecked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HFONT MakeInterfaceFont(const TLayoutScale& scale) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTW font{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    font = metrics.lfMessageFont;
  } else {
    font.lfHeight = -12;
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS UI Gothic", LF_FACESIZE);
  }
  // The system metrics are given at the system's dpi; the window's may differ.
  const int systemDpi = SystemDpi();
  if (systemDpi != scale.dpi()) font.lfHeight = MulDiv(font.lfHeight, scale.dpi(), systemDpi);
  return CreateFontIndirectW(&font);
}

HWND MakePage(HWND parent, const RECT& area, TPageHandler* handler) {
  RegisterWindowClass(kPageClass, PageProc, GetSysColorBrush(COLOR_BTNFACE));
  return CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPSIBLINGS,
                         area.left, area.top, area.right - area.left, area.bottom - area.top,
                         parent, nullptr, GetModuleHandleW(nullptr), handler);
}

}  // namespace tavolex

namespace tavolex {

HWND MakeListBox(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
                 DWORD extraStyle) {
  return MakeControl(
      parent, WC_LISTBOXW, u"",
      WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle, id, at,
      scale, font, WS_EX_CLIENTEDGE);
}

HWND MakeComboBox(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
                  const std::vector<std::u16string>& items) {
  // The height includes the dropped-down list.
  TPlace withList = at;
  withList.h = at.h * 10;
  HWND combo = MakeControl(parent, WC_COMBOBOXW, u"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                           id, withList, scale, font);
  for (const std::u16string& item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  return combo;
}

HWND MakeUpDown(HWND parent, int id, HWND buddy, int maximum) {
  HWND upDown = CreateWindowExW(
      0, UPDOWN_CLASSW, L"",
      WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
      0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
      nullptr);
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageW(upDown, UDM_SETRANGE32, 0, maximum);
  SendMessageW(upDown, UDM_SETPOS32, 0, 0);
  return upDown;
}

int UpDownPosition(HWND upDown) {
  // The buddy's text may have been typed over; the control reads it back and keeps it in range.
  BOOL failed = FALSE;
  const LRESULT position = SendMessageW(upDown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
  return static_cast<int>(position);
}

void SetUpDownPosition(HWND upDown, int position) {
  SendMessageW(upDown, UDM_SETPOS32, 0, position);
}

namespace {

wchar_t UpperLetter(wchar_t letter) {
  // CharUpperW takes a single character in the low word of its pointer argument.
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
      CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(letter)))));
}

}  // namespace

wchar_t MnemonicOf(const std::u16string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;  // "&&" is a plain ampersand
      continue;
    }
    return UpperLetter(static_cast<wchar_t>(caption[i + 1]));
  }
  return 0;
}

bool ClickMnemonic(const std::vector<HWND>& controls, wchar_t letter) {
  const wchar_t upper = UpperLetter(letter);
  for (HWND control : controls) {
    if (control == nullptr || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (MnemonicOf(ControlText(control)) != upper) continue;
    SetFocus(control);
    SendMessageW(control, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace tavolex
