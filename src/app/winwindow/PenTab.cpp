#include "app/winwindow/PenTab.h"

#include <commctrl.h>

#include "app/PenTableImport.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

enum : int {
  // Ids unique over the whole window, whose one handler may serve every page.
  kRadioGroup3 = 401,  // and the next
  kSG01 = 410,
  kEdit7,
  kEdit8,
  kEdit9,
  kButton5,
  kButton6,
  kButton7,
  kButton8,
  kButton9,
};

constexpr UINT_PTR kEdit7Subclass = 1;
// The choice and the bulk input above the grid, the note and the imports below it.
constexpr int kTopHeight = 80;
constexpr int kBottomHeight = 64;

}  // namespace

TPenTab::TPenTab(HWND page, const TLayoutScale& scale, HFONT font, TWinTableTabServices services,
                 SIZE pageSize)
    : page_(page), services_(std::move(services)) {
  const int w = pageSize.cx;
  const int h = pageSize.cy;
  RadioGroup3 = MakeTableSourceGroup(page, kRadioGroup3, {8, 2, 150, 72}, scale, font);
  MakeBulkInput(scale, font, w);
  SG01 = MakeTableGrid(page, kSG01, {8, kTopHeight, w - 16, h - kTopHeight - kBottomHeight}, scale,
                       font, kSG01RowCount, kSG01ColCount, SG01FixedText, SG01ColWidth,
                       kSG01RowHeight);
  SG01->SetReadOnlyColumn(kPenSwatchCol);
  SG01->OnDrawCell = [this](HDC dc, const RECT& cell, int row, int col) {
    return DrawSwatch(dc, cell, row, col);
  };
  // The swatch follows a colour typed into column 1.
  SG01->OnCellChanged = [this](int, int col) {
    if (col == kPenColorCol) SG01->Repaint();
  };
  SG01->OnDblClick = [this](int row, int col) { return SG01DblClick(row, col); };
  MakeLabel(page, u"※線幅・点半径は mm値指定", -1, {10, h - 56, 300, 18}, scale, font);
  Button8 = MakeButton(page, u"JWW形式ファイル設定内容を流用", kButton8, {8, h - 34, 200, 26},
                       scale, font);
  Button9 = MakeButton(page, u"JWF環境設定ファイル設定内容を流用", kButton9, {214, h - 34, 226, 26},
                       scale, font);
}

TPenTab::~TPenTab() {
  if (IsWindow(Edit7)) RemoveWindowSubclass(Edit7, Edit7Proc, kEdit7Subclass);
  if (swatchBrush_ != nullptr) DeleteObject(swatchBrush_);
}

void TPenTab::MakeBulkInput(const TLayoutScale& scale, HFONT font, int width) {
  HWND page = page_;
  MakeGroupBox(page, u"選択範囲の一括入力(&T)", {164, 2, width - 172, 72}, scale, font);
  MakeLabel(page, u"色", -1, {176, 23, 38, 18}, scale, font);
  Edit7 = MakeEdit(page, kEdit7, {216, 20, 84, 22}, scale, font);
  LabelA3 = MakeLabel(page, u"", -1, {304, 21, 24, 20}, scale, font, SS_SUNKEN);
  Button5 = MakeButton(page, u"設定", kButton5, {332, 19, 48, 24}, scale, font);
  MakeLabel(page, u"線幅", -1, {176, 49, 38, 18}, scale, font);
  Edit8 = MakeEdit(page, kEdit8, {216, 46, 60, 22}, scale, font);
  Button6 = MakeButton(page, u"設定", kButton6, {280, 45, 48, 24}, scale, font);
  MakeLabel(page, u"点半径", -1, {340, 49, 50, 18}, scale, font);
  Edit9 = MakeEdit(page, kEdit9, {392, 46, 60, 22}, scale, font);
  Button7 = MakeButton(page, u"設定", kButton7, {456, 45, 48, 24}, scale, font);
  SetWindowSubclass(Edit7, Edit7Proc, kEdit7Subclass, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TPenTab::Edit7Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR tab) {
  if (message == WM_LBUTTONDBLCLK) {
    reinterpret_cast<TPenTab*>(tab)->Edit7DblClick();
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, Edit7Proc, id);
  return DefSubclassProc(edit, message, wParam, lParam);
}

bool TPenTab::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kButton5:
      Button5Click();
      return true;
    case kButton6:
      Button6Click();
      return true;
    case kButton7:
      Button7Click();
      return true;
    case kButton8:
      Button8Click();
      return true;
    case kButton9:
      Button9Click();
      return true;
    default:
      return false;
  }
}

HBRUSH TPenTab::OnStaticColor(HDC, HWND control) {
  return control == LabelA3 ? swatchBrush_ : nullptr;
}

void TPenTab::PaintSwatch(uint32_t colour) {
  if (swatchBrush_ != nullptr) DeleteObject(swatchBrush_);
  swatchBrush_ = CreateSolidBrush(colour & 0xFFFFFFu);
  InvalidateRect(LabelA3, nullptr, TRUE);
}

