// The small pieces every part of the Windows window builds with: layout units that follow the
// screen's dpi, child controls in the window's font, their texts as UTF-16, and the tab pages
// that hand their controls' messages to the object that owns them.
#pragma once

#include <string>
#include <vector>

#include "platform/win/WinHeaders.h"

namespace tavolex {

// The form is laid out in pixels at 96 dpi, as it was designed; every position and size is
// scaled to the dpi the window is shown at, so the layout keeps its proportions.
class TLayoutScale {
 public:
  explicit TLayoutScale(int dpi = 96) : dpi_(dpi) {}
  int dpi() const { return dpi_; }
  int operator()(int at96) const { return MulDiv(at96, dpi_, 96); }
  RECT Rect(int x, int y, int w, int h) const;

 private:
  int dpi_;
};

// The dpi of the screen as the system gives it (96 when it does not).
int SystemDpi();

// UTF-16 text as the W functions take it.
inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A window class of this program with the arrow cursor; background nullptr for a window that
// paints all of itself. Registered once; false when the system refused it.
bool RegisterWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background, UINT style = 0,
                         HICON icon = nullptr);

// A rectangle at 96 dpi: left, top, width, height.
struct TPlace {
  int x = 0, y = 0, w = 0, h = 0;
};

// A child control of a window class (WC_BUTTON, WC_EDIT …) with its id, text and font.
HWND MakeControl(HWND parent, const wchar_t* windowClass, const std::u16string& text, DWORD style,
                 int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
                 DWORD exStyle = 0);
HWND MakeButton(HWND parent, const std::u16string& text, int id, const TPlace& at,
                const TLayoutScale& scale, HFONT font);
HWND MakeCheckBox(HWND parent, const std::u16string& text, int id, const TPlace& at,
                  const TLayoutScale& scale, HFONT font);
// The first radio button of a group starts it (WS_GROUP).
HWND MakeRadioButton(HWND parent, const std::u16string& text, int id, bool firstOfGroup,
                     const TPlace& at, const TLayoutScale& scale, HFONT font);
HWND MakeEdit(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
              DWORD extraStyle = 0);
HWND MakeLabel(HWND parent, const std::u16string& text, int id, const TPlace& at,
               const TLayoutScale& scale, HFONT font, DWORD extraStyle = 0);
HWND MakeGroupBox(HWND parent, const std::u16string& text, const TPlace& at,
                  const TLayoutScale& scale, HFONT font);

std::u16string ControlText(HWND control);
void SetControlText(HWND control, const std::u16string& text);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// The Japanese interface font of the system (the message font of the non-client metrics) at the
// window's dpi; the caller deletes it.
HFONT MakeInterfaceFont(const TLayoutScale& scale);

// What a tab page's controls send to their page: commands, notifications and the colour of
// static controls. Each returns true when it handled the message.
class TPageHandler {
 public:
  virtual ~TPageHandler() = default;
  virtual bool OnCommand(int id, int code, HWND control) {
    (void)id, (void)code, (void)control;
    return false;
  }
  virtual bool OnNotify(const NMHDR& header, LRESULT& result) {
    (void)header, (void)result;
    return false;
  }
  // A brush for a static control (a colour swatch); nullptr for the default.
  virtual HBRUSH OnStaticColor(HDC dc, HWND control) {
    (void)dc, (void)control;
    return nullptr;
  }
};

// A handler that hands a page's messages on to one made after the page (a tab object that takes
// its page when made).
class TPageForward : public TPageHandler {
 public:
  TPageHandler* to = nullptr;
  bool OnCommand(int id, int code, HWND control) override {
    return to != nullptr && to->OnCommand(id, code, control);
  }
  bool OnNotify(const NMHDR& header, LRESULT& result) override {
    return to != nullptr && to->OnNotify(header, result);
  }
  HBRUSH OnStaticColor(HDC dc, HWND control) override {
    return to != nullptr ? to->OnStaticColor(dc, control) : nullptr;
  }
};

// A page: a plain child window over the area of a tab whose messages from its controls go to
// the handler (which must outlive the page). Its background is the dialog colour.
HWND MakePage(HWND parent, const RECT& area, TPageHandler* handler);

}  // namespace tavolex

namespace tavolex {

// A list box with the given selection style (LBS_EXTENDEDSEL …), scrolled when it overflows.
HWND MakeListBox(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
                 DWORD extraStyle = 0);
// A drop-down list of fixed items.
HWND MakeComboBox(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
                  const std::vector<std::u16string>& items);
// An up-down control at the right of its buddy edit, which shows its position (0..maximum).
HWND MakeUpDown(HWND parent, int id, HWND buddy, int maximum);
int UpDownPosition(HWND upDown);
void SetUpDownPosition(HWND upDown, int position);

// The letter a caption underlines with "&" (upper case); 0 for none.
wchar_t MnemonicOf(const std::u16string& caption);
// Clicks the first of the controls, in order, that is on screen, enabled and underlines the
// letter; true when one did. Buttons that share a letter then act as the first one on show.
bool ClickMnemonic(const std::vector<HWND>& controls, wchar_t letter);

}  // namespace tavolex
