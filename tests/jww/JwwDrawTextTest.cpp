#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "jww/DrawFixture.h"

namespace tavolex::test {
namespace {

class TextDrawTest : public DrawTest {
 protected:
  void DrawText(const TEntJwwMoji& e, double b1 = 1, double b2 = 0, double b3 = 0, double b4 = 1) {
    doc.GLDrawMoji2(false, 0, e, false, 1, 0, 0, b1, b2, b3, b4);
  }
  // The characters drawn, in order.
  std::u16string Drawn() const {
    std::u16string s;
    for (const CanvasCall& c : canvas.Of(CallKind::DrawChar))
      s += c.text;
    return s;
  }
};

TEST_F(TextDrawTest, StyleFromTheTextType) {
  struct Case {
    uint32_t shu;
    int weight;
    bool italic;
  };
  for (const Case c : {Case{20003, 700, false}, Case{10001, 400, true}, Case{30001, 700, true},
                       Case{9999, 400, false}}) {
    canvas.Clear();
    TEntJwwMoji e = Text(0, 0, 3, 0, u"A");
    e.nMojiShu = c.shu;
    DrawText(e);
    const auto chars = canvas.Of(CallKind::DrawChar);
    ASSERT_EQ(chars.size(), 1u) << c.shu;
    EXPECT_EQ(chars[0].font.weight, c.weight) << c.shu;
    EXPECT_EQ(chars[0].font.italic, c.italic) << c.shu;
  }
}

TEST_F(TextDrawTest, VerticalTextExchangesItsSizes) {
  TEntJwwMoji e = Text(0, 0, 0, -10, u"縦");
  e.att.sFlg = 0x20;
  e.dSizeX = 5;
  e.dSizeY = 3;
  DrawText(e);
  const auto chars = canvas.Of(CallKind::DrawChar);
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].font.height, 50);  // dSizeX across the line
  EXPECT_EQ(chars[0].font.width, 15);   // half the cell of dSizeY along it
  EXPECT_EQ(chars[0].font.faceName, u"ＭＳ ゴシック");
  // The line runs downwards; the character stands upright on it.
  EXPECT_EQ(chars[0].font.escapement, 0);
}

TEST_F(TextDrawTest, MirroredBlockDrawsTheTextFromItsPlacedEnd) {
  const TEntJwwMoji e = Text(0, 0, 6, 0, u"AB");
  DrawText(e, -1, 0, 0, 1);
  const auto chars = canvas.Of(CallKind::DrawChar);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].text, u"A");
  EXPECT_EQ(chars[0].font.escapement, 0);  // upright, reading forwards
  EXPECT_NEAR(chars[0].x, DevX(-6), 1);
  EXPECT_LT(chars[0].x, chars[1].x);
}

TEST_F(TextDrawTest, ImageTextWithACommaIsNotText) {
  DrawText(Text(0, 0, 9, 0, u"^@BMa.png,3,3"));
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  DrawText(Text(0, 0, 9, 0, u"^@BM"));
  EXPECT_GT(canvas.Count(CallKind::DrawChar), 0);
}

class DimensionDrawTest : public TextDrawTest {
 protected:
  TEntJwwSunpo Dimension() {
    TEntJwwSunpo d;
    d.att = Attr();
    d.Sen = Line(0, 0, 10, 0);
    d.Moji = Text(3, 1, 7, 1, u"10");
    d.Moji.dSizeX = d.Moji.dSizeY = 2;
    d.Ho1 = Line(0, -10, 0, -1);
    d.Ho2 = Line(10, -10, 10, -1);
    d.Te1 = Point(0, -30);
    d.Te2 = Point(10, -30);
    d.Kt1 = Point(0, -50);
    d.Kt2 = Point(10, -50);
    return d;
  }
  void DrawDim(const TEntJwwSunpo& d, bool hojof = false, double scale = 1, double bx = 0) {
    doc.GLDrawSunpo2(false, hojof, 0, d, false, 1, bx, 0, scale, 0, 0, scale);
  }
};

TEST_F(DimensionDrawTest, PlainFormDrawsLineAndTextOnly) {
  TEntJwwSunpo d = Dimension();
  DrawDim(d);
  EXPECT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Count(CallKind::FillPolygon), 0);
  EXPECT_EQ(Drawn(), u"10");

  canvas.Clear();
  d.bSxfMode = 1;
  DrawDim(d);
  EXPECT_EQ(canvas.Segments().size(), 3u);
  // Two end points as dots (filled circles); the reference points Kt1, Kt2 are not drawn.
  const auto fills = canvas.Fills();
  ASSERT_EQ(fills.size(), 2u);
  for (const auto& f : fills) {
    for (const TPointF& p : f)
      EXPECT_NEAR(p.Y, DevY(-30), 5);
  }
}

TEST_F(DimensionDrawTest, AuxiliaryPartsLeftOutWithTheSwitch) {
  TEntJwwSunpo d = Dimension();
  d.bSxfMode = 1;
  d.Ho1.att.nPenColor = 9;
  d.Ho2.att.nPenStyle = 9;
  d.Te1.att.nPenColor = 9;
  DrawDim(d, true);
  EXPECT_EQ(canvas.Segments().size(), 1u);  // the dimension line
  EXPECT_EQ(canvas.Fills().size(), 1u);     // Te2
  EXPECT_EQ(Drawn(), u"10");
  canvas.Clear();
  d.Moji.att.nPenColor = 9;
  d.Sen.att.nPenColor = 9;
  DrawDim(d, true);
  EXPECT_TRUE(canvas.Segments().empty());
  EXPECT_EQ(Drawn(), u"");
}

TEST_F(DimensionDrawTest, ValueIsMeasuredAgainInAScaledBlock) {
  TEntJwwSunpo d = Dimension();
  d.Sen.att.nGLayer = 3;
  doc.EntLgrp[3].adScale = 100;
  d.Moji.att.nPenWidth = 0x0002 | 3 * 4096 | 0x0040 | 0x0020;
  DrawDim(d, false, 2);
  EXPECT_EQ(Drawn(), u"2,000mm");
  // Centred on the middle of the placed stored text (x from 6 to 14, middle 10).
  const auto chars = canvas.Of(CallKind::DrawChar);
  ASSERT_EQ(chars.size(), 7u);
  const double middle = (chars.front().x + chars.back().x + chars.back().font.width) / 2.0;
  EXPECT_NEAR(middle, DevX(10), 3);

  // The identity always prints the stored text, whatever its flags.
  canvas.Clear();
  DrawDim(d, false, 1, 50);
  EXPECT_EQ(Drawn(), u"10");
  // Without the flag the stored text is only placed.
  canvas.Clear();
  d.Moji.att.nPenWidth = 0x0040;
  DrawDim(d, false, 2);
  EXPECT_EQ(Drawn(), u"10");
}

}  // namespace
}  // namespace tavolex::test
