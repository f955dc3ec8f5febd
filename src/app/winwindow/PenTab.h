// The tab "線色・線幅": the pen grid SG01 with its colour swatches, the bulk input of colour,
// width and point radius over the selected rows, and the imports from Jw_cad's files.
#pragma once

#include <memory>

#include "app/PenGrids.h"
#include "app/winwindow/StringGrid.h"
#include "app/winwindow/TableTabControls.h"
#include "app/winwindow/TableTabServices.h"
#include "app/winwindow/WinControls.h"

namespace tavolex {

struct TTableImport;

class TPenTab : public TPageHandler {
 public:
  // pageSize: the page's size at 96 dpi, which the controls fill.
  TPenTab(HWND page, const TLayoutScale& scale, HFONT font, TWinTableTabServices services,
          SIZE pageSize = SIZE{560, 430});
  ~TPenTab() override;
  TPenTab(const TPenTab&) = delete;
  TPenTab& operator=(const TPenTab&) = delete;

  // RadioGroup3, InpCol/InpWid/InpTenR and the pen table from and to the controls.
  void FormToSettings(TPrintSettings& s) const;
  void SettingsToForm(const TPrintSettings& s);

  bool OnCommand(int id, int code, HWND control) override;
  HBRUSH OnStaticColor(HDC dc, HWND control) override;

  TRadioGroup RadioGroup3;
  std::unique_ptr<TStringGrid> SG01;
  HWND Edit7 = nullptr;
  HWND Edit8 = nullptr;
  HWND Edit9 = nullptr;
  HWND LabelA3 = nullptr;
  HWND Button5 = nullptr;
  HWND Button6 = nullptr;
  HWND Button7 = nullptr;
  HWND Button8 = nullptr;
  HWND Button9 = nullptr;

  // True when the double click chose a colour cell (the colour dialog, not the cell editor).
  bool SG01DblClick(int row, int col);
  void Edit7DblClick();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();

 private:
  static LRESULT CALLBACK Edit7Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR tab);
  void MakeBulkInput(const TLayoutScale& scale, HFONT font, int width);
  bool DrawSwatch(HDC dc, const RECT& cell, int row, int col) const;
  void PaintSwatch(uint32_t colour);
  void BulkInput(TBulkInput what, HWND field);
  void ShowImport(const TTableImport& r);

  HWND page_;
  TWinTableTabServices services_;
  HBRUSH swatchBrush_ = nullptr;
};

}  // namespace tavolex
