// A drawing's pens, line types and layers taken over into the attribute tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/PrintSettings.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {
namespace {

// A document with settings tables as a header read leaves them, and GAtt pointing at own tables.
class AttrTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    savedGAtt_ = GAtt;
    savedBackKind_ = ZuBackKind;
    savedLtypeUnit_ = LtypeUnit;
    GAtt = &att_;
    jww_.EntLgrp.assign(16, {});
    jww_.EntLay.assign(256, {});
    jww_.EntCol.assign(10, {});
    jww_.EntLtp1.assign(8, {});
    jww_.EntLtp2.assign(5, {});
    jww_.EntLtp3.assign(4, {});
    jww_.EntColS.assign(257, {});
    jww_.EntLtpS.assign(33, {});
    jww_.Enthd.jwVer = 600;
  }
  void TearDown() override {
    GAtt = savedGAtt_;
    ZuBackKind = savedBackKind_;
    UseLtypeUnit(savedLtypeUnit_);
  }

  // Printed width of pen 1 with a stored printer width of 10.
  double PenOneWidth(int32_t maxDrawWid, int32_t version, int32_t dpi) {
    jww_.Enthd.nMaxDrawWid = maxDrawWid;
    jww_.Enthd.jwVer = version;
    jww_.Enthd.nPrtDpi = dpi;
    jww_.EntCol[1].anPrtPenWidth = 10;
    jww_.FileColorSet();
    return att_.GetAttrColwid(1);
  }

  TgraAttribute att_;
  TJwwData jww_;
  TgraAttribute* savedGAtt_ = nullptr;
  int savedBackKind_ = 0;
  double savedLtypeUnit_ = 0;
};

TEST_F(AttrTransfer, PenWidthUnitFollowsWidthSettingVersionAndDpi) {
  EXPECT_DOUBLE_EQ(PenOneWidth(-50, 600, 0), 0.2);
  EXPECT_DOUBLE_EQ(PenOneWidth(-100, 600, 0), 0.1);
  EXPECT_DOUBLE_EQ(PenOneWidth(-1, 600, 0), 10.0);
  EXPECT_DOUBLE_EQ(PenOneWidth(-300, 600, 0), 0.1);
  EXPECT_DOUBLE_EQ(PenOneWidth(1, 600, 1), 0.85);
  EXPECT_DOUBLE_EQ(PenOneWidth(1, 600, 2), 0.42);
  EXPECT_DOUBLE_EQ(PenOneWidth(1, 420, 1), 0.42);
}

TEST_F(AttrTransfer, PensTakePrinterColourAndSxfWidthsInHundredths) {
  jww_.EntCol[3].aPrtPenColor = 0x0000FF;  // red as a Windows value
  jww_.EntCol[3].aPenColor = 0x00FF00;     // screen colour: not used
  jww_.EntCol[3].adPrtTenHankei = 0.7;
  jww_.EntColS[5].aPrtPenColor = 0xFF0000;
  jww_.EntColS[5].anPrtPenWidth = 35;
  jww_.FileColorSet();
  EXPECT_EQ(att_.GetAttrColcol(3), 0xFFFF0000u);
  EXPECT_DOUBLE_EQ(att_.GetAttrColten(3), 0.7);
  EXPECT_EQ(att_.GetAttrColcol(105), 0xFF0000FFu);
  EXPECT_DOUBLE_EQ(att_.GetAttrColwid(105), 0.35);
}

TEST_F(AttrTransfer, BackgroundSwitchesOnlyNearBlackOrWhite) {
  ZuBackKind = 0;
  jww_.EntCol[0].aPrtPenColor = 0x0A0A0A;
  jww_.FileColorSet();
  EXPECT_EQ(ZuBackKind, 1);
  EXPECT_EQ(att_.BkColor, 1);

  jww_.EntCol[0].aPrtPenColor = 0x808080;  // grey: both stay
  jww_.FileColorSet();
  EXPECT_EQ(ZuBackKind, 1);
  EXPECT_EQ(att_.BkColor, 1);

  jww_.EntCol[0].aPrtPenColor = 0xFFFAF0;  // RGB (240, 250, 255)
  jww_.FileColorSet();
  EXPECT_EQ(ZuBackKind, 0);
  EXPECT_EQ(att_.BkColor, 0);

  jww_.EntCol[0].aPrtPenColor = 0x0A0A15;  // blue 21: not dark enough
  jww_.FileColorSet();
  EXPECT_EQ(ZuBackKind, 0);
}

TEST_F(AttrTransfer, EmptyDocumentLeavesPensAndLineTypes) {
  TJwwData empty;
  const double width = att_.GetAttrColwid(1);
  const int seg = att_.GetAttrTypseg_(2);
  empty.FileColorSet();
  empty.FileLtypeSet();
  EXPECT_EQ(att_.GetAttrColwid(1), width);
  EXPECT_EQ(att_.GetAttrTypseg_(2), seg);
}

