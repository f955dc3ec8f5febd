#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics/EngineFixture.h"

namespace tavolex::test {
namespace {

constexpr double kPi = std::numbers::pi;

class CurvesTest : public EngineTest {
 protected:
  // Device point of a world point, as the fills store it.
  TPointF Dev(double x, double y) {
    double dx = 0, dy = 0;
    graph->GLTransPt(x, y, dx, dy);
    return TPointF{static_cast<float>(dx), static_cast<float>(dy)};
  }
  static void ExpectNear(const TPointF& a, const TPointF& b) {
    EXPECT_NEAR(a.X, b.X, 1e-3);
    EXPECT_NEAR(a.Y, b.Y, 1e-3);
  }
};

TEST_F(CurvesTest, BoxTurnsAboutItsFirstCorner) {
  EXPECT_EQ(graph->GLBoxA(10, 10, 30, 20, 0), kDrawn);
  auto segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 4u);
  EXPECT_EQ(segs[0], (RecordedSegment{100, 400, 300, 400}));
  EXPECT_EQ(segs[1], (RecordedSegment{300, 400, 300, 300}));
  EXPECT_EQ(segs[3], (RecordedSegment{100, 300, 100, 400}));

  canvas.Clear();
  EXPECT_EQ(graph->GLBoxA(20, 10, 40, 20, kPi / 2), kDrawn);
  segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 4u);
  EXPECT_EQ(segs[0], (RecordedSegment{200, 400, 200, 200}));  // (x2, y1) turned to (20, 30)
  EXPECT_EQ(segs[1].x2, 100);                                 // (x2, y2) turned to (10, 30)
  EXPECT_EQ(segs[3].x2, 200);
  EXPECT_EQ(segs[3].y2, 400);
  EXPECT_EQ(PolyWN, 0);
  EXPECT_TRUE(PolyW.empty());
}

TEST_F(CurvesTest, ArcDirectionAndDegenerateSweep) {
  // Clockwise quarter from angle 0: the first step goes down on the drawing (up the device).
  EXPECT_EQ(graph->GLEllipseArc(50, 25, 10, 1, 0, 0, -kPi / 2), kDrawn);
  auto segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 72u);
  EXPECT_EQ(segs.front().x1, 600);
  EXPECT_EQ(segs.front().y1, 250);
  EXPECT_GT(segs.front().y2, 250);
  EXPECT_EQ(segs.back().x2, 500);
  EXPECT_EQ(segs.back().y2, 350);

  canvas.Clear();
  EXPECT_EQ(graph->GLEllipseArc(50, 25, 10, 1, 0, 1.0, 0.0), kDot);
  EXPECT_EQ(canvas.Segments().size(), 1u);
}

TEST_F(CurvesTest, EllipseFlatnessAndTilt) {
  // r 10, flatness 0.5, tilted 90°: its long axis is vertical.
  EXPECT_EQ(graph->GLEllipse(50, 25, 10, 0.5, kPi / 2), kDrawn);
  int minX = 10000, maxX = -1, minY = 10000, maxY = -1;
  for (const auto& s : canvas.Segments()) {
    minX = std::min(minX, s.x2);
    maxX = std::max(maxX, s.x2);
    minY = std::min(minY, s.y2);
    maxY = std::max(maxY, s.y2);
  }
  EXPECT_EQ(maxX - minX, 100);
  EXPECT_EQ(maxY - minY, 200);
}

TEST_F(CurvesTest, BlockPlacementMapsEveryPoint) {
  graph->GLEllipse(30, 20, 5, 1, 0);
  const auto plain = canvas.Segments();
  canvas.Clear();
  // Placement doubled and then divided by sc = 2, moved by (20, 10)/2.
  graph->GLEllipseBL(20, 15, 5, 1, 0, 20, 10, 2, 0, 0, 2, 2);
  EXPECT_EQ(canvas.Segments(), plain);
}

