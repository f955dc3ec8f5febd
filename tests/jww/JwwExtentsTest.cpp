#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "jww/DrawFixture.h"

namespace tavolex::test {
namespace {

constexpr double kPi = std::numbers::pi;

struct Extents {
  double minx, miny, maxx, maxy;
};

Extents Measure(TJwwData& doc) {
  doc.GetMinMaxZahyo();
  return {doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy};
}

void ExpectExtents(const Extents& e, double minx, double miny, double maxx, double maxy,
                   double tolerance = 1e-9) {
  EXPECT_NEAR(e.minx, minx, tolerance);
  EXPECT_NEAR(e.miny, miny, tolerance);
  EXPECT_NEAR(e.maxx, maxx, tolerance);
  EXPECT_NEAR(e.maxy, maxy, tolerance);
}

class ExtentsTest : public ::testing::Test {
 protected:
  TJwwData doc;
  DocBuilder build{doc};
};

TEST_F(ExtentsTest, BoxWithoutWidthAndHeightGrowsByTen) {
  ExpectExtents(Measure(doc), -10, -10, 10, 10);
  build.Add(Point(5, 7));
  ExpectExtents(Measure(doc), -5, -3, 15, 17);
}

TEST_F(ExtentsTest, OnlyABoxWithoutBothWidthAndHeightGrows) {
  build.Add(Line(0, 0, 100, 0));
  ExpectExtents(Measure(doc), 0, 0, 100, 0);
}

TEST_F(ExtentsTest, FarPointsAreClampedOrIgnored) {
  build.Add(Line(0, 0, 2e8, 5)).Add(Line(-1, -2, 6e11, -300));
  ExpectExtents(Measure(doc), -1, -2, 1e8, 5);
}

TEST_F(ExtentsTest, UnusableSeedLeavesTheBoxToTheNextPoint) {
  build.Add(Line(std::nan(""), 0, 7e11, 0)).Add(Point(50, 60)).Add(Point(70, 65));
  ExpectExtents(Measure(doc), 50, 60, 70, 65);
}

TEST_F(ExtentsTest, WholeCirclesMeasureOnlyTheirAxisEnds) {
  build.Add(Circle(0, 0, 10));
  ExpectExtents(Measure(doc), -10, -10, 10, 10);

  TJwwData tilted;
  DocBuilder(tilted).Add([] {
    TEntJwwEnko e = Circle(0, 0, 10);
    e.dHenpeiRitsu = 0.5;
    e.radKatamukiKaku = kPi / 4;
    return e;
  }());
  // Axis ends (±7.07, ±7.07) and (∓3.54, ±3.54); the ellipse itself reaches 7.9.
  const double a = 10 * std::sqrt(0.5);
  ExpectExtents(Measure(tilted), -a, -a, a, a, 1e-9);
}

TEST_F(ExtentsTest, ArcsAreMeasuredAtTheirSamples) {
  TEntJwwEnko arc = Circle(0, 0, 10);
  arc.bZenEnFlg = 0;
  arc.radKaishiKaku = 0;
  arc.radEnkoKaku = kPi / 2;
  build.Add(arc);
  ExpectExtents(Measure(doc), 0, 0, 10, 10, 1e-9);
  // A half turn from 90° reaches the left end exactly at its middle sample.
  doc.EntEnko[0].radKaishiKaku = kPi / 2;
  doc.EntEnko[0].radEnkoKaku = kPi;
  ExpectExtents(Measure(doc), -10, -10, 0, 10, 1e-9);
}

TEST_F(ExtentsTest, TextsWithoutBaseLineAndTheMarkerTextChangeNothing) {
  build.Add(Point(1, 1))
      .Add(Text(50, 50, 50, 50, u"same point"))
      .Add(Text(0, 0, 0.01, 0.01, u"marker"))
      .Add(Text(-5, 2, 3, 2, u"hidden", Attr(3, 4)));
  ExpectExtents(Measure(doc), -5, 1, 3, 2);
}

TEST_F(ExtentsTest, ImageTextAddsItsUnturnedFarCorner) {
  build.Add(Text(10, 20, 12, 20, u"^@BMa.png,30,40"));
  ExpectExtents(Measure(doc), 10, 20, 40, 60);
  doc.EntMoji[0].str = u"^@BMa.png,30";
  ExpectExtents(Measure(doc), 10, 20, 40, 50);
}

TEST_F(ExtentsTest, DimensionExtensionLinesCountOnlyInSxfMode) {
  TEntJwwSunpo d;
  d.Sen = Line(0, 0, 10, 0);
  d.Moji = Text(2, 1, 8, 1, u"10");
  d.Ho1 = Line(0, -20, 0, 0);
  d.Ho2 = Line(10, -20, 10, 30);
  d.Te1 = Point(-50, -50);
  build.Add(d);
  ExpectExtents(Measure(doc), 0, 0, 10, 1);
  doc.EntSunpo[0].bSxfMode = 1;
  ExpectExtents(Measure(doc), 0, -20, 10, 30);
}

TEST_F(ExtentsTest, ArcSolidsByKind) {
  // A sector (kind 0) of radius 10 from 10° to 80° about (100, 100) reaches its centre.
  TEntJwwSolid s = Solid(100, 100, 10, 1, 0, kPi / 18, 7 * kPi / 18, 0, Attr(0, 0, 1, 101));
  build.Add(s);
  const Extents e = Measure(doc);
  EXPECT_NEAR(e.minx, 100, 1e-9);
  EXPECT_NEAR(e.miny, 100, 1e-9);
  EXPECT_NEAR(e.maxx, 100 + 10 * std::cos(kPi / 18), 1e-9);
  // Kind 100 covers the whole ellipse whatever the sweep.
  doc.EntSolid[0].DPoint3_x = 0.1;
  doc.EntSolid[0].DPoint3_y = 100;
  ExpectExtents(Measure(doc), 90, 90, 110, 110, 1e-9);
  // Kind -1: the meeting point of the end tangents of a quarter arc.
  doc.EntSolid[0].DPoint2_y = 0;
  doc.EntSolid[0].DPoint3_x = kPi / 2;
  doc.EntSolid[0].DPoint3_y = -1;
  ExpectExtents(Measure(doc), 100, 100, 110, 110, 1e-9);
  // The same kind on a style-111 solid adds no corner: only the arc from 45° to 90°, and the
  // solid's first point (its centre), which seeds the box.
  doc.EntSolid[0].att.nPenStyle = 111;
  doc.EntSolid[0].DPoint2_y = kPi / 4;
  doc.EntSolid[0].DPoint3_x = kPi / 4;
  ExpectExtents(Measure(doc), 100, 100, 100 + 10 * std::cos(kPi / 4), 110, 1e-9);
}

TEST_F(ExtentsTest, PlainSolidsMeasureFourCorners) {
  build.Add(Solid(0, 0, 10, 0, 12, 8, -3, 9));
  ExpectExtents(Measure(doc), -3, 0, 12, 9);
}

TEST_F(ExtentsTest, BlockContentsAreMeasuredThroughEveryPlacement) {
  const int def = build.Define(7);
  build.AddTo(def, Line(0, 0, 1, 2, Attr(5, 5)));
  build.Place(DocBuilder::Insert(7, 100, 100, 2, 2));
  build.Place(DocBuilder::Insert(7, -50, 10, 1, 1, kPi / 2));
  // First insert: (100, 100)-(102, 104); second, turned: (-50, 10)-(-52, 11).
  ExpectExtents(Measure(doc), -52, 10, 102, 104, 1e-9);
}

TEST_F(ExtentsTest, NestedInsertsAreMeasuredAsTheirOwnNodes) {
  const int inner = build.Define(2);
  build.AddTo(inner, Point(1, 0));
  const int outer = build.Define(1);
  build.AddTo(outer, DocBuilder::Insert(2, 10, 0, 3, 3));
  build.Place(DocBuilder::Insert(1, 0, 500, 2, 2));
  // The inner point lands at (0, 500) + 2·(10 + 3·1, 0); the outer insert point seeds the box.
  ExpectExtents(Measure(doc), 0, 500, 26, 500, 1e-9);
}

TEST_F(ExtentsTest, InsertPointSeedsADrawingOfBlocksOnly) {
  const int def = build.Define(3);
  build.AddTo(def, Line(10, 10, 20, 20));
  build.Place(DocBuilder::Insert(3, 0, 0));
  ExpectExtents(Measure(doc), 0, 0, 20, 20);
}

}  // namespace
}  // namespace tavolex::test
