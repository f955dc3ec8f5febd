#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/Func_2.h"
#include "jww/DrawFixture.h"

namespace tavolex::test {
namespace {

constexpr double kPi = std::numbers::pi;
using Steps = std::vector<std::string>;

// A short vertical line at x, recognisable in the story as "L<10·(x + 100)>".
TEntJwwLine Mark(double x, TEntJwwAttr att = Attr()) {
  return Line(x, 0, x, 20, att);
}
std::string L(double x) {
  std::string s = "L";
  s += std::to_string(static_cast<int>(10 * (x + 100)));
  return s;
}

TEntJwwSolid Square(double x, TEntJwwAttr att = Attr()) {
  return Solid(x, 30, x + 5, 30, x + 5, 35, x, 35, att);
}

class TraverseTest : public DrawTest {
 protected:
  void DrawAll(int order = 0, int lay1 = -1, int lay2 = -1, bool flg1 = true, bool flg2 = true,
               bool flg3 = false, double rot = 0) {
    canvas.Clear();
    doc.GLDrawALL3(order, lay1, lay2, flg1, flg2, flg3, rot);
  }
};

TEST_F(TraverseTest, FillsComeFirstThenStrokesThenBlocks) {
  const int def = build.Define(1);
  build.AddTo(def, Mark(50));
  build.AddTo(def, Square(0));
  build.Add(Mark(1)).Add(Square(10)).Add(Mark(2));
  build.Place(DocBuilder::Insert(1, 0, 0));
  DrawAll();
  EXPECT_EQ(Trace(), (Steps{"F", L(1), L(2), "F", L(50)}));
}

TEST_F(TraverseTest, LayerOrderAndItsReverse) {
  build.Add(Mark(3, Attr(1, 0))).Add(Mark(2, Attr(0, 5))).Add(Mark(1, Attr(0, 0)));
  DrawAll(0);
  EXPECT_EQ(Trace(), (Steps{L(3), L(2), L(1)}));
  DrawAll(1);
  EXPECT_EQ(Trace(), (Steps{L(1), L(2), L(3)}));
  DrawAll(2);
  EXPECT_EQ(Trace(), (Steps{L(3), L(2), L(1)}));
  DrawAll(7);  // any other order behaves as layer order
  EXPECT_EQ(Trace(), (Steps{L(1), L(2), L(3)}));
}

TEST_F(TraverseTest, GroupPositionCountsFromTheEndInReverseOrder) {
  build.Add(Mark(1, Attr(15, 0))).Add(Mark(2, Attr(15, 15))).Add(Mark(3, Attr(0, 0)));
  DrawAll(2, 0);
  EXPECT_EQ(Trace(), (Steps{L(2), L(1)}));
  DrawAll(1, 0);
  EXPECT_EQ(Trace(), (Steps{L(3)}));
  DrawAll(0, 15);
  EXPECT_EQ(Trace(), (Steps{L(1), L(2)}));
  DrawAll(2, 0, 0);  // layer position 0 is layer 15
  EXPECT_EQ(Trace(), (Steps{L(2)}));
}

TEST_F(TraverseTest, HiddenLayersInBothModes) {
  build.Add(Mark(1, Attr(0, 1))).Add(Mark(2, Attr(0, 2)));
  att->SetAttrLayer(1, 3);
  for (int order : {0, 1}) {
    DrawAll(order, -1, -1, true);
    EXPECT_EQ(Trace(), (Steps{L(2)})) << order;
    DrawAll(order, -1, -1, false);
    EXPECT_EQ(Trace(), (Steps{L(1), L(2)})) << order;
  }
}

TEST_F(TraverseTest, AuxiliaryElementsFollowTheSwitch) {
  TEntJwwSunpo dim;
  dim.att = Attr();
  dim.Sen = Mark(9, Attr(0, 0, 9));
  dim.Moji = Text(0, 0, 0, 0, u"");
  build.Add(Mark(1, Attr(0, 0, 1, 9)))
      .Add(Mark(2, Attr(0, 0, 9, 1)))
      .Add(Mark(3))
      .Add(Point(40, 40, Attr(0, 0, 9)))
      .Add(Square(0, Attr(0, 0, 9)))
      .Add(dim);
  att->SetDispHojo(0);
  DrawAll(0, -1, -1, true, true);
  EXPECT_EQ(Trace(), (Steps{L(3)}));
  DrawAll(0, -1, -1, true, false);
  EXPECT_EQ(Trace(), (Steps{"F", L(1), L(2), L(3), "F", L(9)}));
  att->SetDispHojo(1);
  DrawAll(0, -1, -1, true, true);
  EXPECT_EQ(Trace(), (Steps{"F", L(1), L(2), L(3), "F", L(9)}));
}

TEST_F(TraverseTest, TemporaryPointsOnlyWhenAsked) {
  TEntJwwTen temporary = Point(10, 10);
  temporary.bKariten = 1;
  const int def = build.Define(1);
  build.AddTo(def, temporary);
  build.Add(temporary);
  build.Place(DocBuilder::Insert(1, 20, 0));
  DrawAll(0, -1, -1, true, true, false);
  EXPECT_TRUE(canvas.calls.empty() || Trace().empty());
  DrawAll(0, -1, -1, true, true, true);
  // Each temporary point is a ring of 3 pixels radius: line segments, no fill.
  EXPECT_GT(canvas.Count(CallKind::LineTo), 2);
  EXPECT_EQ(canvas.Count(CallKind::FillPolygon), 0);
}

TEST_F(TraverseTest, TextsWithoutBaseLineAndTheMarkerTextAreNeverDrawn) {
  build.Add(Text(10, 10, 10, 10, u"A")).Add(Text(0, 0, 0.01, 0.01, u"B"));
  DrawAll();
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  doc.EntMoji[0].end_x = 13;
  DrawAll();
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 1);
}

TEST_F(TraverseTest, ImageTextIsDrawnInTheFillPassEvenWithoutBaseLine) {
  att->SetDisplayMode(false);  // an image is then its outline
  build.Add(Mark(1)).Add(Text(10, 10, 10, 10, u"^@BMa.png,5,5"));
  DrawAll();
  const Steps s = Trace();
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s.back(), L(1));
  EXPECT_EQ(s.front(), L(10));  // the outline starts at the picture's corner
}

