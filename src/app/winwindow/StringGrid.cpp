#include "app/winwindow/StringGrid.h"

#include <commctrl.h>

#include <algorithm>

namespace tavolex {

namespace {

const wchar_t kGridClass[] = L"TavolexStringGrid";
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragTimerMs = 60;

void RegisterGridClass(WNDPROC proc) {
  RegisterWindowClass(kGridClass, proc, nullptr, CS_DBLCLKS);
}

bool KeyDown(int key) {
  return GetKeyState(key) < 0;
}

}  // namespace

TStringGrid::TStringGrid(HWND parent, int id, const TPlace& at, const TLayoutScale& scale,
                         HFONT font, int rowCount, int colCount, const std::vector<int>& colWidths,
                         int rowHeight)
    : font_(font),
      rows_(std::max(rowCount, 2)),
      cols_(std::max(colCount, 2)),
      rowHeight_(std::max(scale(rowHeight), 4)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)),
      readOnlyCols_(static_cast<std::size_t>(cols_), false) {
  for (int c = 0; c < cols_; ++c) {
    const int w96 = colWidths.empty()
                        ? 64
                        : colWidths[std::min(static_cast<std::size_t>(c), colWidths.size() - 1)];
    widths_.push_back(std::max(scale(w96), 4));
  }
  RegisterGridClass(GridProc);
  const RECT r = scale.Rect(at.x, at.y, at.w, at.h);
  CreateWindowExW(WS_EX_CLIENTEDGE, kGridClass, L"",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
                  r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                  this);
  UpdateScrollBars();
}

TStringGrid::~TStringGrid() {
  if (hwnd_ == nullptr) return;
  // The window may outlive this object's owner by a moment; it must not reach back into it.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  if (edit_ != nullptr) RemoveWindowSubclass(edit_, EditorProc, kEditorSubclass);
  DestroyWindow(hwnd_);
}

// ---- cells -------------------------------------------------------------------------------

const std::u16string& TStringGrid::Cell(int row, int col) const {
  static const std::u16string none;
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return none;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                static_cast<std::size_t>(col)];
}

void TStringGrid::SetCell(int row, int col, const std::u16string& text) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
         static_cast<std::size_t>(col)] = text;
  const RECT r = CellRect(row, col);
  if (hwnd_ != nullptr && r.right > r.left) InvalidateRect(hwnd_, &r, FALSE);
}

TGridRect TStringGrid::Selection() const {
  return TGridRect{std::min(anchor_.row, current_.row), std::min(anchor_.col, current_.col),
                   std::max(anchor_.row, current_.row), std::max(anchor_.col, current_.col)};
}

void TStringGrid::FocusCell(int row, int col) {
  MoveTo(TGridCoord{row, col}, false);
}

void TStringGrid::SetReadOnlyColumn(int col) {
  if (col >= 0 && col < cols_) readOnlyCols_[static_cast<std::size_t>(col)] = true;
}

bool TStringGrid::Editable(int row, int col) const {
  return row >= 1 && row < rows_ && col >= 1 && col < cols_ &&
         !readOnlyCols_[static_cast<std::size_t>(col)];
}

HWND TStringGrid::Editor() const {
  return editing() ? edit_ : nullptr;
}

