#include "jww/JwwInfo.h"

#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

bool IsImageText(const TEntJwwMoji& moji) {
  return moji.str.starts_with(u"^@BM");
}

void DescribeDocument(const TJwwData& jww, TJwwInfo& info) {
  info.jwVer = jww.Enthd.jwVer;
  info.memo = jww.Enthd.strMemo;
  info.utf16Strings = jww.MojiEncode;
  info.printScale = jww.Enthd.dPrtBairitsu;
  info.entities = CountJwwEntities(jww);
  info.announcedEntities = jww.Enthd.n1;
  for (const TEntJwwBlockDef& def : jww.EntBlockDef) {
    info.blocks.push_back(TJwwBlockInfo{def.nNumber, def.strName, def.N, def.ref_flag});
  }
  info.blockTreeNodes = jww.EntBlockTreeN;
  info.blockTreeTruncated = jww.BlockTreeTruncated;
  info.referencedBlocks = jww.EntBlockNum;
  for (const TBindImageType& image : jww.BindImage) {
    info.storedImages.push_back(TJwwStoredImageInfo{image.Fname, image.Fsize});
  }
  for (const TEntJwwLayerGroup& group : jww.EntLgrp)
    info.layerGroupNames.push_back(group.aStrGLayName);
}

}  // namespace

TJwwEntityCounts CountJwwEntities(const TJwwData& jww) {
  TJwwEntityCounts counts;
  counts.lines = jww.EntLineN;
  counts.arcs = jww.EntEnkoN;
  for (const TEntJwwTen& ten : jww.EntTen) {
    ++(ten.bKariten == 1 ? counts.temporaryPoints : counts.points);
  }
  for (const TEntJwwMoji& moji : jww.EntMoji)
    ++(IsImageText(moji) ? counts.images : counts.texts);
  counts.dimensions = jww.EntSunpoN;
  counts.solids = jww.EntSolidN;
  counts.blockInserts = jww.EntBlockN;
  return counts;
}

TJwwInfo CollectJwwInfo(const std::filesystem::path& file, TJwwData& jww) {
  TJwwInfo info;
  info.path = file;
  jww.DataFree();
  info.fileCheck = TJwwData::FileCheck(file);
  if (!info.fileCheck) return info;
  const bool wasExp = jww.BindImageExp;
  const bool wasExr = jww.BindImageExr;
  jww.BindImageExp = false;
  jww.BindImageExr = true;
  info.fileIn = jww.FileIn(file);
  jww.BindImageExp = wasExp;
  jww.BindImageExr = wasExr;
  DescribeDocument(jww, info);
  info.measure = MeasureJww(jww);
  return info;
}

TJwwMeasure MeasureJww(TJwwData& jww) {
  TJwwMeasure m;
  jww.GetMinMaxZahyo();
  m.myMinWx = jww.myMinWx;
  m.myMinWy = jww.myMinWy;
  m.myMaxWx = jww.myMaxWx;
  m.myMaxWy = jww.myMaxWy;
  jww.GetElementNum(-1, -1, m.n1, m.n2, m.n3, m.n4, m.n5, m.n6, m.n7, m.n8, m.n1a, m.n2a, m.n3a,
                    m.n4a, m.n5a, m.n6a, m.n7a);
  return m;
}

}  // namespace tavolex
