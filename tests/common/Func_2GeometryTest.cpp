#include "common/Func_2Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace tavolex {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Box {
  double minx = 0, miny = 0, maxx = 0, maxy = 0;
};

TEST(MinMaxTest, GuardIgnoresFarAndNaNPointsWholly) {
  Box b;
  MinMaxSet(b.minx, b.miny, b.maxx, b.maxy, 1, 2);
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, 6e11, -3);  // y alone would widen the box
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, kNaN, -3);
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, 4, kNaN);
  MinMaxSet(b.minx, b.miny, b.maxx, b.maxy, -6e11, 0);
  EXPECT_EQ(b.minx, 1);
  EXPECT_EQ(b.maxx, 1);
  EXPECT_EQ(b.miny, 2);
  EXPECT_EQ(b.maxy, 2);
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, 5e11, -5e11);  // exactly on the guard is accepted
  EXPECT_EQ(b.maxx, 1e8);
  EXPECT_EQ(b.miny, -1e8);
}

TEST(MinMaxTest, BoxIsClampedOnEverySideAndNeverInverted) {
  Box b;
  MinMaxSet(b.minx, b.miny, b.maxx, b.maxy, 2e8, -3e8);
  EXPECT_EQ(b.minx, 1e8);
  EXPECT_EQ(b.maxx, 1e8);
  EXPECT_EQ(b.miny, -1e8);
  EXPECT_EQ(b.maxy, -1e8);
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, 0, 0);
  EXPECT_EQ(b.minx, 0);
  EXPECT_EQ(b.maxy, 0);
  EXPECT_LE(b.minx, b.maxx);
  EXPECT_LE(b.miny, b.maxy);
}

TEST(MinMaxTest, NaNMinimumIsReplacedByTheNextPoint) {
  Box b{kNaN, kNaN, 0, 0};
  MinMaxAdd(b.minx, b.miny, b.maxx, b.maxy, -3, -4);
  EXPECT_EQ(b.minx, -3);
  EXPECT_EQ(b.miny, -4);
}

TEST(MinMaxTest, BlockPlacementIsAppliedAfterTheGuardOnTheDefinitionPoint) {
  Box b;
  MinMaxSet(b.minx, b.miny, b.maxx, b.maxy, 0, 0);
  // Turned by 90° and scaled by 2, moved to (100, 50): (1, 0) lands at (100, 52).
  MinMaxAddBL(b.minx, b.miny, b.maxx, b.maxy, 1, 0, 100, 50, 0, -2, 2, 0);
  EXPECT_EQ(b.maxx, 100);
  EXPECT_EQ(b.maxy, 52);
  // A definition point beyond the guard is ignored even when its placement would be near.
  MinMaxAddBL(b.minx, b.miny, b.maxx, b.maxy, 6e11, 0, -5, -5, 0, 0, 0, 0);
  EXPECT_EQ(b.minx, 0);
  EXPECT_EQ(b.miny, 0);
}

TEST(GeometryTest, SamePointToleranceIsInclusive) {
  EXPECT_TRUE(SamePoint(0, 1, 1e-12, 1 - 0.5e-12));
  EXPECT_FALSE(SamePoint(0, 0, 0, 2e-12));
  EXPECT_FALSE(SamePoint(kNaN, 0, kNaN, 0));
}

TEST(GeometryTest, RotateTurnsCounterClockwiseAboutTheCentre) {
  EXPECT_NEAR(RotateX(10, 0, 5, 0, kPi / 2), 5, 1e-12);
  EXPECT_NEAR(RotateY(10, 0, 5, 0, kPi / 2), 5, 1e-12);
  EXPECT_NEAR(RotateX(3, 4, 1, 1, kPi), -1, 1e-12);
  EXPECT_NEAR(RotateY(3, 4, 1, 1, kPi), -2, 1e-12);
}

