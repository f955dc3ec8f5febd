// A grid of text cells for the table tabs: a fixed header row and a fixed row-name column, scroll
// bars, a focused cell and a rectangular selection, keyboard and mouse moves, and editing in
// place in a child edit field (which also takes the input method's text).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/winwindow/WinControls.h"

namespace tavolex {

// A cell: row 0 is the header row, column 0 the row names.
struct TGridCoord {
  int row = 0;
  int col = 0;
  bool operator==(const TGridCoord&) const = default;
};

// A range of data cells, both ends included.
struct TGridRect {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  bool operator==(const TGridRect&) const = default;
  bool Contains(int row, int col) const {
    return row >= top && row <= bottom && col >= left && col <= right;
  }
};

class TStringGrid {
 public:
  // colWidths and rowHeight in pixels at 96 dpi; missing widths repeat the last one.
  TStringGrid(HWND parent, int id, const TPlace& at, const TLayoutScale& scale, HFONT font,
              int rowCount, int colCount, const std::vector<int>& colWidths, int rowHeight);
  ~TStringGrid();
  TStringGrid(const TStringGrid&) = delete;
  TStringGrid& operator=(const TStringGrid&) = delete;

  HWND Handle() const { return hwnd_; }
  int RowCount() const { return rows_; }
  int ColCount() const { return cols_; }

  // Empty for a cell outside the grid.
  const std::u16string& Cell(int row, int col) const;
  // A cell outside the grid is ignored; no change notice is given.
  void SetCell(int row, int col, const std::u16string& text);

  TGridRect Selection() const;
  TGridCoord FocusedCell() const { return current_; }
  // Moves the focus to a data cell and selects it alone.
  void FocusCell(int row, int col);

  // Cells of the column cannot be edited (the header row and row names never can).
  void SetReadOnlyColumn(int col);
  bool Editable(int row, int col) const;
  // The edit field while a cell is being edited, else nullptr.
  HWND Editor() const;

  void Repaint() const;

  // Paints a data cell instead of its text; true when it did. The grid draws the focus after.
  std::function<bool(HDC dc, const RECT& cell, int row, int col)> OnDrawCell;
  // The user changed the text of a cell by editing it.
  std::function<void(int row, int col)> OnCellChanged;
  // A double click on a data cell; true when handled, else an editable cell is edited.
  std::function<bool(int row, int col)> OnDblClick;

 private:
  static constexpr UINT_PTR kEditorSubclass = 1;
  static constexpr int kTextMargin = 3;  // pixels between a cell's edge and its text

  static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditorProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR grid);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnEditorKey(WPARAM key);

  // Layout.
  int ColWidth(int col) const;
  int ColLeft(int col) const;  // client x of a column in view (fixed or scrolled)
  int RowTop(int row) const;
  RECT CellRect(int row, int col) const;
  SIZE ClientSize() const;
  int VisibleRows() const;
  int VisibleCols() const;
  int MaxTopRow() const;
  int MaxLeftCol() const;
  TGridCoord HitTest(POINT p, bool clampToData) const;

  // Scrolling and moves.
  void UpdateScrollBars();
  void ScrollTo(int topRow, int leftCol);
  void MakeVisible(TGridCoord cell);
  void MoveTo(TGridCoord cell, bool extend);
  void OnKeyDown(WPARAM key);
  void TabMove(bool backwards);
  void OnScroll(int bar, int request);
  void OnWheel(int delta);
  void OnMouseDown(POINT p, bool shift);
  void OnMouseDrag(POINT p);

  // Painting.
  void Paint(HDC dc) const;
  void PaintCell(HDC dc, int row, int col, const RECT& r) const;

  // Editing.
  void StartEdit(const std::u16string& text, bool selectAll);
  // keepFocus: the grid takes the keyboard back (not when the focus is leaving for elsewhere).
  void EndEdit(bool commit, bool keepFocus);
  bool editing() const { return editRow_ > 0; }

  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
  HFONT font_ = nullptr;
  int rows_ = 0;
  int cols_ = 0;
  int rowHeight_ = 0;
  std::vector<int> widths_;
  std::vector<std::u16string> cells_;
  std::vector<bool> readOnlyCols_;
  int topRow_ = 1;   // first data row in view
  int leftCol_ = 1;  // first data column in view
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  bool dragging_ = false;
  bool rowDrag_ = false;  // a drag over the row names selects whole rows
  int wheelRest_ = 0;
  int editRow_ = 0;
  int editCol_ = 0;
  bool endingEdit_ = false;
};

}  // namespace tavolex
