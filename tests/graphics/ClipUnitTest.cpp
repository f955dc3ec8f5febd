#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/ClipUnit.h"

namespace tavolex {
namespace {

// Window 0..100 × 0..50.
int Code(double x, double y) {
  return ClipOutcode(x, y, 0, 0, 100, 50);
}
int Clip(double& x1, double& y1, double& x2, double& y2) {
  return ClipLine(x1, y1, x2, y2, 0, 0, 100, 50);
}

TEST(ClipOutcode, EdgesAndTheirNeighbourhoodCountAsOutside) {
  EXPECT_EQ(Code(50, 25), 0);
  EXPECT_EQ(Code(0, 25), kClipLeft);
  EXPECT_EQ(Code(1e-13, 25), kClipLeft);  // within 1e-12 inside the edge
  EXPECT_EQ(Code(2e-12, 25), 0);
  EXPECT_EQ(Code(100, 25), kClipRight);
  EXPECT_EQ(Code(100 - 1e-13, 25), kClipRight);
  EXPECT_EQ(Code(50, 0), kClipBelow);
  EXPECT_EQ(Code(50, 50), kClipAbove);
  EXPECT_EQ(Code(-1, 60), kClipLeft | kClipAbove);
  EXPECT_EQ(Code(101, -1), kClipRight | kClipBelow);
  EXPECT_EQ(ClipPoint(50, 25, 0, 0, 100, 50), 0);
  EXPECT_EQ(ClipPoint(0, 25, 0, 0, 100, 50), 2);
}

TEST(ClipOutcode, NaNIsOutsideEverywhere) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Code(nan, 25), 15);
  EXPECT_EQ(Code(50, nan), 15);
  EXPECT_EQ(ClipPoint(nan, nan, 0, 0, 100, 50), 2);
}

TEST(ClipLine, InsideOutsideAndCut) {
  double x1 = 10, y1 = 10, x2 = 90, y2 = 40;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 0);
  EXPECT_DOUBLE_EQ(x1, 10);
  EXPECT_DOUBLE_EQ(y2, 40);

  // Both ends beyond the same edge.
  x1 = -10, y1 = 10, x2 = -5, y2 = 40;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);

  // Crosses the window left to right: both ends moved onto the edges.
  x1 = -50, y1 = 25, x2 = 150, y2 = 25;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 1);
  EXPECT_DOUBLE_EQ(x1, 0);
  EXPECT_DOUBLE_EQ(x2, 100);
  EXPECT_DOUBLE_EQ(y1, 25);

  // Diagonal through a corner region: moved left first, then down along the original line.
  x1 = -10, y1 = -20, x2 = 50, y2 = 40;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 1);
  EXPECT_DOUBLE_EQ(x1, 10);
  EXPECT_DOUBLE_EQ(y1, 0);
  EXPECT_DOUBLE_EQ(x2, 50);
  EXPECT_DOUBLE_EQ(y2, 40);
}

TEST(ClipLine, LineAlongAnEdgeIsInvisible) {
  double x1 = 10, y1 = 0, x2 = 90, y2 = 0;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);
  x1 = 100, y1 = -10, x2 = 100, y2 = 60;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);
}

TEST(ClipLine, PassingOutsideACornerIsInvisible) {
  // From left of the window to above it, missing the top-left corner: both ends land on the
  // same point of the top edge line.
  double x1 = -10, y1 = 45, x2 = 5, y2 = 65;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);
}

TEST(ClipLine, NonFiniteAndHugeCoordinatesNeverLeakOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  double x1 = nan, y1 = 10, x2 = 50, y2 = 10;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);
  x1 = -inf, y1 = 10, x2 = 50, y2 = 10;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 2);
  // Differences overflow to infinity: reported as invisible, never as NaN end points.
  x1 = -1.7e308, y1 = -1.7e308, x2 = 1.7e308, y2 = 1.7e308;
  const int r = Clip(x1, y1, x2, y2);
  if (r != 2) {
    EXPECT_TRUE(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2));
  }
  // A huge but finite segment through the window is cut to it.
  x1 = -1e300, y1 = 25, x2 = 1e300, y2 = 25;
  EXPECT_EQ(Clip(x1, y1, x2, y2), 1);
  EXPECT_DOUBLE_EQ(x1, 0);
  EXPECT_DOUBLE_EQ(x2, 100);
}

}  // namespace
}  // namespace tavolex
