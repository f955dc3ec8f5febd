// Real drawings: what the reader makes of each one, written back with the test writer, gives
// the very same bytes. Every header field, table entry, entity record, string and class tag of
// the file must have been read into the right place for that to hold; the order lists and the
// insert tree are checked against the arrays as the drawing code uses them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "jww/JwwTestUtil.h"
#include "support/TestPaths.h"

namespace tavolex::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> SampleFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(SamplesDir())) {
    if (entry.is_regular_file() && entry.path().extension() == ".jww") files.push_back(entry);
  }
  std::sort(files.begin(), files.end());
  return files;
}

WAttr ToW(const TEntJwwAttr& a) {
  return {a.lGroup, a.nPenStyle, a.nPenColor, a.nPenWidth, a.nLayer, a.nGLayer, a.sFlg};
}

WLine ToW(const TEntJwwLine& e) {
  return {ToW(e.att), e.start_x, e.start_y, e.end_x, e.end_y};
}

WEnko ToW(const TEntJwwEnko& e) {
  return {ToW(e.att),    e.start_x,         e.start_y,      e.dHankei,  e.radKaishiKaku,
          e.radEnkoKaku, e.radKatamukiKaku, e.dHenpeiRitsu, e.bZenEnFlg};
}

WTen ToW(const TEntJwwTen& e) {
  return {ToW(e.att), e.start_x, e.start_y, e.bKariten, e.nCode, e.radKaitenKaku, e.dBairitsu};
}

WMoji ToW(const TEntJwwMoji& e) {
  return {ToW(e.att), e.start_x, e.start_y,  e.end_x,     e.end_y,       e.nMojiShu,
          e.dSizeX,   e.dSizeY,  e.dKankaku, e.degKakudo, e.strFontName, e.str};
}

WSunpo ToW(const TEntJwwSunpo& e) {
  return {ToW(e.att), ToW(e.Sen), ToW(e.Moji), e.bSxfMode, ToW(e.Ho1),
          ToW(e.Ho2), ToW(e.Te1), ToW(e.Te2),  ToW(e.Kt1), ToW(e.Kt2)};
}

WSolid ToW(const TEntJwwSolid& e) {
  return {ToW(e.att),  e.start_x,   e.start_y,   e.end_x,     e.end_y,
          e.DPoint2_x, e.DPoint2_y, e.DPoint3_x, e.DPoint3_y, e.Color};
}

WBlock ToW(const TEntJwwBlock& e) {
  return {ToW(e.att),   e.DPKijunTen_x,  e.DPKijunTen_y, e.dBairitsuX,
          e.dBairitsuY, e.radKaitenKaku, e.nNumber};
}

// The objects of an order list, in order, from the arrays it indexes.
template <typename Arrays>
std::vector<WEntity> ListOf(const std::vector<TEntJwwNo>& order, const Arrays& a) {
  std::vector<WEntity> list;
  for (const TEntJwwNo& no : order) {
    switch (no.EntType) {
      case 1:
        list.push_back(ToW(a.line[no.EntNo]));
        break;
      case 2:
        list.push_back(ToW(a.enko[no.EntNo]));
        break;
      case 3:
        list.push_back(ToW(a.ten[no.EntNo]));
        break;
      case 4:
        list.push_back(ToW(a.moji[no.EntNo]));
        break;
      case 5:
        list.push_back(ToW(a.sunpo[no.EntNo]));
        break;
      case 6:
        list.push_back(ToW(a.solid[no.EntNo]));
        break;
      case 7:
        list.push_back(ToW(a.block[no.EntNo]));
        break;
      default:
        ADD_FAILURE() << "empty order entry in an intact file";
    }
  }
  return list;
}

struct ArrayRefs {
  const std::vector<TEntJwwLine>& line;
  const std::vector<TEntJwwEnko>& enko;
  const std::vector<TEntJwwTen>& ten;
  const std::vector<TEntJwwMoji>& moji;
  const std::vector<TEntJwwSunpo>& sunpo;
  const std::vector<TEntJwwSolid>& solid;
  const std::vector<TEntJwwBlock>& block;
};

