// The tab "線　種": the line-type grid SG02, the line-type unit Edit10 and the imports from
// Jw_cad's files.
#pragma once

#include <memory>

#include "app/PenGrids.h"
#include "app/winwindow/StringGrid.h"
#include "app/winwindow/TableTabControls.h"
#include "app/winwindow/TableTabServices.h"
#include "app/winwindow/WinControls.h"

namespace tavolex {

struct TTableImport;

class TLtypeTab : public TPageHandler {
 public:
  // pageSize: the page's size at 96 dpi, which the controls fill.
  TLtypeTab(HWND page, const TLayoutScale& scale, HFONT font, TWinTableTabServices services,
            SIZE pageSize = SIZE{560, 430});

  // RadioGroup4, LtypeUnit (Edit10) and the line-type table from and to the controls.
  void FormToSettings(TPrintSettings& s) const;
  void SettingsToForm(const TPrintSettings& s);

  bool OnCommand(int id, int code, HWND control) override;

  TRadioGroup RadioGroup4;
  std::unique_ptr<TStringGrid> SG02;
  HWND Edit10 = nullptr;
  HWND Button10 = nullptr;
  HWND Button11 = nullptr;

  void Button10Click();
  void Button11Click();

 private:
  void ShowLtypeRow(int row, const TPrnLtype& lt);
  void ShowImport(const TTableImport& r);

  TWinTableTabServices services_;
};

}  // namespace tavolex
