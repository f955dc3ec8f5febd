#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "platform/qt/QPainterCanvas.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

// A 200 × 100 pixel page showing the drawing window 0..100 × 0..50 mm at 2 px/mm.
class QPainterCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ViewScale = 2;
    ViewWidth = 200;
    ViewHeight = 100;
    ViewMinX = 0;
    ViewMinY = 0;
    ViewMaxX = 100;
    ViewMaxY = 50;
    att.SetDisplayMode(true);
    att.SetAttrCol(1, 0xFFFF0000u, 0.0, 0.2);  // pen 1 red, thin
    att.SetAttrCol(2, 0xFF0000FFu, 5.0, 0.2);  // pen 2 blue, 10 px wide
    GAtt = &att;
    image = QImage(200, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    painter = std::make_unique<QPainter>(&image);
    canvas = std::make_unique<QPainterCanvas>(painter.get());
    graph = std::make_unique<TGraph1>(canvas.get());
    graph->G_Start();
  }
  void TearDown() override {
    graph.reset();
    if (painter->isActive()) painter->end();
    GAtt = nullptr;
  }
  QRgb At(int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
  void Finish() { painter->end(); }

  TgraAttribute att;
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<QPainterCanvas> canvas;
  std::unique_ptr<TGraph1> graph;
  test::ScopedTempDir dir;
  fs::path picture;
};

TEST_F(QPainterCanvasTest, ThinLineThickLineAndEvenOddFill) {
  graph->GLPenSet(0, 1, 1, 0.0);
  EXPECT_EQ(graph->GLLine(10, 40, 60, 40), kDrawn);  // device row 20, x 20..120
  graph->GLPenSet(0, 2, 1, 5.0);
  EXPECT_EQ(graph->GLLine(10, 10, 40, 10), kDrawn);  // device row 80, x 20..80, 10 px wide
  // Two nested squares: the even-odd rule leaves the inner one empty.
  graph->GLPenSet(0, 1, 1, 0.0);
  PolyW = {{60, 5},  {90, 5},  {90, 35}, {60, 35}, {60, 5},
           {70, 15}, {80, 15}, {80, 25}, {70, 25}, {70, 15}};
  PolyWN = static_cast<int>(PolyW.size());
  EXPECT_EQ(graph->GLSolid(), kDrawn);
  PolyW.clear();
  PolyWN = 0;
  // A one-pixel dot is one pixel; a line of a wide pen that rounds to one pixel is a round dot
  // of its width where the painter centres lines of that width.
  graph->GTen(5, 5);
  graph->GPenSet(0xFF0000u, 0, 9);
  graph->GLine(185, 8, 185.3, 7.8);
  graph->GPenSet(0xFF0000u, 0, 2);  // an even width: around the pixel's corner
  graph->GLine(170, 8, 170, 8);
  Finish();
  for (const auto& [x, y] : {std::pair{169, 7}, {170, 7}, {169, 8}, {170, 8}})
    EXPECT_EQ(At(x, y), 0x0000FFu) << x << "," << y;
  for (const auto& [x, y] : {std::pair{168, 8}, {171, 8}, {170, 6}, {170, 9}})
    EXPECT_EQ(At(x, y), 0xFFFFFFu) << x << "," << y;
  for (const auto& [x, y] : {std::pair{181, 8}, {189, 8}, {185, 4}, {185, 12}, {182, 5}})
    EXPECT_EQ(At(x, y), 0x0000FFu) << x << "," << y;
  for (const auto& [x, y] : {std::pair{180, 8}, {190, 8}, {185, 3}, {185, 13}, {181, 4}, {189, 12}})
    EXPECT_EQ(At(x, y), 0xFFFFFFu) << x << "," << y;

  EXPECT_EQ(At(70, 20), 0xFF0000u);
  EXPECT_EQ(At(70, 19), 0xFFFFFFu);
  EXPECT_EQ(At(70, 21), 0xFFFFFFu);
  EXPECT_EQ(At(50, 80), 0x0000FFu);
  EXPECT_EQ(At(50, 84), 0x0000FFu);  // within the pen's width
  EXPECT_EQ(At(83, 80), 0x0000FFu);  // the round cap reaches past the end
  EXPECT_EQ(At(50, 90), 0xFFFFFFu);
  EXPECT_EQ(At(125, 85), 0xFF0000u);  // between the squares
  EXPECT_EQ(At(150, 50), 0xFFFFFFu);  // inside the inner square
  EXPECT_EQ(At(195, 50), 0xFFFFFFu);
  EXPECT_EQ(At(5, 5), 0xFF0000u);
  EXPECT_EQ(At(6, 5), 0xFFFFFFu);
}

