// The pens and the line types of a JWW drawing into the program's tables.
#include <utility>

#include "app/JwwPrintDocument.h"
#include "app/PenGrids.h"
#include "app/PenTableImport.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

// The settings part of a drawing is in its header and first objects.
constexpr int kPreviewTags = 100;

bool IsDrawingFile(const std::filesystem::path& FName) {
  return ExtLower(StrFromPath(FName)) == u".jww" && TJwwData::FileCheck(FName);
}

// The header and first objects of the drawing into JW. A drawing cut short is emptied again, so
// that nothing of it reaches GAtt (its pens would read black and of no width).
bool ReadDrawingSettings(TJwwData& JW, const std::filesystem::path& FName) {
  JwwDataFree(JW);
  if (JW.FilePrevIn(FName, kPreviewTags)) return true;
  JwwDataFree(JW);
  return false;
}

// The drawing's settings into GAtt; the document keeps the header until JwwDataFree.
void TakeOverDrawing(TJwwData& JW) {
  JW.FileColorSet();
  JW.FileLtypeSet();
  JW.SetGAttLayer();
  JW.GetMinMaxZahyo();
}

TTableImport UnreadableDrawing(const std::filesystem::path& FName) {
  return RefusedImport(TImportRefusal::Unreadable, UnreadableDrawingStatus(StrFromPath(FName)));
}

}  // namespace

std::u16string PenImportStatus(const std::u16string& path) {
  return u"ファイル " + path + u" から線色・線幅設定を読み取りました。";
}

std::u16string LtypeImportStatus(const std::u16string& path) {
  return u"ファイル " + path + u" から線種設定を読み取りました。";
}

std::u16string NoPenSettingsStatus(const std::u16string& path) {
  return u"ファイル " + path + u" には線色・線幅設定がありません。";
}

std::u16string NoLtypeSettingsStatus(const std::u16string& path) {
  return u"ファイル " + path + u" には線種設定がありません。";
}

std::u16string UnreadableDrawingStatus(const std::u16string& path) {
  return u"ファイル " + path + u" の設定を読み取れませんでした。";
}

TTableImport RefusedImport(TImportRefusal why, std::u16string status) {
  TTableImport r;
  r.refusal = why;
  r.status = std::move(status);
  return r;
}

TTableImport ImportJwwPens(TPrintSettings& s, TJwwData& JW, const std::filesystem::path& FName) {
  TTableImport r;
  if (GAtt == nullptr || !IsDrawingFile(FName)) return r;
  if (!ReadDrawingSettings(JW, FName)) return UnreadableDrawing(FName);
  TakeOverDrawing(JW);
  s.PrnCol.resize(kPrnColCount);
  for (int i = 0; i < kPrnColCount; ++i) {
    s.PrnCol[i] = PenFromAttribute(*GAtt, i);
    for (const int col : {kPenColorCol, kPenWidthCol, kPenRadiusCol})
      r.penCells.emplace_back(i + 1, col);
  }
  JwwDataFree(JW);
  r.done = true;
  r.refusal = TImportRefusal::None;
  r.status = PenImportStatus(StrFromPath(FName));
  return r;
}

TTableImport ImportJwwLtypes(TPrintSettings& s, TJwwData& JW, const std::filesystem::path& FName,
                             double ltypeUnitField) {
  TTableImport r;
  if (GAtt == nullptr || !IsDrawingFile(FName)) return r;
  if (!ReadDrawingSettings(JW, FName)) return UnreadableDrawing(FName);
  UseLtypeUnit(ltypeUnitField);
  TakeOverDrawing(JW);
  // The field shows the drawing's own unit for what follows; the line types just taken used the
  // earlier one where the drawing states none.
  r.ltypeUnit = DrawingLineTypeUnit(JW.Enthd);
  s.PrnTyp.resize(kPrnTypCount);
  for (int i = 0; i < kPrnTypCount; ++i) {
    s.PrnTyp[i] = LtypeFromAttribute(*GAtt, i);
    r.ltypeRows.push_back(i + 1);
  }
  JwwDataFree(JW);
  r.done = true;
  r.refusal = TImportRefusal::None;
  r.status = LtypeImportStatus(StrFromPath(FName));
  return r;
}

}  // namespace tavolex
