#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

#include "common/Func_2.h"
#include "jww/DrawFixture.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

constexpr double kPi = std::numbers::pi;

class EntityDrawTest : public DrawTest {
 protected:
  // Identity placement, as at top level without rotation.
  void DrawLine(const TEntJwwLine& e) {
    doc.GLDrawLine2(att->GetDisplayMode(), 0, e, false, 1, 0, 0, 1, 0, 0, 1);
  }
  void DrawSolid(const TEntJwwSolid& e, uint32_t dcol = 0) {
    doc.GLDrawSolid2(att->GetDisplayMode(), dcol, e, false, 1, 0, 0, 1, 0, 0, 1);
  }
  uint32_t FillColour() const {
    const auto fills = canvas.Of(CallKind::FillPolygon);
    return fills.empty() ? 0 : fills.back().color;
  }
};

TEST_F(EntityDrawTest, PenWidthFromTheEntityOrThePenTable) {
  att->SetDisplayMode(true);
  att->SetAttrCol(3, 0xFF000000u, 0.8, 0.1);
  TEntJwwLine e = Line(0, 0, 50, 0, Attr(0, 0, 3));
  e.att.nPenWidth = 35;
  DrawLine(e);
  ASSERT_TRUE(canvas.LastPen().has_value());
  EXPECT_EQ(canvas.LastPen()->width, 4);  // 0.35 mm at 10 px/mm, 3.5 to even
  e.att.nPenWidth = 0;
  DrawLine(e);
  EXPECT_EQ(canvas.LastPen()->width, 8);
}

TEST_F(EntityDrawTest, DisplayModeDecidesPatternsAndWholeCircles) {
  const TEntJwwLine dashed = Line(-50, 0, 50, 0, Attr(0, 0, 1, 2));
  att->SetDisplayMode(false);
  DrawLine(dashed);
  EXPECT_EQ(canvas.Segments().size(), 1u);
  canvas.Clear();
  att->SetDisplayMode(true);
  DrawLine(dashed);
  EXPECT_GT(canvas.Segments().size(), 3u);

  // A whole circle runs once round from angle 0, in either mode.
  for (bool dispmode : {true, false}) {
    canvas.Clear();
    att->SetDisplayMode(dispmode);
    doc.GLDrawEnko2(dispmode, 0, Circle(0, 0, 20), false, 1, 0, 0, 1, 0, 0, 1);
    const auto segments = canvas.Segments();
    ASSERT_GT(segments.size(), 10u);
    EXPECT_EQ(segments.front().x1, DevX(20));
    EXPECT_EQ(segments.front().y1, DevY(0));
    EXPECT_EQ(segments.back().x2, DevX(20));
    EXPECT_EQ(segments.back().y2, DevY(0));
  }
}

TEST_F(EntityDrawTest, ArcsFollowTheirBlockPlacement) {
  TEntJwwEnko arc = Circle(1, 0, 1);
  arc.bZenEnFlg = 0;
  arc.radKaishiKaku = 0;
  arc.radEnkoKaku = kPi;
  // Mirrored in x and scaled by 10: from (−20, 0) over the top to (0, 0).
  doc.GLDrawEnko2(false, 0, arc, false, 1, 0, 0, -10, 0, 0, 10);
  const auto segments = canvas.Segments();
  ASSERT_FALSE(segments.empty());
  EXPECT_EQ(segments.front().x1, DevX(-20));
  EXPECT_EQ(segments.back().x2, DevX(0));
  EXPECT_EQ(segments[segments.size() / 2].y1, DevY(10));
}

TEST_F(EntityDrawTest, MarkerAngleFollowsThePlacedAxis) {
  TEntJwwTen p = Point(2, 3, Attr(0, 0, 1, 100));
  p.nCode = 3;
  p.radKaitenKaku = 0.25;
  p.dBairitsu = 2;
  double X, Y, a, ba;
  int kf, pc;
  // Turned by 90°: the placed x axis points up.
  doc.TenMarkerParam(p, false, 1, 10, 0, 0, -1, 1, 0, X, Y, kf, pc, a, ba);
  EXPECT_DOUBLE_EQ(X, 7);
  EXPECT_DOUBLE_EQ(Y, 2);
  EXPECT_EQ(pc, 3);
  EXPECT_NEAR(a, 0.25 + kPi / 2, 1e-12);
  EXPECT_EQ(ba, 2);
  // Mirrored in x (b1 < 0): the placed axis (π) and π besides.
  p.radKaitenKaku = 0;
  doc.TenMarkerParam(p, false, 1, 0, 0, -1, 0, 0, 1, X, Y, kf, pc, a, ba);
  EXPECT_NEAR(a, 2 * kPi, 1e-12);
  // Codes, angles and scales count only on marker points; negative codes come through.
  p.nCode = static_cast<uint32_t>(-4);
  doc.TenMarkerParam(p, false, 1, 0, 0, 1, 0, 0, 1, X, Y, kf, pc, a, ba);
  EXPECT_EQ(pc, -4);
  p.att.nPenStyle = 1;
  p.bKariten = 1;
  doc.TenMarkerParam(p, false, 1, 0, 0, 1, 0, 0, 1, X, Y, kf, pc, a, ba);
  EXPECT_EQ(pc, 0);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(ba, 1);
  EXPECT_EQ(kf, 1);
}

