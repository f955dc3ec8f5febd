// The header of written drawings of every version branch, field by field, and the string forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "common/UnitVal.h"
#include "jww/JwwTestUtil.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

// Gives every header field its own value, so a field read from the wrong place shows.
class DistinctValues {
 public:
  int32_t I() { return next_++; }
  double D() { return next_++ + 0.25; }

 private:
  int32_t next_ = 1000;
};

WHeader DistinctHeader(int32_t version) {
  DistinctValues v;
  WHeader h;
  h.jwVer = version;
  h.strMemo = u"図面メモ";
  h.nZumen = v.I();
  h.nWriteGLay = v.I();
  for (int g = 0; g < 16; ++g) {
    std::u16string name = u"グループ";
    name.push_back(static_cast<char16_t>(u'A' + g));
    h.EntLgrp[g] = {v.I(), v.I(), v.D(), v.I(), name};
  }
  for (int i = 0; i < 256; ++i) {
    std::u16string name = u"レイヤ";
    name.push_back(static_cast<char16_t>(u'0' + i % 40));
    h.EntLay[i] = {v.I(), v.I(), name};
  }
  h.skipped56.fill(0xA5);
  for (auto& s : h.lnSunpou)
    s = v.I();
  h.skipped4.fill(0x5A);
  h.nMaxDrawWid = v.I();
  h.DPPrtGenten_x = v.D();
  h.DPPrtGenten_y = v.D();
  h.dPrtBairitsu = v.D();
  h.nPrtSet = v.I();
  h.nMemoriMode = v.I();
  h.dMemoriHyoujiMin = v.D();
  h.dMemoriX = v.D();
  h.dMemoriY = v.D();
  h.DpMemoriKjTen_x = v.D();
  h.DpMemoriKjTen_y = v.D();
  h.dKageLevel = v.D();
  h.dKageIdo = v.D();
  h.nKage9_15JiFlg = v.I();
  h.dKabeKageLevel = v.D();
  h.dTenkuuZuLevel = v.D();
  h.dTenkuuZuEnkoR = v.D();
  h.nMMTani3D = v.I();
  h.dBairitsu = v.D();
  h.DPGenten_x = v.D();
  h.DPGenten_y = v.D();
  h.dHanniBairitsu = v.D();
  h.DPHanniGenten_x = v.D();
  h.DPHanniGenten_y = v.D();
  for (int i = 0; i < 8; ++i) {
    h.dZoomJumpBairitsu[i] = v.D();
    h.DPZoomJumpGenten_x[i] = v.D();
    h.DPZoomJumpGenten_y[i] = v.D();
    h.nZoomJumpGLay[i] = v.I();
  }
  h.dDm11 = v.D();
  h.dDm12 = v.D();
  h.dDm13 = v.D();
  h.lnDm1 = v.I();
  h.dDm21 = v.D();
  h.dDm22 = v.D();
  h.dMojiBG = v.D();
  h.nMojiBG = v.I();
  for (auto& f : h.adFukusenSuuchi)
    f = v.D();
  h.dRyougawaFukusenTomeDe = v.D();
  for (auto& c : h.EntCol)
    c = {v.I(), v.I(), v.I(), v.I(), v.D()};
  for (auto& t : h.EntLtp1)
    t = {v.I(), v.I(), v.I(), v.I()};
  for (auto& t : h.EntLtp2)
    t = {v.I(), v.I(), v.I(), v.I(), v.I()};
  for (auto& t : h.EntLtp3)
    t = {v.I(), v.I(), v.I(), v.I()};
  h.nDrawGamenTen = v.I();
  h.nDrawPrtTen = v.I();
  h.nBitMapFirstDraw = v.I();
  h.nGyakuDraw = v.I();
  h.nGyakuSearch = v.I();
  h.nColorPrint = v.I();
  h.nLayJunPrint = v.I();
  h.nColJunPrint = v.I();
  h.nPrtRenzoku = v.I();
  h.nPrtKyoutsuuGray = v.I();
  h.nPrtDpi = 4;
  h.nPrtDispOnlyNonDraw = 7;
  h.lnDrawTime = v.I();
  h.nEyeInit = v.I();
  h.dEye_H_Ichi_1 = v.I();
  h.dEye_H_Ichi_2 = v.I();
  h.dEye_H_Ichi_3 = v.I();
  h.dEye_Z_Ichi_1 = v.D();
  h.dEye_Y_Ichi_1 = v.D();
  h.dEye_Z_Ichi_2 = v.D();
  h.dEye_Y_Ichi_2 = v.D();
  h.dEye_V_Ichi_3 = v.D();
  h.dSenNagasaSnpou = v.D();
  h.dBoxSunpouX = v.D();
  h.dBoxSunpouY = v.D();
  h.dEnHankeiSnpou = v.D();
  h.nSolidNinniColor = v.I();
  h.SolidColor = v.I();
  for (int c = 0; c < 257; ++c) {
    std::u16string name;
    if (c % 50 == 0) name = u"色", name.push_back(static_cast<char16_t>(u'a' + c % 26));
    h.EntColS[c] = {v.I(), v.I(), name, v.I(), v.I(), v.D()};
  }
  for (auto& t : h.EntLtpS) {
    t.alLType = v.I();
    t.anTokushuSenUintDot = v.I();
    t.anTokushuSenPich = v.I();
    t.anPrtTokushuSenPich = v.I();
    t.astrUDLTypeName = u"線種";
    t.anUDLTypeSegment = v.I();
    for (auto& p : t.aadUDLTypePitch)
      p = v.D();
  }
  for (auto& m : h.EntMoj)
    m = {v.D(), v.D(), v.D(), v.I()};
  h.dMojiSizeX = v.D();
  h.dMojiSizeY = v.D();
  h.dMojiKankaku = v.D();
  h.nMojiColor = v.I();
  h.nMojiShu = v.I();
  h.dMojiSeiriGyouKan = v.D();
  h.dMojiSeiriSuu = v.D();
  h.nMojiKijunZureOn = v.I();
  for (auto& z : h.adMojiKijunZureX)
    z = v.D();
  for (auto& z : h.adMojiKijunZureY)
    z = v.D();
  return h;
}

