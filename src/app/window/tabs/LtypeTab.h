// The tab "線　種": the line-type grid SG02, the line-type unit Edit10 and the imports from
// Jw_cad's files.
#pragma once

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "app/PenGrids.h"
#include "app/window/tabs/TableTabServices.h"

namespace tavolex {

struct TTableImport;

class TLtypeTab : public QWidget {
  Q_OBJECT

 public:
  TLtypeTab(TTableTabServices services, QWidget* parent = nullptr);

  // RadioGroup4, LtypeUnit (Edit10) and the line-type table from and to the controls.
  void FormToSettings(TPrintSettings& s) const;
  void SettingsToForm(const TPrintSettings& s);

  QButtonGroup* RadioGroup4 = nullptr;
  QTableWidget* SG02 = nullptr;
  QLineEdit* Edit10 = nullptr;
  QPushButton* Button10 = nullptr;
  QPushButton* Button11 = nullptr;

  void Button10Click();
  void Button11Click();

 private:
  void ShowLtypeRow(int row, const TPrnLtype& lt);
  void ShowImport(const TTableImport& r);
  double Edit10Value() const;

  TTableTabServices services_;
};

}  // namespace tavolex
