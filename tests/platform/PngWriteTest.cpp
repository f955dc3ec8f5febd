// The page writer: every page decodes to exactly the pixels it was given, at the smallest
// palette depth that holds its colours and as RGB beyond 256 colours.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <vector>

#include "platform/PngWrite.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {
namespace {

// A page of `colours` colours in a pattern that breaks the runs often; the width is not a whole
// number of bytes at any depth.
QImage Page(int colours) {
  QImage image(61, 64, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(23622);
  image.setDotsPerMeterY(23622);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = (y % 3) * 5; x < image.width(); ++x) {
      const int c = (x * 7 + y * 13) % colours;
      if (c != 0) image.setPixel(x, y, 0xFF000000u | static_cast<uint32_t>(c * 18000 + 1));
    }
  }
  // Two rows that repeat the one above, as a vertical line across the paper makes them.
  for (int y : {21, 22})
    std::memcpy(image.scanLine(y), image.scanLine(20), static_cast<size_t>(image.bytesPerLine()));
  return image;
}

TEST(PngWriteTest, PagesDecodeToTheirPixelsAtTheSmallestDepth) {
  struct Case {
    int colours;
    int bits;
    int colourType;  // 3 palette, 2 RGB
  };
  for (const Case c : {Case{1, 1, 3}, Case{2, 1, 3}, Case{3, 2, 3}, Case{16, 4, 3}, Case{17, 8, 3},
                       Case{256, 8, 3}, Case{257, 8, 2}, Case{900, 8, 2}}) {
    const QImage image = Page(c.colours);
    const std::vector<uint32_t> palette = PagePalette(PngPageOf(image));
    EXPECT_EQ(palette.size(), c.colours <= 256 ? static_cast<size_t>(c.colours) : 0u);
    const std::vector<unsigned char> png = EncodePng(PngPageOf(image));
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png[24], c.bits) << c.colours << " colours";
    EXPECT_EQ(png[25], c.colourType) << c.colours << " colours";
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
    decoded = decoded.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(decoded, image) << c.colours << " colours";
    EXPECT_EQ(decoded.dotsPerMeterX(), 23622);
  }
}

}  // namespace
}  // namespace tavolex
