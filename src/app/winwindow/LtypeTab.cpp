#include "app/winwindow/LtypeTab.h"

#include "app/PenTableImport.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

enum : int {
  // Ids unique over the whole window, whose one handler may serve every page.
  kRadioGroup4 = 501,  // and the next
  kSG02 = 510,
  kEdit10,
  kButton10,
  kButton11,
};

// The choice and the unit above the grid, the notes and the imports below it.
constexpr int kTopHeight = 80;
constexpr int kBottomHeight = 88;

}  // namespace

TLtypeTab::TLtypeTab(HWND page, const TLayoutScale& scale, HFONT font,
                     TWinTableTabServices services, SIZE pageSize)
    : services_(std::move(services)) {
  const int w = pageSize.cx;
  const int h = pageSize.cy;
  RadioGroup4 = MakeTableSourceGroup(page, kRadioGroup4, {8, 2, 150, 72}, scale, font);
  MakeLabel(page, u"JWW形式ファイルから読み取る際の", -1, {168, 8, w - 176, 18}, scale, font);
  MakeLabel(page, u"線種ピッチ1dot辺りのmm値の指定", -1, {168, 28, w - 176, 18}, scale, font);
  Edit10 = MakeEdit(page, kEdit10, {168, 50, 84, 22}, scale, font);
  MakeLabel(page, u"mm/dot", -1, {258, 53, 60, 18}, scale, font);
  SG02 = MakeTableGrid(page, kSG02, {8, kTopHeight, w - 16, h - kTopHeight - kBottomHeight}, scale,
                       font, kSG02RowCount, kSG02ColCount, SG02FixedText, SG02ColWidth,
                       kSG01RowHeight);
  MakeLabel(page, u"※パターン(P1～32) mm値指定　正の値：線部分長さ、負値：空白部長さ、0値：点", -1,
            {10, h - 80, w - 18, 18}, scale, font);
  MakeLabel(page, u"※振幅 mm値指定　0以外はランダム線", -1, {10, h - 58, w - 18, 18}, scale, font);
  Button10 = MakeButton(page, u"JWW形式ファイル設定内容を流用", kButton10, {8, h - 34, 200, 26},
                        scale, font);
  Button11 = MakeButton(page, u"JWF環境設定ファイル設定内容を流用", kButton11,
                        {214, h - 34, 226, 26}, scale, font);
}

bool TLtypeTab::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == kButton10) Button10Click();
  if (id == kButton11) Button11Click();
  return id == kButton10 || id == kButton11;
}

void TLtypeTab::FormToSettings(TPrintSettings& s) const {
  s.PrnLtype = RadioGroup4.ItemIndex();
  s.LtypeUnit = LimitLtypeUnit(StrToFloatZ(ControlText(Edit10)));
  s.PrnTyp.resize(kPrnTypCount);
  for (int i = 0; i < kPrnTypCount; ++i) {
    std::vector<std::u16string> cells(kSG02ColCount);
    for (int c = 1; c < kSG02ColCount; ++c)
      cells[static_cast<size_t>(c)] = SG02->Cell(i + 1, c);
    s.PrnTyp[i] = ReadLtypeCells(cells);
  }
}

void TLtypeTab::ShowLtypeRow(int row, const TPrnLtype& lt) {
  for (int c = 1; c < kSG02ColCount; ++c)
    SG02->SetCell(row, c, LtypeCellText(lt, c));
}

void TLtypeTab::SettingsToForm(const TPrintSettings& s) {
  RadioGroup4.SetItemIndex(LimitChoice(s.PrnLtype, kPrnTableChoiceMax));
  SetControlText(Edit10, FloatStr(s.LtypeUnit));
  for (int i = 0; i < kPrnTypCount && i < static_cast<int>(s.PrnTyp.size()); ++i) {
    TPrnLtype lt = s.PrnTyp[i];
    LimitLtype(lt);
    ShowLtypeRow(i + 1, lt);
  }
}

void TLtypeTab::ShowImport(const TTableImport& r) {
  // What was taken, or why nothing was (a file without line types, a drawing that cannot be read).
  if (!r.status.empty() && services_.ShowStatus) services_.ShowStatus(r.status);
  if (!r.done) return;
  for (const int row : r.ltypeRows)
    ShowLtypeRow(row, services_.settings->PrnTyp[static_cast<size_t>(row - 1)]);
  if (r.ltypeUnit) SetControlText(Edit10, FloatStr(*r.ltypeUnit));
}

void TLtypeTab::Button10Click() {
  TJwwData* JW = services_.JWW ? services_.JWW() : nullptr;
  if (!services_.settings || JW == nullptr) return;
  const std::filesystem::path file = ChooseDrawingFile(services_);
  if (file.empty()) return;
  ShowImport(ImportJwwLtypes(*services_.settings, *JW, file, StrToFloatZ(ControlText(Edit10))));
}

void TLtypeTab::Button11Click() {
  if (!services_.settings) return;
  const std::filesystem::path file = ChooseEnvironmentFile(services_);
  if (file.empty()) return;
  ShowImport(ReadJwfLtypes(*services_.settings, file, StrToFloatZ(ControlText(Edit10))));
}

}  // namespace tavolex
