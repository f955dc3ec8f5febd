#include "app/winwindow/StringGrid.h"

#include <commctrl.h>

#include <algorithm>

namespace tavolex {

namespace {

std::u16string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int got = GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

void TStringGrid::StartEdit(const std::u16string& text, bool selectAll) {
  const TGridCoord c = current_;
  if (!Editable(c.row, c.col)) return;
  EndEdit(true, true);
  MakeVisible(c);
  if (edit_ == nullptr) {
    edit_ = CreateWindowExW(0, WC_EDITW, L"", WS_CHILD | ES_AUTOHSCROLL | ES_LEFT, 0, 0, 0, 0,
                            hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (edit_ == nullptr) return;
    SetWindowSubclass(edit_, EditorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
  }
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // The field as high as its text, centred in the cell as the cell's own text is.
  TEXTMETRICW tm{};
  HDC dc = GetDC(edit_);
  HGDIOBJ old = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(edit_, dc);
  const RECT r = CellRect(c.row, c.col);
  const int height = std::min<int>(tm.tmHeight + 2, rowHeight_ - 2);
  const int top = r.top + (rowHeight_ - 1 - height) / 2;
  SetWindowTextW(edit_, reinterpret_cast<const wchar_t*>(text.c_str()));
  SetWindowPos(edit_, HWND_TOP, r.left + kTextMargin - 1, top, r.right - r.left - kTextMargin - 1,
               height, SWP_SHOWWINDOW);
  editRow_ = c.row;
  editCol_ = c.col;
  SetFocus(edit_);
  const auto length = static_cast<LPARAM>(text.size());
  SendMessageW(edit_, EM_SETSEL, selectAll ? 0 : static_cast<WPARAM>(length), length);
}

void TStringGrid::EndEdit(bool commit, bool keepFocus) {
  if (!editing() || endingEdit_) return;
  endingEdit_ = true;
  const int row = editRow_;
  const int col = editCol_;
  const std::u16string text = WindowText(edit_);
  editRow_ = editCol_ = 0;
  // The grid takes the focus before the field goes, so the keyboard keeps a window.
  if (keepFocus && GetFocus() == edit_) SetFocus(hwnd_);
  ShowWindow(edit_, SW_HIDE);
  endingEdit_ = false;
  if (commit && text != Cell(row, col)) {
    SetCell(row, col, text);
    if (OnCellChanged) OnCellChanged(row, col);
  }
  Repaint();
}

// Keys that end an edit: Esc drops it, Enter, Tab and the row moves keep it and move on.
bool TStringGrid::OnEditorKey(WPARAM key) {
  switch (key) {
    case VK_ESCAPE:
      EndEdit(false, true);
      return true;
    case VK_RETURN:
    case VK_TAB:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      EndEdit(true, true);
      OnKeyDown(key);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK TStringGrid::EditorProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data) {
  auto* grid = reinterpret_cast<TStringGrid*>(data);
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (grid->OnEditorKey(wParam)) return 0;
      break;
    case WM_CHAR:
      // Their keys were handled on key down; the field would only beep.
      if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      grid->EndEdit(true, false);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EditorProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace tavolex
