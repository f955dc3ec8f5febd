// Drawing text and dimension entities: placement of the text, its style and vertical writing,
// and the dimension value measured again when a dimension is drawn through a block.
#include <cmath>

#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr int kVerticalTextFlag = 0x20;
constexpr int kRecomputedValueFlag = 0x0002;
constexpr int kAuxiliaryPen = 9;
constexpr int kAuxiliaryLineType = 9;

bool IsVertical(const TEntJwwMoji& e) {
  return (e.att.sFlg & kVerticalTextFlag) != 0;
}

// Font name and the sizes along (w) and across (h) the line: a vertical text has them exchanged
// and its font prefixed with "@".
struct TextFace {
  std::u16string font;
  double sizeAlong;
  double sizeAcross;
};

TextFace FaceOf(const TEntJwwMoji& e) {
  const double sx = std::fabs(e.dSizeX);
  const double sy = std::fabs(e.dSizeY);
  if (IsVertical(e)) return {u"@" + e.strFontName, sy, sx};
  return {e.strFontName, sx, sy};
}

bool IsAuxiliaryLine(const TEntJwwLine& e) {
  return e.att.nPenStyle == kAuxiliaryLineType || e.att.nPenColor == kAuxiliaryPen;
}

// Style of GLAText3 from the text type: 1 bold, 2 italic, 3 both.
int TextStyleOf(uint32_t nMojiShu) {
  if (nMojiShu >= 30000) return 3;
  if (nMojiShu >= 20000) return 1;
  if (nMojiShu >= 10000) return 2;
  return 0;
}

}  // namespace

double TJwwData::GroupScale(int group) const {
  if (group < 0 || group >= static_cast<int>(EntLgrp.size())) return 1.0;
  return EntLgrp[group].adScale;
}

namespace {

// Common beginning of the two text drawings: false when the text is not drawn here.
bool BeginText(const TJwwData& doc, uint32_t dcol, const TEntJwwMoji& e, bool lf, double& sc) {
  // An image entity is drawn as a picture; without a comma it is only text.
  if (IsImageText(e.str) && e.str.find(u',') != std::u16string::npos) return false;
  if (lf) {
    ZuGLayScale = doc.GroupScale(e.att.nGLayer);
    sc = 1.0;
  }
  GGraph->GLPenSet(doc.DrawLayer(e.att), e.att.nPenColor, 1, 0.0, dcol);
  return true;
}

}  // namespace

void TJwwData::GLDrawMoji2(bool /*dispmode*/, uint32_t dcol, const TEntJwwMoji& e, bool lf,
                           double sc, double bx, double by, double b1, double b2, double b3,
                           double b4) {
  if (!BeginText(*this, dcol, e, lf, sc)) return;
  const TextFace face = FaceOf(e);
  const TTextPlace p = TextPlace(e.start_x, e.start_y, e.end_x, e.end_y, face.sizeAlong,
                                 face.sizeAcross, e.dKankaku, sc, bx, by, b1, b2, b3, b4);
  GGraph->GLAText3(p.X1, p.Y1, p.X2, p.Y2, p.h, p.w, p.sp, TextStyleOf(e.nMojiShu), face.font,
                   e.str);
}

void TJwwData::GLDrawMoji3(bool /*dispmode*/, uint32_t dcol, const std::u16string& sm,
                           const TEntJwwMoji& e, bool lf, double sc, double bx, double by,
                           double b1, double b2, double b3, double b4) {
  if (!BeginText(*this, dcol, e, lf, sc)) return;
  const TextFace face = FaceOf(e);
  const TTextPlace p = TextPlaceCentred(sm, e.start_x, e.start_y, e.end_x, e.end_y, face.sizeAlong,
                                        face.sizeAcross, e.dKankaku, sc, bx, by, b1, b2, b3, b4);
  GGraph->GLAText3(p.X1, p.Y1, p.X2, p.Y2, p.h, p.w, p.sp, TextStyleOf(e.nMojiShu), face.font, sm);
}

void TJwwData::GLDrawSunpo2(bool dispmode, bool hojof, uint32_t dcol, const TEntJwwSunpo& e,
                            bool lf, double sc, double bx, double by, double b1, double b2,
                            double b3, double b4) {
  if (e.bSxfMode != 0) {
    for (const TEntJwwLine* ho : {&e.Ho1, &e.Ho2}) {
      if (hojof && IsAuxiliaryLine(*ho)) continue;
      GLDrawLine2(dispmode, dcol, *ho, lf, sc, bx, by, b1, b2, b3, b4);
    }
    for (const TEntJwwTen* te : {&e.Te1, &e.Te2}) {
      if (hojof && te->att.nPenColor == kAuxiliaryPen) continue;
      GLDrawTen2(dispmode, dcol, *te, lf, sc, bx, by, b1, b2, b3, b4);
    }
  }
  if (!(hojof && IsAuxiliaryLine(e.Sen))) {
    GLDrawLine2(dispmode, dcol, e.Sen, lf, sc, bx, by, b1, b2, b3, b4);
  }
  if (hojof && e.Moji.att.nPenColor == kAuxiliaryPen) return;
  if (IsIdentityPlacement(b1, b2, b3, b4) || (e.Moji.att.nPenWidth & kRecomputedValueFlag) == 0) {
    GLDrawMoji2(dispmode, dcol, e.Moji, lf, sc, bx, by, b1, b2, b3, b4);
    return;
  }
  const std::u16string sm = DimValueText(
      e.Moji.att.nPenWidth, e.Moji.att.sFlg, e.Sen.start_x, e.Sen.start_y, e.Sen.end_x, e.Sen.end_y,
      GroupScale(e.Sen.att.nGLayer), bx, by, b1, b2, b3, b4, lf ? 1.0 : sc);
  GLDrawMoji3(dispmode, dcol, sm, e.Moji, lf, sc, bx, by, b1, b2, b3, b4);
}

}  // namespace tavolex