WHeader HeaderOf(const TJwwData& doc, const std::vector<uint8_t>& original, JwwStringForm form) {
  const TEntJwwHeader& h = doc.Enthd;
  WHeader w;
  w.jwVer = h.jwVer;
  w.strMemo = h.strMemo;
  w.nZumen = h.nZumen;
  w.nWriteGLay = h.nWriteGLay;
  for (int g = 0; g < 16; ++g) {
    const auto& s = doc.EntLgrp[g];
    w.EntLgrp[g] = {s.anGLay, s.anWriteLay, s.adScale, s.anGLayProtect, s.aStrGLayName};
  }
  for (int i = 0; i < 256; ++i) {
    const auto& s = doc.EntLay[i];
    w.EntLay[i] = {s.aanLay, s.aanLayProtect, s.aStrLayName};
  }
  // The reader passes over two reserved runs; take them from the file.
  JwwWriter head(h.jwVer, form);
  head.Raw(std::string("JwwData."));
  head.Int32(h.jwVer);
  head.String(h.strMemo);
  const size_t reserved = head.Data().size() + 8 + 16 * (20 + 16 * 8);
  std::copy_n(original.begin() + static_cast<long>(reserved), 56, w.skipped56.begin());
  std::copy_n(original.begin() + static_cast<long>(reserved) + 56 + 20, 4, w.skipped4.begin());
  w.lnSunpou = {h.lnSunpou1, h.lnSunpou2, h.lnSunpou3, h.lnSunpou4, h.lnSunpou5};
  w.nMaxDrawWid = h.nMaxDrawWid;
  w.DPPrtGenten_x = h.DPPrtGenten_x;
  w.DPPrtGenten_y = h.DPPrtGenten_y;
  w.dPrtBairitsu = h.dPrtBairitsu;
  w.nPrtSet = h.nPrtSet;
  w.nMemoriMode = h.nMemoriMode;
  w.dMemoriHyoujiMin = h.dMemoriHyoujiMin;
  w.dMemoriX = h.dMemoriX;
  w.dMemoriY = h.dMemoriY;
  w.DpMemoriKjTen_x = h.DpMemoriKjTen_x;
  w.DpMemoriKjTen_y = h.DpMemoriKjTen_y;
  w.dKageLevel = h.dKageLevel;
  w.dKageIdo = h.dKageIdo;
  w.nKage9_15JiFlg = h.nKage9_15JiFlg;
  w.dKabeKageLevel = h.dKabeKageLevel;
  w.dTenkuuZuLevel = h.dTenkuuZuLevel;
  w.dTenkuuZuEnkoR = h.dTenkuuZuEnkoR;
  w.nMMTani3D = h.nMMTani3D;
  w.dBairitsu = h.dBairitsu;
  w.DPGenten_x = h.DPGenten_x;
  w.DPGenten_y = h.DPGenten_y;
  w.dHanniBairitsu = h.dHanniBairitsu;
  w.DPHanniGenten_x = h.DPHanniGenten_x;
  w.DPHanniGenten_y = h.DPHanniGenten_y;
  w.dZoomJumpBairitsu = h.dZoomJumpBairitsu;
  w.DPZoomJumpGenten_x = h.DPZoomJumpGenten_x;
  w.DPZoomJumpGenten_y = h.DPZoomJumpGenten_y;
  w.nZoomJumpGLay = h.nZoomJumpGLay;
  w.dDm11 = h.dDm11;
  w.dDm12 = h.dDm12;
  w.dDm13 = h.dDm13;
  w.lnDm1 = h.lnDm1;
  w.dDm21 = h.dDm21;
  w.dDm22 = h.dDm22;
  w.dMojiBG = h.dMojiBG;
  w.nMojiBG = h.nMojiBG;
  w.adFukusenSuuchi = h.adFukusenSuuchi;
  w.dRyougawaFukusenTomeDe = h.dRyougawaFukusenTomeDe;
  for (int c = 0; c < 10; ++c) {
    const auto& s = doc.EntCol[c];
    w.EntCol[c] = {s.aPenColor, s.anPenWidth, s.aPrtPenColor, s.anPrtPenWidth, s.adPrtTenHankei};
  }
  for (int t = 0; t < 8; ++t) {
    const auto& s = doc.EntLtp1[t];
    w.EntLtp1[t] = {s.alLType, s.anTokushuSenUintDot, s.anTokushuSenPich, s.anPrtTokushuSenPich};
  }
  for (int t = 0; t < 5; ++t) {
    const auto& s = doc.EntLtp2[t];
    w.EntLtp2[t] = {s.alLType, s.anRandSenWide, s.anTokushuSenPich, s.anPrtRandSenWide,
                    s.anPrtTokushuSenPich};
  }
  for (int t = 0; t < 4; ++t) {
    const auto& s = doc.EntLtp3[t];
    w.EntLtp3[t] = {s.alLType, s.anTokushuSenUintDot, s.anTokushuSenPich, s.anPrtTokushuSenPich};
  }
  w.nDrawGamenTen = h.nDrawGamenTen;
  w.nDrawPrtTen = h.nDrawPrtTen;
  w.nBitMapFirstDraw = h.nBitMapFirstDraw;
  w.nGyakuDraw = h.nGyakuDraw;
  w.nGyakuSearch = h.nGyakuSearch;
  w.nColorPrint = h.nColorPrint;
  w.nLayJunPrint = h.nLayJunPrint;
  w.nColJunPrint = h.nColJunPrint;
  w.nPrtRenzoku = h.nPrtRenzoku;
  w.nPrtKyoutsuuGray = h.nPrtKyoutsuuGray;
  w.nPrtDpi = h.nPrtDpi;
  w.nPrtDispOnlyNonDraw = h.nPrtDispOnlyNonDraw;
  w.lnDrawTime = h.lnDrawTime;
  w.nEyeInit = h.nEyeInit;
  w.dEye_H_Ichi_1 = h.dEye_H_Ichi_1;
  w.dEye_H_Ichi_2 = h.dEye_H_Ichi_2;
  w.dEye_H_Ichi_3 = h.dEye_H_Ichi_3;
  w.dEye_Z_Ichi_1 = h.dEye_Z_Ichi_1;
  w.dEye_Y_Ichi_1 = h.dEye_Y_Ichi_1;
  w.dEye_Z_Ichi_2 = h.dEye_Z_Ichi_2;
  w.dEye_Y_Ichi_2 = h.dEye_Y_Ichi_2;
  w.dEye_V_Ichi_3 = h.dEye_V_Ichi_3;
  w.dSenNagasaSnpou = h.dSenNagasaSnpou;
  w.dBoxSunpouX = h.dBoxSunpouX;
  w.dBoxSunpouY = h.dBoxSunpouY;
  w.dEnHankeiSnpou = h.dEnHankeiSnpou;
  w.nSolidNinniColor = h.nSolidNinniColor;
  w.SolidColor = h.SolidColor;
  for (int c = 0; c < 257; ++c) {
    const auto& s = doc.EntColS[c];
    w.EntColS[c] = {s.aPenColor,    s.anPenWidth,    s.astrUDColorName,
                    s.aPrtPenColor, s.anPrtPenWidth, s.adPrtTenHankei};
  }
  for (int t = 0; t < 33; ++t) {
    const auto& s = doc.EntLtpS[t];
    w.EntLtpS[t] = {
        s.alLType,         s.anTokushuSenUintDot, s.anTokushuSenPich, s.anPrtTokushuSenPich,
        s.astrUDLTypeName, s.anUDLTypeSegment,    s.aadUDLTypePitch};
  }
  for (int m = 0; m < 10; ++m) {
    const auto& s = doc.EntMoj[m];
    w.EntMoj[m] = {s.adMojiX, s.adMojiY, s.adMojiD, s.anMojiCol};
  }
  w.dMojiSizeX = h.dMojiSizeX;
  w.dMojiSizeY = h.dMojiSizeY;
  w.dMojiKankaku = h.dMojiKankaku;
  w.nMojiColor = h.nMojiColor;
  w.nMojiShu = h.nMojiShu;
  w.dMojiSeiriGyouKan = h.dMojiSeiriGyouKan;
  w.dMojiSeiriSuu = h.dMojiSeiriSuu;
  w.nMojiKijunZureOn = h.nMojiKijunZureOn;
  w.adMojiKijunZureX = {h.adMojiKijunZureX0, h.adMojiKijunZureX1, h.adMojiKijunZureX2};
  w.adMojiKijunZureY = {h.adMojiKijunZureY0, h.adMojiKijunZureY1, h.adMojiKijunZureY2};
  return w;
}

