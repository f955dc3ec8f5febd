// The pen and line-type tabs of the Windows window and their grid, driven by the messages a
// user's keys and clicks send, on a hidden window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "app/winwindow/CommonDialogs.h"
#include "app/winwindow/LtypeTab.h"
#include "app/winwindow/PenTab.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "platform/PngWrite.h"
#include "platform/win/GdiBitmap.h"

namespace tavolex {
namespace {

using namespace std::string_literals;

// The form's one handler hands each page's messages to the tab on it.
struct TForward : TPageHandler {
  TPageHandler* to = nullptr;
  bool OnCommand(int id, int code, HWND control) override {
    return to->OnCommand(id, code, control);
  }
  HBRUSH OnStaticColor(HDC dc, HWND control) override { return to->OnStaticColor(dc, control); }
};

// A key pressed on a window with some keys held (the grid reads Shift and Ctrl from the
// keyboard state, as a key message leaves it).
void Press(HWND window, WPARAM key, std::initializer_list<int> held = {}) {
  BYTE state[256];
  GetKeyboardState(state);
  BYTE saved[256];
  std::memcpy(saved, state, sizeof state);
  for (const int k : held)
    state[k] = 0x80;
  SetKeyboardState(state);
  SendMessageW(window, WM_KEYDOWN, key, 0);
  SetKeyboardState(saved);
}

void Type(HWND window, const std::u16string& text) {
  for (const char16_t c : text)
    SendMessageW(window, WM_CHAR, c, 0);
}

// A mouse message at the middle of a pen grid cell while the grid shows its first rows.
void Mouse(const TStringGrid& grid, UINT message, int row, int col, WPARAM keys = 0) {
  int x = SG01ColWidth(col) / 2;
  for (int c = 0; c < col; ++c)
    x += SG01ColWidth(c);
  SendMessageW(grid.Handle(), message, keys, MAKELPARAM(x, kSG01RowHeight * row + 12));
}

class WinTableTabsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GAtt = &att_;
    s_.FillTablesFrom(att_);
    owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 460, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr) << "windows need a display (run under xvfb-run)";
    font_ = MakeInterfaceFont(scale_);
    page_ = MakePage(owner_, scale_.Rect(0, 0, 560, 430), &forward_);
    ShowWindow(page_, SW_SHOW);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    DeleteObject(font_);
    GAtt = nullptr;
  }
  TWinTableTabServices Services() {
    TWinTableTabServices sv;
    sv.settings = &s_;
    sv.JWW = [this] { return &jww_; };
    sv.PickColor = [](uint32_t) -> std::optional<uint32_t> { return 0xFF0000u; };
    return sv;
  }
  template <typename Tab>
  Tab& Make(std::unique_ptr<Tab>& tab) {
    tab = std::make_unique<Tab>(page_, scale_, font_, Services());
    forward_.to = tab.get();
    tab->SettingsToForm(s_);
    return *tab;
  }
  void Command(HWND control) {
    SendMessageW(page_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
  }

  TgraAttribute att_;
  TJwwData jww_;
  TPrintSettings s_;
  TLayoutScale scale_{96};
  TForward forward_;
  HWND owner_ = nullptr;
  HWND page_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(WinTableTabsTest, EditsTypedIntoTheGridsReachTheTables) {
  std::unique_ptr<TPenTab> pens;
  TStringGrid& g = *Make(pens).SG01;
  ASSERT_EQ(g.RowCount(), 266);
  g.FocusCell(1, kPenWidthCol);
  Type(g.Handle(), u"0.5");  // typing starts the edit over the old text
  Press(g.Editor(), VK_RETURN);
  EXPECT_EQ(g.FocusedCell(), (TGridCoord{2, kPenWidthCol}));  // Enter moves down
  const std::u16string pen2Width = g.Cell(2, kPenWidthCol);
  Type(g.Handle(), u"9");
  Press(g.Editor(), VK_ESCAPE);  // Esc drops the edit
  EXPECT_EQ(g.Cell(2, kPenWidthCol), pen2Width);
  Press(g.Handle(), VK_F2);  // F2 keeps the text and adds to it; leaving the field commits
  Type(g.Editor(), u"5");
  SetFocus(pens->Edit8);
  EXPECT_EQ(g.Editor(), nullptr);
  EXPECT_EQ(g.Cell(2, kPenWidthCol), pen2Width + u"5");

  g.FocusCell(3, kPenColorCol);  // the input method composes into an empty field
  SendMessageW(g.Handle(), WM_IME_STARTCOMPOSITION, 0, 0);
  ASSERT_NE(g.Editor(), nullptr);
  Type(g.Editor(), u"255");
  Press(g.Editor(), VK_RETURN);
  g.FocusCell(4, kPenSwatchCol);  // the swatch takes no text; a double click picks a colour
  Type(g.Handle(), u"1");
  EXPECT_EQ(g.Editor(), nullptr);
  Mouse(g, WM_LBUTTONDBLCLK, 5, kPenSwatchCol);
  EXPECT_EQ(g.Editor(), nullptr);

  TPrintSettings out;
  pens->FormToSettings(out);
  EXPECT_DOUBLE_EQ(out.PrnCol[0].width, 0.5);
  EXPECT_EQ(out.PrnCol[2].color, 255);
  EXPECT_EQ(out.PrnCol[4].color, 0xFF0000);

  std::unique_ptr<TLtypeTab> ltypes;
  TStringGrid& l = *Make(ltypes).SG02;
  l.FocusCell(2, kLtypeAmpCol);  // Tab commits and moves right
  for (const std::u16string cell : {u"1.5", u"2", u"3", u"-1"}) {
    Type(l.Handle(), cell);
    Press(l.Editor(), VK_TAB);
  }
  ltypes->FormToSettings(out);
  EXPECT_DOUBLE_EQ(out.PrnTyp[1].amp, 1.5);
  EXPECT_EQ(out.PrnTyp[1].seg, 2);
  EXPECT_DOUBLE_EQ(out.PrnTyp[1].pa[0], 3.0);
  EXPECT_DOUBLE_EQ(out.PrnTyp[1].pa[1], -1.0);
}

TEST_F(WinTableTabsTest, KeyboardAndMouseSelectionsTakeTheBulkInput) {
  std::unique_ptr<TPenTab> pens;
  TPenTab& tab = Make(pens);
  TStringGrid& g = *tab.SG01;
  const std::u16string row1 = g.Cell(1, kPenWidthCol);
  const std::u16string row5 = g.Cell(5, kPenWidthCol);
  g.FocusCell(2, 1);
  Press(g.Handle(), VK_DOWN, {VK_SHIFT});
  Press(g.Handle(), VK_DOWN, {VK_SHIFT});
  Press(g.Handle(), VK_RIGHT, {VK_SHIFT});
  EXPECT_EQ(g.Selection(), (TGridRect{2, 1, 4, 2}));
  SetControlText(tab.Edit8, u"-1");
  Command(tab.Button6);  // a width below 0 becomes 0, on rows 2 .. 4 only
  for (int row = 2; row <= 4; ++row)
    EXPECT_EQ(g.Cell(row, kPenWidthCol), u"0");
  EXPECT_EQ(g.Cell(1, kPenWidthCol), row1);
  EXPECT_EQ(g.Cell(5, kPenWidthCol), row5);

  Mouse(g, WM_LBUTTONDOWN, 3, 0);  // a row name selects its row, Shift+click on another more
  Mouse(g, WM_LBUTTONUP, 3, 0);
  Mouse(g, WM_LBUTTONDOWN, 6, 0, MK_SHIFT);
  Mouse(g, WM_LBUTTONUP, 6, 0);
  EXPECT_EQ(g.Selection(), (TGridRect{3, 1, 6, 4}));
  SetControlText(tab.Edit9, u"0");
  Command(tab.Button7);
  EXPECT_EQ(g.Cell(6, kPenRadiusCol), u"0.01");

  Press(g.Handle(), VK_END);  // moves without Shift select one cell
  EXPECT_EQ(g.Selection(), (TGridRect{6, 4, 6, 4}));
  Press(g.Handle(), VK_TAB);  // Tab wraps to the next row, Shift+Tab back
  EXPECT_EQ(g.FocusedCell(), (TGridCoord{7, 1}));
  Press(g.Handle(), VK_TAB, {VK_SHIFT});
  EXPECT_EQ(g.FocusedCell(), (TGridCoord{6, 4}));
  Press(g.Handle(), VK_END, {VK_CONTROL});
  EXPECT_EQ(g.FocusedCell(), (TGridCoord{265, 4}));
  Press(g.Handle(), VK_PRIOR);
  const int pageUp = g.FocusedCell().row;
  EXPECT_LT(pageUp, 265);
  Press(g.Handle(), VK_HOME, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(g.Selection(), (TGridRect{1, 1, pageUp, 4}));
}

// The page as it is on the screen.
void Photograph(HWND page, GdiBitmap& shot) {
  RedrawWindow(page, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC screen = GetDC(page);
  BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, 0, 0, SRCCOPY);
  ReleaseDC(page, screen);
}

TEST_F(WinTableTabsTest, SwatchColumnShowsTheColourOfItsRow) {
  std::unique_ptr<TPenTab> pens;
  TPenTab& tab = Make(pens);
  tab.SG01->SetCell(1, kPenColorCol, u"255");  // pen 1 red
  tab.SG01->FocusCell(3, kPenWidthCol);        // and a selection to look at
  Press(tab.SG01->Handle(), VK_DOWN, {VK_SHIFT});
  Press(tab.SG01->Handle(), VK_RIGHT, {VK_SHIFT});
  ShowWindow(owner_, SW_SHOW);
  SetFocus(tab.SG01->Handle());
  GdiBitmap shot(scale_(560), scale_(430));
  ASSERT_FALSE(shot.Null());
  Photograph(page_, shot);
  POINT swatch{SG01ColWidth(0) + SG01ColWidth(1) + SG01ColWidth(2) / 2, kSG01RowHeight + 12};
  MapWindowPoints(tab.SG01->Handle(), page_, &swatch, 1);
  EXPECT_EQ(shot.Pixel(swatch.x, swatch.y), 0xFF0000u);  // 0x00RRGGBB
  // TAVOLEX_TAB_SHOTS=folder keeps a picture of each tab to look at.
  const char* folder = std::getenv("TAVOLEX_TAB_SHOTS");
  if (folder == nullptr) return;
  const auto save = [&](const char* name) {
    const PngPage png{shot.Pixels(), shot.Width(), shot.Height(), static_cast<size_t>(shot.Width()),
                      0};
    EXPECT_TRUE(WritePng(std::filesystem::path(folder) / name, png));
  };
  save("pen-tab.png");
  ShowWindow(page_, SW_HIDE);
  pens.reset();
  page_ = MakePage(owner_, scale_.Rect(0, 0, 560, 430), &forward_);
  ShowWindow(page_, SW_SHOW);
  std::unique_ptr<TLtypeTab> ltypes;
  Make(ltypes);
  Photograph(page_, shot);
  save("ltype-tab.png");
}

TEST(CommonDialogsTest, FiltersAndChosenFilesInTheDialogsForm) {
  EXPECT_EQ(WindowsFilter(u"Jw_cad図面ファイル(*.jww)"), u"Jw_cad図面ファイル(*.jww)\0*.jww\0\0"s);
  EXPECT_EQ(WindowsFilter(u"図面(*.jww *.jws);;PDF(*.pdf)"),
            u"図面(*.jww *.jws)\0*.jww;*.jws\0PDF(*.pdf)\0*.pdf\0\0"s);
  EXPECT_EQ(WindowsFilter(u"Orvane設定ファイル(*.dat)|*.dat"),
            u"Orvane設定ファイル(*.dat)\0*.dat\0\0"s);
  EXPECT_EQ(WindowsFilter(u""), u"\0\0"s);

  using Paths = std::vector<std::filesystem::path>;
  EXPECT_EQ(SplitDialogFiles(u"C:\\図面\\a.jww\0\0"s), Paths{L"C:\\図面\\a.jww"});
  EXPECT_EQ(SplitDialogFiles(u"C:\\図面\0a.jww\0b.jww\0\0"s),
            (Paths{L"C:\\図面\\a.jww", L"C:\\図面\\b.jww"}));
  EXPECT_TRUE(SplitDialogFiles(u"\0\0"s).empty());
}

}  // namespace
}  // namespace tavolex
