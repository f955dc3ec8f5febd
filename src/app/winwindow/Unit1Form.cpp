// The controls of the main window, built with their form names and texts. Positions are in
// pixels at 96 dpi, as the form was designed, and scale with the window's dpi.
#include "app/winwindow/Unit1.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/FileListRules.h"
#include "app/PrintSettings.h"

namespace tavolex {

namespace {

// The client area at 96 dpi, and the heights of the parts at its bottom.
constexpr int kClientWidth = 650;
constexpr int kClientHeight = 438;
constexpr int kPanelHeight = 36;

std::vector<std::u16string> CommonGroupItems() {
  std::vector<std::u16string> items{u"なし"};
  for (int g = 0; g < 16; ++g) {
    std::u16string item = u"[0]レイヤグループ";
    item[1] = static_cast<char16_t>(g < 10 ? u'0' + g : u'A' + g - 10);
    items.push_back(item);
  }
  items.push_back(u"表示のみレイヤグループ");
  return items;
}

}  // namespace

void TForm1::BuildForm() {
  font_ = MakeInterfaceFont(scale_);
  BuildStatusBar();
  RECT client{};
  GetClientRect(form_, &client);
  RECT bar{};
  GetWindowRect(StatusBar1, &bar);
  const int barHeight = bar.bottom - bar.top;
  const int panelTop = client.bottom - barHeight - scale_(kPanelHeight);
  BuildPageControl1(panelTop);
  BuildPanel1(panelTop);
  BuildFileTab();
  BuildSettingsTab();
  BuildTableTabs();
  // The pages lie over the tab control, which draws its whole area; the keyboard goes through
  // the page on show, then the panel's buttons, then the tabs.
  SetWindowPos(StatusBar1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(PageControl1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowTab(0);
}

void TForm1::BuildStatusBar() {
  StatusBar1 = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStatusBar1)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(StatusBar1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ProgressBar1 =
      CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | PBS_SMOOTH, 0, 0, 0, 0, StatusBar1,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdProgressBar1)),
                      GetModuleHandleW(nullptr), nullptr);
  LayOutStatusBar(false);
}

void TForm1::LayOutStatusBar(bool withProgress) {
  RECT client{};
  GetClientRect(form_, &client);
  const int progressWidth = scale_(150);
  const int parts[2] = {withProgress ? client.right - progressWidth : -1, -1};
  SendMessageW(StatusBar1, SB_SETPARTS, withProgress ? 2 : 1, reinterpret_cast<LPARAM>(parts));
  SendMessageW(StatusBar1, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(status_.c_str())));
  if (withProgress) {
    RECT part{};
    SendMessageW(StatusBar1, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    InflateRect(&part, -1, -1);
    MoveWindow(ProgressBar1, part.left, part.top, part.right - part.left, part.bottom - part.top,
               TRUE);
  }
  ShowWindow(ProgressBar1, withProgress ? SW_SHOW : SW_HIDE);
}

void TForm1::BuildPanel1(int top) {
  RECT client{};
  GetClientRect(form_, &client);
  Panel1 = MakePage(form_, RECT{0, top, client.right, top + scale_(kPanelHeight)}, this);
  ShowWindow(Panel1, SW_SHOW);
  const auto button = [&](const char16_t* text, int id, int x, int w) {
    return MakeButton(Panel1, text, id, {x, 6, w, 25}, scale_, font_);
  };
  Button12 = button(u"印刷開始(&G)", kIdButton12, 8, 96);
  Button20 = button(u"印刷プレビュー(&V)", kIdButton20, 108, 120);
  Button13 = button(u"終了(&X)", kIdButton13, 232, 80);
  Button14 = button(u"設定保存(&S)", kIdButton14, 352, 96);
  Button15 = button(u"設定を開く(&O)", kIdButton15, 452, 104);
  Button16 = button(u"設定初期化", kIdButton16, 560, 82);
}

