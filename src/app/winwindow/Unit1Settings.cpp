// Settings between the controls and the fields, and the settings-file buttons.
#include "app/winwindow/Unit1.h"

#include <commctrl.h>

#include "app/PrintSettings.h"
#include "app/winwindow/CommonDialogs.h"
#include "app/winwindow/LtypeTab.h"
#include "app/winwindow/PenTab.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

int Checked(HWND box) {
  return IsChecked(box) ? 1 : 0;
}

// The index of the checked item of a radio group; 0 when none is.
template <std::size_t N>
int CheckedIndex(HWND const (&items)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (IsChecked(items[i])) return static_cast<int>(i);
  }
  return 0;
}

template <std::size_t N>
void CheckIndex(HWND const (&items)[N], int index) {
  for (std::size_t i = 0; i < N; ++i)
    SetChecked(items[i], static_cast<int>(i) == index);
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
  s.PrnStyle = IsChecked(RadioButton2)   ? kStyleFit
               : IsChecked(RadioButton3) ? kStyleScale
                                         : kStyleDrawing;
  s.PrnScale = StrToFloatZ(ControlText(Edit1));
  s.PrnOfstX = StrToFloatZ(ControlText(Edit2));
  s.PrnOfstY = StrToFloatZ(ControlText(Edit3));
  s.PrnAngle = StrToFloatZ(ControlText(Edit11));
  s.PrnMono = Checked(CheckBox1);
  s.PrnSikii0 = UpDownPosition(UpDown1);
  s.PrnWhite1 = Checked(CheckBox2);
  s.PrnSikii1 = UpDownPosition(UpDown2);
  s.PrnWhite2 = Checked(CheckBox3);
  s.PrnSikii2 = UpDownPosition(UpDown3);
  s.PrnRen1 = Checked(CheckBox4);
  s.PrnRen2 = Checked(CheckBox5);
  s.PrnRenLG = static_cast<int>(SendMessageW(ComboBox1, CB_GETCURSEL, 0, 0));
  s.PrnHojo = Checked(CheckBox6);
  s.PrnDOLay = CheckedIndex(RadioGroup1Items);
  s.PrnDOLCol = static_cast<int>(labelA2Colour_);
  s.PrnOrder = CheckedIndex(RadioGroup2Items);
}

void TForm1::SettingsToPrintTab() {
  const TPrintSettings& s = App.Settings;
  SetChecked(RadioButton1, s.PrnStyle == kStyleDrawing);
  SetChecked(RadioButton2, s.PrnStyle == kStyleFit);
  SetChecked(RadioButton3, s.PrnStyle != kStyleDrawing && s.PrnStyle != kStyleFit);
  SetControlText(Edit1, FloatStr(s.PrnScale));
  SetControlText(Edit2, FloatStr(s.PrnOfstX));
  SetControlText(Edit3, FloatStr(s.PrnOfstY));
  SetControlText(Edit11, FloatStr(s.PrnAngle));
  SetChecked(CheckBox1, s.PrnMono == 1);
  SetUpDownPosition(UpDown1, LimitThreshold(s.PrnSikii0));
  SetChecked(CheckBox2, s.PrnWhite1 == 1);
  SetUpDownPosition(UpDown2, LimitThreshold(s.PrnSikii1));
  SetChecked(CheckBox3, s.PrnWhite2 == 1);
  SetUpDownPosition(UpDown3, LimitThreshold(s.PrnSikii2));
  SetChecked(CheckBox4, s.PrnRen1 == 1);
  SetChecked(CheckBox5, s.PrnRen2 == 1);
  SendMessageW(ComboBox1, CB_SETCURSEL, LimitChoice(s.PrnRenLG, kPrnRenLGMax), 0);
  SetChecked(CheckBox6, s.PrnHojo == 1);
  CheckIndex(RadioGroup1Items, LimitChoice(s.PrnDOLay, kPrnDOLayMax));
  PaintSwatch(LimitColor(s.PrnDOLCol));
  CheckIndex(RadioGroup2Items, LimitChoice(s.PrnOrder, kPrnOrderMax));
}

void TForm1::PaintSwatch(COLORREF colour) {
  labelA2Colour_ = colour;
  if (swatchBrush_ != nullptr) DeleteObject(swatchBrush_);
  swatchBrush_ = CreateSolidBrush(colour);
  InvalidateRect(LabelA2, nullptr, TRUE);
}

HBRUSH TForm1::OnStaticColor(HDC dc, HWND control) {
  if (control != LabelA2 || swatchBrush_ == nullptr) return nullptr;
  SetBkColor(dc, labelA2Colour_);
  return swatchBrush_;
}

void TForm1::Button4Click() {
  if (const std::optional<uint32_t> chosen = ColorDialog(form_, labelA2Colour_))
    PaintSwatch(*chosen);
}

void TForm1::Button14Click() {
  const std::filesystem::path file =
      SaveFileDialog(form_, StrFromPath(DialogFolder(App.Settings.FFolder3)), u"",
                     u"Orvane設定ファイル(*.dat)", u".dat");
  if (!file.empty()) flows_->SaveSettingsTo(file);
}

void TForm1::Button15Click() {
  const std::vector<std::filesystem::path> chosen =
      OpenFileDialog(form_, StrFromPath(DialogFolder(App.Settings.FFolder3)),
                     u"Tavolex設定ファイル(*.dat)", u".dat", false);
  if (!chosen.empty()) flows_->OpenSettingsFrom(chosen.front());
}

void TForm1::Button16Click() {
  flows_->AskReset();
}

}  // namespace tavolex
