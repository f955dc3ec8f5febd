// Attribute tables: lifetime, modes, number-to-index mappings and the layer table.
#include <cmath>

#include "graphics/UnitGraAtt.h"

namespace tavolex {
namespace {

char16_t HexDigit(int v) {
  return u"0123456789ABCDEF"[v & 0x0F];
}

int ValidLayerState(int st) {
  return st >= 1 && st <= 3 ? st : 1;
}

}  // namespace

TgraAttribute::TgraAttribute() {
  DataInit();
}

void TgraAttribute::DataInit() {
  // The tables are sized once; nothing changes their sizes afterwards.
  jwvLayN = kLayerCount;
  jwvColN = kColorCount;
  jwvTypN = kLtypeCount;
  jwvLay.assign(kLayerCount, TjwvLayer{});
  jwvCol.assign(kColorCount, TjwvColor{});
  jwvTyp.assign(kLtypeCount, TjwvLtype{});

  DispMode = false;
  PrintMode = false;
  Sikii0 = -1;
  Sikii1 = -1;
  Sikii2 = -1;
  BkColor = 0;
  BackColor = kWhite;
  ForeColor = kBlack;
  GrayColor = 0xFF808080u;
  DispHojo = false;
  All1ColorFlag = false;
  All1Color = kWhite;

  SetDefaultLayer();
  SetDefaultColor();
  SetDefaultWidth();
  SetDefaultTenR();
  SetDefaultLtype();
}

int TgraAttribute::ColIndex(int jn) {
  if (jn >= 1 && jn <= 9) return jn - 1;
  if (jn >= 101 && jn <= 356) return jn - 92;
  return -1;
}

int TgraAttribute::TypIndex(int jn) {
  if (jn >= 1 && jn <= 9) return jn - 1;
  if (jn >= 11 && jn <= 19) return jn - 2;
  if (jn >= 31 && jn <= 62) return jn - 13;
  return -1;
}

void TgraAttribute::SetPrintMode(bool m, int sk0, int sk1, int sk2) {
  PrintMode = m;
  Sikii0 = sk0;
  Sikii1 = sk1;
  Sikii2 = sk2;
}

void TgraAttribute::SetBackColor(int n) {
  if (n == 0) {
    BkColor = 0;
    BackColor = kWhite;
    ForeColor = kBlack;
  } else if (n == 1) {
    BkColor = 1;
    BackColor = kBlack;
    ForeColor = kWhite;
  }
}

void TgraAttribute::SetAttrLayer(int n, int st, double sc, const std::u16string& glayname,
                                 const std::u16string& layname) {
  if (!HasLayer(n)) return;
  TjwvLayer& layer = jwvLay[static_cast<std::size_t>(n)];
  layer.sta = ValidLayerState(st);
  // A scale that is not a positive finite number would poison every size drawn on the layer.
  layer.sca = (sc > 0.0 && std::isfinite(sc)) ? sc : 1.0;
  layer.gna = std::u16string(u"[") + HexDigit(n / 16) + u"] " + glayname;
  layer.nam = std::u16string(u"(") + HexDigit(n % 16) + u") " + layname;
}

void TgraAttribute::SetAttrLayer(int n, int st) {
  if (!HasLayer(n)) return;
  jwvLay[static_cast<std::size_t>(n)].sta = ValidLayerState(st);
}

int TgraAttribute::GetAttrLayerState(int n) const {
  return HasLayer(n) ? jwvLay[static_cast<std::size_t>(n)].sta : 1;
}

}  // namespace tavolex
