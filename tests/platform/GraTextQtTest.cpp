// Text through the engine onto a QImage: the ink of every character stays inside the cells the
// engine laid out, horizontally and in vertical writing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <numbers>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "platform/qt/QPainterCanvas.h"

namespace tavolex {
namespace {

// Bounding box of the dark pixels.
QRect Ink(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (qGray(img.pixel(x, y)) < 128) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

// A page of 100 × 50 mm at 10 pixels per millimetre; the text is drawn in black.
QImage DrawText(double x1, double y1, double x2, double y2, const std::u16string& face,
                const std::u16string& s) {
  ViewScale = 10;
  ViewWidth = 1000;
  ViewHeight = 500;
  ViewMinX = 0;
  ViewMinY = 0;
  ViewMaxX = 100;
  ViewMaxY = 50;
  QImage img(1000, 500, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter painter(&img);
  QPainterCanvas canvas(&painter);
  TGraph1 g(&canvas);
  g.G_Start();
  g.GPenSet(0, 0, 1);
  g.GLAText3(x1, y1, x2, y2, 5, 5, 0, 0, face, s);
  g.G_End();
  painter.end();
  return img;
}

TEST(GraTextQt, HorizontalJapaneseInkStaysInItsCells) {
  // Cells from x = 10 mm: 4 full-width (5 mm) and 2 half-width (2.5 mm): 25 mm; 5 mm high.
  const QImage img = DrawText(10, 10, 50, 10, u"ＭＳ 明朝", u"漢字かなAB");
  const QRect ink = Ink(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(99, 349, 252, 52).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
  EXPECT_GT(ink.width(), 220);  // the text runs across all six cells
  EXPECT_GT(ink.height(), 35);
}

TEST(GraTextQt, VerticalJapaneseInkStaysInItsColumn) {
  // Down the page from (10, 45): a column 5 mm wide right of x = 10, four cells of 5 mm.
  const QImage img = DrawText(10, 45, 10, 0, u"@ＭＳ ゴシック", u"縦書（一）");
  const QRect ink = Ink(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(99, 49, 52, 252).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
  EXPECT_GT(ink.height(), 200);
}

}  // namespace
}  // namespace tavolex
