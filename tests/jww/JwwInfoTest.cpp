// The description of a drawing that tavolex-print --info prints.
#include <gtest/gtest.h>

#include <filesystem>

#include "jww/JwwInfo.h"
#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

using namespace test;

TEST(JwwInfo, CountsKindsWithTemporaryPointsAndImagesApart) {
  WDrawing d;
  d.header.jwVer = 700;
  d.header.strMemo = u"一行目\r\n二行目";
  d.header.EntLgrp[3].aStrGLayName = u"配置";
  WTen temporary;
  temporary.bKariten = 1;
  WMoji picture;
  picture.str = u"^@BM%temp%a.bmp,100,50";
  WMoji text;
  text.str = u"寸法";
  d.entities = {WLine{}, WLine{}, WEnko{},  WTen{},   temporary,
                text,    picture, WSunpo{}, WSolid{}, WBlock{.nNumber = 5}};
  d.blockDefs = {WBlockDef{.nNumber = 5, .strName = u"扉", .entities = {WLine{}, WLine{}}}};
  d.images = {{u"a.bmp.gz", GzipBytes({1, 2, 3})}};
  ScopedTempDir dir;
  const auto file = dir / "info-test.jww";
  ASSERT_TRUE(SaveJww(file, d));

  TJwwData jww;
  jww.BindImageExp = true;  // --info must not write images even when the document would
  jww.BindImageFolder = dir.path();
  const TJwwInfo info = CollectJwwInfo(file, jww);

  EXPECT_TRUE(info.fileCheck);
  EXPECT_TRUE(info.fileIn);
  EXPECT_EQ(info.jwVer, 700);
  EXPECT_EQ(info.memo, u"一行目\r\n二行目");
  EXPECT_EQ(info.entities.lines, 2);
  EXPECT_EQ(info.entities.arcs, 1);
  EXPECT_EQ(info.entities.points, 1);
  EXPECT_EQ(info.entities.temporaryPoints, 1);
  EXPECT_EQ(info.entities.texts, 1);
  EXPECT_EQ(info.entities.images, 1);
  EXPECT_EQ(info.entities.dimensions, 1);
  EXPECT_EQ(info.entities.solids, 1);
  EXPECT_EQ(info.entities.blockInserts, 1);
  ASSERT_EQ(info.blocks.size(), 1u);
  EXPECT_EQ(info.blocks[0].name, u"扉");
  EXPECT_EQ(info.blocks[0].members, 2);
  EXPECT_TRUE(info.blocks[0].referenced);
  EXPECT_EQ(info.blockTreeNodes, 1);
  ASSERT_EQ(info.storedImages.size(), 1u);
  EXPECT_EQ(info.storedImages[0].name, u"a.bmp.gz");
  EXPECT_FALSE(std::filesystem::exists(dir / "a.bmp.gz"));
  EXPECT_FALSE(std::filesystem::exists(dir / "a.bmp"));
  EXPECT_EQ(jww.BindImageExp, true);
  ASSERT_EQ(info.layerGroupNames.size(), 16u);
  EXPECT_EQ(info.layerGroupNames[3], u"配置");
}

TEST(JwwInfo, RefusedFileIsNotLoaded) {
  ScopedTempDir dir;
  const auto file = dir / "info-refused.jww";
  ASSERT_TRUE(WriteFileBytes(file, {'J', 'w', 'w', 'D', 'a', 't', 'a', '.', 0xBD, 0, 0, 0}));
  TJwwData jww;
  const TJwwInfo info = CollectJwwInfo(file, jww);
  EXPECT_FALSE(info.fileCheck);
  EXPECT_FALSE(info.fileIn);
  EXPECT_EQ(info.jwVer, 0);
  EXPECT_TRUE(info.layerGroupNames.empty());
}

}  // namespace
}  // namespace tavolex
