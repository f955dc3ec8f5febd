// Tab "線　種": the line-type table (TLtypeTab).
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"

namespace tavolex {

QWidget* TForm1::BuildLtypeTab() {
  LtypeTab = new TLtypeTab(TableTabServices());
  return LtypeTab;
}

void TForm1::LtypeTabToSettings() {
  LtypeTab->FormToSettings(App.Settings);
}

void TForm1::SettingsToLtypeTab() {
  LtypeTab->SettingsToForm(App.Settings);
}

}  // namespace tavolex