TEST_F(AttrTransfer, LineTypesFromBitsWithTheDrawingsUnit) {
  UseLtypeUnit(0.035);
  jww_.Enthd.nMaxDrawWid = 1;
  jww_.Enthd.jwVer = 600;
  jww_.Enthd.nPrtDpi = 0;  // no resolution stated: the user's unit
  jww_.EntLtp1[0] = TEntJwwLineTypeNo{static_cast<int32_t>(0xFF00FF00u), 16, 1, 2};
  jww_.EntLtp2[1] = TEntJwwRandomLineNo{static_cast<int32_t>(0xFFFFFFFFu), 1, 1, 10, 1};
  jww_.FileLtypeSet();
  EXPECT_EQ(att_.GetAttrTypseg_(0), 0);
  ASSERT_EQ(att_.GetAttrTypseg_(1), 2);
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppa1_(1, 0), 8 * 2 * 0.035);
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppa1_(1, 1), -8 * 2 * 0.035);
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppit_(1), 32 * 0.035);
  EXPECT_DOUBLE_EQ(att_.GetAttrTypamp_(10), 10 * 0.035);
  EXPECT_EQ(att_.GetAttrTypamp_(1), 0.0);

  jww_.Enthd.nPrtDpi = 1;  // a drawing of 600 with resolution 1 states 0.085
  jww_.FileLtypeSet();
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppa1_(1, 0), 8 * 2 * 0.085);
  jww_.Enthd.nMaxDrawWid = -50;  // widths in own units: the user's unit again
  jww_.FileLtypeSet();
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppa1_(1, 0), 8 * 2 * 0.035);
}

TEST_F(AttrTransfer, SxfLineTypesAlternateAndLimitSegments) {
  TEntJwwLineTypeExNo& first = jww_.EntLtpS[1];
  first.anUDLTypeSegment = 12;
  for (size_t i = 0; i < 10; ++i)
    first.aadUDLTypePitch[i] = static_cast<double>(i + 1);
  jww_.EntLtpS[2].anUDLTypeSegment = -1;
  jww_.EntLtpS[3].anUDLTypeSegment = 2;
  jww_.EntLtpS[3].aadUDLTypePitch[0] = std::numeric_limits<double>::quiet_NaN();
  jww_.EntLtpS[3].aadUDLTypePitch[1] = 1.5;
  jww_.FileLtypeSet();
  ASSERT_EQ(att_.GetAttrTypseg_(18), 10);
  EXPECT_EQ(att_.GetAttrTyppa1_(18, 0), 1.0);
  EXPECT_EQ(att_.GetAttrTyppa1_(18, 1), -2.0);
  EXPECT_EQ(att_.GetAttrTyppa1_(18, 9), -10.0);
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppit_(18), 55.0);
  EXPECT_EQ(att_.GetAttrTypseg_(19), 0);
  EXPECT_EQ(att_.GetAttrTyppa1_(20, 0), 0.0);
  EXPECT_DOUBLE_EQ(att_.GetAttrTyppit_(20), 1.5);
}

TEST_F(AttrTransfer, LayerStatesFromGroupAndLayer) {
  jww_.EntLgrp[0].anGLay = 2;
  jww_.EntLay[0].aanLay = 3;  // -> normal
  jww_.EntLgrp[1].anGLay = 1;
  jww_.EntLay[16].aanLay = 0;  // hidden wins over display-only
  jww_.EntLgrp[2].anGLay = 5;
  jww_.EntLay[32].aanLay = 1;  // display only
  jww_.EntLay[33].aanLay = 2;
  for (auto& g : jww_.EntLgrp)
    g.adScale = 100;
  jww_.SetGAttLayer();
  EXPECT_EQ(att_.GetAttrLayerState(0), 1);
  EXPECT_EQ(att_.GetAttrLayerState(16), 3);
  EXPECT_EQ(att_.GetAttrLayerState(32), 2);
  EXPECT_EQ(att_.GetAttrLayerState(33), 1);
}

TEST_F(AttrTransfer, LayerScalesNamesAndUnusableScales) {
  for (auto& g : jww_.EntLgrp) {
    g.anGLay = 2;
    g.adScale = 50;
  }
  for (auto& l : jww_.EntLay)
    l.aanLay = 2;
  jww_.EntLgrp[1].adScale = 0;
  jww_.EntLgrp[2].adScale = std::numeric_limits<double>::infinity();
  jww_.EntLgrp[3].adScale = 1e-320;  // reciprocal overflows
  jww_.EntLgrp[0xA].aStrGLayName = u"平面";
  jww_.EntLay[0xA3].aStrLayName = u"壁";
  jww_.SetGAttLayer();
  EXPECT_DOUBLE_EQ(att_.jwvLay[0].sca, 0.02);
  EXPECT_EQ(att_.jwvLay[16].sca, 1.0);
  EXPECT_EQ(att_.jwvLay[32].sca, 1.0);
  EXPECT_EQ(att_.jwvLay[48].sca, 1.0);
  EXPECT_EQ(att_.jwvLay[0xA3].gna, u"[A] 平面");
  EXPECT_EQ(att_.jwvLay[0xA3].nam, u"(3) 壁");
}

TEST_F(AttrTransfer, LayersResetWhenNothingWasRead) {
  att_.SetAttrLayer(5, 3);
  TJwwData empty;
  empty.SetGAttLayer();
  EXPECT_EQ(att_.GetAttrLayerState(5), 1);
}

}  // namespace
}  // namespace tavolex
