// The flattened insert tree built from a document assembled in memory.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "jww/JwwUnit.h"

namespace tavolex {
namespace {

TEntJwwBlock Insert(uint32_t number, double x, double y, double scale = 1.0, double angle = 0.0) {
  TEntJwwBlock b{};
  b.nNumber = number;
  b.DPKijunTen_x = x;
  b.DPKijunTen_y = y;
  b.dBairitsuX = scale;
  b.dBairitsuY = scale;
  b.radKaitenKaku = angle;
  return b;
}

TEntJwwBlockDef& AddDefinition(TJwwData& jww, uint32_t number, std::vector<TEntJwwBlock> inserts) {
  TEntJwwBlockDef& def = jww.EntBlockDef.emplace_back();
  def.nNumber = number;
  def.strName = u"def" + std::u16string(1, static_cast<char16_t>(u'0' + number));
  def.att.nGLayer = static_cast<uint16_t>(number);
  def.mBlock = std::move(inserts);
  def.mBlockN = static_cast<int32_t>(def.mBlock.size());
  jww.EntBlockDefN = static_cast<int32_t>(jww.EntBlockDef.size());
  return def;
}

void SetDrawingInserts(TJwwData& jww, std::vector<TEntJwwBlock> inserts) {
  jww.EntBlock = std::move(inserts);
  jww.EntBlockN = static_cast<int32_t>(jww.EntBlock.size());
}

TEST(JwwTreeInMemory, NestedPlacementComposesRotationScaleAndOffset) {
  TJwwData jww;
  AddDefinition(jww, 7, {});  // never reached
  AddDefinition(jww, 1, {Insert(2, 1.0, 0.0, 3.0)});
  AddDefinition(jww, 2, {});
  SetDrawingInserts(jww, {Insert(1, 10.0, 20.0, 2.0, std::numbers::pi / 2), Insert(9, 0, 0)});
  jww.MakeBlockTree();

  ASSERT_EQ(jww.EntBlockTreeN, 3);
  const TEntJwwBlockTree& top = jww.EntBlockTree[0];
  EXPECT_EQ(top.defno, 1);
  EXPECT_EQ(top.name, u"def1");
  const TEntJwwBlockTree& unknown = jww.EntBlockTree[1];
  EXPECT_EQ(unknown.defno, -1);
  EXPECT_TRUE(unknown.name.empty());

  const TEntJwwBlockTree& child = jww.EntBlockTree[2];
  EXPECT_EQ(child.level, 1);
  EXPECT_EQ(child.parent, 0);
  EXPECT_EQ(child.defno, 2);
  EXPECT_EQ(+child.att.nGLayer, 1);  // the attributes of the containing definition
  // (1, 0) in the definition, turned by 90° and doubled: (10, 22).
  EXPECT_NEAR(child.x, 10.0, 1e-12);
  EXPECT_NEAR(child.y, 22.0, 1e-12);
  // A point (1, 0) of the inner definition lands 6 further along the turned x axis.
  EXPECT_NEAR(child.x + child.r1 * 1.0, 10.0, 1e-12);
  EXPECT_NEAR(child.y + child.r3 * 1.0, 28.0, 1e-12);
  EXPECT_NEAR(child.r2, -6.0, 1e-12);
  EXPECT_NEAR(child.r4, 0.0, 1e-12);

  EXPECT_FALSE(jww.EntBlockDef[0].ref_flag);
  EXPECT_EQ(jww.EntBlockDef[0].ref_no, -1);
  EXPECT_EQ(jww.EntBlockDef[1].ref_no, 0);
  EXPECT_EQ(jww.EntBlockDef[2].ref_no, 1);
  EXPECT_EQ(jww.EntBlockNum, 2);
}

TEST(JwwTreeInMemory, SelfInsertStopsAtTheDepthLimit) {
  TJwwData jww;
  AddDefinition(jww, 4, {Insert(4, 1.0, 0.0)});
  SetDrawingInserts(jww, {Insert(4, 0, 0)});
  jww.MakeBlockTree();
  ASSERT_EQ(jww.EntBlockTreeN, kBlockTreeMaxLevel + 1);
  EXPECT_EQ(jww.EntBlockTree.back().level, kBlockTreeMaxLevel);
  EXPECT_DOUBLE_EQ(jww.EntBlockTree.back().x, kBlockTreeMaxLevel);
}

TEST(JwwTreeInMemory, FanOutStopsAtTheNodeLimitKeepingShallowLevels) {
  // Each definition inserts the next one twice, 40 levels deep: 2^40 inserts when unbounded.
  TJwwData jww;
  for (uint32_t d = 0; d < 40; ++d)
    AddDefinition(jww, d, {Insert(d + 1, 0, 0), Insert(d + 1, 1, 0)});
  SetDrawingInserts(jww, {Insert(0, 0, 0)});
  jww.MakeBlockTree();
  EXPECT_EQ(jww.EntBlockTreeN, kBlockTreeMaxNodes);
  // Breadth first: every level above the cut is complete.
  int32_t levelTen = 0;
  for (const TEntJwwBlockTree& node : jww.EntBlockTree)
    levelTen += node.level == 10 ? 1 : 0;
  EXPECT_EQ(levelTen, 1024);
}

TEST(JwwTreeInMemory, EveryDrawingInsertKeepsItsNodeBeyondTheLimit) {
  TJwwData jww;
  AddDefinition(jww, 1, {Insert(1, 0, 0)});
  SetDrawingInserts(jww, std::vector<TEntJwwBlock>(kBlockTreeMaxNodes + 5, Insert(1, 0, 0)));
  jww.MakeBlockTree();
  EXPECT_EQ(jww.EntBlockTreeN, kBlockTreeMaxNodes + 5);
  EXPECT_EQ(jww.EntBlockTree.back().level, 0);
}

TEST(JwwTreeInMemory, CountBeyondTheArrayIsNotFollowed) {
  TJwwData jww;
  TEntJwwBlockDef& def = AddDefinition(jww, 1, {Insert(2, 0, 0)});
  def.mBlockN = 50;  // claims more inserts than it holds
  SetDrawingInserts(jww, {Insert(1, 0, 0)});
  jww.MakeBlockTree();
  EXPECT_EQ(jww.EntBlockTreeN, 2);
}

}  // namespace
}  // namespace tavolex
