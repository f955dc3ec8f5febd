#include "app/winwindow/TableTabControls.h"

namespace tavolex {

int TRadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (IsChecked(items[i])) return static_cast<int>(i);
  return 0;
}

void TRadioGroup::SetItemIndex(int index) {
  for (std::size_t i = 0; i < items.size(); ++i)
    SetChecked(items[i], static_cast<int>(i) == index);
}

TRadioGroup MakeTableSourceGroup(HWND parent, int firstId, const TPlace& at,
                                 const TLayoutScale& scale, HFONT font) {
  TRadioGroup group;
  group.box = MakeGroupBox(parent, u"", at, scale, font);
  const std::u16string texts[] = {u"図面データから取得", u"下記で手動設定"};
  for (int i = 0; i < 2; ++i) {
    const TPlace place{at.x + 10, at.y + 14 + 24 * i, at.w - 16, 20};
    group.items.push_back(
        MakeRadioButton(parent, texts[i], firstId + i, i == 0, place, scale, font));
  }
  group.SetItemIndex(0);
  return group;
}

std::unique_ptr<TStringGrid> MakeTableGrid(HWND parent, int id, const TPlace& at,
                                           const TLayoutScale& scale, HFONT font, int rows,
                                           int cols, std::u16string (*fixedText)(int, int),
                                           int (*colWidth)(int), int rowHeight) {
  std::vector<int> widths;
  for (int c = 0; c < cols; ++c)
    widths.push_back(colWidth(c));
  auto grid =
      std::make_unique<TStringGrid>(parent, id, at, scale, font, rows, cols, widths, rowHeight);
  for (int c = 0; c < cols; ++c)
    grid->SetCell(0, c, fixedText(0, c));
  for (int r = 1; r < rows; ++r)
    grid->SetCell(r, 0, fixedText(r, 0));
  return grid;
}

}  // namespace tavolex
