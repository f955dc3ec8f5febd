#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/Func_2.h"

namespace tavolex {
namespace {

constexpr double kPi = std::numbers::pi;

struct ImageText {
  int result = -9;
  std::u16string fn = u"unset";
  double width = -9, height = -9, drx = -9, dry = -9, drr = -9, deg = -9;
  int k1 = -9, k2 = -9, k3 = -9;
};

ImageText Parse(const std::u16string& s) {
  ImageText t;
  t.result =
      ImageTextParse(s, t.fn, t.width, t.height, t.drx, t.dry, t.drr, t.deg, t.k1, t.k2, t.k3);
  return t;
}

TEST(ImageTextParseTest, FullItemListIsRead) {
  const ImageText t = Parse(u"^@BM%temp%図面.png,30,20,0.1,0.2,0.5,45,3,4,5");
  EXPECT_EQ(t.result, 0);
  EXPECT_EQ(t.fn, u"%temp%図面.png");
  EXPECT_EQ(t.width, 30);
  EXPECT_EQ(t.height, 20);
  EXPECT_EQ(t.drx, 0.1);
  EXPECT_EQ(t.dry, 0.2);
  EXPECT_EQ(t.drr, 0.5);
  EXPECT_EQ(t.deg, 45);
  EXPECT_EQ(t.k1, 3);
  EXPECT_EQ(t.k2, 4);
  EXPECT_EQ(t.k3, 5);
}

TEST(ImageTextParseTest, MissingItemsTakeTheirDefaults) {
  ImageText t = Parse(u"^@BMa.bmp,30");
  EXPECT_EQ(t.result, 1);
  EXPECT_EQ(t.width, 30);
  EXPECT_EQ(t.height, 30);  // a lone width makes a square
  EXPECT_EQ(t.drx, 0);
  EXPECT_EQ(t.drr, 1);
  EXPECT_EQ(t.deg, 0);
  EXPECT_EQ(t.k1, -1);
  EXPECT_EQ(t.k3, -1);

  t = Parse(u"^@BMa.bmp,30,20,1,2,,9,7");
  EXPECT_EQ(t.result, 0);
  EXPECT_EQ(t.drr, 0);  // present but empty
  EXPECT_EQ(t.k1, 7);
  EXPECT_EQ(t.k2, 0);  // after a given k1
  EXPECT_EQ(t.k3, 0);

  t = Parse(u"^@BMa.bmp,x1,20");
  EXPECT_EQ(t.width, 0);  // not wholly a number
  EXPECT_EQ(t.height, 20);
  EXPECT_EQ(t.result, 1);
}

TEST(ImageTextParseTest, OrdinaryTextOrNoCommaGivesOnlyDefaults) {
  for (const std::u16string s : {u"plain text,30,20", u"^@BMpicture.png", u"^@B"}) {
    const ImageText t = Parse(s);
    EXPECT_EQ(t.result, 1);
    EXPECT_TRUE(t.fn.empty());
    EXPECT_EQ(t.width, 0);
    EXPECT_EQ(t.height, 0);
    EXPECT_EQ(t.drr, 1);
    EXPECT_EQ(t.k1, -1);
  }
  EXPECT_TRUE(IsImageText(u"^@BM"));
  EXPECT_FALSE(IsImageText(u"^@bm,1"));
}

// A dimension line of the given length through the identity, with the flags of its text.
std::u16string DimValue(int flags, double length, int kind = 0, double groupScale = 1.0) {
  return DimValueText(flags, kind, 0, 0, length, 0, groupScale, 0, 0, 1, 0, 0, 1, 1);
}

constexpr int Decimals(int n) {
  return n * 4096;
}

TEST(DimValueTextTest, ScaledBlockInScaledGroupWithSeparatorsAndUnit) {
  // A 10 mm line inside a block of scale 2 in a group of scale 100: 2000 real millimetres.
  const int flags = 0x0002 | Decimals(3) | 0x0040 | 0x0020;
  EXPECT_EQ(DimValueText(flags, 0, 0, 0, 10, 0, 100, 5, 5, 2, 0, 0, 2, 1), u"2,000mm");
  EXPECT_EQ(DimValue(flags, 1234.5), u"1,234.5mm");
}

TEST(DimValueTextTest, RoundingModes) {
  EXPECT_EQ(DimValue(Decimals(1) | 0x0080, 12.25), u"12.3");           // half up
  EXPECT_EQ(DimValue(Decimals(1) | 0x0080 | 0x0100, 12.25), u"12.2");  // cut off
  EXPECT_EQ(DimValue(Decimals(1) | 0x0080 | 0x0200, 12.21), u"12.3");  // up
  EXPECT_EQ(DimValue(Decimals(1) | 0x0080 | 0x0300, 12.25), u"12.3");  // both: half up
  EXPECT_EQ(DimValue(Decimals(0) | 0x0080, 7.5), u"8");
}

TEST(DimValueTextTest, SeparatorsDecimalsAndZeros) {
  EXPECT_EQ(DimValue(Decimals(2) | 0x0040 | 0x0080, 2000), u"2,000.00");
  EXPECT_EQ(DimValue(Decimals(2) | 0x0040, 1234567.8), u"1,234,567.8");
  EXPECT_EQ(DimValue(Decimals(2) | 0x0040, 999), u"999");
  EXPECT_EQ(DimValue(Decimals(2), 1234.5), u"1234.5");     // general form, no separators
  EXPECT_EQ(DimValue(Decimals(4), 1.0 / 3.0), u"0.3333");  // rounded, general form
  EXPECT_EQ(DimValue(0, 2.0 / 3.0), u"1");
}

TEST(DimValueTextTest, MetresKindSignsAndFullWidth) {
  EXPECT_EQ(DimValue(0x0010 | 0x0020 | 0x0080 | Decimals(3), 2500), u"2.500ｍ");
  EXPECT_EQ(DimValue(0x0400, 5, 0x0100), u"R5");
  EXPECT_EQ(DimValue(0x0800, 5, 0x0200), u"5φ");
  EXPECT_EQ(DimValue(0x0400, 5, 0x0300), u"R5");  // radius wins
  EXPECT_EQ(DimValue(0, 5, 0x0100), u"5");        // no position: no sign
  EXPECT_EQ(DimValue(0x0400 | 0x0800, 5, 0x0200), u"φ5");
  EXPECT_EQ(DimValue(0x0008 | 0x0020 | 0x0040 | Decimals(1), 1500), u"１，５００mm");
}

TEST(DimValueTextTest, NonPositiveGroupScaleCountsAsOne) {
  EXPECT_EQ(DimValue(0, 30, 0, 0.0), u"30");
  EXPECT_EQ(DimValue(0, 30, 0, -50.0), u"30");
  EXPECT_EQ(DimValue(0, 30, 0, 50.0), u"1500");
}

TEST(TextPlaceTest, IdentityKeepsTheStoredSizes) {
  const TTextPlace p = TextPlace(1, 2, 11, 2, 4, 5, 0.5, 1, 100, 200, 1, 0, 0, 1);
  EXPECT_EQ(p.X1, 101);
  EXPECT_EQ(p.Y1, 202);
  EXPECT_EQ(p.X2, 111);
  EXPECT_EQ(p.Y2, 202);
  EXPECT_EQ(p.w, 4);
  EXPECT_EQ(p.h, 5);
  EXPECT_EQ(p.sp, 0.5);
}

TEST(TextPlaceTest, ScaledAndTurnedPlacementMeasuresTheSizesAgain) {
  // Scale 2 in x and 3 in y, turned by 90°: along the text (x) lengths double, across triple.
  const double c = std::cos(kPi / 2), s = std::sin(kPi / 2);
  const TTextPlace p = TextPlace(0, 0, 10, 0, 4, 5, 1, 1, 0, 0, 2 * c, -3 * s, 2 * s, 3 * c);
  EXPECT_NEAR(p.X2, 0, 1e-12);
  EXPECT_NEAR(p.Y2, 20, 1e-12);
  EXPECT_NEAR(p.w, 8, 1e-12);
  EXPECT_NEAR(p.sp, 2, 1e-12);
  EXPECT_NEAR(p.h, 15, 1e-12);
}

TEST(TextPlaceTest, MirroredPlacementRunsFromThePlacedEnd) {
  const TTextPlace p = TextPlace(1, 0, 5, 0, 2, 2, 0, 1, 0, 0, -1, 0, 0, 1);
  EXPECT_EQ(p.X1, -5);
  EXPECT_EQ(p.X2, -1);
  EXPECT_NEAR(p.w, 2, 1e-12);
  // A mirror combined with a quarter turn has b1·b4 = 0 but still mirrors.
  const TTextPlace q = TextPlace(1, 0, 5, 0, 2, 2, 0, 1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(q.Y1, 5);
  EXPECT_EQ(q.Y2, 1);
  // A half turn does not mirror.
  const TTextPlace r = TextPlace(1, 0, 5, 0, 2, 2, 0, 1, 0, 0, -1, 0, 0, -1);
  EXPECT_EQ(r.X1, -1);
  EXPECT_EQ(r.X2, -5);
}

TEST(TextPlaceTest, CentredStringKeepsTheMiddleOfThePlacedLine) {
  // Stored text from 0 to 10; placed at scale 2: line 0..20, middle 10. New string "2,000mm": 7
  // half-width characters of width w/2 = 4 and 6 spacings of sp/2 = 0.5: length 31.
  const TTextPlace p = TextPlaceCentred(u"2,000mm", 0, 0, 10, 0, 4, 4, 0.5, 1, 0, 0, 2, 0, 0, 2);
  EXPECT_NEAR(p.w, 8, 1e-12);
  EXPECT_NEAR(p.sp, 1, 1e-12);
  EXPECT_NEAR(p.X1, 10 - 15.5, 1e-9);
  EXPECT_NEAR(p.X2, 10 + 15.5, 1e-9);
  EXPECT_NEAR(p.Y1, 0, 1e-12);
}

TEST(TextPlaceTest, CentredSizesAreRoundedAndKeptAboveZero) {
  const TTextPlace p =
      TextPlaceCentred(u"1", 0, 0, 10, 0, 1.000049, 0.00001, 0.123456, 1, 0, 0, 1, 0, 0, 1);
  EXPECT_DOUBLE_EQ(p.w, 1.0);
  EXPECT_DOUBLE_EQ(p.h, 0.0001);
  EXPECT_DOUBLE_EQ(p.sp, 0.1235);
  EXPECT_EQ(p.X1, 0);  // the identity keeps the stored line
  EXPECT_EQ(p.X2, 10);
}

}  // namespace
}  // namespace tavolex