// What the reader should hold for a written header: the written value where the version stores
// the field, the empty document's value where it does not.
void ExpectHeader(const TJwwData& doc, const WHeader& w) {
  const int32_t v = w.jwVer;
  const TEntJwwHeader& h = doc.Enthd;
  const TEntJwwHeader empty;
  auto since = [v](int32_t first, auto written, auto fallback) {
    return v >= first ? written : fallback;
  };
  EXPECT_TRUE(h.jwID == u"JwwData.");
  EXPECT_EQ(h.jwVer, v);
  EXPECT_TRUE(h.strMemo == w.strMemo);
  EXPECT_EQ(h.nZumen, w.nZumen);
  EXPECT_EQ(h.nWriteGLay, w.nWriteGLay);
  ASSERT_EQ(doc.EntLgrp.size(), 16u);
  ASSERT_EQ(doc.EntLay.size(), 256u);
  for (int g = 0; g < 16; ++g) {
    SCOPED_TRACE(g);
    EXPECT_EQ(doc.EntLgrp[g].anGLay, w.EntLgrp[g].anGLay);
    EXPECT_EQ(doc.EntLgrp[g].anWriteLay, w.EntLgrp[g].anWriteLay);
    EXPECT_EQ(doc.EntLgrp[g].adScale, w.EntLgrp[g].adScale);
    EXPECT_EQ(doc.EntLgrp[g].anGLayProtect, w.EntLgrp[g].anGLayProtect);
    EXPECT_TRUE(doc.EntLgrp[g].aStrGLayName == w.EntLgrp[g].aStrGLayName);
  }
  for (int i = 0; i < 256; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(doc.EntLay[i].aanLay, w.EntLay[i].aanLay);
    EXPECT_EQ(doc.EntLay[i].aanLayProtect, w.EntLay[i].aanLayProtect);
    EXPECT_TRUE(doc.EntLay[i].aStrLayName == w.EntLay[i].aStrLayName);
  }
  EXPECT_EQ(h.lnSunpou1, w.lnSunpou[0]);
  EXPECT_EQ(h.lnSunpou5, w.lnSunpou[4]);
  EXPECT_EQ(h.nMaxDrawWid, w.nMaxDrawWid);
  EXPECT_EQ(h.DPPrtGenten_x, w.DPPrtGenten_x);
  EXPECT_EQ(h.DPPrtGenten_y, w.DPPrtGenten_y);
  EXPECT_EQ(h.dPrtBairitsu, w.dPrtBairitsu);
  EXPECT_EQ(h.nPrtSet, w.nPrtSet);
  EXPECT_EQ(h.nMemoriMode, w.nMemoriMode);
  EXPECT_EQ(h.dMemoriHyoujiMin, w.dMemoriHyoujiMin);
  EXPECT_EQ(h.dMemoriX, w.dMemoriX);
  EXPECT_EQ(h.dMemoriY, w.dMemoriY);
  EXPECT_EQ(h.DpMemoriKjTen_x, w.DpMemoriKjTen_x);
  EXPECT_EQ(h.DpMemoriKjTen_y, w.DpMemoriKjTen_y);
  EXPECT_EQ(h.dKageLevel, w.dKageLevel);
  EXPECT_EQ(h.dKageIdo, w.dKageIdo);
  EXPECT_EQ(h.nKage9_15JiFlg, w.nKage9_15JiFlg);
  EXPECT_EQ(h.dKabeKageLevel, w.dKabeKageLevel);
  EXPECT_EQ(h.dTenkuuZuLevel, since(300, w.dTenkuuZuLevel, empty.dTenkuuZuLevel));
  EXPECT_EQ(h.dTenkuuZuEnkoR, since(300, w.dTenkuuZuEnkoR, empty.dTenkuuZuEnkoR));
  EXPECT_EQ(h.nMMTani3D, w.nMMTani3D);
  EXPECT_EQ(h.dBairitsu, w.dBairitsu);
  EXPECT_EQ(h.DPGenten_x, w.DPGenten_x);
  EXPECT_EQ(h.DPGenten_y, w.DPGenten_y);
  EXPECT_EQ(h.dHanniBairitsu, w.dHanniBairitsu);
  EXPECT_EQ(h.DPHanniGenten_x, w.DPHanniGenten_x);
  EXPECT_EQ(h.DPHanniGenten_y, w.DPHanniGenten_y);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const int32_t first = i < 4 ? 0 : 231;
    EXPECT_EQ(h.dZoomJumpBairitsu[i],
              since(first, w.dZoomJumpBairitsu[i], empty.dZoomJumpBairitsu[i]));
    EXPECT_EQ(h.DPZoomJumpGenten_x[i],
              since(first, w.DPZoomJumpGenten_x[i], empty.DPZoomJumpGenten_x[i]));
    EXPECT_EQ(h.DPZoomJumpGenten_y[i],
              since(first, w.DPZoomJumpGenten_y[i], empty.DPZoomJumpGenten_y[i]));
    EXPECT_EQ(h.nZoomJumpGLay[i], since(231, w.nZoomJumpGLay[i], -1));
  }
  EXPECT_EQ(h.dDm11, since(231, w.dDm11, 0.0));
  EXPECT_EQ(h.dDm13, since(231, w.dDm13, 0.0));
  EXPECT_EQ(h.lnDm1, since(231, w.lnDm1, 0));
  EXPECT_EQ(h.dDm22, since(231, w.dDm22, 0.0));
  EXPECT_EQ(h.dMojiBG, since(231, w.dMojiBG, 0.0));
  EXPECT_EQ(h.nMojiBG, since(231, w.nMojiBG, 0));
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(h.adFukusenSuuchi[i], w.adFukusenSuuchi[i]);
  EXPECT_EQ(h.dRyougawaFukusenTomeDe, w.dRyougawaFukusenTomeDe);
  ASSERT_EQ(doc.EntCol.size(), 10u);
  for (int c = 0; c < 10; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(doc.EntCol[c].aPenColor, w.EntCol[c].aPenColor);
    EXPECT_EQ(doc.EntCol[c].anPenWidth, w.EntCol[c].anPenWidth);
    EXPECT_EQ(doc.EntCol[c].aPrtPenColor, w.EntCol[c].aPrtPenColor);
    EXPECT_EQ(doc.EntCol[c].anPrtPenWidth, w.EntCol[c].anPrtPenWidth);
    EXPECT_EQ(doc.EntCol[c].adPrtTenHankei, w.EntCol[c].adPrtTenHankei);
  }
  ASSERT_EQ(doc.EntLtp1.size(), 8u);
  ASSERT_EQ(doc.EntLtp2.size(), 5u);
  ASSERT_EQ(doc.EntLtp3.size(), 4u);
  for (int t = 0; t < 8; ++t) {
    EXPECT_EQ(doc.EntLtp1[t].alLType, w.EntLtp1[t].alLType);
    EXPECT_EQ(doc.EntLtp1[t].anPrtTokushuSenPich, w.EntLtp1[t].anPrtTokushuSenPich);
  }
  for (int t = 0; t < 5; ++t) {
    EXPECT_EQ(doc.EntLtp2[t].alLType, w.EntLtp2[t].alLType);
    EXPECT_EQ(doc.EntLtp2[t].anRandSenWide, w.EntLtp2[t].anRandSenWide);
    EXPECT_EQ(doc.EntLtp2[t].anTokushuSenPich, w.EntLtp2[t].anTokushuSenPich);
    EXPECT_EQ(doc.EntLtp2[t].anPrtRandSenWide, w.EntLtp2[t].anPrtRandSenWide);
    EXPECT_EQ(doc.EntLtp2[t].anPrtTokushuSenPich, w.EntLtp2[t].anPrtTokushuSenPich);
  }
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(doc.EntLtp3[t].alLType, w.EntLtp3[t].alLType);
    EXPECT_EQ(doc.EntLtp3[t].anTokushuSenUintDot, w.EntLtp3[t].anTokushuSenUintDot);
    EXPECT_EQ(doc.EntLtp3[t].anTokushuSenPich, w.EntLtp3[t].anTokushuSenPich);
    EXPECT_EQ(doc.EntLtp3[t].anPrtTokushuSenPich, w.EntLtp3[t].anPrtTokushuSenPich);
  }
  EXPECT_EQ(h.nDrawGamenTen, w.nDrawGamenTen);
  EXPECT_EQ(h.nGyakuSearch, w.nGyakuSearch);
  EXPECT_EQ(h.nPrtKyoutsuuGray, w.nPrtKyoutsuuGray);
  EXPECT_EQ(h.nPrtDpi, w.nPrtDpi);
  EXPECT_EQ(h.nPrtDispOnlyNonDraw, w.nPrtDispOnlyNonDraw);
  EXPECT_EQ(h.lnDrawTime, since(223, w.lnDrawTime, 0));
  EXPECT_EQ(h.nEyeInit, since(223, w.nEyeInit, 0));
  EXPECT_EQ(h.dEye_H_Ichi_3, since(223, w.dEye_H_Ichi_3, 0));
  EXPECT_EQ(h.dEye_Z_Ichi_1, since(223, w.dEye_Z_Ichi_1, 0.0));
  EXPECT_EQ(h.dEye_V_Ichi_3, since(223, w.dEye_V_Ichi_3, 0.0));
  EXPECT_EQ(h.dSenNagasaSnpou, since(225, w.dSenNagasaSnpou, 0.0));
  EXPECT_EQ(h.dEnHankeiSnpou, since(225, w.dEnHankeiSnpou, 0.0));
  EXPECT_EQ(h.nSolidNinniColor, since(230, w.nSolidNinniColor, 0));
  EXPECT_EQ(h.SolidColor, since(230, w.SolidColor, 0));
  ASSERT_EQ(doc.EntColS.size(), 257u);
  ASSERT_EQ(doc.EntLtpS.size(), 33u);
  for (int c = 0; c < 257; ++c) {
    SCOPED_TRACE(c);
    const WColorEx want = v >= 420 ? w.EntColS[c] : WColorEx{0, 0, u"", 0, 0, 0.0};
    EXPECT_EQ(doc.EntColS[c].aPenColor, want.aPenColor);
    EXPECT_EQ(doc.EntColS[c].anPenWidth, want.anPenWidth);
    EXPECT_TRUE(doc.EntColS[c].astrUDColorName == want.astrUDColorName);
    EXPECT_EQ(doc.EntColS[c].aPrtPenColor, want.aPrtPenColor);
    EXPECT_EQ(doc.EntColS[c].anPrtPenWidth, want.anPrtPenWidth);
    EXPECT_EQ(doc.EntColS[c].adPrtTenHankei, want.adPrtTenHankei);
  }
  for (int t = 0; t < 33; ++t) {
    SCOPED_TRACE(t);
    WLineTypeEx want = w.EntLtpS[t];
    if (v < 420) want = WLineTypeEx{0, 0, 0, 0, u"", 0, {}};
    EXPECT_EQ(doc.EntLtpS[t].alLType, want.alLType);
    EXPECT_EQ(doc.EntLtpS[t].anPrtTokushuSenPich, want.anPrtTokushuSenPich);
    EXPECT_TRUE(doc.EntLtpS[t].astrUDLTypeName == want.astrUDLTypeName);
    EXPECT_EQ(doc.EntLtpS[t].anUDLTypeSegment, want.anUDLTypeSegment);
    EXPECT_EQ(doc.EntLtpS[t].aadUDLTypePitch[0], want.aadUDLTypePitch[0]);
    EXPECT_EQ(doc.EntLtpS[t].aadUDLTypePitch[9], want.aadUDLTypePitch[9]);
  }
  ASSERT_EQ(doc.EntMoj.size(), 10u);
  for (int m = 0; m < 10; ++m) {
    EXPECT_EQ(doc.EntMoj[m].adMojiX, w.EntMoj[m].adMojiX);
    EXPECT_EQ(doc.EntMoj[m].adMojiY, w.EntMoj[m].adMojiY);
    EXPECT_EQ(doc.EntMoj[m].adMojiD, w.EntMoj[m].adMojiD);
    EXPECT_EQ(doc.EntMoj[m].anMojiCol, w.EntMoj[m].anMojiCol);
  }
  EXPECT_EQ(h.dMojiSizeX, w.dMojiSizeX);
  EXPECT_EQ(h.dMojiSizeY, w.dMojiSizeY);
  EXPECT_EQ(h.dMojiKankaku, w.dMojiKankaku);
  EXPECT_EQ(h.nMojiColor, w.nMojiColor);
  EXPECT_EQ(h.nMojiShu, w.nMojiShu);
  EXPECT_EQ(h.dMojiSeiriGyouKan, w.dMojiSeiriGyouKan);
  EXPECT_EQ(h.dMojiSeiriSuu, w.dMojiSeiriSuu);
  EXPECT_EQ(h.nMojiKijunZureOn, w.nMojiKijunZureOn);
  EXPECT_EQ(h.adMojiKijunZureX0, w.adMojiKijunZureX[0]);
  EXPECT_EQ(h.adMojiKijunZureX2, w.adMojiKijunZureX[2]);
  EXPECT_EQ(h.adMojiKijunZureY0, w.adMojiKijunZureY[0]);
  EXPECT_EQ(h.adMojiKijunZureY2, w.adMojiKijunZureY[2]);
}

