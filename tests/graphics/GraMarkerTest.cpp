#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/EngineFixture.h"

namespace tavolex::test {
namespace {

using Seg = RecordedSegment;
constexpr double kPi = std::numbers::pi;

// Page 200 × 100 mm at 10 px/mm; markers at (100, 50), device (1000, 500).
class MarkerTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPage(0, 0, 10, 2000, 1000);
    att.SetAttrCol(1, 0xFF0000FFu, 0.3, 0.2);  // blue pen 1, 0.3 mm wide, point radius 0.2 mm
  }
  int Marker(int pc, double a = 0, double ba = 1, int kf = 0, int wd = 0) {
    canvas.Clear();
    return graph->GLTenMarker(100, 50, kf, pc, a, ba, 0, 1, wd, 0);
  }
  struct Box {
    float minX, minY, maxX, maxY;
  };
  static Box Bounds(const std::vector<TPointF>& pts) {
    Box b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const TPointF& p : pts) {
      b.minX = std::min(b.minX, p.X);
      b.maxX = std::max(b.maxX, p.X);
      b.minY = std::min(b.minY, p.Y);
      b.maxY = std::max(b.maxY, p.Y);
    }
    return b;
  }
  Box SegmentBounds() const {
    std::vector<TPointF> pts;
    for (const Seg& s : canvas.Segments()) {
      pts.push_back({static_cast<float>(s.x1), static_cast<float>(s.y1)});
      pts.push_back({static_cast<float>(s.x2), static_cast<float>(s.y2)});
    }
    return Bounds(pts);
  }
};

TEST_F(MarkerTest, TemporaryPointIsAThreePixelRingWhateverItsCode) {
  for (int pc : {0, 1, 7, -3}) {
    Marker(pc, 0.5, 4.0, 1);
    EXPECT_TRUE(canvas.Fills().empty());
    const Box b = SegmentBounds();
    EXPECT_EQ(b.maxX - b.minX, 6) << pc;
    EXPECT_EQ(b.maxY - b.minY, 6) << pc;
    EXPECT_EQ(canvas.LastPen()->color, 0x00FF0000u);
  }
}

TEST_F(MarkerTest, OrdinaryPointRadiusFromPenWidthAndPointRadius) {
  Marker(0);
  ASSERT_EQ(canvas.Fills().size(), 1u);
  const Box b = Bounds(canvas.Fills()[0]);
  EXPECT_NEAR(b.maxX - b.minX, 7.0, 1e-3);  // radius 0.15 + 0.2 = 0.35 mm
  // The dot is drawn with a one-pixel pen, and its given width (in 1/100 mm) counts.
  EXPECT_EQ(canvas.LastPen()->width, 1);
  Marker(0, 0, 1, 0, 100);
  EXPECT_NEAR(Bounds(canvas.Fills()[0]).maxX - Bounds(canvas.Fills()[0]).minX, 14.0, 1e-3);
  // Too small for the page: at least two pixels, which the filled circle prints as one dot.
  SetPage(0, 0, 2, 400, 200);
  Marker(0);
  EXPECT_TRUE(canvas.Fills().empty());
  EXPECT_EQ(canvas.Segments().size(), 1u);
}

TEST_F(MarkerTest, HollowArrowheadAtScaleTwo) {
  Marker(1, 0, 2);
  const auto fills = canvas.Of(CallKind::FillPolygon);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].color, 0xFFFFFFFFu);  // background fill
  ASSERT_EQ(fills[0].points.size(), 4u);
  EXPECT_FLOAT_EQ(fills[0].points[0].X, 1000);
  EXPECT_FLOAT_EQ(fills[0].points[0].Y, 500);
  EXPECT_FLOAT_EQ(fills[0].points[1].X, 850);
  EXPECT_FLOAT_EQ(fills[0].points[1].Y, 475);
  EXPECT_FLOAT_EQ(fills[0].points[2].Y, 525);
  EXPECT_EQ(canvas.Segments(),
            (std::vector<Seg>{{1000, 500, 850, 475}, {850, 475, 850, 525}, {850, 525, 1000, 500}}));
  EXPECT_EQ(graph->gpb, 0xFF0000FFu);  // the fill colour is the pen's again
  EXPECT_TRUE(PolyW.empty());
  EXPECT_EQ(PolyWN, 0);
}

