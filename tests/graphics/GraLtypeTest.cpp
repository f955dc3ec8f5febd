#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics/EngineFixture.h"

namespace tavolex::test {
namespace {

using Seg = RecordedSegment;
constexpr double kPi = std::numbers::pi;

class PatternTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    graph->GLSetDT();
  }
  std::vector<Seg> Walk(double x1, double y1, double x2, double y2, int lay = 0, int typ = 2) {
    canvas.Clear();
    graph->GLLineDT(lay, typ, x1, y1, x2, y2);
    return canvas.Segments();
  }
};

TEST_F(PatternTest, DashesContinueAcrossJoinedSegments) {
  SetLtype(2, {2, -1});
  EXPECT_EQ(Walk(10, 10, 15, 10), (std::vector<Seg>{{100, 400, 120, 400}, {130, 400, 150, 400}}));
  EXPECT_EQ(graph->LastSeg, 0);
  EXPECT_DOUBLE_EQ(graph->LastLen, 2.0);
  // The next segment begins with the rest of the dash in progress: nothing of it is left, so a
  // dot marks the joint; then the gap, a dash, a gap and a part of the next dash.
  EXPECT_EQ(Walk(15, 10, 20, 10),
            (std::vector<Seg>{{150, 400, 151, 400}, {160, 400, 180, 400}, {190, 400, 200, 400}}));
  EXPECT_EQ(graph->LastSeg, 0);
  EXPECT_NEAR(graph->LastLen, 1.0, 1e-12);
}

TEST_F(PatternTest, RestartsOnAnotherStartLayerOrType) {
  SetLtype(2, {2, -1});
  SetLtype(3, {2, -1});
  Walk(10, 10, 11, 10);
  EXPECT_EQ(Walk(11 + 1e-9, 10, 16, 10).front(), (Seg{110, 400, 130, 400}));
  Walk(10, 10, 11, 10);
  EXPECT_EQ(Walk(11, 10, 16, 10, 1).front(), (Seg{110, 400, 130, 400}));
  Walk(10, 10, 11, 10);
  EXPECT_EQ(Walk(11, 10, 16, 10, 0, 3).front(), (Seg{110, 400, 130, 400}));
  graph->GLSetDT();
  EXPECT_EQ(graph->LastLay, -1);
  EXPECT_EQ(graph->LastTyp, -1);
  EXPECT_EQ(graph->LastSeg, 0);
}

TEST_F(PatternTest, PhaseStartsAtTheClippedStart) {
  SetLtype(2, {2, -1});
  const auto segs = Walk(-7.5, 10, 5, 10);
  ASSERT_FALSE(segs.empty());
  EXPECT_EQ(segs.front(), (Seg{0, 400, 20, 400}));
  EXPECT_EQ(graph->GLLineDT(0, 2, -10, 10, -5, 10), kOutside);
}

TEST_F(PatternTest, FinePatternsPrintSolid) {
  SetLtype(2, {2, 1});  // no gaps
  EXPECT_EQ(Walk(10, 10, 20, 10), (std::vector<Seg>{{100, 400, 200, 400}}));
  SetLtype(2, {0.1, -0.1});  // pitch 2 pixels
  EXPECT_EQ(Walk(10, 10, 20, 10).size(), 1u);
  SetLtype(2, {5, -0.15});  // gap 1.5 pixels
  EXPECT_EQ(Walk(10, 10, 20, 10).size(), 1u);
  SetLtype(2, {});  // no pattern
  EXPECT_EQ(Walk(10, 10, 20, 10).size(), 1u);
  EXPECT_EQ(graph->LastTyp, -1);  // solid fallbacks leave the continuation alone
}

TEST_F(PatternTest, ShortSegmentIsOneDot) {
  SetLtype(2, {2, -1});
  canvas.Clear();
  EXPECT_EQ(graph->GLLineDT(0, 2, 10, 10, 10.1, 10.1), kDot);
  EXPECT_EQ(canvas.Segments(), (std::vector<Seg>{{100, 400, 101, 400}}));
  EXPECT_EQ(graph->LastTyp, -1);
}

TEST_F(PatternTest, ZeroValuesAreDots) {
  SetLtype(2, {0, -1});
  EXPECT_EQ(
      Walk(10, 10, 13.5, 10),
      (std::vector<Seg>{
          {100, 400, 101, 400}, {110, 400, 111, 400}, {120, 400, 121, 400}, {130, 400, 131, 400}}));
  EXPECT_EQ(graph->LastSeg, 1);
  EXPECT_NEAR(graph->LastLen, 0.5, 1e-12);
}

