#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/EngineFixture.h"

namespace tavolex::test {
namespace {

using Seg = RecordedSegment;

class PrimitivesTest : public EngineTest {};

TEST_F(PrimitivesTest, TransformFlipsYAndScales) {
  double x = 0, y = 0;
  graph->GLTransPt(0, 0, x, y);
  EXPECT_DOUBLE_EQ(x, 0);
  EXPECT_DOUBLE_EQ(y, 500);
  graph->GLTransPt(12.5, 40, x, y);
  EXPECT_DOUBLE_EQ(x, 125);
  EXPECT_DOUBLE_EQ(y, 100);
}

TEST_F(PrimitivesTest, DeviceCoordinatesRoundHalvesToEven) {
  graph->GLine(2.5, 3.5, 10.5, -0.5);
  graph->GTen(0.5, 7.5);  // the dot is the pixel run from round(x) to round(x + 1)
  const auto segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 2u);
  EXPECT_EQ(segs[0], (Seg{2, 4, 10, 0}));
  EXPECT_EQ(segs[1], (Seg{0, 8, 2, 8}));
}

TEST_F(PrimitivesTest, LineInsideIsDrawnAndEdgesCountAsOutside) {
  EXPECT_EQ(graph->GLLine(10, 10, 20, 30), kDrawn);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0], (Seg{100, 400, 200, 200}));

  canvas.Clear();
  EXPECT_EQ(graph->GLLine(0, 10, 0, 40), kOutside);    // on the left edge
  EXPECT_EQ(graph->GLLine(10, 50, 90, 50), kOutside);  // on the top edge
  EXPECT_EQ(graph->GLLine(-5, 10, -1, 40), kOutside);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(PrimitivesTest, LineCrossingThePageIsCutAtItsEdges) {
  EXPECT_EQ(graph->GLLine(-10, 25, 110, 25), kDrawn);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0], (Seg{0, 250, 1000, 250}));
}

TEST_F(PrimitivesTest, TwoPixelRuleForLines) {
  // |dx| + |dy| = 2 pixels: one dot at the first end.
  EXPECT_EQ(graph->GLLine(10, 10, 10.1, 10.1), kDot);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0], (Seg{100, 400, 101, 400}));
  canvas.Clear();
  EXPECT_EQ(graph->GLLine(10, 10, 10.21, 10), kDrawn);
  EXPECT_EQ(canvas.Segments()[0], (Seg{100, 400, 102, 400}));
}

TEST_F(PrimitivesTest, PointsInsideAndOnEdges) {
  EXPECT_EQ(graph->GLTen(50, 25), kDrawn);
  EXPECT_EQ(canvas.Segments()[0], (Seg{500, 250, 501, 250}));
  canvas.Clear();
  EXPECT_EQ(graph->GLTen(100, 25), kOutside);
  EXPECT_EQ(graph->GLTen(50, -3), kOutside);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(PrimitivesTest, BadNumbersNeverReachTheCanvas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(graph->GLLine(nan, 10, 20, 20), kOutside);
  EXPECT_EQ(graph->GLLine(10, 10, inf, 20), kOutside);
  EXPECT_EQ(graph->GLTen(nan, nan), kOutside);
  graph->GLine(nan, 0, 10, 10);
  graph->GTen(1e300, 5);
  graph->GTen(5, -inf);
  EXPECT_TRUE(canvas.calls.empty());

  // A device line with a far end is cut before rounding; its visible part keeps its course.
  graph->GLine(0, 100, 1e30, 100);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0].x1, 0);
  EXPECT_EQ(canvas.Segments()[0].y2, 100);
  EXPECT_LE(canvas.Segments()[0].x2, static_cast<int>(kDeviceLimit));

  // Polygons with far points are cut to the device range; a NaN point drops the fill.
  canvas.Clear();
  PolyD = {{0, 0}, {1e30f, 0}, {0, 1e30f}};
  PolyDN = 3;
  graph->GSolid();
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 1u);
  for (const TPointF& p : fills[0]) {
    EXPECT_LE(std::fabs(p.X), kDeviceLimit);
    EXPECT_LE(std::fabs(p.Y), kDeviceLimit);
  }
  canvas.Clear();
  PolyD = {{0, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}, {0, 10}};
  graph->GSolid();
  EXPECT_TRUE(canvas.Fills().empty());
  PolyD.clear();
  PolyDN = 0;
}