TEST_F(MarkerTest, FillColoursOfHollowAndSolidMarkers) {
  for (int pc : {2, 3}) {
    Marker(pc);
    ASSERT_EQ(canvas.Fills().size(), 1u) << pc;
    EXPECT_EQ(canvas.Of(CallKind::FillPolygon)[0].color, 0xFFFFFFFFu) << pc;
    EXPECT_FALSE(canvas.Segments().empty()) << pc;
  }
  for (int pc : {5, 6, 7, 12, -8}) {
    Marker(pc);
    ASSERT_EQ(canvas.Fills().size(), 1u) << pc;
    EXPECT_EQ(canvas.Of(CallKind::FillPolygon)[0].color, 0xFF0000FFu) << pc;
    EXPECT_FALSE(canvas.Segments().empty()) << pc;
  }
  // Codes 12 and -8 fill a circle of radius 1.25: 25 pixels across.
  const Box b = Bounds(canvas.Fills()[0]);
  EXPECT_NEAR(b.maxX - b.minX, 25.0, 1e-3);
}

TEST_F(MarkerTest, LineMarkersDrawTheirStrokes) {
  const std::pair<int, size_t> strokes[] = {{9, 2},  {10, 1}, {11, 3}, {-1, 3},
                                            {-4, 2}, {-5, 4}, {-6, 3}, {-7, 2}};
  for (const auto& [pc, count] : strokes) {
    Marker(pc);
    EXPECT_EQ(canvas.Segments().size(), count) << pc;
    EXPECT_TRUE(canvas.Fills().empty()) << pc;
  }
}

TEST_F(MarkerTest, ShapesFollowAngleAndScale) {
  // Circle outline with scale 0 takes scale 1: radius 1.25 mm.
  Marker(4, 0, 0);
  Box b = SegmentBounds();
  EXPECT_EQ(b.minX, 988);  // 987.5 and 1012.5 round to even
  EXPECT_EQ(b.maxX, 1012);
  // Slash turned a quarter: from 2.5 at 135° to 2.5 at 315°.
  Marker(10, kPi / 2);
  const double d = 2.5 / std::sqrt(2.0) * 10;
  EXPECT_EQ(canvas.Segments(), (std::vector<Seg>{{static_cast<int>(std::nearbyint(1000 - d)),
                                                  static_cast<int>(std::nearbyint(500 - d)),
                                                  static_cast<int>(std::nearbyint(1000 + d)),
                                                  static_cast<int>(std::nearbyint(500 + d))}}));
  // Triangle: top vertex 5/3 mm above the point, scaled by 3.
  Marker(-6, 0, 3);
  EXPECT_EQ(canvas.Segments().front().x1, 1000);
  EXPECT_EQ(canvas.Segments().front().y1, 450);
  // The S-curve's two arcs, each one run, meet at the point.
  Marker(8, 0.3, 2);
  const auto segs = canvas.Segments();
  ASSERT_EQ(canvas.Count(CallKind::MoveTo), 2);
  size_t second = 1;
  while (second < segs.size() && segs[second].x1 == segs[second - 1].x2 &&
         segs[second].y1 == segs[second - 1].y2) {
    ++second;
  }
  ASSERT_LT(second, segs.size());
  EXPECT_EQ(segs[second - 1].x2, 1000);
  EXPECT_EQ(segs[second - 1].y2, 500);
  EXPECT_EQ(segs.back().x2, 1000);
  EXPECT_EQ(segs.back().y2, 500);
}

TEST_F(MarkerTest, PenTableWidthDot) {
  // Code -3: radius scale × pen width (0.3 mm × 4 = 1.2 mm), drawn with that pen width.
  Marker(-3, 0, 4);
  ASSERT_EQ(canvas.Fills().size(), 1u);
  const Box b = Bounds(canvas.Fills()[0]);
  EXPECT_NEAR(b.maxX - b.minX, 24.0, 1e-3);
  EXPECT_EQ(canvas.LastPen()->width, 3);
}

}  // namespace
}  // namespace tavolex::test