TEST_F(TraverseTest, HiddenInsertWithoutOwnLayersIsLeftOutAsAWhole) {
  const int def = build.Define(1);
  build.AddTo(def, Mark(1, Attr(0, 1)));
  build.AddTo(def, Mark(2, Attr(0, 3)));
  build.Place(DocBuilder::Insert(1, 0, 0, 1, 1, 0, Attr(0, 2)));
  att->SetAttrLayer(2, 3);
  att->SetAttrLayer(3, 3);
  DrawAll();
  EXPECT_TRUE(Trace().empty());

  doc.EntBlock[0].att.nPenStyle = 0x40;
  build.Rebuild();
  DrawAll();
  EXPECT_EQ(Trace(), (Steps{L(1)}));
}

// A legend symbol: its members lie on hidden layers, the insert on a visible one. Without own
// layers they print with the insert's visibility and state and their own pens; with own layers
// each is shown by its own layer.
TEST_F(TraverseTest, MembersOfAnInsertWithoutOwnLayersShareItsLayerState) {
  att->SetAttrLayer(3, 3);
  att->SetAttrLayer(4, 3);
  att->SetAttrLayer(5, 2);
  TEntJwwSolid own = Square(10, Attr(0, 4, 10));
  own.Color = 0x0000FF;
  const int def = build.Define(1);
  build.AddTo(def, Mark(1, Attr(0, 3, 2)));
  build.AddTo(def, own);
  build.Place(DocBuilder::Insert(1, 0, 0, 1, 1, 0, Attr(0, 0)));
  const uint32_t back = ArgbToRgb(att->GetBackColor());
  const uint32_t gray = ArgbToRgb(att->GetGrayColor());
  DrawAll();
  EXPECT_EQ(Trace(), (Steps{"F", L(1)}));
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0].color, ArgbToRgb(att->GetAttrColcol(2)));
  ASSERT_EQ(canvas.Of(CallKind::FillPolygon).size(), 1u);
  EXPECT_EQ(ArgbToRgb(canvas.Of(CallKind::FillPolygon)[0].color), 0x0000FFu);

  doc.EntBlock[0].att.nLayer = 5;  // a display-only insert shows its members in gray
  build.Rebuild();
  DrawAll();
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0].color, gray);
  EXPECT_NE(gray, back);

  doc.EntBlock[0].att.nPenStyle = 0x40;
  build.Rebuild();
  DrawAll();
  EXPECT_TRUE(Trace().empty());
}