TEST_F(CurvesTest, SolidCircleAndItsDot) {
  EXPECT_EQ(graph->GLSolidCircle(50, 25, 5), kDrawn);
  ASSERT_EQ(canvas.Fills().size(), 1u);
  EXPECT_EQ(canvas.Fills()[0].size(), 73u);
  canvas.Clear();
  EXPECT_EQ(graph->GLSolidCircle(50, 25, 0.2), kDot);  // 2 pixels
  EXPECT_TRUE(canvas.Fills().empty());
  EXPECT_EQ(canvas.Segments().size(), 1u);
  canvas.Clear();
  EXPECT_EQ(graph->GLSolidCircle(150, 25, 0.2), kDot);  // centre off the page: nothing
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(CurvesTest, SolidArcPointListsByStyle) {
  // Whole ellipse ignores the sweep.
  EXPECT_EQ(graph->GLSolidArc(101, 50, 25, 10, 1, 0, 1.0, 0.5, 100), kDrawn);
  // Sector: arc then the centre, closed.
  EXPECT_EQ(graph->GLSolidArc(101, 50, 25, 10, 1, 0, 0, kPi / 2, 0), kDrawn);
  // Segment: the chord closes the arc.
  EXPECT_EQ(graph->GLSolidArc(101, 50, 25, 10, 1, 0, 0, kPi / 2, 5), kDrawn);
  // Tangent corner of a quarter circle: (r, r) from the centre, turned with the tilt.
  EXPECT_EQ(graph->GLSolidArc(101, 50, 25, 10, 1, kPi / 2, 0, kPi / 2, 7), kDrawn);
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 4u);
  EXPECT_EQ(fills[0].size(), 73u);
  ExpectNear(fills[0][18], Dev(50, 35));  // 90° of the whole ellipse, not of the sweep
  ASSERT_EQ(fills[1].size(), 75u);
  ExpectNear(fills[1][73], Dev(50, 25));
  ExpectNear(fills[1][74], Dev(60, 25));
  EXPECT_EQ(fills[2].size(), 74u);
  ExpectNear(fills[2][72], Dev(50, 35));
  ASSERT_EQ(fills[3].size(), 75u);
  ExpectNear(fills[3][0], Dev(50, 35));
  ExpectNear(fills[3][73], Dev(40, 35));
}

TEST_F(CurvesTest, HalfEllipseTangentsAreParallelSoTheCornerIsTheCentre) {
  graph->GLSolidArc(101, 50, 25, 10, 0.5, 0.3, 0, kPi, 7);
  graph->GLSolidArc(101, 50, 25, 10, 0.5, 0.3, 0, kPi, 0);
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 2u);
  ASSERT_EQ(fills[0].size(), fills[1].size());
  for (size_t i = 0; i < fills[0].size(); ++i)
    ExpectNear(fills[0][i], fills[1][i]);
}

TEST_F(CurvesTest, OutlinedArcShapes) {
  EXPECT_EQ(graph->GLSolidArc(111, 50, 25, 10, 1, 0, 0, kPi, 100), kDrawn);
  EXPECT_EQ(canvas.Segments().size(), 72u);
  EXPECT_TRUE(canvas.Fills().empty());
  canvas.Clear();
  EXPECT_EQ(graph->GLSolidArc(111, 50, 25, 10, 1, 0, 0, kPi, 0), kDrawn);
  const auto segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 72u);
  EXPECT_EQ(segs.back().x2, 400);  // ends at 180°
  canvas.Clear();
  EXPECT_EQ(graph->GLSolidArc(7, 50, 25, 10, 1, 0, 0, kPi, 0), kNothing);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(CurvesTest, RingsOfBothKinds) {
  // 105: inner arc of radius zf with the same flatness, run backwards.
  graph->GLSolidArc(105, 50, 25, 10, 0.5, 0, 0, kPi, 4);
  // The placed variant leaves the closing to the fill: the same area.
  graph->GLSolidArcBL(105, 50, 25, 10, 0.5, 0, 0, kPi, 4, 0, 0, 1, 0, 0, 1, 1);
  // 106: inner y radius zf + r·h − r, so the ring is r − zf wide on both axes.
  graph->GLSolidArc(106, 50, 25, 10, 0.5, 0, 0, kPi, 8);
  // An inner radius of 0 is a degenerate ring, not a division by zero.
  graph->GLSolidArc(106, 50, 25, 10, 0.5, 0, 0, kPi, 0);
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 4u);
  ASSERT_EQ(fills[0].size(), 147u);
  ExpectNear(fills[0][73], Dev(46, 25));
  ExpectNear(fills[0][145], Dev(54, 25));
  ExpectNear(fills[0][146], fills[0][0]);
  ASSERT_EQ(fills[1].size(), fills[0].size());
  for (size_t i = 0; i < fills[0].size(); ++i)
    ExpectNear(fills[0][i], fills[1][i]);
  ExpectNear(fills[2][73 + 36], Dev(50, 28));  // inner top: y radius 8 + 5 − 10 = 3
  for (const TPointF& p : fills[3])
    EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
  ExpectNear(fills[3][73 + 36], Dev(50, 25 - 5));
}

}  // namespace
}  // namespace tavolex::test
