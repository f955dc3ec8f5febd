// The tab "線色・線幅": the pen grid SG01 with its colour swatches, the bulk input of colour,
// width and point radius over the selected rows, and the imports from Jw_cad's files.
#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "app/PenGrids.h"
#include "app/window/tabs/TableTabServices.h"

namespace tavolex {

struct TTableImport;

class TPenTab : public QWidget {
  Q_OBJECT

 public:
  TPenTab(TTableTabServices services, QWidget* parent = nullptr);

  // RadioGroup3, InpCol/InpWid/InpTenR and the pen table from and to the controls.
  void FormToSettings(TPrintSettings& s) const;
  void SettingsToForm(const TPrintSettings& s);

  QButtonGroup* RadioGroup3 = nullptr;
  QTableWidget* SG01 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QLineEdit* Edit8 = nullptr;
  QLineEdit* Edit9 = nullptr;
  QLabel* LabelA3 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button6 = nullptr;
  QPushButton* Button7 = nullptr;
  QPushButton* Button8 = nullptr;
  QPushButton* Button9 = nullptr;

  void SG01DblClick(int row, int col);
  void Edit7DblClick();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MakeBulkInput();
  void BulkInput(TBulkInput what, const QLineEdit* field);
  void ShowImport(const TTableImport& r);

  TTableTabServices services_;
};

}  // namespace tavolex
