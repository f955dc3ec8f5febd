#include <gtest/gtest.h>

#include <array>

#include "jww/DrawFixture.h"

namespace tavolex::test {
namespace {

// n1 … n8 then n1a … n7a.
using Counts = std::array<int, 15>;

Counts Count(const TJwwData& doc, int lay1, int lay2) {
  Counts c;
  c.fill(-1);
  doc.GetElementNum(lay1, lay2, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10],
                    c[11], c[12], c[13], c[14]);
  return c;
}

class CountsTest : public ::testing::Test {
 protected:
  TJwwData doc;
  DocBuilder build{doc};
};

TEST_F(CountsTest, EveryKindAtTopLevelWithTemporaryPointsApart) {
  TEntJwwTen temporary = Point(1, 1);
  temporary.bKariten = 1;
  TEntJwwSunpo dim;
  dim.att = Attr();
  build.Add(Line(0, 0, 1, 1))
      .Add(Circle(0, 0, 1))
      .Add(Point(0, 0))
      .Add(temporary)
      .Add(Text(0, 0, 0.01, 0.01, u"marker"))
      .Add(Text(0, 0, 5, 0, u"^@BMx.png,1,1"))
      .Add(dim)
      .Add(Solid(0, 0, 1, 0, 1, 1, 0, 1));
  const int def = build.Define(1);
  build.Place(DocBuilder::Insert(1, 0, 0));
  (void)def;
  EXPECT_EQ(Count(doc, -1, -1), (Counts{1, 1, 1, 1, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(CountsTest, LayerFilterOnGroupAndLayer) {
  build.Add(Line(0, 0, 1, 1, Attr(2, 5)))
      .Add(Line(0, 0, 1, 1, Attr(2, 6)))
      .Add(Line(0, 0, 1, 1, Attr(3, 5)));
  EXPECT_EQ(Count(doc, 2, -1)[0], 2);
  EXPECT_EQ(Count(doc, -1, 5)[0], 2);
  EXPECT_EQ(Count(doc, 2, 5)[0], 1);
  EXPECT_EQ(Count(doc, 0, 0)[0], 0);
}

TEST_F(CountsTest, BlockContentsCountPerInsertOnTheInsertsLayer) {
  const int def = build.Define(4);
  TEntJwwTen temporary = Point(1, 1, Attr(9, 9));
  temporary.bKariten = 1;
  build.AddTo(def, Line(0, 0, 1, 1, Attr(9, 9)));
  build.AddTo(def, Point(0, 0, Attr(9, 9)));
  build.AddTo(def, temporary);
  build.Place(DocBuilder::Insert(4, 0, 0, 1, 1, 0, Attr(1, 2)));
  build.Place(DocBuilder::Insert(4, 5, 0, 1, 1, 0, Attr(1, 2)));

  Counts all = Count(doc, -1, -1);
  EXPECT_EQ(all[7], 2);   // n8: the two inserts
  EXPECT_EQ(all[8], 2);   // n1a: the line once per insert
  EXPECT_EQ(all[10], 2);  // n3a
  EXPECT_EQ(all[11], 2);  // n4a
  // Without the own-layer bit the insert's layer decides, not the elements'.
  EXPECT_EQ(Count(doc, 1, 2)[8], 2);
  EXPECT_EQ(Count(doc, 9, 9)[8], 0);

  // A nested insert counts on the layer of the outermost insert, as it is drawn.
  const int outer = build.Define(5);
  build.Def(outer).att = Attr(7, 7);
  build.AddTo(outer, DocBuilder::Insert(4, 0, 0));
  build.Place(DocBuilder::Insert(5, 0, 0, 1, 1, 0, Attr(3, 3)));
  EXPECT_EQ(Count(doc, 3, 3)[8], 1);
  EXPECT_EQ(Count(doc, 7, 7)[8], 0);
}

TEST_F(CountsTest, OwnLayerInsertsCountTheirElementsByTheirOwnLayers) {
  const int def = build.Define(4);
  build.AddTo(def, Line(0, 0, 1, 1, Attr(9, 9)));
  build.AddTo(def, Line(0, 0, 1, 1, Attr(9, 8)));
  TEntJwwAttr insertAtt = Attr(1, 2);
  insertAtt.nPenStyle = 0x40;
  build.Place(DocBuilder::Insert(4, 0, 0, 1, 1, 0, insertAtt));
  EXPECT_EQ(Count(doc, 1, 2)[8], 0);
  EXPECT_EQ(Count(doc, 9, 9)[8], 1);
  EXPECT_EQ(Count(doc, 9, -1)[8], 2);
  EXPECT_EQ(Count(doc, 1, 2)[7], 1);  // the insert itself is on its own layer
}

TEST_F(CountsTest, InsertWithoutDefinitionCountsNothingInside) {
  build.Place(DocBuilder::Insert(99, 0, 0));
  const Counts c = Count(doc, -1, -1);
  EXPECT_EQ(c[7], 1);
  for (int i = 8; i < 15; ++i)
    EXPECT_EQ(c[i], 0);
}

}  // namespace
}  // namespace tavolex::test