TEST_F(PrimitivesTest, PolylineResultCodes) {
  SetPoly({});
  EXPECT_EQ(graph->GLPolyline(), kNothing);
  SetPoly({{10, 10}});
  EXPECT_EQ(graph->GLPolyline(), kNothing);
  SetPoly({{-10, 10}, {-5, 20}, {-1, 40}});  // all beyond the left edge
  EXPECT_EQ(graph->GLPolyline(), kOutside);
  EXPECT_TRUE(canvas.calls.empty());
  // Tiny polyline: a dot where it ends.
  SetPoly({{10, 10}, {10.05, 10}, {10.1, 10.05}});
  EXPECT_EQ(graph->GLPolyline(), kDot);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0], (Seg{101, 400, 102, 400}));
}

TEST_F(PrimitivesTest, PolylineLeavingAndReenteringIsDrawnInRuns) {
  // In, out over the top edge, back in: every cut segment ends its run, so the re-entering
  // segment is a run of its own and the rest starts another.
  SetPoly({{10, 10}, {20, 40}, {30, 60}, {40, 40}, {50, 10}});
  EXPECT_EQ(graph->GLPolyline(), kDrawn);
  const auto moves = canvas.Of(CallKind::MoveTo);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0].x, 100);
  EXPECT_EQ(moves[0].y, 400);
  const auto segs = canvas.Segments();
  ASSERT_EQ(segs.size(), 4u);
  EXPECT_EQ(segs[1], (Seg{200, 100, 250, 0}));  // cut at the top edge (y = 50 mm)
  EXPECT_EQ(segs[2], (Seg{350, 0, 400, 100}));  // re-enters at the top edge
  EXPECT_EQ(segs[3], (Seg{400, 100, 500, 400}));
  EXPECT_EQ(PolyDN, 0);
}

// A segment that rounds to one pixel hands nothing to the canvas inside a drawn run (the round
// ends cover it); alone, it leaves the round end of a wide pen, a circle of the pen's width.
TEST_F(PrimitivesTest, SegmentsOfOnePixelLeaveOnlyTheDotOfAWidePen) {
  auto dots = [this] { return canvas.Of(CallKind::FillEllipse); };
  PolyD = {{10, 10}, {10.2f, 10.3f}, {20, 10}, {20.4f, 9.8f}};
  PolyDN = 4;
  for (const int width : {1, 5}) {
    graph->GPenSet(0x123456u, 0, width);
    canvas.Clear();
    graph->GPolyline();
    EXPECT_EQ(canvas.Segments(), (std::vector<Seg>{{10, 10, 20, 10}})) << width;
    EXPECT_TRUE(dots().empty()) << width;
  }
  PolyD = {{30, 30}, {30.2f, 30.1f}, {29.8f, 30}};  // a whole run on one pixel
  PolyDN = 3;
  canvas.Clear();
  graph->GPolyline();
  graph->GPenSet(0x123456u, 0, 4);  // an even width: around the pixel's corner
  graph->GLine(50.4, 60, 49.6, 60);
  graph->GPenSet(0x123456u, 1, 1);
  graph->GLine(70, 70, 70, 70);
  graph->GPenSet(0x123456u, 5, 9);  // clear pen
  graph->GLine(80, 80, 80, 80);
  EXPECT_TRUE(canvas.Segments().empty());
  ASSERT_EQ(dots().size(), 2u);
  EXPECT_EQ(dots()[0].target, (RectF{28, 28, 5, 5}));
  EXPECT_EQ(dots()[0].color, 0x123456u);
  EXPECT_EQ(dots()[1].target, (RectF{48, 58, 4, 4}));
  PolyD.clear();
  PolyDN = 0;
}

