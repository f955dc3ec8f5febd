// Saves a picture of the pen tab and of the line-type tab of the window, filled with the default
// tables, for people to look at without a display.
//
//   table_tabs_shot [pen-tab.png] [line-type-tab.png]
#include <QApplication>
#include <cstdlib>

#include "app/PrintSettings.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

int main(int argc, char** argv) {
  using namespace tavolex;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  TgraAttribute att;
  GAtt = &att;
  TJwwData jww;
  TPrintSettings s;
  s.FillTablesFrom(att);
  const TTableTabServices services = DefaultTableTabServices(s, jww);
  TPenTab pens(services);
  pens.SettingsToForm(s);
  pens.resize(900, 620);
  TLtypeTab ltypes(services);
  ltypes.SettingsToForm(s);
  ltypes.resize(1100, 620);
  const bool ok = pens.grab().save(argc > 1 ? argv[1] : "pen-tab.png") &&
                  ltypes.grab().save(argc > 2 ? argv[2] : "line-type-tab.png");
  GAtt = nullptr;
  return ok ? 0 : 1;
}
