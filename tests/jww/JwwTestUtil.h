// Loading written drawings and comparing what the reader made of them with what was written.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"

namespace tavolex::test {

// Loads the bytes as a file named "test.jww" would load.
inline bool LoadBytes(TJwwData& doc, const std::vector<uint8_t>& bytes) {
  return doc.FileInBuffer(std::span<const uint8_t>(bytes.data(), bytes.size()), "test.jww");
}

inline bool LoadDrawing(TJwwData& doc, const WDrawing& d, const WOptions& options = {}) {
  return LoadBytes(doc, WriteJww(d, options));
}

// Packed record fields cannot bind to references; the unary plus copies them out.
inline void ExpectAttr(const TEntJwwAttr& got, const WAttr& want, int32_t version) {
  EXPECT_EQ(+got.lGroup, want.lGroup);
  EXPECT_EQ(+got.nPenStyle, want.nPenStyle);
  EXPECT_EQ(+got.nPenColor, want.nPenColor);
  EXPECT_EQ(+got.nPenWidth, version >= 351 ? want.nPenWidth : 0);
  EXPECT_EQ(+got.nLayer, want.nLayer);
  EXPECT_EQ(+got.nGLayer, want.nGLayer);
  EXPECT_EQ(+got.sFlg, want.sFlg);
}

inline void ExpectLine(const TEntJwwLine& got, const WLine& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.start_x, want.start_x);
  EXPECT_EQ(+got.start_y, want.start_y);
  EXPECT_EQ(+got.end_x, want.end_x);
  EXPECT_EQ(+got.end_y, want.end_y);
}

inline void ExpectEnko(const TEntJwwEnko& got, const WEnko& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.start_x, want.start_x);
  EXPECT_EQ(+got.start_y, want.start_y);
  EXPECT_EQ(+got.dHankei, want.dHankei);
  EXPECT_EQ(+got.radKaishiKaku, want.radKaishiKaku);
  EXPECT_EQ(+got.radEnkoKaku, want.radEnkoKaku);
  EXPECT_EQ(+got.radKatamukiKaku, want.radKatamukiKaku);
  EXPECT_EQ(+got.dHenpeiRitsu, want.dHenpeiRitsu);
  EXPECT_EQ(+got.bZenEnFlg, want.bZenEnFlg);
}

// The marker part is compared only for points that store it.
inline void ExpectTenBase(const TEntJwwTen& got, const WTen& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.start_x, want.start_x);
  EXPECT_EQ(+got.start_y, want.start_y);
  EXPECT_EQ(+got.bKariten, want.bKariten);
  if (want.att.nPenStyle == 100) {
    EXPECT_EQ(+got.nCode, want.nCode);
    EXPECT_EQ(+got.radKaitenKaku, want.radKaitenKaku);
    EXPECT_EQ(+got.dBairitsu, want.dBairitsu);
  }
}

inline void ExpectMoji(const TEntJwwMoji& got, const WMoji& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.start_x, want.start_x);
  EXPECT_EQ(+got.start_y, want.start_y);
  EXPECT_EQ(+got.end_x, want.end_x);
  EXPECT_EQ(+got.end_y, want.end_y);
  EXPECT_EQ(+got.nMojiShu, want.nMojiShu);
  EXPECT_EQ(+got.dSizeX, want.dSizeX);
  EXPECT_EQ(+got.dSizeY, want.dSizeY);
  EXPECT_EQ(+got.dKankaku, want.dKankaku);
  EXPECT_EQ(+got.degKakudo, want.degKakudo);
  EXPECT_TRUE(got.strFontName == want.strFontName);
  EXPECT_TRUE(got.str == want.str);
}

inline void ExpectSolid(const TEntJwwSolid& got, const WSolid& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.start_x, want.start_x);
  EXPECT_EQ(+got.start_y, want.start_y);
  EXPECT_EQ(+got.end_x, want.end_x);
  EXPECT_EQ(+got.end_y, want.end_y);
  EXPECT_EQ(+got.DPoint2_x, want.DPoint2_x);
  EXPECT_EQ(+got.DPoint2_y, want.DPoint2_y);
  EXPECT_EQ(+got.DPoint3_x, want.DPoint3_x);
  EXPECT_EQ(+got.DPoint3_y, want.DPoint3_y);
  EXPECT_EQ(+got.Color, want.att.nPenColor == 10 ? want.Color : 0u);
}

inline void ExpectBlock(const TEntJwwBlock& got, const WBlock& want, int32_t version) {
  ExpectAttr(got.att, want.att, version);
  EXPECT_EQ(+got.DPKijunTen_x, want.DPKijunTen_x);
  EXPECT_EQ(+got.DPKijunTen_y, want.DPKijunTen_y);
  EXPECT_EQ(+got.dBairitsuX, want.dBairitsuX);
  EXPECT_EQ(+got.dBairitsuY, want.dBairitsuY);
  EXPECT_EQ(+got.radKaitenKaku, want.radKaitenKaku);
  EXPECT_EQ(+got.nNumber, want.nNumber);
}

