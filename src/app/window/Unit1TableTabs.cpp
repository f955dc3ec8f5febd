// Tabs "線色・線幅" (TPenTab) and "線　種" (TLtypeTab), and the services both use.
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "app/window/tabs/TabWidgets.h"

namespace tavolex {

TTableTabServices TForm1::TableTabServices() {
  TTableTabServices services = DefaultTableTabServices(
      App.Settings, [this] { return App.JWW.get(); }, this);
  services.ShowStatus = [this](const QString& text) { SetStatus(text.toStdU16String()); };
  services.DisplayOnlyColourChanged = [this](int colour) {
    PaintSwatch(LabelA2, static_cast<uint32_t>(colour));
  };
  return services;
}

QWidget* TForm1::BuildPenTab() {
  PenTab = new TPenTab(TableTabServices());
  return PenTab;
}

QWidget* TForm1::BuildLtypeTab() {
  LtypeTab = new TLtypeTab(TableTabServices());
  return LtypeTab;
}

}  // namespace tavolex