TEST(GeometryTest, VectorAngleIsInZeroToTwoPi) {
  EXPECT_EQ(VectorAngle(0, 0), 0);
  EXPECT_EQ(VectorAngle(1e-15, -1e-15), 0);
  EXPECT_NEAR(VectorAngle(-1, 0), kPi, 1e-15);
  EXPECT_NEAR(VectorAngle(0, -1), 1.5 * kPi, 1e-15);
  EXPECT_NEAR(VectorAngle(1, -1), 1.75 * kPi, 1e-15);
  EXPECT_NEAR(VectorAngle(0, 2), kPi / 2, 1e-15);
}

TEST(GeometryTest, LineCrossResultTellsWhetherThePointIsOnBothSegments) {
  double x = -1, y = -1;
  EXPECT_EQ(LineCross(x, y, 0, 0, 10, 10, 0, 10, 10, 0), 1);
  EXPECT_NEAR(x, 5, 1e-12);
  EXPECT_NEAR(y, 5, 1e-12);
  // Beyond the end of the first segment.
  EXPECT_EQ(LineCross(x, y, 0, 0, 1, 1, 0, 10, 10, 0), 2);
  EXPECT_NEAR(x, 5, 1e-12);
  // A crossing exactly at a segment end counts as on it.
  EXPECT_EQ(LineCross(x, y, 0, 0, 5, 5, 0, 10, 10, 0), 1);
  // Behind the start.
  EXPECT_EQ(LineCross(x, y, 6, 6, 9, 9, 0, 10, 10, 0), 2);
}

TEST(GeometryTest, LineCrossHandlesVerticalAndParallelLines) {
  double x = 7, y = 7;
  EXPECT_EQ(LineCross(x, y, 0, 0, 0, 5, 1, 1, 2, 1), 0 + 2);  // vertical with horizontal
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 1, 1e-12);
  EXPECT_EQ(LineCross(x, y, -1, 3, 1, 3, 0.5, -2, 0.5, 8), 1);
  EXPECT_NEAR(x, 0.5, 1e-12);
  EXPECT_NEAR(y, 3, 1e-12);
  x = y = 7;
  EXPECT_EQ(LineCross(x, y, 0, 0, 0, 5, 2, 0, 2, 5), 0);
  EXPECT_EQ(LineCross(x, y, 0, 0, 4, 2, 0, 1, 4, 3), 0);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 7);
}

TEST(GeometryTest, SolidArcCornerMeetsTheEndTangents) {
  double sx, sy, ex, ey, kx, ky;
  // Quarter circle of radius 10 about (100, 200): tangents meet at the square's far corner.
  SolidArcCorner(sx, sy, ex, ey, kx, ky, 100, 200, 10, 1, 0, 0, kPi / 2);
  EXPECT_NEAR(sx, 110, 1e-9);
  EXPECT_NEAR(sy, 200, 1e-9);
  EXPECT_NEAR(ex, 100, 1e-9);
  EXPECT_NEAR(ey, 210, 1e-9);
  EXPECT_NEAR(kx, 110, 1e-9);
  EXPECT_NEAR(ky, 210, 1e-9);
  // Flattened by 0.5 and tilted by 90°: the corner (10, 5) of the own frame turns to (-5, 10).
  SolidArcCorner(sx, sy, ex, ey, kx, ky, 0, 0, 10, 0.5, kPi / 2, 0, kPi / 2);
  EXPECT_NEAR(kx, -5, 1e-9);
  EXPECT_NEAR(ky, 10, 1e-9);
  EXPECT_NEAR(ex, -5, 1e-9);
  EXPECT_NEAR(ey, 0, 1e-9);
  // A half circle has parallel end tangents: the corner is the centre.
  SolidArcCorner(sx, sy, ex, ey, kx, ky, 3, 4, 10, 1, 0, kPi / 2, kPi);
  EXPECT_NEAR(kx, 3, 1e-9);
  EXPECT_NEAR(ky, 4, 1e-9);
}

}  // namespace
}  // namespace tavolex