// A drawing of the given version with an empty entity list.
inline WDrawing EmptyDrawing(int32_t version) {
  WDrawing d;
  d.header.jwVer = version;
  return d;
}

// Attributes that differ in every field, so a shifted field shows.
inline WAttr DistinctAttr(uint32_t seed, uint8_t penStyle = 2, uint16_t penColor = 3) {
  return WAttr{.lGroup = 0x01020304u + seed,
               .nPenStyle = penStyle,
               .nPenColor = penColor,
               .nPenWidth = static_cast<uint16_t>(40 + seed),
               .nLayer = static_cast<uint16_t>(seed % 16),
               .nGLayer = static_cast<uint16_t>((seed + 5) % 16),
               .sFlg = static_cast<uint16_t>(0x0100 + seed)};
}

// One entity of every kind (both forms of points and solids), with values that differ
// everywhere, ending with a line so that a misread tail shows.
inline std::vector<WEntity> EveryKind(uint32_t seed = 0) {
  const double s = seed;
  std::vector<WEntity> list;
  list.push_back(WLine{DistinctAttr(seed + 1), 1.5 + s, -2.5, 1e6, -1e-3});
  list.push_back(WEnko{DistinctAttr(seed + 2), 10 + s, 20, 5.5, 0.25, 1.5, 0.125, 0.5, 0});
  list.push_back(WTen{DistinctAttr(seed + 3), 7 + s, 8, 1, 0, 0, 1});
  list.push_back(WTen{DistinctAttr(seed + 4, 100), -7, -8 - s, 0, 12, 0.75, 2.5});
  WMoji text{DistinctAttr(seed + 5), 1, 2, 30 + s, 2, 0x2001, 2.5, 3.5, 0.5, 30.0};
  text.strFontName = u"ＭＳ 明朝";
  text.str = u"木造平面図 Ａ－１";
  list.push_back(text);
  WSunpo dim;
  dim.att = DistinctAttr(seed + 6);
  dim.Sen = WLine{DistinctAttr(seed + 7), 0, 0, 100 + s, 0};
  dim.Moji = WMoji{DistinctAttr(seed + 8), 40, 1, 60, 1, 1, 2, 2, 0, 0};
  dim.Moji.strFontName = u"ＭＳ ゴシック";
  dim.Moji.str = u"1,000";
  dim.bSxfMode = 2;
  dim.Ho1 = WLine{DistinctAttr(seed + 9), 0, -5, 0, 5};
  dim.Ho2 = WLine{DistinctAttr(seed + 10), 100, -5, 100, 5};
  dim.Te1 = WTen{DistinctAttr(seed + 11), 0, 0, 0, 0, 0, 1};
  dim.Te2 = WTen{DistinctAttr(seed + 12, 100), 100, 0, 0, 3, 3.25, 1.75};
  dim.Kt1 = WTen{DistinctAttr(seed + 13), 0, -6, 1, 0, 0, 1};
  dim.Kt2 = WTen{DistinctAttr(seed + 14), 100, -6, 1, 0, 0, 1};
  list.push_back(dim);
  list.push_back(WSolid{DistinctAttr(seed + 15), 0, 0, 10, 0, 10, 10, 0, 10 + s, 0});
  list.push_back(WSolid{DistinctAttr(seed + 16, 1, 10), 5, 5, 6, 5, 6, 6, 5, 6, 0x00336699});
  list.push_back(WBlock{DistinctAttr(seed + 17), 50, 60 + s, 2, 0.5, 0.75, 7});
  list.push_back(WLine{DistinctAttr(seed + 18), -1, -2, -3, -4 - s});
  return list;
}

// A drawing with every kind in its list, nested block definitions (one with the 64-bit time
// form) and, from version 700 on, two stored images.
inline WDrawing RichDrawing(int32_t version) {
  WDrawing d = EmptyDrawing(version);
  d.header.strMemo = u"試験図面\r\n二行目";
  d.header.lnDrawTime = 3725;
  d.entities = EveryKind();
  d.entities.push_back(WBlock{DistinctAttr(30), 100, 100, 1, 1, 0, 2});
  WBlockDef inner{DistinctAttr(40), 1, 1, 0x5F000000, {}, u"内側", EveryKind(100)};
  WBlockDef outer{DistinctAttr(41), 2, 1, 0, 0x0000000065000000ull, u"外側", {}};
  outer.entities.push_back(WLine{DistinctAttr(42), 0, 0, 1, 1});
  outer.entities.push_back(WBlock{DistinctAttr(43), 10, 0, 1, 1, 0, 1});
  outer.entities.push_back(WBlock{DistinctAttr(44), 20, 0, 1, 1, 1.5707963267948966, 1});
  d.blockDefs = {inner, outer};
  if (version >= 700) {
    std::vector<uint8_t> picture(3000);
    for (size_t i = 0; i < picture.size(); ++i)
      picture[i] = static_cast<uint8_t>(i * 7);
    d.images.push_back({u"写真.bmp.gz", GzipBytes(picture)});
    d.images.push_back({u"plan.png", picture});
  }
  return d;
}

}  // namespace tavolex::test
