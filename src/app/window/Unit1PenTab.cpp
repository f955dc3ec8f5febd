// Tab "線色・線幅": the pen table (TPenTab), and the services both table tabs use.
#include "app/window/Unit1.h"
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

void TForm1::PenTabToSettings() {
  PenTab->FormToSettings(App.Settings);
}

void TForm1::SettingsToPenTab() {
  PenTab->SettingsToForm(App.Settings);
}

}  // namespace tavolex
