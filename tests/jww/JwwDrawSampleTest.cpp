#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/PrintDriver.h"
#include "jww/DrawFixture.h"
#include "support/TestPaths.h"

namespace tavolex::test {
namespace {

// The same figure made with nested, copied and mixed block inserts and without any: drawn by
// fit printing, every one gives the same line segments as the plain one.
class SampleDrawTest : public DrawTest {
 protected:
  std::vector<RecordedSegment> DrawFitted(const char* name) {
    TJwwData jww;
    EXPECT_TRUE(jww.FileIn(SamplesDir() / "blocks" / name)) << name;
    jww.GetMinMaxZahyo();
    UsePlacement(FitPlacement(jww.myMinWx, jww.myMinWy, jww.myMaxWx, jww.myMaxWy,
                              static_cast<int>(ViewWidth), static_cast<int>(ViewHeight)));
    canvas.Clear();
    jww.GLDrawALL3(0, -1, -1, true, true, false, 0.0);
    std::vector<RecordedSegment> segments = canvas.Segments();
    // Blocks draw after the top level: compare the segments, not their order.
    std::sort(segments.begin(), segments.end(), [](const auto& a, const auto& b) {
      return std::tie(a.x1, a.y1, a.x2, a.y2) < std::tie(b.x1, b.y1, b.x2, b.y2);
    });
    return segments;
  }
};

TEST_F(SampleDrawTest, BlockInsertsDrawLikeThePlainFigure) {
  TAVOLEX_REQUIRE_SAMPLES();
  const std::vector<RecordedSegment> plain = DrawFitted("non_block.jww");
  ASSERT_GT(plain.size(), 100u);  // four lines and two circles
  for (const char* name : {"2-circles-blocks.jww", "3blocks.jww", "sqr-circle-blocks.jww"}) {
    EXPECT_EQ(DrawFitted(name), plain) << name;
  }
}

}  // namespace
}  // namespace tavolex::test