TEST_F(QPainterCanvasTest, PictureIsCroppedScaledAndTurned) {
  picture = dir / "canvas-test.png";
  QImage source(20, 10, QImage::Format_RGB32);
  source.fill(QColor(0, 200, 0));
  for (int y = 0; y < 10; ++y) {
    for (int x = 10; x < 20; ++x)
      source.setPixel(x, y, qRgb(200, 0, 200));  // right half
  }
  ASSERT_TRUE(source.save(QString::fromStdString(picture.string())));
  int w = 0, h = 0;
  ASSERT_TRUE(canvas->PictureSize(picture, w, h));
  EXPECT_EQ(w, 20);
  EXPECT_EQ(h, 10);

  // Frame 20 × 10 mm at (10, 30): device x 20..60, y 20..40; left half green, right half purple.
  EXPECT_EQ(graph->GLImage2(10, 30, 30, 40, 0, 0, 0, 0, picture.u16string()), kDrawn);
  // The same frame at (70, 10) turned a quarter counter-clockwise about its lower-left corner:
  // it then stands from x 60 to 70 mm, y 10 to 30 mm, the picture's right half at the top.
  EXPECT_EQ(graph->GLImage2(70, 10, 90, 20, 0, 0, 0, 90, picture.u16string()), kDrawn);
  Finish();

  EXPECT_EQ(At(30, 30), 0x00C800u);
  EXPECT_EQ(At(50, 30), 0xC800C8u);
  EXPECT_EQ(At(30, 45), 0xFFFFFFu);
  EXPECT_EQ(At(130, 70), 0x00C800u);  // lower half of the turned frame: x 65 mm, y 15 mm
  EXPECT_EQ(At(130, 50), 0xC800C8u);  // upper half: y 25 mm
  EXPECT_EQ(At(160, 75), 0xFFFFFFu);  // where the unturned frame would have been
}

// An enhanced metafile: header, a red solid brush, a rectangle over the right half of its
// 200 × 100 frame, end of file.
std::string RightHalfRedMetafile() {
  std::string bytes;
  const auto u32 = [&bytes](std::initializer_list<uint32_t> values) {
    for (uint32_t v : values) {
      for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
    }
  };
  constexpr uint32_t kHeaderBytes = 88, kTotalBytes = 88 + 24 + 12 + 24 + 20;
  u32({1,
       kHeaderBytes,
       0,
       0,
       199,
       99,
       0,
       0,
       5291,
       2645,
       0x464D4520u,
       0x10000u,
       kTotalBytes,
       5,
       2 /* handles, with the reserved 0 */,
       0,
       0,
       0,
       1024,
       768,
       270,
       203});
  u32({39, 24, 1, 0, 0x000000FFu, 0});  // create brush 1: solid red
  u32({37, 12, 1});                     // select it
  u32({43, 24, 100, 0, 200, 100});      // rectangle x 100..200, y 0..100
  u32({14, 20, 0, 16, 20});             // end of file
  return bytes;
}

TEST_F(QPainterCanvasTest, EnhancedMetafileIsAPicture) {
  picture = dir / "canvas-test.EMF";
  { std::ofstream(picture, std::ios::binary) << RightHalfRedMetafile(); }
  int w = 0, h = 0;
  ASSERT_TRUE(canvas->PictureSize(picture, w, h));
  EXPECT_NEAR(static_cast<double>(w) / h, 2.0, 0.1);
  EXPECT_EQ(graph->GLImage2(10, 30, 30, 40, 0, 0, 0, 0, picture.u16string()), kDrawn);
  Finish();
  EXPECT_EQ(At(50, 30), 0xFF0000u);  // the right half of the frame, device x 40..60
  EXPECT_EQ(At(30, 30), 0xFFFFFFu);  // the left half stays clear
}

TEST_F(QPainterCanvasTest, UndecodablePictures) {
  picture = dir / "canvas-test.wmf";
  { std::ofstream(picture) << "not a metafile"; }
  int w = 0, h = 0;
  EXPECT_FALSE(canvas->PictureSize(picture, w, h));
  EXPECT_EQ(graph->GLImage2(10, 30, 30, 40, 0, 0, 0, 0, picture.u16string()), kNothing);
}

}  // namespace
}  // namespace tavolex
