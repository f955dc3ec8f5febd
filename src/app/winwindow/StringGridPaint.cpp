#include "app/winwindow/StringGrid.h"

#include <algorithm>

namespace tavolex {

namespace {

void FillColour(HDC dc, const RECT& r, int sysColour) {
  FillRect(dc, &r, GetSysColorBrush(sysColour));
}

// A frame of the given thickness inside r.
void Frame(HDC dc, const RECT& r, int thickness, int sysColour) {
  HBRUSH brush = GetSysColorBrush(sysColour);
  const RECT sides[] = {{r.left, r.top, r.right, r.top + thickness},
                        {r.left, r.bottom - thickness, r.right, r.bottom},
                        {r.left, r.top, r.left + thickness, r.bottom},
                        {r.right - thickness, r.top, r.right, r.bottom}};
  for (const RECT& side : sides)
    FillRect(dc, &side, brush);
}

}  // namespace

void TStringGrid::PaintCell(HDC dc, int row, int col, const RECT& r) const {
  const bool fixed = row == 0 || col == 0;
  const bool focused = !fixed && current_ == TGridCoord{row, col};
  const bool selected = !fixed && !focused && Selection().Contains(row, col);
  RECT inner{r.left, r.top, r.right - 1, r.bottom - 1};
  FillColour(dc, r, fixed ? COLOR_BTNSHADOW : COLOR_BTNFACE);  // the grid lines
  FillColour(dc, inner, fixed ? COLOR_BTNFACE : (selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (fixed) DrawEdge(dc, &inner, BDR_RAISEDINNER, BF_TOPLEFT);
  if (fixed || !OnDrawCell || !OnDrawCell(dc, inner, row, col)) {
    SetTextColor(dc, GetSysColor(fixed ? COLOR_BTNTEXT
                                       : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
    RECT text{inner.left + kTextMargin, inner.top, inner.right - kTextMargin, inner.bottom};
    const std::u16string& s = Cell(row, col);
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(s.c_str()), static_cast<int>(s.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if (focused) {
    const HWND focus = GetFocus();
    const bool active = focus == hwnd_ || (focus != nullptr && focus == edit_);
    Frame(dc, inner, active ? 2 : 1, active ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW);
  }
}

void TStringGrid::Paint(HDC dc) const {
  const SIZE size = ClientSize();
  const RECT all{0, 0, size.cx, size.cy};
  FillColour(dc, all, COLOR_WINDOW);
  HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  for (int row = 0; row < rows_; row = row == 0 ? topRow_ : row + 1) {
    const int y = RowTop(row);
    if (y >= size.cy) break;
    for (int col = 0; col < cols_; col = col == 0 ? leftCol_ : col + 1) {
      const int x = ColLeft(col);
      if (x >= size.cx) break;
      PaintCell(dc, row, col, RECT{x, y, x + ColWidth(col), y + rowHeight_});
    }
  }
  SelectObject(dc, oldFont);
}

}  // namespace tavolex