TEST_F(EntityDrawTest, OwnColourSolidsIgnoreMonochromeButNotLayerStatesOrOneColour) {
  att->SetPrintMode(true, 128, -1, -1);  // monochrome
  TEntJwwSolid red = Solid(0, 0, 10, 0, 10, 10, 0, 10, Attr(0, 1, 10));
  red.Color = 0x0000FF;
  DrawSolid(red);
  EXPECT_EQ(FillColour(), 0xFFFF0000u);

  TEntJwwSolid penned = red;
  penned.att.nPenColor = 2;
  DrawSolid(penned);
  EXPECT_EQ(FillColour() & 0xFFFFFFu, 0u);  // a pen colour prints black in monochrome

  DrawSolid(red, 0xFF00FF00u);
  EXPECT_EQ(FillColour(), 0xFF00FF00u);

  att->SetGrayColor(0xFF3366CCu);
  att->SetAttrLayer(1, 2);
  DrawSolid(red);
  EXPECT_EQ(FillColour(), 0xFF3366CCu);
  att->SetAttrLayer(1, 3);
  DrawSolid(red);
  EXPECT_EQ(FillColour(), att->GetBackColor());

  att->All1ColorFlag = true;
  att->All1Color = 0xFF0000FFu;
  DrawSolid(red);
  EXPECT_EQ(FillColour(), 0xFF0000FFu);
}

TEST_F(EntityDrawTest, SolidShapes) {
  DrawSolid(Solid(0, 0, 10, 0, 10, 10, 0, 10));
  ASSERT_EQ(canvas.Fills().size(), 1u);
  EXPECT_EQ(canvas.Fills()[0].size(), 5u);  // closed by the engine
  EXPECT_EQ(PolyWN, 0);
  EXPECT_TRUE(PolyW.empty());

  canvas.Clear();
  DrawSolid(Solid(0, 0, 10, 5, 10, 5, 10, 5));
  EXPECT_EQ(canvas.Count(CallKind::FillPolygon), 0);
  EXPECT_EQ(canvas.Segments(),
            (std::vector<RecordedSegment>{{DevX(0), DevY(0), DevX(10), DevY(5)}}));

  canvas.Clear();
  TEntJwwSolid disc = Solid(0, 0, 10, 1, 0, 0, 1, 100, Attr(0, 0, 1, 101));
  DrawSolid(disc);
  ASSERT_EQ(canvas.Fills().size(), 1u);
  EXPECT_GE(canvas.Fills()[0].size(), 73u);
}

class ImageDrawTest : public EntityDrawTest {
 protected:
  void SetUp() override {
    EntityDrawTest::SetUp();
    picture = folder / "pic.png";
    std::ofstream(picture) << "not decoded by the recording canvas";
    canvas.AddPicture(picture, 300, 200);
    doc.BindImageFolder = folder;
    att->SetDisplayMode(true);
  }
  void DrawImage(const std::u16string& s, double b1 = 1, double b4 = 1) {
    doc.GLDrawImage2(att->GetDisplayMode(), 0, Text(10, 10, 20, 10, s), false, 1, 0, 0, b1, 0, 0,
                     b4);
  }

  ScopedTempDir dir;
  const std::filesystem::path folder = dir.path();
  std::filesystem::path picture;
};

TEST_F(ImageDrawTest, BoundImageComesFromTheDocumentsFolder) {
  DrawImage(u"^@BM%temp%pic.png,30,20");
  const auto pictures = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].file, picture);
  EXPECT_NEAR(pictures[0].target.width, 300, 1e-6);
  EXPECT_NEAR(pictures[0].target.height, 200, 1e-6);
  EXPECT_NEAR(pictures[0].target.x, DevX(10), 1e-6);
  EXPECT_NEAR(pictures[0].target.y, DevY(30), 1e-6);
  EXPECT_EQ(pictures[0].angleDeg, 0);
  // drr 1: the whole picture.
  EXPECT_NEAR(pictures[0].source.width, 300, 1e-6);
}

TEST_F(ImageDrawTest, LoneWidthMakesASquareAndScaleFollowsThePlacement) {
  DrawImage(u"^@BM%temp%pic.png,30", 2, 2);
  const auto pictures = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_NEAR(pictures[0].target.width, 600, 1e-6);
  EXPECT_NEAR(pictures[0].target.height, 600, 1e-6);
}

TEST_F(ImageDrawTest, TurnedImageAndOutlineWithoutDisplayMode) {
  DrawImage(u"^@BM%temp%pic.png,30,20,0,0,1,90");
  const auto pictures = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_NEAR(std::fabs(pictures[0].angleDeg), 90, 1e-9);

  canvas.Clear();
  att->SetDisplayMode(false);
  DrawImage(u"^@BM%temp%pic.png,30,20");
  EXPECT_EQ(canvas.Count(CallKind::DrawPicture), 0);
  const auto segments = canvas.Segments();
  ASSERT_EQ(segments.size(), 4u);
  EXPECT_EQ(segments[0], (RecordedSegment{DevX(10), DevY(10), DevX(40), DevY(10)}));
  EXPECT_EQ(segments[1], (RecordedSegment{DevX(40), DevY(10), DevX(40), DevY(30)}));
}

TEST_F(ImageDrawTest, NoFileNameDrawsNothing) {
  DrawImage(u"^@BM,30,20");
  DrawImage(u"^@BMpic.png");
  DrawImage(u"pic.png,30,20");
  EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
}  // namespace tavolex::test
