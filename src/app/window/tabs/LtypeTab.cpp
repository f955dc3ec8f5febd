#include "app/window/tabs/LtypeTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/PenTableImport.h"
#include "app/window/tabs/TabWidgets.h"
#include "common/Func_2.h"

namespace tavolex {

TLtypeTab::TLtypeTab(TTableTabServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(MakeTableSourceGroup(QStringLiteral("RadioGroup4"), RadioGroup4, this));
  auto* unit = new QGridLayout;
  unit->addWidget(new QLabel(QStringLiteral("JWW形式ファイルから読み取る際の"), this), 0, 0, 1, 2);
  unit->addWidget(new QLabel(QStringLiteral("線種ピッチ1dot辺りのmm値の指定"), this), 1, 0, 1, 2);
  Edit10 = MakeEdit(QStringLiteral("Edit10"), this);
  unit->addWidget(Edit10, 2, 0);
  unit->addWidget(new QLabel(QStringLiteral("mm/dot"), this), 2, 1);
  top->addLayout(unit);
  Button10 =
      MakeButton(QStringLiteral("Button10"), QStringLiteral("JWW形式ファイル設定内容を流用"), this);
  Button11 = MakeButton(QStringLiteral("Button11"),
                        QStringLiteral("JWF環境設定ファイル設定内容を流用"), this);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(Button10);
  buttons->addWidget(Button11);
  top->addLayout(buttons);
  top->addStretch(1);
  layout->addLayout(top);

  SG02 = new QTableWidget(this);
  SG02->setObjectName(QStringLiteral("SG02"));
  SetUpGrid(SG02, kSG02RowCount, kSG02ColCount, SG02FixedText, SG02ColWidth);
  layout->addWidget(SG02, 1);
  layout->addWidget(new QLabel(
      QStringLiteral("※パターン(P1～32) mm値指定　正の値：線部分長さ、負値：空白部長さ、0値：点"),
      this));
  layout->addWidget(new QLabel(QStringLiteral("※振幅 mm値指定　0以外はランダム線"), this));
  connect(Button10, &QPushButton::clicked, this, &TLtypeTab::Button10Click);
  connect(Button11, &QPushButton::clicked, this, &TLtypeTab::Button11Click);
}

double TLtypeTab::Edit10Value() const {
  return LimitLtypeUnit(StrToFloatZ(UStr(Edit10->text())));
}

void TLtypeTab::FormToSettings(TPrintSettings& s) const {
  s.PrnLtype = CheckedIndex(RadioGroup4);
  s.LtypeUnit = Edit10Value();
  s.PrnTyp.resize(kPrnTypCount);
  for (int i = 0; i < kPrnTypCount; ++i) {
    std::vector<std::u16string> cells(kSG02ColCount);
    for (int c = 1; c < kSG02ColCount; ++c)
      cells[static_cast<size_t>(c)] = UStr(GridText(SG02, i + 1, c));
    s.PrnTyp[i] = ReadLtypeCells(cells);
  }
}

void TLtypeTab::ShowLtypeRow(int row, const TPrnLtype& lt) {
  for (int c = 1; c < kSG02ColCount; ++c)
    SetGridText(SG02, row, c, LtypeCellText(lt, c));
}

void TLtypeTab::SettingsToForm(const TPrintSettings& s) {
  CheckIndex(RadioGroup4, LimitChoice(s.PrnLtype, kPrnTableChoiceMax));
  Edit10->setText(QStr(FloatStr(s.LtypeUnit)));
  for (int i = 0; i < kPrnTypCount && i < static_cast<int>(s.PrnTyp.size()); ++i) {
    TPrnLtype lt = s.PrnTyp[i];
    LimitLtype(lt);
    ShowLtypeRow(i + 1, lt);
  }
}

void TLtypeTab::ShowImport(const TTableImport& r) {
  // What was taken, or why nothing was (a file without line types, a drawing that cannot be read).
  if (!r.status.empty() && services_.ShowStatus) services_.ShowStatus(QStr(r.status));
  if (!r.done) return;
  for (const int row : r.ltypeRows)
    ShowLtypeRow(row, services_.settings->PrnTyp[static_cast<size_t>(row - 1)]);
  if (r.ltypeUnit) Edit10->setText(QStr(FloatStr(*r.ltypeUnit)));
}

void TLtypeTab::Button10Click() {
  TJwwData* JW = services_.JWW ? services_.JWW() : nullptr;
  if (!services_.settings || JW == nullptr) return;
  const std::filesystem::path file = ChooseDrawingFile(services_);
  if (file.empty()) return;
  ShowImport(ImportJwwLtypes(*services_.settings, *JW, file, StrToFloatZ(UStr(Edit10->text()))));
}

void TLtypeTab::Button11Click() {
  if (!services_.settings) return;
  const std::filesystem::path file = ChooseEnvironmentFile(services_);
  if (file.empty()) return;
  ShowImport(ReadJwfLtypes(*services_.settings, file, StrToFloatZ(UStr(Edit10->text()))));
}

}  // namespace tavolex