class JwwHeaderVersions : public ::testing::TestWithParam<int32_t> {};

// Every field lands where it belongs, and the entity list behind the header starts exactly
// where the version's header ends (the line after it reads intact).
TEST_P(JwwHeaderVersions, FieldsRoundTripAndListFollows) {
  const int32_t version = GetParam();
  for (JwwStringForm form : {JwwStringForm::Ansi, JwwStringForm::Utf16}) {
    SCOPED_TRACE(form == JwwStringForm::Ansi ? "CP932 strings" : "UTF-16 strings");
    WDrawing d;
    d.header = DistinctHeader(version);
    WLine line;
    line.start_x = 12.5;
    line.end_y = -7.25;
    line.att.nPenColor = 5;
    d.entities.push_back(line);
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d, {.stringForm = form}));
    ExpectHeader(doc, d.header);
    EXPECT_EQ(doc.MojiEncode, form == JwwStringForm::Utf16);
    ASSERT_EQ(doc.EntLineN, 1);
    ExpectLine(doc.EntLine[0], line, version);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryBranch, JwwHeaderVersions,
                         ::testing::Values(220, 222, 223, 224, 225, 229, 230, 231, 299, 300, 350,
                                           351, 419, 420, 600, 700));

std::vector<uint8_t> HeaderOnly(int32_t version, std::string id = "JwwData.") {
  WDrawing d = EmptyDrawing(version);
  d.header.jwID = std::move(id);
  return WriteJww(d);
}

