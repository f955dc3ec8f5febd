// Tabs "線色・線幅" (TPenTab) and "線　種" (TLtypeTab), and the services both use.
#include "app/winwindow/Unit1.h"

#include "app/winwindow/LtypeTab.h"
#include "app/winwindow/PenTab.h"
#include "app/winwindow/TableTabServices.h"

namespace tavolex {

TWinTableTabServices TForm1::TableTabServices() {
  TWinTableTabServices services = DefaultWinTableTabServices(
      App.Settings, [this] { return App.JWW.get(); }, form_);
  services.ShowStatus = [this](const std::u16string& text) { SetStatus(text, {}); };
  services.DisplayOnlyColourChanged = [this](int colour) {
    PaintSwatch(static_cast<COLORREF>(colour));
  };
  return services;
}

void TForm1::BuildTableTabs() {
  RECT area{};
  GetClientRect(TabSheet3, &area);
  // The tabs lay out their controls at 96 dpi over the whole page.
  const SIZE page{MulDiv(area.right, 96, scale_.dpi()), MulDiv(area.bottom, 96, scale_.dpi())};
  PenTab = std::make_unique<TPenTab>(TabSheet3, scale_, font_, TableTabServices(), page);
  penPage_.to = PenTab.get();
  LtypeTab = std::make_unique<TLtypeTab>(TabSheet4, scale_, font_, TableTabServices(), page);
  ltypePage_.to = LtypeTab.get();
}

}  // namespace tavolex
