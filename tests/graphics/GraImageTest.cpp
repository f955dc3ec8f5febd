#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "graphics/EngineFixture.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

namespace fs = std::filesystem;

class ImageTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    fs::create_directories(dir / "drawings");
    fs::create_directories(dir / "work");
    GraImageWorkFolder = dir / "work";
    ZuFileName.clear();
  }
  void TearDown() override {
    GraImageWorkFolder.clear();
    ZuFileName.clear();
    EngineTest::TearDown();
  }
  fs::path Touch(const fs::path& p) {
    std::ofstream(p) << "picture";
    return p;
  }
  int Image(double x1, double y1, double x2, double y2, const fs::path& p, double dan = 0,
            double drx = 0, double dry = 0, double drr = 0) {
    return graph->GLImage2(x1, y1, x2, y2, drx, dry, drr, dan, p.u16string());
  }

  ScopedTempDir tmp;
  const fs::path dir = tmp.path();
};

TEST_F(ImageTest, FileKindsAndMissingFiles) {
  const fs::path jpeg = Touch(dir / "plan.jpeg");
  const fs::path jfif = Touch(dir / "plan.jfif");
  const fs::path upper = Touch(dir / "PLAN.TIFF");
  canvas.anyPictureSize = std::make_pair(200, 100);
  EXPECT_EQ(Image(10, 10, 30, 20, jpeg), kDrawn);
  EXPECT_EQ(Image(10, 10, 30, 20, upper), kDrawn);
  EXPECT_EQ(Image(10, 10, 30, 20, jfif), kNothing);
  EXPECT_EQ(Image(10, 10, 30, 20, dir / "absent.png"), kNothing);
  EXPECT_EQ(canvas.Count(CallKind::DrawPicture), 2);
}

TEST_F(ImageTest, RelativeNameIsFoundBesideTheDrawing) {
  const fs::path pic = Touch(dir / "drawings" / "only-here.png");
  ZuFileName = (dir / "drawings" / "plan.jww").u16string();
  canvas.AddPicture(pic, 40, 20);  // the name as given cannot be read; the copy path is tried
  canvas.AddPicture(dir / "work" / "~~only-here.png", 40, 20);
  EXPECT_EQ(graph->GLImage2(10, 10, 30, 20, 0, 0, 0, 0, u"only-here.png"), kDrawn);
  const auto draws = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].file, pic);
  // The size was read from the work copy, which is gone again.
  const auto sizes = canvas.Of(CallKind::PictureSize);
  ASSERT_EQ(sizes.size(), 2u);
  EXPECT_EQ(sizes[1].file, dir / "work" / "~~only-here.png");
  EXPECT_FALSE(fs::exists(dir / "work" / "~~only-here.png"));
}

TEST_F(ImageTest, UndecodablePictureLeavesNoCopyBehind) {
  const fs::path pic = Touch(dir / "broken.bmp");
  EXPECT_EQ(Image(10, 10, 30, 20, pic), kNothing);
  EXPECT_FALSE(fs::exists(dir / "work" / "~~broken.bmp"));
  canvas.AddPicture(pic, 0, 50);
  EXPECT_EQ(Image(10, 10, 30, 20, pic), kNothing);
  EXPECT_EQ(canvas.Count(CallKind::DrawPicture), 0);
}

TEST_F(ImageTest, FrameSizeDecidesBetweenNothingPlaceholderAndPicture) {
  const fs::path pic = Touch(dir / "p.png");
  canvas.AddPicture(pic, 100, 100);
  SetPage(0, 0, 1.5, 150, 75);
  EXPECT_EQ(Image(10, 10, 11, 11, pic), kDot);
  EXPECT_TRUE(canvas.Of(CallKind::DrawPicture).empty());

  SetPage(0, 0, 3, 300, 150);
  EXPECT_EQ(Image(10, 10, 11, 11, pic), kDrawn);
  EXPECT_TRUE(canvas.Of(CallKind::DrawPicture).empty());
  const auto pen = canvas.LastPen();
  ASSERT_TRUE(pen.has_value());
  EXPECT_EQ(pen->color, 0u);
  EXPECT_EQ(pen->width, 1);
  EXPECT_EQ(canvas.Of(CallKind::SetBrush).back().color, 0xFFFFFFu);
  EXPECT_EQ(canvas.Of(CallKind::SetBrush).back().brushStyle, BrushStyle::Solid);
  EXPECT_EQ(canvas.Segments().size(), 4u);  // the frame's outline

  canvas.Clear();
  SetPage(0, 0, 5, 500, 250);
  EXPECT_EQ(Image(10, 10, 11, 11, pic), kDrawn);
  EXPECT_EQ(canvas.Count(CallKind::DrawPicture), 1);
  EXPECT_TRUE(canvas.Segments().empty());
}

TEST_F(ImageTest, FrameOutsideTheWindow) {
  const fs::path pic = Touch(dir / "p.png");
  canvas.AddPicture(pic, 100, 100);
  EXPECT_EQ(Image(110, 10, 130, 20, pic), kOutside);
  // Turned by 180° about its lower-left corner it comes back onto the page.
  EXPECT_EQ(Image(105, 10, 125, 20, pic, 180), kDrawn);
}

TEST_F(ImageTest, CropAndTargetRectangles) {
  const fs::path pic = Touch(dir / "p.png");
  canvas.AddPicture(pic, 200, 100);
  // Frame 20 × 10 mm with the picture's proportions: the whole picture.
  Image(30, 20, 10, 10, pic);
  // Crop half the width from a quarter across and a tenth up.
  Image(10, 10, 30, 20, pic, 0, 0.25, 0.1, 0.5);
  const auto draws = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].source, (RectF{0, 0, 200, 100}));
  EXPECT_EQ(draws[0].target, (RectF{100, 300, 200, 100}));
  EXPECT_EQ(draws[0].angleDeg, 0.0);
  EXPECT_EQ(draws[1].source, (RectF{50, 40, 100, 50}));
}

TEST_F(ImageTest, TurnsAboutTheLowerLeftCorner) {
  const fs::path pic = Touch(dir / "p.png");
  canvas.AddPicture(pic, 200, 100);
  Image(10, 10, 30, 20, pic, 360);
  Image(10, 10, 30, 20, pic, 90);
  const auto draws = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].angleDeg, 0.0);
  // A quarter turn counter-clockwise on the drawing is -90° in the y-down device.
  EXPECT_EQ(draws[1].angleDeg, -90.0);
  EXPECT_EQ(draws[1].pivotX, 100.0);
  EXPECT_EQ(draws[1].pivotY, 400.0);
}

TEST_F(ImageTest, DamagedCropValuesTakeTheirDefaults) {
  const fs::path pic = Touch(dir / "p.png");
  canvas.AddPicture(pic, 200, 100);
  const double nan = std::nan("");
  Image(10, 10, 30, 20, pic, 0, nan, -3, nan);
  const auto draws = canvas.Of(CallKind::DrawPicture);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].source, (RectF{0, 0, 200, 100}));
}

}  // namespace
}  // namespace tavolex::test