TEST(JwwHeaderRead, SignatureAndVersionRange) {
  ScopedTempDir dir;
  struct Case {
    int32_t version;
    std::string id;
    bool accepted;
  };
  const Case cases[] = {{219, "JwwData.", false}, {220, "JwwData.", true}, {700, "JwwData.", true},
                        {701, "JwwData.", false}, {-5, "JwwData.", false}, {600, "jwwData.", false},
                        {600, "JwwData,", false}, {600, "JwwData", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id + " " + std::to_string(c.version));
    const auto path = dir / "case.jww";
    ASSERT_TRUE(WriteFileBytes(path, HeaderOnly(c.version, c.id)));
    EXPECT_EQ(TJwwData::FileCheck(path), c.accepted);
    TJwwData doc;
    EXPECT_EQ(doc.FileIn(path), c.accepted);
  }
  EXPECT_FALSE(TJwwData::FileCheck(dir / "missing.jww"));
  ASSERT_TRUE(WriteFileBytes(dir / "short.jww", {'J', 'w', 'w'}));
  EXPECT_FALSE(TJwwData::FileCheck(dir / "short.jww"));
  EXPECT_FALSE(TJwwData::FileCheck(dir.path()));
}

TEST(JwwHeaderRead, HeaderCutShortFails) {
  const auto full = HeaderOnly(600);
  TJwwData doc;
  // The last header field is missing entirely: the load fails.
  const size_t headerEnd = full.size() - 4;  // the empty entity and block lists are words
  std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(headerEnd) - 8);
  EXPECT_FALSE(LoadBytes(doc, cut));
  EXPECT_EQ(doc.Enthd.jwVer, 600);
  std::vector<uint8_t> tiny(full.begin(), full.begin() + 10);
  EXPECT_FALSE(LoadBytes(doc, tiny));
  // A whole header without the entity list's count is a failed load too.
  std::vector<uint8_t> headerOnly(full.begin(), full.begin() + static_cast<long>(headerEnd));
  EXPECT_FALSE(LoadBytes(doc, headerOnly));
  EXPECT_EQ(doc.Enthd.jwVer, 600);
}

