// Pieces the pen and line-type tabs both build with: the choice of where the table comes from,
// and a table grid with its header row and row names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/winwindow/StringGrid.h"
#include "app/winwindow/WinControls.h"

namespace tavolex {

// A group box of radio buttons; the item index is the position of the checked button.
struct TRadioGroup {
  HWND box = nullptr;
  std::vector<HWND> items;
  int ItemIndex() const;  // 0 when none is checked
  void SetItemIndex(int index);
};

// "図面データから取得" (index 0) and "下記で手動設定" (index 1); their ids are firstId and the
// next.
TRadioGroup MakeTableSourceGroup(HWND parent, int firstId, const TPlace& at,
                                 const TLayoutScale& scale, HFONT font);

// A grid of rows × cols with the fixed texts of fixedText(row, col) and the column widths of
// colWidth(col), rows rowHeight high (96 dpi).
std::unique_ptr<TStringGrid> MakeTableGrid(HWND parent, int id, const TPlace& at,
                                           const TLayoutScale& scale, HFONT font, int rows,
                                           int cols, std::u16string (*fixedText)(int, int),
                                           int (*colWidth)(int), int rowHeight);

}  // namespace tavolex
