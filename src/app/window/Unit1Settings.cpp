// Settings between the controls and the fields, and the settings-file buttons.
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "app/FileListRules.h"
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "app/window/tabs/TabWidgets.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

std::u16string Text(const QLineEdit* edit) {
  return edit->text().toStdU16String();
}

QString Shown(double value) {
  return QString::fromStdU16String(FloatStr(value));
}

int Checked(const QCheckBox* box) {
  return box->isChecked() ? 1 : 0;
}

}  // namespace

void TForm1::FormToSettings() {
  PrintTabToSettings();
  PenTab->FormToSettings(App.Settings);
  LtypeTab->FormToSettings(App.Settings);
  App.Settings.ApplyLimits();
}

void TForm1::SettingsToForm() {
  SettingsToPrintTab();
  PenTab->SettingsToForm(App.Settings);
  LtypeTab->SettingsToForm(App.Settings);
}

void TForm1::PrintTabToSettings() {
  TPrintSettings& s = App.Settings;
  s.PrnStyle = RadioButton2->isChecked()   ? kStyleFit
               : RadioButton3->isChecked() ? kStyleScale
                                           : kStyleDrawing;
  s.PrnScale = StrToFloatZ(Text(Edit1));
  s.PrnOfstX = StrToFloatZ(Text(Edit2));
  s.PrnOfstY = StrToFloatZ(Text(Edit3));
  s.PrnAngle = StrToFloatZ(Text(Edit11));
  s.PrnMono = Checked(CheckBox1);
  s.PrnSikii0 = UpDown1->value();
  s.PrnWhite1 = Checked(CheckBox2);
  s.PrnSikii1 = UpDown2->value();
  s.PrnWhite2 = Checked(CheckBox3);
  s.PrnSikii2 = UpDown3->value();
  s.PrnRen1 = Checked(CheckBox4);
  s.PrnRen2 = Checked(CheckBox5);
  s.PrnRenLG = ComboBox1->currentIndex();
  s.PrnHojo = Checked(CheckBox6);
  s.PrnDOLay = RadioGroup1Items->checkedId();
  s.PrnDOLCol = static_cast<int>(QColorToWinColor(LabelColor(LabelA2)));
  s.PrnOrder = RadioGroup2Items->checkedId();
}

void TForm1::SettingsToPrintTab() {
  const TPrintSettings& s = App.Settings;
  (s.PrnStyle == kStyleDrawing ? RadioButton1
                               : (s.PrnStyle == kStyleFit ? RadioButton2 : RadioButton3))
      ->setChecked(true);
  Edit1->setText(Shown(s.PrnScale));
  Edit2->setText(Shown(s.PrnOfstX));
  Edit3->setText(Shown(s.PrnOfstY));
  Edit11->setText(Shown(s.PrnAngle));
  CheckBox1->setChecked(s.PrnMono == 1);
  UpDown1->setValue(s.PrnSikii0);
  CheckBox2->setChecked(s.PrnWhite1 == 1);
  UpDown2->setValue(s.PrnSikii1);
  CheckBox3->setChecked(s.PrnWhite2 == 1);
  UpDown3->setValue(s.PrnSikii2);
  CheckBox4->setChecked(s.PrnRen1 == 1);
  CheckBox5->setChecked(s.PrnRen2 == 1);
  ComboBox1->setCurrentIndex(LimitChoice(s.PrnRenLG, kPrnRenLGMax));
  CheckBox6->setChecked(s.PrnHojo == 1);
  CheckIndex(RadioGroup1Items, LimitChoice(s.PrnDOLay, kPrnDOLayMax));
  PaintSwatch(LabelA2, LimitColor(s.PrnDOLCol));
  CheckIndex(RadioGroup2Items, LimitChoice(s.PrnOrder, kPrnOrderMax));
}

void TForm1::Button4Click() {
  const QColor chosen = QColorDialog::getColor(LabelColor(LabelA2), this);
  if (chosen.isValid()) ColorLabel(LabelA2, chosen);
}

QString TForm1::ChooseSettingsFile(int acceptMode, const QString& filter) {
  QFileDialog dialog(this);
  dialog.setAcceptMode(static_cast<QFileDialog::AcceptMode>(acceptMode));
  if (acceptMode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDirectory(DialogFolder(App.Settings.FFolder3));
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  dialog.setNameFilter(filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void TForm1::Button14Click() {
  const QString path =
      ChooseSettingsFile(QFileDialog::AcceptSave, QStringLiteral("Orvane設定ファイル(*.dat)"));
  if (!path.isEmpty()) SettingsSaveTo(path);
}

void TForm1::SettingsSaveTo(const QString& path) {
  flows_->SaveSettingsTo(PathFromStr(UStr(path)));
}

void TForm1::Button15Click() {
  const QString path =
      ChooseSettingsFile(QFileDialog::AcceptOpen, QStringLiteral("Tavolex設定ファイル(*.dat)"));
  if (!path.isEmpty()) SettingsOpenFrom(path);
}

void TForm1::SettingsOpenFrom(const QString& path) {
  flows_->OpenSettingsFrom(PathFromStr(UStr(path)));
}

void TForm1::Button16Click() {
  flows_->AskReset();
}

void TForm1::ResetSettings() {
  flows_->ResetSettings();
}

}  // namespace tavolex