TEST(JwwHeaderRead, WidthSettingDerivesHundredthUnits) {
  struct Case {
    int32_t nMaxDrawWid;
    bool senHaba100;
    int32_t bak;
  };
  const Case cases[] = {{-450, true, -50},   {-401, true, -1},   {-500, true, -100},
                        {-250, true, 50},    {-201, true, 1},    {-300, true, 100},
                        {-150, true, -100},  {-600, true, -100}, {-101, true, -100},
                        {-100, false, -100}, {-1, false, -1},    {7, false, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nMaxDrawWid);
    WDrawing d = EmptyDrawing(600);
    d.header.nMaxDrawWid = c.nMaxDrawWid;
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d));
    EXPECT_EQ(doc.Enthd.nMaxDrawWid, c.nMaxDrawWid);
    EXPECT_EQ(doc.Enthd.bSenHaba100, c.senHaba100);
    EXPECT_EQ(doc.Enthd.nMaxDrawWidBak, c.bak);
  }
}

TEST(JwwHeaderRead, CombinedPrintValueSplitsTowardZero) {
  for (auto [dpi, dispOnly] : {std::pair{1, 2}, {0, 0}, {3, 9}, {-1, -2}}) {
    WDrawing d = EmptyDrawing(600);
    d.header.nPrtDpi = dpi;
    d.header.nPrtDispOnlyNonDraw = dispOnly;
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d));
    EXPECT_EQ(doc.Enthd.nPrtDpi, dpi);
    EXPECT_EQ(doc.Enthd.nPrtDispOnlyNonDraw, dispOnly);
  }
}

