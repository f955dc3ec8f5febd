// Tab "線　種": the line-type table. The page is built here and its values move through the two
// functions below; the grid is added to this file.
#include <QWidget>

#include "app/window/Unit1.h"

namespace tavolex {

QWidget* TForm1::BuildLtypeTab() {
  return new QWidget;
}

// The line-type table keeps the values loaded or reset until the grid edits them.
void TForm1::LtypeTabToSettings() {}

void TForm1::SettingsToLtypeTab() {}

}  // namespace tavolex