TEST_F(PatternTest, RandomLineVertices) {
  // Values are the distances to the next vertex; the sign picks the side, and a 0 puts a
  // vertex on the base line without moving on. The segment ends on the base line.
  SetLtype(2, {1, -1, 0}, 0.5);
  EXPECT_EQ(Walk(10, 10, 14, 10), (std::vector<Seg>{{100, 400, 110, 395},
                                                    {110, 395, 120, 405},
                                                    {120, 405, 120, 400},
                                                    {120, 400, 130, 395},
                                                    {130, 395, 140, 400}}));
  // Running upwards, "left" is towards -x.
  EXPECT_EQ(Walk(10, 10, 10, 11.5).front(), (Seg{100, 400, 95, 390}));
  // The amplitude decides whether it is fine enough to print straight.
  SetLtype(2, {1, -1, 0}, 0.15);
  EXPECT_EQ(Walk(10, 10, 14, 10).size(), 1u);
}

TEST_F(PatternTest, SegmentEndingAtAnElementEndKeepsItInProgress) {
  SetLtype(2, {1, -1}, 0.5);
  Walk(10, 10, 12, 10);
  EXPECT_EQ(graph->LastSeg, 1);
  EXPECT_DOUBLE_EQ(graph->LastLen, 1.0);
  // The continuing segment starts with a zero step: the gap's vertex right at its start.
  const auto segs = Walk(12, 10, 14, 10);
  ASSERT_FALSE(segs.empty());
  EXPECT_EQ(segs.front(), (Seg{120, 400, 120, 405}));
}

TEST_F(PatternTest, ArcsCarryThePatternFromChordToChord) {
  SetLtype(2, {2, -1});
  canvas.Clear();
  // Quarter circle of radius 10: 72 chords of about 0.22 mm; about a third falls in gaps.
  EXPECT_EQ(graph->GLEllipseArcDT(0, 2, 50, 25, 10, 1, 0, 0, kPi / 2), kDrawn);
  const size_t drawn = canvas.Segments().size();
  EXPECT_GT(drawn, 40u);
  EXPECT_LT(drawn, 60u);
  // Small arcs use one chord per 2 pixels: radius 1, a quarter turn: 15.7 px, 8 chords, each
  // inside the first long dash.
  graph->GLSetDT();
  SetLtype(3, {100, -1});
  canvas.Clear();
  graph->GLEllipseArcDT(0, 3, 50, 25, 1, 1, 0, 0, kPi / 2);
  EXPECT_EQ(canvas.Segments().size(), 8u);
}

TEST_F(PatternTest, ArcSizeRulesAndOutside) {
  SetLtype(2, {2, -1});
  canvas.Clear();
  EXPECT_EQ(graph->GLEllipseArcDT(0, 2, 50, 25, 0.1, 1, 0, 0, 1), kDot);
  EXPECT_EQ(canvas.Segments(), (std::vector<Seg>{{500, 250, 501, 250}}));  // at the centre
  EXPECT_EQ(graph->GLEllipseArcDT(0, 2, 500, 25, 10, 1, 0, 0, kPi), kOutside);
  canvas.Clear();
  EXPECT_EQ(graph->GLEllipseArcDT(0, 1, 50, 25, 10, 1, 0, 0, kPi), kDrawn);  // solid type
  EXPECT_EQ(canvas.Segments().size(), 72u);
  // Placed arcs: the size comes from the placement, and the dot needs 1 pixel or less.
  canvas.Clear();
  EXPECT_EQ(graph->GLEllipseArcBLDT(0, 2, 0, 0, 0.05, 1, 0, 0, kPi, 50, 25, 1, 0, 0, 1, 1), kDot);
  EXPECT_EQ(canvas.Segments(), (std::vector<Seg>{{500, 250, 501, 250}}));
  canvas.Clear();
  EXPECT_EQ(graph->GLEllipseArcBLDT(0, 2, 0, 0, 10, 1, 0, 0, kPi / 2, 100, 50, 1, 0, 0, 1, 2),
            kDrawn);
  const auto segs = canvas.Segments();
  ASSERT_FALSE(segs.empty());
  EXPECT_EQ(segs.front().x1, 550);  // (10, 0) placed at ((10 + 100) / 2, 50 / 2)
  EXPECT_EQ(segs.front().y1, 250);
}

}  // namespace
}  // namespace tavolex::test

namespace tavolex::test {
namespace {

TEST_F(PatternTest, DamagedLineTypesPrintSolidInsteadOfHanging) {
  // Values that do not add up to the stored period, or are not numbers, must not stall the walk.
  SetLtype(2, {0, 0}, 0.5);
  att.jwvTyp[1].pit = 10.0;
  EXPECT_EQ(Walk(10, 10, 20, 10).size(), 1u);
  SetLtype(2, {2, -1, 1});
  att.jwvTyp[1].pa[2] = std::nan("");
  att.jwvTyp[1].pit = 3.0;
  EXPECT_EQ(Walk(10, 10, 20, 10).size(), 1u);
  EXPECT_EQ(graph->GLEllipseArcDT(0, 2, 50, 25, 10, 1, 0, 0, kPi), kDrawn);
}

}  // namespace
}  // namespace tavolex::test
