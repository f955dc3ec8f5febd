// The flattened tree of block inserts built after loading written drawings.
#include <gtest/gtest.h>

#include <cmath>

#include "jww/JwwTestUtil.h"
#include "support/HeavyDrawings.h"

namespace tavolex::test {
namespace {

TEST(JwwBlockTree, NestedInsertsAndTransforms) {
  WDrawing d = RichDrawing(600);
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  // Drawing: insert of 7 (no such definition) and insert of 2 at (100, 100). Definition 2
  // inserts definition 1 at (10, 0) and, turned a quarter, at (20, 0); definition 1 inserts 7.
  ASSERT_EQ(doc.EntBlockN, 2);
  ASSERT_EQ(doc.EntBlockTreeN, 6);
  ASSERT_EQ(doc.EntBlockTree.size(), 6u);
  const auto& t = doc.EntBlockTree;
  struct Want {
    int32_t level, parent;
    uint32_t no;
    int32_t defno;
    std::u16string name;
    double x, y;
  };
  const Want want[] = {{0, -1, 7, -1, u"", 50, 60},     {0, -1, 2, 1, u"外側", 100, 100},
                       {1, 1, 1, 0, u"内側", 110, 100}, {1, 1, 1, 0, u"内側", 120, 100},
                       {2, 2, 7, -1, u"", 160, 260},    {2, 3, 7, -1, u"", -40, 150}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(t[i].level, want[i].level);
    EXPECT_EQ(t[i].parent, want[i].parent);
    EXPECT_EQ(t[i].no, want[i].no);
    EXPECT_EQ(t[i].defno, want[i].defno);
    EXPECT_TRUE(t[i].name == want[i].name);
    EXPECT_NEAR(t[i].x, want[i].x, 1e-9);
    EXPECT_NEAR(t[i].y, want[i].y, 1e-9);
  }
  // Top nodes take the insert's attributes, inner nodes those of the definition they sit in.
  ExpectAttr(t[0].att, std::get<WBlock>(d.entities[8]).att, 600);
  ExpectAttr(t[2].att, d.blockDefs[1].att, 600);
  ExpectAttr(t[4].att, d.blockDefs[0].att, 600);
  // The first top insert: scale (2, 0.5) turned by 0.75.
  const double c = std::cos(0.75), s = std::sin(0.75);
  EXPECT_NEAR(t[0].r1, 2 * c, 1e-12);
  EXPECT_NEAR(t[0].r2, -0.5 * s, 1e-12);
  EXPECT_NEAR(t[0].r3, 2 * s, 1e-12);
  EXPECT_NEAR(t[0].r4, 0.5 * c, 1e-12);
  // The same insert below a quarter turn: the quarter turn times its own matrix.
  EXPECT_NEAR(t[5].r1, -2 * s, 1e-12);
  EXPECT_NEAR(t[5].r2, -0.5 * c, 1e-12);
  EXPECT_NEAR(t[5].r3, 2 * c, 1e-12);
  EXPECT_NEAR(t[5].r4, -0.5 * s, 1e-12);
  // Both definitions are reached and numbered in definition order.
  EXPECT_EQ(doc.EntBlockNum, 2);
  EXPECT_TRUE(doc.EntBlockDef[0].ref_flag);
  EXPECT_EQ(doc.EntBlockDef[0].ref_no, 0);
  EXPECT_EQ(doc.EntBlockDef[1].ref_no, 1);
}

TEST(JwwBlockTree, UnreachedDefinitionsAreNotNumbered) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WBlock{.nNumber = 30}, WBlock{.nNumber = 30}};
  d.blockDefs = {WBlockDef{.nNumber = 10, .entities = {WLine{}}},
                 WBlockDef{.nNumber = 30, .entities = {WBlock{.nNumber = 20}}},
                 WBlockDef{.nNumber = 20, .entities = {WLine{}}},
                 WBlockDef{.nNumber = 30, .entities = {WLine{}}}};
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  // Each drawing insert of 30 brings one child, an insert of 20: four nodes.
  ASSERT_EQ(doc.EntBlockTreeN, 4);
  EXPECT_EQ(doc.EntBlockTree[0].defno, 1);  // the first definition with the number
  EXPECT_EQ(doc.EntBlockTree[2].defno, 2);
  EXPECT_EQ(doc.EntBlockTree[3].parent, 1);
  EXPECT_FALSE(doc.EntBlockDef[0].ref_flag);
  EXPECT_EQ(doc.EntBlockDef[0].ref_no, -1);
  EXPECT_EQ(doc.EntBlockDef[1].ref_no, 0);
  EXPECT_EQ(doc.EntBlockDef[2].ref_no, 1);
  EXPECT_EQ(doc.EntBlockDef[3].ref_no, -1);
  EXPECT_EQ(doc.EntBlockNum, 2);