TEST(JwwHeaderRead, NonFiniteTextSizesFallBack) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  WDrawing d = EmptyDrawing(600);
  d.header.EntMoj[2] = {nan, -inf, nan, 4};
  d.header.EntMoj[3] = {2.5, 3.5, 0.5, 2};
  d.header.dMojiSizeX = inf;
  d.header.dMojiSizeY = nan;
  d.header.dMojiKankaku = nan;
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  EXPECT_EQ(doc.EntMoj[2].adMojiX, 3.0);
  EXPECT_EQ(doc.EntMoj[2].adMojiY, 3.0);
  EXPECT_EQ(doc.EntMoj[2].adMojiD, 0.0);
  EXPECT_EQ(doc.EntMoj[2].anMojiCol, 4);
  EXPECT_EQ(doc.EntMoj[3].adMojiX, 2.5);
  EXPECT_EQ(doc.EntMoj[3].adMojiD, 0.5);
  EXPECT_EQ(doc.Enthd.dMojiSizeX, 3.0);
  EXPECT_EQ(doc.Enthd.dMojiSizeY, 3.0);
  EXPECT_EQ(doc.Enthd.dMojiKankaku, 0.0);
}

// Names lose control characters, the memo keeps its line breaks, both forms end at a NUL, and
// long strings take the word length forms.
TEST(JwwHeaderRead, StringFormsAndCleaning) {
  for (JwwStringForm form : {JwwStringForm::Ansi, JwwStringForm::Utf16}) {
    WDrawing d = EmptyDrawing(600);
    d.header.strMemo = u"一行目\r\n二行目\tタブ";
    d.header.EntLay[17].aStrLayName = u"壁\t芯\r\n線";
    d.header.EntLgrp[3].aStrGLayName = std::u16string(u"前半") + u'\0' + u"後半";
    d.header.EntLay[0].aStrLayName = std::u16string(300, u'あ');  // 600 CP932 bytes
    d.header.EntLay[1].aStrLayName = std::u16string(70, u'x');
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d, {.stringForm = form}));
    EXPECT_TRUE(doc.Enthd.strMemo == d.header.strMemo);
    EXPECT_TRUE(doc.EntLay[17].aStrLayName == u"壁芯線");
    EXPECT_TRUE(doc.EntLgrp[3].aStrGLayName == u"前半");
    EXPECT_TRUE(doc.EntLay[0].aStrLayName == d.header.EntLay[0].aStrLayName);
    EXPECT_TRUE(doc.EntLay[1].aStrLayName == d.header.EntLay[1].aStrLayName);
    EXPECT_EQ(doc.MojiEncode, form == JwwStringForm::Utf16);
  }
}