// Inserts nested in a hidden insert stay hidden; on group pages and in layer order they follow
// the insert at the top of their chain, not the layer of the definition they sit in.
TEST_F(TraverseTest, NestedInsertsFollowTheOutermostInsert) {
  const int outer = build.Define(1);
  const int inner = build.Define(2);
  build.Def(outer).att = Attr(0, 0);
  build.AddTo(outer, DocBuilder::Insert(2, 0, 0));
  build.AddTo(inner, Mark(5, Attr(0, 0)));
  build.Place(DocBuilder::Insert(1, 0, 0, 1, 1, 0, Attr(1, 2)));
  att->SetAttrLayer(18, 3);
  DrawAll();
  EXPECT_TRUE(Trace().empty());

  att->SetAttrLayer(18, 1);
  DrawAll(0, 1);
  EXPECT_EQ(Trace(), (Steps{L(5)}));
  DrawAll(0, 0);
  EXPECT_TRUE(Trace().empty());
  DrawAll(1);
  EXPECT_EQ(Trace(), (Steps{L(5)}));
}

TEST_F(TraverseTest, InsertsInLayerOrderGoToTheWalkOfTheirLayer) {
  const int def = build.Define(1);
  build.AddTo(def, Mark(5, Attr(0, 0)));
  build.Add(Mark(1, Attr(0, 3)));
  build.Place(DocBuilder::Insert(1, 0, 0, 1, 1, 0, Attr(0, 7)));
  DrawAll(1);
  EXPECT_EQ(Trace(), (Steps{L(1), L(5)}));
  DrawAll(2);
  EXPECT_EQ(Trace(), (Steps{L(5), L(1)}));
}

TEST_F(TraverseTest, RotationTurnsTopLevelAndComposesWithBlockPlacement) {
  const int def = build.Define(1);
  build.AddTo(def, Line(1, 0, 1, 1));
  build.Add(Line(10, 0, 10, 3));
  build.Place(DocBuilder::Insert(1, 10, 0, 2, 2));
  DrawAll(0, -1, -1, true, true, false, kPi / 2);
  const auto segments = canvas.Segments();
  ASSERT_EQ(segments.size(), 2u);
  // Top level (10, 0)-(10, 3) turns to (0, 10)-(-3, 10).
  EXPECT_EQ(segments[0], (RecordedSegment{DevX(0), DevY(10), DevX(-3), DevY(10)}));
  // The definition's (1, 0) lands at (12, 0) and turns to (0, 12); (1, 1) at (12, 2) → (-2, 12).
  EXPECT_EQ(segments[1], (RecordedSegment{DevX(0), DevY(12), DevX(-2), DevY(12)}));
}

TEST_F(TraverseTest, TurnedUnevenlyScaledInsertUnderAPrintRotation) {
  const int def = build.Define(1);
  build.AddTo(def, Line(1, 0, 0, 1));
  // Turned by 90° with scales 2 and 3 at (10, 0): (1, 0) lands at (10, 2), (0, 1) at (7, 0);
  // then the whole drawing turns by 30° about the origin.
  build.Place(DocBuilder::Insert(1, 10, 0, 2, 3, kPi / 2));
  const double rot = kPi / 6;
  DrawAll(0, -1, -1, true, true, false, rot);
  const auto segments = canvas.Segments();
  ASSERT_EQ(segments.size(), 1u);
  const auto turnedX = [rot](double x, double y) { return x * std::cos(rot) - y * std::sin(rot); };
  const auto turnedY = [rot](double x, double y) { return x * std::sin(rot) + y * std::cos(rot); };
  EXPECT_EQ(segments[0], (RecordedSegment{DevX(turnedX(10, 2)), DevY(turnedY(10, 2)),
                                          DevX(turnedX(7, 0)), DevY(turnedY(7, 0))}));
}

TEST_F(TraverseTest, GroupScaleOfTheTextOrTheInsertIsPublished) {
  doc.EntLgrp[4].adScale = 50;
  doc.EntLgrp[6].adScale = 20;
  const int def = build.Define(1);
  build.AddTo(def, Text(0, 0, 3, 0, u"x", Attr(2, 0)));
  build.Place(DocBuilder::Insert(1, 0, 0, 1, 1, 0, Attr(6, 0)));
  DrawAll();
  EXPECT_EQ(ZuGLayScale, 20);  // the insert's group, not the element's
  doc.EntLgrp[2].adScale = 30;
  build.Add(Text(0, 0, 3, 0, u"y", Attr(4, 0)));
  doc.EntBlock.clear();
  doc.EntBlockN = 0;
  build.Rebuild();
  DrawAll();
  EXPECT_EQ(ZuGLayScale, 50);
}

}  // namespace
}  // namespace tavolex::test
