#include "app/PrintSettings.h"

#include <cmath>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

double FiniteOrZero(double v) {
  return std::isfinite(v) ? v : 0.0;
}

int Flag(int v) {
  return v == 1 ? 1 : 0;
}

}  // namespace

int LimitThreshold(int value) {
  return value < 0 ? 0 : (value > kThresholdMax ? kThresholdMax : value);
}

double LimitScale(double value) {
  value = FiniteOrZero(value);
  return value < 1e-6 ? 1e-6 : value;
}

uint32_t LimitColor(int64_t value) {
  if (value < 0) return 0;
  if (value > 0xFFFFFF) return 0xFFFFFF;
  return static_cast<uint32_t>(value);
}

double LimitPenWidth(double value) {
  if (!(value >= 0.0)) return 0.0;
  return value > 500.0 ? 500.0 : value;
}

double LimitPointRadius(double value) {
  if (!(value >= 0.01)) return 0.01;
  return value > 500.0 ? 500.0 : value;
}

double LimitLtypeUnit(double value) {
  if (!(value >= 0.0001)) return 0.0001;
  return value > 500.0 ? 500.0 : value;
}

double LimitLtypeAmp(double value) {
  if (!(value >= 0.0)) return 0.0;
  return value > 500.0 ? 500.0 : value;
}

int LimitLtypeSeg(int value) {
  return value < 0 ? 0 : (value > 32 ? 32 : value);
}

double LimitLtypeElement(double value) {
  if (std::isnan(value)) return 0.0;
  if (value < -500.0) return -500.0;
  return value > 500.0 ? 500.0 : value;
}

int LimitChoice(int value, int lastIndex) {
  if (value < 0) return 0;
  return value > lastIndex ? lastIndex : value;
}

void LimitPen(TPrnColor& pen) {
  pen.color = static_cast<int32_t>(LimitColor(pen.color));
  pen.width = LimitPenWidth(pen.width);
  pen.ten_r = LimitPointRadius(pen.ten_r);
}

void LimitLtype(TPrnLtype& lt) {
  lt.amp = LimitLtypeAmp(lt.amp);
  lt.seg = LimitLtypeSeg(lt.seg);
  lt.pit = 0.0;
  for (int j = 0; j < 32; ++j) {
    if (j < lt.seg) {
      lt.pa[j] = LimitLtypeElement(lt.pa[j]);
      lt.pit += std::fabs(lt.pa[j]);
    } else {
      lt.pa[j] = 0.0;
    }
  }
}

void UsePrintMode(TgraAttribute& att, const TPrintSettings& s) {
  const int sk0 = s.PrnMono == 1 ? s.PrnSikii0 : -1;
  const int sk1 = s.PrnWhite1 == 1 ? s.PrnSikii1 : -1;
  const int sk2 = s.PrnWhite2 == 1 ? s.PrnSikii2 : -1;
  att.SetPrintMode(true, sk0, sk1, sk2);
}

void UseLtypeUnit(double unit) {
  LtypeUnit = LimitLtypeUnit(unit);
}

void TPrintSettings::SetDefaults() {
  PrnStyle = kStyleDrawing;
  PrnScale = 1.0;
  PrnOfstX = 0.0;
  PrnOfstY = 0.0;
  PrnAngle = 0.0;
  PrnMono = 0;
  PrnSikii0 = 0;
  PrnWhite1 = 0;
  PrnSikii1 = 0;
  PrnWhite2 = 0;
  PrnSikii2 = 0;
  PrnRen1 = 0;
  PrnRen2 = 0;
  PrnRenLG = kCommonGroupNone;
  PrnHojo = 0;
  PrnDOLay = kDisplayOnlyHidden;
  PrnDOLCol = 0;
  PrnOrder = kOrderStored;
  PrnColor = kFromDrawing;
  InpCol = 0;
  InpWid = 0.0;
  InpTenR = 0.1;
  PrnLtype = kFromDrawing;
  LtypeUnit = 0.035;
}

void TPrintSettings::FillTablesFrom(const TgraAttribute& att) {
  PrnCol.assign(kPrnColCount, TPrnColor{});
  for (int i = 0; i < kPrnColCount; ++i) {
    PrnCol[i].color = static_cast<int32_t>(ArgbToRgb(att.GetAttrColcol_(i)) & 0xFFFFFF);
    PrnCol[i].width = att.GetAttrColwid_(i);
    PrnCol[i].ten_r = att.GetAttrColten_(i);
  }
  PrnTyp.assign(kPrnTypCount, TPrnLtype{});
  for (int i = 0; i < kPrnTypCount; ++i) {
    TPrnLtype& lt = PrnTyp[i];
    lt.seg = att.GetAttrTypseg_(i);
    lt.amp = att.GetAttrTypamp_(i);
    for (int j = 0; j < 32; ++j)
      lt.pa[j] = att.GetAttrTyppa1_(i, j);
    lt.pit = att.GetAttrTyppit_(i);
  }
}

void TPrintSettings::ApplyLimits() {
  PrnStyle = (PrnStyle == kStyleDrawing || PrnStyle == kStyleFit) ? PrnStyle : kStyleScale;
  PrnScale = LimitScale(PrnScale);
  PrnOfstX = FiniteOrZero(PrnOfstX);
  PrnOfstY = FiniteOrZero(PrnOfstY);
  PrnAngle = FiniteOrZero(PrnAngle);
  PrnMono = Flag(PrnMono);
  PrnSikii0 = LimitThreshold(PrnSikii0);
  PrnWhite1 = Flag(PrnWhite1);
  PrnSikii1 = LimitThreshold(PrnSikii1);
  PrnWhite2 = Flag(PrnWhite2);
  PrnSikii2 = LimitThreshold(PrnSikii2);
  PrnRen1 = Flag(PrnRen1);
  PrnRen2 = Flag(PrnRen2);
  PrnRenLG = LimitChoice(PrnRenLG, kPrnRenLGMax);
  PrnHojo = Flag(PrnHojo);
  PrnDOLay = LimitChoice(PrnDOLay, kPrnDOLayMax);
  PrnDOLCol = static_cast<int>(LimitColor(PrnDOLCol));
  PrnOrder = LimitChoice(PrnOrder, kPrnOrderMax);
  PrnColor = LimitChoice(PrnColor, kPrnTableChoiceMax);
  InpCol = static_cast<int>(LimitColor(InpCol));
  InpWid = LimitPenWidth(InpWid);
  InpTenR = LimitPointRadius(InpTenR);
  PrnLtype = LimitChoice(PrnLtype, kPrnTableChoiceMax);
  LtypeUnit = LimitLtypeUnit(LtypeUnit);
  PrnCol.resize(kPrnColCount);
  for (TPrnColor& c : PrnCol)
    LimitPen(c);
  PrnTyp.resize(kPrnTypCount);
  for (TPrnLtype& lt : PrnTyp)
    LimitLtype(lt);
}

}  // namespace tavolex