TEST_F(PrimitivesTest, SolidClosesAnOpenRingInTheCallersBuffer) {
  SetPoly({{10, 10}, {30, 10}, {30, 30}});
  EXPECT_EQ(graph->GLSolid(), kDrawn);
  EXPECT_EQ(PolyWN, 4);
  EXPECT_DOUBLE_EQ(PolyW[3].X, 10);
  ASSERT_EQ(canvas.Fills().size(), 1u);
  ASSERT_EQ(canvas.Fills()[0].size(), 4u);
  EXPECT_FLOAT_EQ(canvas.Fills()[0][2].X, 300.0f);
  EXPECT_FLOAT_EQ(canvas.Fills()[0][2].Y, 200.0f);

  canvas.Clear();
  SetPoly({{10, 10}, {30, 10}, {30, 30}, {10, 10}});
  EXPECT_EQ(graph->GLSolid(), kDrawn);
  EXPECT_EQ(PolyWN, 4);
  SetPoly({{10, 10}, {30, 10}});
  EXPECT_EQ(graph->GLSolid(), kNothing);
}

TEST_F(PrimitivesTest, SolidFillsInTheBrushColourAndOnlyWhileStarted) {
  graph->GBrushSet(0x00332211u, 1);  // Windows colour B=0x33 G=0x22 R=0x11
  SetPoly({{10, 10}, {30, 10}, {30, 30}});
  graph->GLSolid();
  ASSERT_EQ(canvas.Of(CallKind::FillPolygon).size(), 1u);
  EXPECT_EQ(canvas.Of(CallKind::FillPolygon)[0].color, 0xFF112233u);

  canvas.Clear();
  graph->G_End();
  SetPoly({{10, 10}, {30, 10}, {30, 30}});
  graph->GLSolid();
  EXPECT_TRUE(canvas.Fills().empty());
}

TEST_F(PrimitivesTest, SolidRulesForSmallOutsideAndCoveringPolygons) {
  SetPoly({{-10, -10}, {-5, -10}, {-5, -5}});
  EXPECT_EQ(graph->GLSolid(), kOutside);
  SetPoly({{10, 10}, {10.05, 10}, {10.05, 10.05}});
  EXPECT_EQ(graph->GLSolid(), kDot);
  EXPECT_TRUE(canvas.Fills().empty());
  EXPECT_EQ(canvas.Segments().size(), 1u);
  // A polygon around the whole page has no visible edge but must still cover the page.
  canvas.Clear();
  SetPoly({{-10, -10}, {200, -10}, {200, 100}, {-10, 100}});
  EXPECT_EQ(graph->GLSolid(), kDrawn);
  EXPECT_EQ(canvas.Fills().size(), 1u);
}

TEST_F(PrimitivesTest, DeviceFillAddsTheClosingPointOnlyWhenNeeded) {
  PolyD = {{0, 0}, {10, 0}, {10, 10}};
  PolyDN = 3;
  graph->GSolid();
  PolyD = {{0, 0}, {10, 0}, {10, 10}, {0.005f, 0}};
  PolyDN = 4;
  graph->GSolid();
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].size(), 4u);
  EXPECT_EQ(fills[1].size(), 4u);
  EXPECT_EQ(graph->PoArN, 0);
  PolyD.clear();
  PolyDN = 0;
}

TEST_F(PrimitivesTest, PenStylesAndBrushFromPenSet) {
  graph->GPenSet(0x000000FFu, 3, 5);
  const auto pen = canvas.LastPen();
  ASSERT_TRUE(pen.has_value());
  EXPECT_EQ(pen->color, 0x000000FFu);
  EXPECT_EQ(pen->width, 5);
  EXPECT_EQ(pen->penStyle, PenStyle::DashDot);
  const auto brushes = canvas.Of(CallKind::SetBrush);
  ASSERT_FALSE(brushes.empty());
  EXPECT_EQ(brushes.back().color, 0x000000FFu);
  EXPECT_EQ(brushes.back().brushStyle, BrushStyle::Clear);
  EXPECT_EQ(graph->gpb, 0xFFFF0000u);  // red, as ARGB
  graph->GPenSet(0, 9, 1);
  EXPECT_EQ(canvas.LastPen()->penStyle, PenStyle::Solid);
  graph->GBrushSet(0, 7);
  EXPECT_EQ(canvas.Of(CallKind::SetBrush).back().brushStyle, BrushStyle::DiagonalCross);
  graph->GBrushSet(0, 8);
  EXPECT_EQ(canvas.Of(CallKind::SetBrush).back().brushStyle, BrushStyle::Clear);
}

}  // namespace
}  // namespace tavolex::test
