// The Windows main window made hidden under Wine: its controls carry every setting, drawings
// named on the command line or handed over by a later start are listed in lower case, and a drop
// from the shell adds only drawings not yet listed.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "app/PrintSettings.h"
#include "app/winwindow/HandOver.h"
#include "app/winwindow/Unit1.h"
#include "common/Func_2.h"
#include "graphics/UnitGraAtt.h"
#include "support/ScopedTempDir.h"

// The drop structure of the shell.
#include <shlobj.h>

namespace tavolex {
namespace {

class FormTest : public ::testing::Test {
 protected:
  FormTest() : form_(dir_.path() / "tavolex.exe", false) {
    form_.AutoAnswer = [](const std::u16string&) { return true; };
    form_.FormShow({});
  }

  test::ScopedTempDir dir_;
  TForm1 form_;
};

TEST_F(FormTest, EverySettingGoesIntoTheControlsAndBackWithinItsLimits) {
  TPrintSettings& s = form_.App.Settings;
  s.PrnStyle = kStyleScale;
  s.PrnScale = 0.25;
  s.PrnOfstX = 12.5;
  s.PrnOfstY = -3;
  s.PrnAngle = 90;
  s.PrnMono = s.PrnWhite1 = s.PrnWhite2 = s.PrnRen1 = s.PrnRen2 = s.PrnHojo = 1;
  s.PrnSikii0 = 10;
  s.PrnSikii1 = 200;
  s.PrnSikii2 = 255;
  s.PrnRenLG = kCommonGroupDisplayOnly;
  s.PrnDOLay = kDisplayOnlyColour;
  s.PrnDOLCol = 0x563412;
  s.PrnOrder = kOrderLayer;
  s.PrnColor = s.PrnLtype = kFromTable;
  s.InpCol = 0x123456;
  s.InpWid = 0.7;
  s.InpTenR = 0.3;
  s.LtypeUnit = 0.05;
  s.PrnCol[3] = {0x00FF00, 0.45, 0.6};
  s.PrnTyp[2].seg = 2;
  s.PrnTyp[2].amp = 1.5;
  s.PrnTyp[2].pa = {2, -1};
  s.PrnTyp[2].pit = 3;
  // Every value of every tab, as the settings file holds them.
  const std::string expected = SettingsFileBytes(s, SettingsForm::Full);
  form_.SettingsToForm();
  s.SetDefaults();
  s.FillTablesFrom(*GAtt);
  form_.FormToSettings();
  EXPECT_EQ(SettingsFileBytes(s, SettingsForm::Full), expected);
  EXPECT_EQ(form_.DisplayOnlyColour(), 0x563412u);

  // Values no control can hold are limited on the way in; typed text that is no number reads 0.
  s.PrnRenLG = -4;
  s.PrnDOLay = 9;
  s.PrnSikii0 = 999;
  s.PrnStyle = 7;
  form_.SettingsToForm();
  SetControlText(form_.Edit1, u"abc");
  SetControlText(form_.Edit4, u"300");
  form_.FormToSettings();
  EXPECT_EQ(s.PrnRenLG, 0);
  EXPECT_EQ(s.PrnDOLay, kDisplayOnlyAsIs);
  EXPECT_EQ(s.PrnStyle, kStyleScale);
  EXPECT_EQ(s.PrnScale, 1e-6);
  EXPECT_EQ(s.PrnSikii0, kThresholdMax);
}

// A drop of files from the shell, as WM_DROPFILES hands them over.
HGLOBAL DropOf(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names)
    list += name + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  return drop;
}

TEST_F(FormTest, DropAddsOnlyDrawingsNotListedYet) {
  const std::filesystem::path listed = dir_.path() / "listed.jww";
  const std::filesystem::path fresh = dir_.path() / "fresh.JWW";
  const std::filesystem::path other = dir_.path() / "plan.dxf";
  for (const auto& file : {listed, fresh, other})
    std::ofstream(file) << "x";
  form_.SetListEntries({listed.u16string()});
  // The listed one again in other letters: the list ignores case.
  std::wstring listedAgain = listed.wstring();
  listedAgain.replace(listedAgain.size() - 10, 6, L"LISTED");
  SendMessageW(form_.Handle(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(DropOf({listedAgain, fresh.wstring(), other.wstring()})),
               0);
  EXPECT_EQ(form_.StatusText(), u"1個のファイルを一覧に追加しました。");
  EXPECT_EQ(form_.ListEntries(),
            (std::vector<std::u16string>{listed.u16string(), fresh.u16string()}));
}

TEST_F(FormTest, NamedDrawingsAreListedInLowerCaseFromTheCommandLineAndALaterStart) {
  const std::filesystem::path drawing = dir_.path() / "Plan.JWW";
  const std::filesystem::path later = dir_.path() / "Section.jww";
  for (const auto& file : {drawing, later})
    std::ofstream(file) << "x";
  TForm1 started(dir_.path() / "tavolex.exe", false);
  started.FormShow({drawing.u16string(), (dir_.path() / "missing.jww").u16string()});
  EXPECT_EQ(started.ListEntries(), std::vector<std::u16string>{LowerStr(drawing.u16string())});

  // A later start hands its drawings over; a copy that is not a hand-over is refused.
  std::u16string names = later.u16string() + u'\0' + drawing.u16string() + u'\0';
  COPYDATASTRUCT data{kHandOverTag, static_cast<DWORD>(names.size() * sizeof(char16_t)),
                      names.data()};
  EXPECT_EQ(SendMessageW(started.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), TRUE);
  EXPECT_EQ(started.StatusText(), u"1個のファイルを一覧に追加しました。");
  data.dwData = 1;
  EXPECT_EQ(SendMessageW(started.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), FALSE);
  EXPECT_EQ(started.ListEntries(), (std::vector<std::u16string>{LowerStr(drawing.u16string()),
                                                                LowerStr(later.u16string())}));
}

}  // namespace
}  // namespace tavolex