  // Rebuilding after the inserts are gone clears the marks.
  doc.EntBlock.clear();
  doc.EntBlockN = 0;
  doc.MakeBlockTree();
  EXPECT_EQ(doc.EntBlockTreeN, 0);
  EXPECT_FALSE(doc.EntBlockDef[1].ref_flag);
  EXPECT_EQ(doc.EntBlockDef[1].ref_no, -1);
}

TEST(JwwBlockTree, DefinitionInsertingItselfIsBounded) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WBlock{.nNumber = 1}};
  d.blockDefs = {WBlockDef{.nNumber = 1, .entities = {WBlock{.nNumber = 1}, WLine{}}}};
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  ASSERT_GE(doc.EntBlockTreeN, 2);
  EXPECT_LE(doc.EntBlockTreeN, kBlockTreeMaxNodes);
  for (const auto& node : doc.EntBlockTree)
    EXPECT_LE(node.level, kBlockTreeMaxLevel);
  EXPECT_EQ(doc.EntBlockTree[1].parent, 0);
}

// Each definition inserts the next one twice, forty levels deep: 2^40 nodes unbounded. The
// shallow levels stay complete.
TEST(JwwBlockTree, DoublingNestingIsBoundedAndKeepsShallowLevels) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WBlock{.nNumber = 0}};
  for (uint32_t i = 0; i < 40; ++i) {
    d.blockDefs.push_back(
        WBlockDef{.nNumber = i, .entities = {WBlock{.nNumber = i + 1}, WBlock{.nNumber = i + 1}}});
  }
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  EXPECT_LE(doc.EntBlockTreeN, kBlockTreeMaxNodes);
  EXPECT_EQ(static_cast<size_t>(doc.EntBlockTreeN), doc.EntBlockTree.size());
  std::vector<int> perLevel(kBlockTreeMaxLevel + 1, 0);
  for (const auto& node : doc.EntBlockTree) {
    ASSERT_LE(node.level, kBlockTreeMaxLevel);
    ++perLevel[node.level];
  }
  for (int level = 0; level <= 10; ++level)
    EXPECT_EQ(perLevel[level], 1 << level);
}

// A small file whose 3000-line definition inserts itself twice is cut by the work budget, not
// by the node count; what is kept is complete from the top, and a plain tree is never cut.
TEST(JwwBlockTree, ExpandedMembersStayWithinTheWorkBudget) {
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, SelfInsertingDrawing(3000)));
  EXPECT_TRUE(doc.BlockTreeTruncated);
  ASSERT_GT(doc.EntBlockTreeN, 100);
  EXPECT_LT(doc.EntBlockTreeN, kBlockTreeMaxNodes);
  int64_t work = 0;
  for (const auto& node : doc.EntBlockTree)
    work += 1 + doc.EntBlockDef[node.defno].N;
  EXPECT_LE(work, kBlockTreeMaxWork);
  EXPECT_GT(work, kBlockTreeMaxWork - 3003);  // cut only where the next node would not fit
  EXPECT_TRUE(doc.EntBlockDef[0].ref_flag);

  TJwwData plain;
  ASSERT_TRUE(LoadDrawing(plain, RichDrawing(600)));
  EXPECT_FALSE(plain.BlockTreeTruncated);
  plain.MakeBlockTree();
  EXPECT_FALSE(plain.BlockTreeTruncated);
}

}  // namespace
}  // namespace tavolex::test