WDrawing DrawingOf(const TJwwData& doc, const std::vector<uint8_t>& original, JwwStringForm form) {
  WDrawing d;
  d.header = HeaderOf(doc, original, form);
  d.entities = ListOf(doc.EntNo, ArrayRefs{doc.EntLine, doc.EntEnko, doc.EntTen, doc.EntMoji,
                                           doc.EntSunpo, doc.EntSolid, doc.EntBlock});
  for (const TEntJwwBlockDef& def : doc.EntBlockDef) {
    WBlockDef w{ToW(def.att), def.nNumber, def.bRefferd, def.dtime, {}, def.strName, {}};
    w.entities = ListOf(def.mNo, ArrayRefs{def.mLine, def.mEnko, def.mTen, def.mMoji, def.mSunpo,
                                           def.mSolid, def.mBlock});
    d.blockDefs.push_back(std::move(w));
  }
  return d;
}

size_t FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return static_cast<size_t>(ia - a.begin());
}

TEST(JwwSampleRoundTrip, ReadingAndWritingBackGivesTheSameBytes) {
  TAVOLEX_REQUIRE_SAMPLES();
  for (const fs::path& file : SampleFiles()) {
    SCOPED_TRACE(file.string());
    const auto original = ReadFileBytes(file);
    TJwwData doc;
    ASSERT_TRUE(doc.FileIn(file));
    const JwwStringForm form = doc.MojiEncode ? JwwStringForm::Utf16 : JwwStringForm::Ansi;
    const auto written = WriteJww(DrawingOf(doc, original, form), {.stringForm = form});
    EXPECT_EQ(written.size(), original.size());
    EXPECT_EQ(FirstDifference(written, original), std::min(written.size(), original.size()));
  }
}