void TForm1::BuildPageControl1(int height) {
  RECT client{};
  GetClientRect(form_, &client);
  // Tabs on the right, their captions written downwards (owner-drawn: the visual styles do not
  // draw vertical tabs, and the classic drawing turns the captions on their side).
  PageControl1 =
      CreateWindowExW(0, WC_TABCONTROLW, L"",
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_RIGHT |
                          TCS_VERTICAL | TCS_MULTILINE | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH,
                      0, 0, client.right, height, form_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPageControl1)),
                      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(PageControl1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // With vertical tabs the size is given across, then along the tab.
  SendMessageW(PageControl1, TCM_SETITEMSIZE, 0, MAKELPARAM(scale_(88), scale_(24)));
  const char16_t* captions[] = {u"ファイル指定", u"設　定", u"線色・線幅", u"線　種"};
  for (int i = 0; i < 4; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(captions[i]));
    SendMessageW(PageControl1, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT area{0, 0, client.right, height};
  SendMessageW(PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  TabSheet1 = MakePage(form_, area, this);
  TabSheet2 = MakePage(form_, area, this);
  TabSheet3 = MakePage(form_, area, &penPage_);
  TabSheet4 = MakePage(form_, area, &ltypePage_);
}

void TForm1::ShowTab(int index) {
  const HWND pages[] = {TabSheet1, TabSheet2, TabSheet3, TabSheet4};
  if (index < 0 || index > 3) return;
  SendMessageW(PageControl1, TCM_SETCURSEL, index, 0);
  for (int i = 0; i < 4; ++i)
    ShowWindow(pages[i], i == index ? SW_SHOW : SW_HIDE);
  // The keyboard must not stay on a control of a page now hidden.
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(form_, focus) && !IsWindowVisible(focus)) SetFocus(PageControl1);
}

void TForm1::BuildFileTab() {
  HWND page = TabSheet1;
  Label1 =
      MakeLabel(page, u"▼印刷する図面ファイル一覧", kIdLabel1, {8, 10, 200, 18}, scale_, font_);
  const auto button = [&](const char16_t* text, int id, int x) {
    return MakeButton(page, text, id, {x, 6, 70, 25}, scale_, font_);
  };
  Button1 = button(u"追加(&A)", kIdButton1, 240);
  Button2 = button(u"削除(&D)", kIdButton2, 314);
  Button17 = button(u"上へ(&U)", kIdButton17, 388);
  Button18 = button(u"下へ(&D)", kIdButton18, 462);
  Button19 = button(u"並替(&S)", kIdButton19, 536);
  RECT area{};
  GetClientRect(page, &area);
  const int width = MulDiv(area.right, 96, scale_.dpi());
  const int height = MulDiv(area.bottom, 96, scale_.dpi());
  ListBox1 = MakeListBox(page, kIdListBox1, {8, 36, width - 16, height - 44}, scale_, font_,
                         LBS_EXTENDEDSEL);
  // The hidden list of the form; the sort itself takes the platform's order of names.
  ListBox2 = MakeListBox(page, kIdListBox2, {0, 0, 10, 10}, scale_, font_);
  ShowWindow(ListBox2, SW_HIDE);
}

void TForm1::BuildSettingsTab() {
  HWND page = TabSheet2;
  // The printer row: the set-up button and the printer line beside it.
  RECT area{};
  GetClientRect(page, &area);
  Panel3 = MakePage(page, RECT{0, 0, area.right, scale_(44)}, this);
  ShowWindow(Panel3, SW_SHOW);
  Button3 = MakeButton(Panel3, u"プリンタ設定(&P)", kIdButton3, {8, 8, 116, 30}, scale_, font_);
  LabelA1 = MakeLabel(Panel3, u"", kIdLabelA1, {130, 4, 482, 38}, scale_, font_, SS_SUNKEN);
  BuildPrintStyleGroup();
  BuildColourOptions();
  BuildLayerOptions();
  BuildDisplayOnlyGroup();
}

void TForm1::BuildPrintStyleGroup() {
  HWND page = TabSheet2;
  MakeGroupBox(page, u"印刷方法", {8, 46, 372, 134}, scale_, font_);
  RadioButton1 = MakeRadioButton(page, u"図面データ倍率取得印刷", kIdRadioButton1, true,
                                 {16, 64, 350, 20}, scale_, font_);
  RadioButton2 = MakeRadioButton(page, u"フィット印刷(図形範囲による自動倍率印刷)", kIdRadioButton2,
                                 false, {16, 84, 350, 20}, scale_, font_);
  RadioButton3 = MakeRadioButton(page, u"倍率指定印刷", kIdRadioButton3, false, {16, 104, 130, 20},
                                 scale_, font_);
  // WS_GROUP after the last radio button ends its group for the arrow keys.
  MakeLabel(page, u"倍率", -1, {150, 107, 40, 18}, scale_, font_, SS_RIGHT | WS_GROUP);
  Edit1 = MakeEdit(page, kIdEdit1, {194, 104, 72, 21}, scale_, font_);
  MakeLabel(page, u"X(mm)", -1, {24, 131, 44, 18}, scale_, font_, SS_RIGHT);
  Edit2 = MakeEdit(page, kIdEdit2, {72, 128, 72, 21}, scale_, font_);
  MakeLabel(page, u"Y(mm)", -1, {150, 131, 40, 18}, scale_, font_, SS_RIGHT);
  Edit3 = MakeEdit(page, kIdEdit3, {194, 128, 72, 21}, scale_, font_);
  MakeLabel(page, u"回転角度", -1, {16, 155, 52, 18}, scale_, font_, SS_RIGHT);
  Edit11 = MakeEdit(page, kIdEdit11, {72, 152, 72, 21}, scale_, font_);
  MakeLabel(page, u"°（※時計回りが正の値）", -1, {148, 155, 220, 18}, scale_, font_);
  SetChecked(RadioButton1, true);
  SetControlText(Edit1, u"1.0");
  SetControlText(Edit2, u"0.0");
  SetControlText(Edit3, u"0.0");
  SetControlText(Edit11, u"0");
}

void TForm1::BuildColourOptions() {
  HWND page = TabSheet2;
  const auto row = [&](HWND& box, const char16_t* text, int boxId, HWND& edit, int editId,
                       HWND& upDown, int upDownId, int y) {
    box = MakeCheckBox(page, text, boxId, {12, y, 308, 20}, scale_, font_);
    edit = MakeEdit(page, editId, {322, y - 1, 58, 21}, scale_, font_, ES_NUMBER);
    upDown = MakeUpDown(page, upDownId, edit, kThresholdMax);
  };
  row(CheckBox1, u"モノクロ印刷を行う　　　モノクロ印刷時のしきい値", kIdCheckBox1, Edit4, kIdEdit4,
      UpDown1, kIdUpDown1, 188);
  row(CheckBox2, u"通常線色の白色を黒色にする　白色判定時のしきい値", kIdCheckBox2, Edit5, kIdEdit5,
      UpDown2, kIdUpDown2, 212);
  row(CheckBox3, u"SXF線色の白色を黒色にする 　白色判定時のしきい値", kIdCheckBox3, Edit6, kIdEdit6,
      UpDown3, kIdUpDown3, 236);
}

void TForm1::BuildLayerOptions() {
  HWND page = TabSheet2;
  CheckBox4 = MakeCheckBox(page, u"レイヤグループ毎連続印刷", kIdCheckBox4, {392, 50, 220, 20},
                           scale_, font_);
  CheckBox5 =
      MakeCheckBox(page, u"１文書として印刷", kIdCheckBox5, {392, 72, 220, 20}, scale_, font_);
  MakeLabel(page, u"共通印刷レイヤグループ", -1, {392, 98, 220, 18}, scale_, font_);
  ComboBox1 =
      MakeComboBox(page, kIdComboBox1, {404, 116, 180, 22}, scale_, font_, CommonGroupItems());
  CheckBox6 =
      MakeCheckBox(page, u"補助線を印刷する", kIdCheckBox6, {392, 144, 220, 20}, scale_, font_);
  RadioGroup2 = MakeGroupBox(page, u"図面データの印刷順序", {388, 168, 226, 46}, scale_, font_);
  const char16_t* items[] = {u"通常", u"レイヤ順", u"レイヤ逆順"};
  const int x[] = {396, 452, 526};
  const int w[] = {52, 72, 84};
  for (int i = 0; i < 3; ++i)
    RadioGroup2Items[i] = MakeRadioButton(page, items[i], kIdRadioGroup2 + i, i == 0,
                                          {x[i], 188, w[i], 20}, scale_, font_);
  SetChecked(RadioGroup2Items[0], true);
  MakeLabel(page, u"※ソリッド任意色は\r\nカラー出力されます", -1, {392, 222, 220, 34}, scale_,
            font_, WS_GROUP);
}

void TForm1::BuildDisplayOnlyGroup() {
  HWND page = TabSheet2;
  RadioGroup1 =
      MakeGroupBox(page, u"表示のみレイヤ・レイヤグループ", {8, 264, 606, 70}, scale_, font_);
  const char16_t* items[] = {u"印刷しない", u"グレー色で印刷", u"設定色で印刷", u"そのまま印刷"};
  for (int i = 0; i < 4; ++i)
    RadioGroup1Items[i] = MakeRadioButton(page, items[i], kIdRadioGroup1 + i, i == 0,
                                          {18 + i * 140, 284, 134, 20}, scale_, font_);
  SetChecked(RadioGroup1Items[0], true);
  MakeLabel(page, u"表示のみレイヤ設定色：", -1, {18, 309, 140, 18}, scale_, font_, WS_GROUP);
  LabelA2 = MakeLabel(page, u"", kIdLabelA2, {160, 307, 40, 20}, scale_, font_, WS_BORDER);
  Button4 = MakeButton(page, u"設定", kIdButton4, {206, 305, 52, 24}, scale_, font_);
}

}  // namespace tavolex
