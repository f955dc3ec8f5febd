// A drawing's own pens, line types and layer states into the attribute tables.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr double kUnitHighDpi = 0.085;  // 85.1666… / 1000, cut
constexpr double kUnitLowDpi = 0.042;   // 42.8333… / 1000, cut
constexpr int32_t kDpiSelectingVersion = 420;

// Millimetres per width step of the drawing's pens.
double PenWidthUnit(const TEntJwwHeader& h) {
  if (h.nMaxDrawWid >= -100 && h.nMaxDrawWid <= -1) return -1.0 / h.nMaxDrawWid;
  if (h.nMaxDrawWid < -100) return 0.01;
  return (h.jwVer > kDpiSelectingVersion && h.nPrtDpi == 1) ? kUnitHighDpi : kUnitLowDpi;
}

// Millimetres per dot of the drawing's line-type pitches.
double LineTypeUnit(const TEntJwwHeader& h) {
  return DrawingLineTypeUnit(h).value_or(LtypeUnit);
}

struct TRgbChannels {
  uint32_t r, g, b;
};

TRgbChannels Channels(int32_t colour) {
  const auto c = static_cast<uint32_t>(colour);
  return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}

// Table index of the first line type of each group.
constexpr int kStandardTypes = 1;  // 1..8: line types 2..9
constexpr int kRandomTypes = 9;    // 9..13
constexpr int kDoubleTypes = 14;   // 14..17
constexpr int kSxfTypes = 18;      // 18..49: SXF types 1..32
constexpr int kMaxSxfSegments = 10;

// The scale a layer group's denominator gives; one that has no usable reciprocal counts as 1.
double GroupScaleFactor(double denominator) {
  if (denominator == 0.0 || !std::isfinite(denominator)) return 1.0;
  const double factor = 1.0 / denominator;
  return std::isfinite(factor) ? factor : 1.0;
}

int LayerState(int32_t groupState, int32_t layerState) {
  if (groupState == 0 || layerState == 0) return 3;  // hidden
  if (groupState == 1 || layerState == 1) return 2;  // display only
  return 1;
}

}  // namespace

std::optional<double> DrawingLineTypeUnit(const TEntJwwHeader& h) {
  if (h.nMaxDrawWid >= 0 && h.jwVer > kDpiSelectingVersion && h.nPrtDpi > 0) {
    return h.nPrtDpi == 1 ? kUnitHighDpi : kUnitLowDpi;
  }
  return std::nullopt;
}

void TJwwData::FileColorSet() {
  if (GAtt == nullptr || EntCol.size() < 9) return;
  const double u = PenWidthUnit(Enthd);
  for (int jn = 1; jn <= 8; ++jn) {
    const TEntJwwColorNo& pen = EntCol[static_cast<size_t>(jn)];
    GAtt->SetAttrCol(jn, RgbToArgb(static_cast<uint32_t>(pen.aPrtPenColor)), u * pen.anPrtPenWidth,
                     pen.adPrtTenHankei);
  }
  for (size_t i = 1; i <= 256 && i < EntColS.size(); ++i) {
    const TEntJwwColorExNo& pen = EntColS[i];
    // SXF widths are always in 1/100 mm.
    GAtt->SetAttrCol(100 + static_cast<int>(i), RgbToArgb(static_cast<uint32_t>(pen.aPrtPenColor)),
                     0.01 * pen.anPrtPenWidth, pen.adPrtTenHankei);
  }
  const TRgbChannels bg = Channels(EntCol[0].aPrtPenColor);
  if (bg.r <= 20 && bg.g <= 20 && bg.b <= 20) {
    ZuBackKind = 1;
    GAtt->SetBackColor(1);
  } else if (bg.r > 234 && bg.g > 234 && bg.b > 234) {
    ZuBackKind = 0;
    GAtt->SetBackColor(0);
  }
}

void TJwwData::FileLtypeSet() {
  if (GAtt == nullptr || EntLtp1.size() < 8 || EntLtp2.size() < 5 || EntLtp3.size() < 4) return;
  TgraAttribute& att = *GAtt;
  const double q = LineTypeUnit(Enthd);
  att.SetAttrTypamp_(0, 0.0);
  att.SetAttrTypseg_(0, 0);
  att.SetAttrTypPit_(0);
  for (int t = kStandardTypes; t < kRandomTypes; ++t) {
    const TEntJwwLineTypeNo& lt = EntLtp1[static_cast<size_t>(t - kStandardTypes)];
    att.SetAttrTypamp_(t, 0.0);
    att.SetAttrTypBits_(t, static_cast<uint32_t>(lt.alLType), q * lt.anPrtTokushuSenPich);
  }
  for (int t = kRandomTypes; t < kDoubleTypes; ++t) {
    const TEntJwwRandomLineNo& lt = EntLtp2[static_cast<size_t>(t - kRandomTypes)];
    att.SetAttrTypamp_(t, q * lt.anPrtRandSenWide);
    att.SetAttrTypBits_(t, static_cast<uint32_t>(lt.alLType), q * lt.anPrtTokushuSenPich);
  }
  for (int t = kDoubleTypes; t < kSxfTypes; ++t) {
    const TEntJwwLineTypeNo& lt = EntLtp3[static_cast<size_t>(t - kDoubleTypes)];
    att.SetAttrTypamp_(t, 0.0);
    att.SetAttrTypBits_(t, static_cast<uint32_t>(lt.alLType), q * lt.anPrtTokushuSenPich);
  }
  for (int t = kSxfTypes; t < kSxfTypes + 32; ++t) {
    const size_t e = static_cast<size_t>(t - kSxfTypes + 1);
    if (e >= EntLtpS.size()) break;
    const TEntJwwLineTypeExNo& lt = EntLtpS[e];
    att.SetAttrTypamp_(t, 0.0);
    const int segments = std::clamp(lt.anUDLTypeSegment, 0, kMaxSxfSegments);
    att.SetAttrTypseg_(t, segments);
    for (int p = 0; p < segments; ++p) {
      // Stored values alternate dash, gap, dash, …; a value that is not a number draws nothing.
      double v = lt.aadUDLTypePitch[static_cast<size_t>(p)];
      if (!std::isfinite(v)) v = 0.0;
      att.SetAttrTyppa1_(t, p, (p + 1) % 2 == 0 ? -v : v);
    }
    att.SetAttrTypPit_(t);
  }
}

void TJwwData::SetGAttLayer() {
  if (GAtt == nullptr) return;
  GAtt->SetDefaultLayer();
  if (EntLgrp.size() < 16 || EntLay.size() < 256) return;
  for (int i = 0; i < 256; ++i) {
    const TEntJwwLayerGroup& group = EntLgrp[static_cast<size_t>(i / 16)];
    const TEntJwwLayer& layer = EntLay[static_cast<size_t>(i)];
    GAtt->SetAttrLayer(i, LayerState(group.anGLay, layer.aanLay), GroupScaleFactor(group.adScale),
                       group.aStrGLayName, layer.aStrLayName);
  }
}

}  // namespace tavolex