// Column 2 of a data row is filled with the colour of column 1 of that row.
bool TPenTab::DrawSwatch(HDC dc, const RECT& cell, int row, int col) const {
  if (col != kPenSwatchCol || row < 1) return false;
  HBRUSH brush = CreateSolidBrush(ReadColorCell(SG01->Cell(row, kPenColorCol)));
  FillRect(dc, &cell, brush);
  DeleteObject(brush);
  return true;
}

void TPenTab::FormToSettings(TPrintSettings& s) const {
  s.PrnColor = RadioGroup3.ItemIndex();
  s.InpCol = static_cast<int>(ReadColorCell(ControlText(Edit7)));
  s.InpWid = LimitPenWidth(StrToFloatZ(ControlText(Edit8)));
  s.InpTenR = LimitPointRadius(StrToFloatZ(ControlText(Edit9)));
  s.PrnCol.resize(kPrnColCount);
  for (int i = 0; i < kPrnColCount; ++i) {
    s.PrnCol[i] = ReadPenCells(SG01->Cell(i + 1, kPenColorCol), SG01->Cell(i + 1, kPenWidthCol),
                               SG01->Cell(i + 1, kPenRadiusCol));
  }
}

void TPenTab::SettingsToForm(const TPrintSettings& s) {
  RadioGroup3.SetItemIndex(LimitChoice(s.PrnColor, kPrnTableChoiceMax));
  SetControlText(Edit7, IntStr(s.InpCol));
  SetControlText(Edit8, FloatStr(s.InpWid));
  SetControlText(Edit9, FloatStr(s.InpTenR));
  PaintSwatch(LimitColor(s.InpCol));
  for (int i = 0; i < kPrnColCount && i < static_cast<int>(s.PrnCol.size()); ++i) {
    TPrnColor pen = s.PrnCol[i];
    LimitPen(pen);
    for (const int col : {kPenColorCol, kPenWidthCol, kPenRadiusCol})
      SG01->SetCell(i + 1, col, PenCellText(pen, col));
  }
  SG01->Repaint();
}

bool TPenTab::SG01DblClick(int row, int col) {
  if (row < 1 || (col != kPenColorCol && col != kPenSwatchCol)) return false;
  if (!services_.PickColor) return true;
  const uint32_t current = ReadColorCell(SG01->Cell(row, kPenColorCol));
  const std::optional<uint32_t> chosen = services_.PickColor(current);
  if (!chosen) return true;
  SG01->SetCell(row, kPenColorCol, IntStr(*chosen & 0xFFFFFFu));
  SG01->Repaint();
  return true;
}

void TPenTab::Edit7DblClick() {
  const uint32_t current = ReadColorCell(ControlText(Edit7));
  if (!services_.PickColor) return;
  const std::optional<uint32_t> chosen = services_.PickColor(current);
  if (!chosen) return;
  const uint32_t colour = *chosen & 0xFFFFFFu;
  SetControlText(Edit7, IntStr(colour));
  PaintSwatch(colour);
  if (services_.settings) services_.settings->InpCol = static_cast<int>(colour);
}

void TPenTab::BulkInput(TBulkInput what, HWND field) {
  const TGridRect selection = SG01->Selection();
  int first = 0;
  int last = 0;
  if (!BulkInputRows(selection.top, selection.bottom, first, last)) return;
  const std::u16string text = BulkInputText(what, ControlText(field));
  for (int r = first; r <= last; ++r)
    SG01->SetCell(r, BulkInputColumn(what), text);
  SG01->Repaint();
}

void TPenTab::Button5Click() {
  BulkInput(TBulkInput::Color, Edit7);
}

void TPenTab::Button6Click() {
  BulkInput(TBulkInput::Width, Edit8);
}

void TPenTab::Button7Click() {
  BulkInput(TBulkInput::Radius, Edit9);
}

void TPenTab::ShowImport(const TTableImport& r) {
  // What was taken, or why nothing was (a file without pens, a drawing that cannot be read).
  if (!r.status.empty() && services_.ShowStatus) services_.ShowStatus(r.status);
  if (!r.done) return;
  const TPrintSettings& s = *services_.settings;
  for (const auto& [row, col] : r.penCells)
    SG01->SetCell(row, col, PenCellText(s.PrnCol[static_cast<size_t>(row - 1)], col));
  SG01->Repaint();
  if (r.displayOnlyColour && services_.DisplayOnlyColourChanged)
    services_.DisplayOnlyColourChanged(s.PrnDOLCol);
}

void TPenTab::Button8Click() {
  TJwwData* JW = services_.JWW ? services_.JWW() : nullptr;
  if (!services_.settings || JW == nullptr) return;
  const std::filesystem::path file = ChooseDrawingFile(services_);
  if (!file.empty()) ShowImport(ImportJwwPens(*services_.settings, *JW, file));
}

void TPenTab::Button9Click() {
  if (!services_.settings) return;
  const std::filesystem::path file = ChooseEnvironmentFile(services_);
  if (!file.empty()) ShowImport(ReadJwfPens(*services_.settings, file));
}

}  // namespace tavolex
