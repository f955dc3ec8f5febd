#include "platform/qt/QtTextRenderer.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "platform/qt/FontMapping.h"

namespace tavolex {
namespace {

CanvasFont Font(int height, int halfAdvance, const std::u16string& face, int escapement = 0) {
  CanvasFont f;
  f.height = height;
  f.width = halfAdvance;
  f.escapement = escapement;
  f.faceName = face;
  return f;
}

// Bounding box of the pixels that are clearly darker than the white page.
QRect InkBox(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (qGray(img.pixel(x, y)) < 128) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

QImage Page() {
  QImage img(400, 400, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

TEST(FontMapping, WindowsJapaneseFacesMapToIpaFonts) {
  EXPECT_EQ(MapFaceName(u"ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(MapFaceName(u"MS Gothic"), "IPAGothic");
  EXPECT_EQ(MapFaceName(u"ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(MapFaceName(u"MS Mincho"), "IPAMincho");
  EXPECT_EQ(MapFaceName(u"ＭＳ Ｐゴシック"), "IPAPGothic");
  EXPECT_EQ(MapFaceName(u"MS PGothic"), "IPAPGothic");
  EXPECT_EQ(MapFaceName(u"ＭＳ Ｐ明朝"), "IPAPMincho");
  EXPECT_EQ(MapFaceName(u"MS PMincho"), "IPAPMincho");
  EXPECT_EQ(MapFaceName(u"@ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(MapFaceName(u"MS UI Gothic"), "IPAPGothic");
  EXPECT_EQ(MapFaceName(u""), "IPAGothic");
  EXPECT_EQ(MapFaceName(u"どこにもない書体"), "IPAGothic");
  // Every family tried can draw kanji and kana.
  for (const std::u16string face : {u"ＭＳ 明朝", u"Arial", u"どこにもない書体"}) {
    const QString family = FontFamiliesFor(face).front();
    QFont font(family);
    font.setPixelSize(20);
    const QFontMetricsF m(font);
    EXPECT_TRUE(m.inFontUcs4(0x6F22)) << family.toStdString();  // 漢
    EXPECT_TRUE(m.inFontUcs4(0x3042)) << family.toStdString();  // あ
  }
}

TEST(FontMapping, InstalledLatinFaceKeepsAJapaneseFallback) {
  if (!QFontDatabase::hasFamily("DejaVu Sans")) GTEST_SKIP() << "DejaVu Sans not installed";
  EXPECT_EQ(MapFaceName(u"DejaVu Sans"), "DejaVu Sans");
  EXPECT_TRUE(FontFamiliesFor(u"DejaVu Sans").contains("IPAGothic"));
  // Kanji in a Latin face come out in the Japanese fallback: two different kanji give different
  // ink (missing glyphs would all be the same box).
  QtTextRenderer renderer;
  QImage first = Page();
  QImage second = Page();
  QPainter p1(&first);
  renderer.DrawChar(p1, 50, 50, u"漢", Font(100, 50, u"DejaVu Sans"), 0);
  p1.end();
  QPainter p2(&second);
  renderer.DrawChar(p2, 50, 50, u"字", Font(100, 50, u"DejaVu Sans"), 0);
  p2.end();
  EXPECT_FALSE(InkBox(first).isEmpty());
  EXPECT_NE(first, second);
}

TEST(QtTextRenderer, JapaneseInkFillsItsCell) {
  QtTextRenderer renderer;
  for (const std::u16string face : {u"ＭＳ ゴシック", u"ＭＳ 明朝"}) {
    QImage img = Page();
    QPainter p(&img);
    // Full-width cell 100 × 120 at (50, 60).
    renderer.DrawChar(p, 50, 60, u"漢", Font(120, 50, face), 0);
    p.end();
    const QRect ink = InkBox(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(49, 59, 102, 122).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // The glyph spreads over most of the cell, not a small box in a corner.
    EXPECT_GT(ink.width(), 75);
    EXPECT_GT(ink.height(), 75);
  }
}

TEST(QtTextRenderer, HalfWidthCellAndColour) {
  QtTextRenderer renderer;
  QImage img = Page();
  QPainter p(&img);
  renderer.DrawChar(p, 100, 100, u"H", Font(80, 40, u"ＭＳ ゴシック"), 0x0000FFu);  // red
  p.end();
  const QRect ink = InkBox(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(99, 99, 42, 82).contains(ink));
  EXPECT_GT(ink.width(), 20);
  const QColor centre = img.pixelColor(ink.left() + 1, ink.center().y());
  EXPECT_GT(centre.red(), 150);
  EXPECT_LT(centre.blue(), 100);
}

TEST(QtTextRenderer, EscapementTurnsTheCellAboutItsTopLeft) {
  QtTextRenderer renderer;
  QImage img = Page();
  QPainter p(&img);
  // Turned 90° counter-clockwise about (200, 300): the cell lies above that point, to the right.
  renderer.DrawChar(p, 200, 300, u"漢", Font(100, 50, u"ＭＳ ゴシック", 900), 0);
  p.end();
  const QRect ink = InkBox(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(199, 199, 102, 102).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

QRect InkOf(QtTextRenderer& renderer, const std::u16string& ch, const CanvasFont& font) {
  QImage img = Page();
  QPainter p(&img);
  renderer.DrawChar(p, 100, 100, ch, font, 0);
  p.end();
  return InkBox(img);
}

// One horizontal scale per font from its half-width advance: narrow glyphs of a proportional
// face stay narrow and start at the left of their cell; a half-advance glyph in a full cell keeps
// its width; a fixed face still fills its cells.
TEST(QtTextRenderer, GlyphsKeepTheirOwnAdvanceUnderOneScalePerFont) {
  QtTextRenderer renderer;
  const CanvasFont proportional = Font(80, 40, u"ＭＳ Ｐゴシック");
  const QRect i = InkOf(renderer, u"i", proportional);
  const QRect w = InkOf(renderer, u"Ｗ", proportional);
  ASSERT_FALSE(i.isEmpty());
  ASSERT_FALSE(w.isEmpty());
  EXPECT_LT(i.width() * 5, w.width()) << i.width() << " against " << w.width();
  EXPECT_LT(i.right(), 100 + 20);  // in the left half of its 40-pixel cell
  EXPECT_GT(w.width(), 60);        // the full-width W still spans its 80-pixel cell

  const CanvasFont fixed = Font(80, 40, u"ＭＳ ゴシック");
  EXPECT_LT(InkOf(renderer, u"é", fixed).width(), 40);  // a full cell, a half-width glyph
  EXPECT_GT(InkOf(renderer, u"Ｗ", fixed).width(), 60);
}

// Characters beyond the IPA fonts come from the fallback Japanese fonts; user-defined
// characters draw nothing rather than a box.
TEST(QtTextRenderer, FallbackFontsAndUserDefinedCharacters) {
  QtTextRenderer renderer;
  for (const std::u16string face : {u"ＭＳ ゴシック", u"ＭＳ 明朝"}) {
    const CanvasFont font = Font(100, 50, face);
    QImage yoshi = Page(), missing = Page();
    QPainter p1(&yoshi);
    renderer.DrawChar(p1, 100, 100, u"\U00020BB7", font, 0);  // 𠮷
    p1.end();
    QPainter p2(&missing);
    renderer.DrawChar(p2, 100, 100, u"\U0002FFFD", font, 0);  // assigned to nothing
    p2.end();
    EXPECT_GT(InkBox(yoshi).width(), 60);
    EXPECT_NE(yoshi, missing);
    EXPECT_FALSE(InkOf(renderer, u"∑", font).isEmpty());
    EXPECT_TRUE(InkOf(renderer, u"\uE000", font).isEmpty());
    EXPECT_TRUE(InkOf(renderer, u"\U000F0001", font).isEmpty());
  }
}

TEST(QtTextRenderer, FontsAreCachedByTheirParameters) {
  QtTextRenderer renderer;
  QImage img = Page();
  QPainter p(&img);
  for (int i = 0; i < 50; ++i) {
    renderer.DrawChar(p, 10 + i, 10, u"字", Font(30, 15, u"ＭＳ 明朝", i * 100), 0);
  }
  EXPECT_EQ(renderer.CachedFonts(), 1);
  CanvasFont bold = Font(30, 15, u"ＭＳ 明朝");
  bold.weight = 700;
  renderer.DrawChar(p, 10, 10, u"字", bold, 0);
  renderer.DrawChar(p, 10, 10, u"字", Font(31, 15, u"ＭＳ 明朝"), 0);
  EXPECT_EQ(renderer.CachedFonts(), 3);
}

}  // namespace
}  // namespace tavolex