// Hand-made strings in the short forms that the writer would not choose itself.
TEST(JwwHeaderRead, HandMadeStringForms) {
  auto loadMemo = [](const std::vector<uint8_t>& memoBytes) {
    WDrawing d = EmptyDrawing(600);
    d.header.strMemo = u"@";  // placeholder, replaced below
    std::vector<uint8_t> bytes = WriteJww(d);
    // The memo follows the 8-byte signature and the version.
    const auto at = bytes.begin() + 12;
    bytes.erase(at, at + 2);
    bytes.insert(bytes.begin() + 12, memoBytes.begin(), memoBytes.end());
    auto doc = std::make_unique<TJwwData>();
    EXPECT_TRUE(LoadBytes(*doc, bytes));
    return doc;
  };
  // FF FE FF 02: UTF-16 with a byte count of two code units.
  auto wide = loadMemo({0xFF, 0xFE, 0xFF, 0x02, 0xE5, 0x65, 0x2C, 0x67});
  EXPECT_TRUE(wide->Enthd.strMemo == u"日本");
  EXPECT_TRUE(wide->MojiEncode);
  // FF FE FF FF 03 00: UTF-16 with a word count.
  auto wideWord = loadMemo({0xFF, 0xFE, 0xFF, 0xFF, 0x03, 0x00, 0x41, 0, 0x42, 0, 0x43, 0});
  EXPECT_TRUE(wideWord->Enthd.strMemo == u"ABC");
  // 03 and three Shift-JIS bytes: 'ｱ' (half-width katakana, one byte) and '漢' (two bytes).
  auto ansi = loadMemo({0x03, 0xB1, 0x8A, 0xBF});
  EXPECT_TRUE(ansi->Enthd.strMemo == u"ｱ漢");
  EXPECT_FALSE(ansi->MojiEncode);
  // FF 04 00: a word length in the single-byte form.
  auto ansiWord = loadMemo({0xFF, 0x04, 0x00, 'a', 'b', 0, 'c'});
  EXPECT_TRUE(ansiWord->Enthd.strMemo == u"ab");
}

}  // namespace
}  // namespace tavolex::test