void TStringGrid::Repaint() const {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

// ---- layout ------------------------------------------------------------------------------

int TStringGrid::ColWidth(int col) const {
  return widths_[static_cast<std::size_t>(col)];
}

int TStringGrid::ColLeft(int col) const {
  if (col == 0) return 0;
  if (col < leftCol_) return -1;
  int x = ColWidth(0);
  for (int c = leftCol_; c < col; ++c)
    x += ColWidth(c);
  return x;
}

int TStringGrid::RowTop(int row) const {
  if (row == 0) return 0;
  if (row < topRow_) return -1;
  return rowHeight_ * (1 + row - topRow_);
}

// Empty when the cell is scrolled out of view.
RECT TStringGrid::CellRect(int row, int col) const {
  const int x = ColLeft(col);
  const int y = RowTop(row);
  if (x < 0 || y < 0) return RECT{0, 0, 0, 0};
  return RECT{x, y, x + ColWidth(col), y + rowHeight_};
}

SIZE TStringGrid::ClientSize() const {
  RECT r{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

int TStringGrid::VisibleRows() const {
  return std::max(1, (static_cast<int>(ClientSize().cy) - rowHeight_) / rowHeight_);
}

// Data columns fully in view from the first one shown; at least one.
int TStringGrid::VisibleCols() const {
  int room = ClientSize().cx - ColWidth(0);
  int count = 0;
  for (int c = leftCol_; c < cols_ && ColWidth(c) <= room; ++c) {
    room -= ColWidth(c);
    ++count;
  }
  return std::max(1, count);
}

int TStringGrid::MaxTopRow() const {
  return std::max(1, rows_ - VisibleRows());
}

// The first column in view when the last one is just fully in view.
int TStringGrid::MaxLeftCol() const {
  const int room = ClientSize().cx - ColWidth(0);
  int left = cols_ - 1;
  int used = ColWidth(left);
  while (left > 1 && used + ColWidth(left - 1) <= room) {
    used += ColWidth(left - 1);
    --left;
  }
  return left;
}

// The cell under a client point; {-1, -1} outside the cells, unless clampToData, which gives
// the nearest data cell one step beyond the view (a drag past an edge scrolls on).
TGridCoord TStringGrid::HitTest(POINT p, bool clampToData) const {
  int row = p.y < rowHeight_ ? (clampToData ? topRow_ - 1 : 0)
                             : topRow_ + (p.y - rowHeight_) / rowHeight_;
  int col = -1;
  if (p.x < ColWidth(0)) {
    col = clampToData ? leftCol_ - 1 : 0;
  } else {
    int x = ColWidth(0);
    for (int c = leftCol_; c < cols_; ++c) {
      x += ColWidth(c);
      if (p.x < x) {
        col = c;
        break;
      }
    }
    if (col < 0 && clampToData) col = cols_ - 1;
    if (clampToData && p.x >= ClientSize().cx) col = std::min(col + 1, cols_ - 1);
  }
  if (clampToData) {
    return TGridCoord{std::clamp(row, 1, rows_ - 1), std::clamp(col, 1, cols_ - 1)};
  }
  if (p.x < 0 || p.y < 0 || row >= rows_ || col < 0) return TGridCoord{-1, -1};
  return TGridCoord{row, col};
}

// ---- scrolling and moves -----------------------------------------------------------------

void TStringGrid::UpdateScrollBars() {
  if (hwnd_ == nullptr) return;
  // Positions count rows and columns from the first scrolled one; the page is what is left
  // in view at the last position, so the thumb stops where the last cell shows.
  const auto setBar = [this](int bar, int count, int maxFirst, int first) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = count - 2;
    si.nPage = static_cast<UINT>(count - maxFirst);
    si.nPos = first - 1;
    SetScrollInfo(hwnd_, bar, &si, TRUE);
  };
  // A bar that appears or goes changes the room of the other; twice settles both.
  for (int pass = 0; pass < 2; ++pass) {
    setBar(SB_VERT, rows_, MaxTopRow(), topRow_);
    setBar(SB_HORZ, cols_, MaxLeftCol(), leftCol_);
  }
}

void TStringGrid::ScrollTo(int topRow, int leftCol) {
  topRow = std::clamp(topRow, 1, MaxTopRow());
  leftCol = std::clamp(leftCol, 1, MaxLeftCol());
  if (topRow == topRow_ && leftCol == leftCol_) return;
  EndEdit(true, true);
  topRow_ = topRow;
  leftCol_ = leftCol;
  UpdateScrollBars();
  Repaint();
}

void TStringGrid::MakeVisible(TGridCoord cell) {
  int top = topRow_;
  if (cell.row < top) top = cell.row;
  if (cell.row >= top + VisibleRows()) top = cell.row - VisibleRows() + 1;
  int left = std::min(leftCol_, cell.col);
  const int room = ClientSize().cx - ColWidth(0);
  auto width = [this](int from, int to) {
    int w = 0;
    for (int c = from; c <= to; ++c)
      w += ColWidth(c);
    return w;
  };
  while (left < cell.col && width(left, cell.col) > room)
    ++left;
  ScrollTo(top, left);
}

void TStringGrid::MoveTo(TGridCoord cell, bool extend) {
  cell.row = std::clamp(cell.row, 1, rows_ - 1);
  cell.col = std::clamp(cell.col, 1, cols_ - 1);
  EndEdit(true, true);
  const TGridCoord anchor = extend ? anchor_ : cell;
  if (cell == current_ && anchor == anchor_) return;
  current_ = cell;
  anchor_ = anchor;
  MakeVisible(cell);
  Repaint();
}

void TStringGrid::TabMove(bool backwards) {
  TGridCoord next = current_;
  next.col += backwards ? -1 : 1;
  if (next.col >= cols_) next = TGridCoord{next.row + 1, 1};
  if (next.col < 1) next = TGridCoord{next.row - 1, cols_ - 1};
  if (next.row < 1 || next.row >= rows_) {
    // Past the first or last cell the focus goes on to the page's other controls.
    EndEdit(true, true);
    HWND other = GetNextDlgTabItem(GetParent(hwnd_), hwnd_, backwards ? TRUE : FALSE);
    if (other != nullptr && other != hwnd_) SetFocus(other);
    return;
  }
  MoveTo(next, false);
}

void TStringGrid::OnKeyDown(WPARAM key) {
  const bool shift = KeyDown(VK_SHIFT);
  const bool ctrl = KeyDown(VK_CONTROL);
  const TGridCoord c = current_;
  const int page = VisibleRows();
  switch (key) {
    case VK_UP:
      MoveTo({c.row - 1, c.col}, shift);
      break;
    case VK_DOWN:
      MoveTo({c.row + 1, c.col}, shift);
      break;
    case VK_LEFT:
      MoveTo({c.row, c.col - 1}, shift);
      break;
    case VK_RIGHT:
      MoveTo({c.row, c.col + 1}, shift);
      break;
    case VK_PRIOR:
      ScrollTo(topRow_ - page, leftCol_);
      MoveTo({c.row - page, c.col}, shift);
      break;
    case VK_NEXT:
      ScrollTo(topRow_ + page, leftCol_);
      MoveTo({c.row + page, c.col}, shift);
      break;
    case VK_HOME:
      MoveTo({ctrl ? 1 : c.row, 1}, shift);
      break;
    case VK_END:
      MoveTo({ctrl ? rows_ - 1 : c.row, cols_ - 1}, shift);
      break;
    case VK_TAB:
      TabMove(shift);
      break;
    case VK_RETURN:
      MoveTo({c.row + (shift ? -1 : 1), c.col}, false);
      break;
    case VK_F2:
      if (Editable(c.row, c.col)) StartEdit(Cell(c.row, c.col), false);
      break;
    default:
      break;
  }
}

void TStringGrid::OnScroll(int bar, int request) {
  const bool vertical = bar == SB_VERT;
  const int position = vertical ? topRow_ - 1 : leftCol_ - 1;
  const int page = vertical ? VisibleRows() : VisibleCols();
  int to = position;
  switch (request) {
    case SB_LINEUP:
      to = position - 1;
      break;
    case SB_LINEDOWN:
      to = position + 1;
      break;
    case SB_PAGEUP:
      to = position - page;
      break;
    case SB_PAGEDOWN:
      to = position + page;
      break;
    case SB_TOP:
      to = 0;
      break;
    case SB_BOTTOM:
      to = (vertical ? rows_ : cols_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(hwnd_, bar, &si);
      to = si.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (vertical)
    ScrollTo(to + 1, leftCol_);
  else
    ScrollTo(topRow_, to + 1);
}

void TStringGrid::OnWheel(int delta) {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step = lines == WHEEL_PAGESCROLL ? VisibleRows() : static_cast<int>(lines);
  wheelRest_ += delta;
  const int notches = wheelRest_ / WHEEL_DELTA;
  wheelRest_ -= notches * WHEEL_DELTA;
  if (notches != 0) ScrollTo(topRow_ - notches * step, leftCol_);
}

void TStringGrid::OnMouseDown(POINT p, bool shift) {
  EndEdit(true, true);
  SetFocus(hwnd_);
  const TGridCoord hit = HitTest(p, false);
  if (hit.row < 1 || hit.col < 0) return;
  rowDrag_ = hit.col == 0;
  if (rowDrag_) {
    // A row name selects its whole row; a drag or Shift over the names more rows.
    if (!shift) anchor_.row = hit.row;
    anchor_.col = cols_ - 1;
    MoveTo({hit.row, 1}, true);
    Repaint();  // the anchor alone may have changed
  } else {
    MoveTo(hit, shift);
  }
  dragging_ = true;
  SetCapture(hwnd_);
  SetTimer(hwnd_, kDragTimer, kDragTimerMs, nullptr);
}

void TStringGrid::OnMouseDrag(POINT p) {
  const TGridCoord cell = HitTest(p, true);
  MoveTo(rowDrag_ ? TGridCoord{cell.row, 1} : cell, true);
}

// ---- messages ----------------------------------------------------------------------------

LRESULT CALLBACK TStringGrid::GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* grid =
        static_cast<TStringGrid*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    grid->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(grid));
  }
  auto* grid = reinterpret_cast<TStringGrid*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (grid == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    grid->hwnd_ = nullptr;
    grid->edit_ = nullptr;
    grid->editRow_ = grid->editCol_ = 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return grid->OnMessage(message, wParam, lParam);
}

LRESULT TStringGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT mouse{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      // Drawn off screen and copied in one piece, so scrolling does not flicker.
      const SIZE size = ClientSize();
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP bitmap =
          CreateCompatibleBitmap(dc, std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1));
      HGDIOBJ old = SelectObject(memory, bitmap);
      Paint(memory);
      BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteObject(bitmap);
      DeleteDC(memory);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateScrollBars();
      ScrollTo(topRow_, leftCol_);
      Repaint();
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) Repaint();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Repaint();
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_CHAR:
      if (editing()) {
        SendMessageW(edit_, WM_CHAR, wParam, lParam);
      } else if (wParam >= 0x20 && wParam != 0x7F && Editable(current_.row, current_.col)) {
        // Typing over a cell replaces its text, as in a spreadsheet.
        StartEdit(std::u16string(1, static_cast<char16_t>(wParam)), false);
      }
      return 0;
    case WM_IME_STARTCOMPOSITION:
      // The input method composes in the edit field, which starts empty.
      if (!editing()) StartEdit(u"", false);
      if (editing()) return SendMessageW(edit_, message, wParam, lParam);
      break;
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
      if (editing()) return SendMessageW(edit_, message, wParam, lParam);
      break;
    case WM_LBUTTONDOWN:
      OnMouseDown(mouse, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) OnMouseDrag(mouse);
      return 0;
    case WM_TIMER:
      if (wParam == kDragTimer && dragging_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const SIZE size = ClientSize();
        if (p.x < 0 || p.y < 0 || p.x >= size.cx || p.y >= size.cy) OnMouseDrag(p);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      KillTimer(hwnd_, kDragTimer);
      return 0;
    case WM_LBUTTONDBLCLK: {
      const TGridCoord hit = HitTest(mouse, false);
      if (hit.row < 1 || hit.col < 1) return 0;
      MoveTo(hit, false);
      const bool handled = OnDblClick && OnDblClick(hit.row, hit.col);
      if (!handled && Editable(hit.row, hit.col)) StartEdit(Cell(hit.row, hit.col), true);
      return 0;
    }
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace tavolex