// Every order entry names an element, and every element is named exactly once.
void ExpectOrderCoversArrays(const std::vector<TEntJwwNo>& order, const int32_t (&counts)[8]) {
  std::set<std::pair<int32_t, int32_t>> seen;
  for (const TEntJwwNo& no : order) {
    ASSERT_GE(no.EntType, 1);
    ASSERT_LE(no.EntType, 7);
    ASSERT_GE(no.EntNo, 0);
    ASSERT_LT(no.EntNo, counts[no.EntType]);
    EXPECT_TRUE(seen.insert({no.EntType, no.EntNo}).second);
  }
  size_t total = 0;
  for (int k = 1; k <= 7; ++k)
    total += static_cast<size_t>(counts[k]);
  EXPECT_EQ(seen.size(), total);
}

TEST(JwwSampleRoundTrip, OrderListsBlockTreesAndQuickRead) {
  TAVOLEX_REQUIRE_SAMPLES();
  for (const fs::path& file : SampleFiles()) {
    SCOPED_TRACE(file.string());
    TJwwData doc;
    ASSERT_TRUE(doc.FileIn(file));
    const int32_t counts[8] = {0,
                               doc.EntLineN,
                               doc.EntEnkoN,
                               doc.EntTenN,
                               doc.EntMojiN,
                               doc.EntSunpoN,
                               doc.EntSolidN,
                               doc.EntBlockN};
    ExpectOrderCoversArrays(doc.EntNo, counts);
    for (const TEntJwwBlockDef& def : doc.EntBlockDef) {
      const int32_t members[8] = {0,          def.mLineN,  def.mEnkoN,  def.mTenN,
                                  def.mMojiN, def.mSunpoN, def.mSolidN, def.mBlockN};
      ExpectOrderCoversArrays(def.mNo, members);
    }
    // Drawings before version 700 know only CP932 strings; a 700 drawing may store either form
    // (the byte-for-byte round trip checks which one was read).
    EXPECT_TRUE(doc.Enthd.jwVer >= 700 || !doc.MojiEncode);
    // Each drawing insert heads its own tree node, pointing at the definition it names.
    ASSERT_GE(doc.EntBlockTreeN, doc.EntBlockN);
    for (int32_t b = 0; b < doc.EntBlockN; ++b) {
      const TEntJwwBlockTree& node = doc.EntBlockTree[b];
      EXPECT_EQ(node.level, 0);
      EXPECT_EQ(node.no, +doc.EntBlock[b].nNumber);
      ASSERT_GE(node.defno, 0);
      EXPECT_TRUE(node.name == doc.EntBlockDef[node.defno].strName);
      EXPECT_TRUE(doc.EntBlockDef[node.defno].ref_flag);
    }
    EXPECT_EQ(doc.EntBlockNum, doc.EntBlockDefN);  // the samples use every definition

    // The settings-only read takes the same header and at most its budget of objects.
    TJwwData quick;
    ASSERT_TRUE(quick.FilePrevIn(file, 100));
    EXPECT_EQ(quick.Enthd.nMaxDrawWid, doc.Enthd.nMaxDrawWid);
    EXPECT_EQ(quick.EntCol[5].aPrtPenColor, doc.EntCol[5].aPrtPenColor);
    EXPECT_TRUE(quick.EntLay[37].aStrLayName == doc.EntLay[37].aStrLayName);
    const int32_t quickObjects = quick.EntLineN + quick.EntEnkoN + quick.EntTenN + quick.EntMojiN +
                                 quick.EntSunpoN + quick.EntSolidN + quick.EntBlockN;
    EXPECT_EQ(quickObjects, std::min(100, doc.Enthd.n1));
  }
}

}  // namespace
}  // namespace tavolex::test
