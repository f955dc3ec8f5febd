#include "graphics/UnitGraAtt.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace tavolex {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

std::uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
         (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

std::vector<double> Pattern(const TgraAttribute& a, int jn) {
  std::array<double, 32> pat{};
  const int seg = a.GetAttrTyppat(jn, pat);
  return std::vector<double>(pat.begin(), pat.begin() + seg);
}

TEST(AttributeIndexTest, PenNumbersMapAtTheirBorders) {
  const std::pair<int, int> cases[] = {{-1, -1},  {0, -1},    {1, 0},    {9, 8},
                                       {10, -1},  {100, -1},  {101, 9},  {116, 24},
                                       {117, 25}, {356, 264}, {357, -1}, {-101, -1}};
  for (const auto& [jn, n] : cases)
    EXPECT_EQ(TgraAttribute::ColIndex(jn), n) << jn;
}

TEST(AttributeIndexTest, LineTypeNumbersMapAtTheirBorders) {
  const std::pair<int, int> cases[] = {{0, -1},  {1, 0},   {9, 8},   {10, -1}, {11, 9},
                                       {15, 13}, {16, 14}, {19, 17}, {20, -1}, {30, -1},
                                       {31, 18}, {62, 49}, {63, -1}, {-5, -1}};
  for (const auto& [jn, n] : cases)
    EXPECT_EQ(TgraAttribute::TypIndex(jn), n) << jn;
}

TEST(AttributeDefaultsTest, FieldsAndTableSizes) {
  const TgraAttribute a;
  EXPECT_FALSE(a.DispMode);
  EXPECT_FALSE(a.PrintMode);
  EXPECT_EQ(a.Sikii0, -1);
  EXPECT_EQ(a.Sikii1, -1);
  EXPECT_EQ(a.Sikii2, -1);
  EXPECT_EQ(a.BkColor, 0);
  EXPECT_EQ(a.GetBackColor(), kWhite);
  EXPECT_EQ(a.ForeColor, kBlack);
  EXPECT_EQ(a.GetGrayColor(), 0xFF808080u);
  EXPECT_EQ(a.GetDispHojo(), 0);
  EXPECT_FALSE(a.GetAll1ColorState());
  EXPECT_EQ(a.GetAll1Color(), kWhite);
  EXPECT_EQ(a.jwvLayN, 256);
  EXPECT_EQ(a.jwvColN, 265);
  EXPECT_EQ(a.jwvTypN, 50);
  EXPECT_EQ(a.jwvLay.size(), 256u);
  EXPECT_EQ(a.jwvCol.size(), 265u);
  EXPECT_EQ(a.jwvTyp.size(), 50u);
}

TEST(AttributeDefaultsTest, LayersCarryTheirHexLabels) {
  const TgraAttribute a;
  EXPECT_EQ(a.jwvLay[0].gna, u"[0] ");
  EXPECT_EQ(a.jwvLay[0].nam, u"(0) ");
  EXPECT_EQ(a.jwvLay[0x2B].gna, u"[2] ");
  EXPECT_EQ(a.jwvLay[0x2B].nam, u"(B) ");
  EXPECT_EQ(a.jwvLay[255].gna, u"[F] ");
  EXPECT_EQ(a.jwvLay[255].nam, u"(F) ");
  for (const TjwvLayer& layer : a.jwvLay) {
    EXPECT_EQ(layer.sta, 1);
    EXPECT_EQ(layer.sca, 1.0);
  }
}

TEST(AttributeDefaultsTest, PenColoursOnWhitePaper) {
  const TgraAttribute a;
  const std::uint32_t expected[25] = {
      Rgb(0, 192, 192),   Rgb(0, 0, 0),     Rgb(0, 192, 0),    Rgb(192, 192, 0),
      Rgb(192, 0, 192),   Rgb(0, 0, 255),   Rgb(0, 128, 128),  Rgb(255, 0, 128),
      Rgb(255, 128, 255), Rgb(0, 0, 0),     Rgb(255, 0, 0),    Rgb(0, 255, 0),
      Rgb(0, 0, 255),     Rgb(255, 255, 0), Rgb(255, 0, 255),  Rgb(0, 255, 255),
      Rgb(0, 0, 0),       Rgb(192, 0, 128), Rgb(192, 128, 64), Rgb(255, 128, 0),
      Rgb(128, 192, 128), Rgb(0, 128, 255), Rgb(128, 64, 255), Rgb(192, 192, 192),
      Rgb(128, 128, 128)};
  for (int n = 0; n < 25; ++n)
    EXPECT_EQ(a.jwvCol[n].color, expected[n]) << n;
  for (int n = 25; n < 265; ++n)
    ASSERT_EQ(a.jwvCol[n].color, kBlack) << n;
}

TEST(AttributeDefaultsTest, PenColoursOnBlackBackground) {
  TgraAttribute a;
  a.SetBackColor(1);
  EXPECT_EQ(a.GetBackColor(), kBlack);
  EXPECT_EQ(a.ForeColor, kWhite);
  // The pen table follows only when asked to.
  EXPECT_EQ(a.jwvCol[1].color, Rgb(0, 0, 0));
  a.SetDefaultColor();
  const std::uint32_t expected[25] = {
      Rgb(0, 255, 255),   Rgb(255, 255, 255), Rgb(0, 255, 0),    Rgb(255, 255, 0),
      Rgb(192, 0, 192),   Rgb(32, 32, 255),   Rgb(0, 128, 128),  Rgb(160, 0, 0),
      Rgb(192, 128, 128), Rgb(255, 255, 255), Rgb(255, 0, 0),    Rgb(0, 255, 0),
      Rgb(0, 0, 255),     Rgb(255, 255, 0),   Rgb(255, 0, 255),  Rgb(0, 255, 255),
      Rgb(255, 255, 255), Rgb(192, 0, 128),   Rgb(192, 128, 64), Rgb(255, 128, 0),
      Rgb(128, 192, 128), Rgb(0, 128, 255),   Rgb(128, 64, 255), Rgb(192, 192, 192),
      Rgb(128, 128, 128)};
  for (int n = 0; n < 25; ++n)
    EXPECT_EQ(a.jwvCol[n].color, expected[n]) << n;
  for (int n = 25; n < 265; ++n)
    ASSERT_EQ(a.jwvCol[n].color, kWhite) << n;

  // Any other kind changes nothing; a pen table rebuilt then keeps the foreground colour.
  a.SetBackColor(2);
  EXPECT_EQ(a.BkColor, 1);
  a.BkColor = 7;
  a.SetDefaultColor();
  EXPECT_EQ(a.jwvCol[0].color, kWhite);
}

TEST(AttributeDefaultsTest, PenWidthsAndPointRadii) {
  const TgraAttribute a;
  const double widths[9] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.5, 0.01};
  const double radii[9] = {0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5, 0.2};
  for (int jn = 1; jn <= 9; ++jn) {
    EXPECT_EQ(a.GetAttrColwid(jn), widths[jn - 1]) << jn;
    EXPECT_EQ(a.GetAttrColten(jn), radii[jn - 1]) << jn;
  }
  for (int jn = 101; jn <= 356; ++jn) {
    ASSERT_EQ(a.GetAttrColwid(jn), 0.18) << jn;
    ASSERT_EQ(a.GetAttrColten(jn), 0.2) << jn;
  }
}

TEST(AttributeDefaultsTest, StandardAndDoubleLengthLineTypes) {
  const TgraAttribute a;
  EXPECT_EQ(a.GetAttrTypseg(1), 0);
  EXPECT_EQ(Pattern(a, 2), (std::vector<double>{0.36, -0.72, 0.36}));
  EXPECT_EQ(Pattern(a, 3), (std::vector<double>{0.72, -1.44, 0.72}));
  EXPECT_EQ(Pattern(a, 4), (std::vector<double>{1.08, -0.72, 1.08}));
  EXPECT_EQ(Pattern(a, 5), (std::vector<double>{1.8, -0.72, 0.72, -0.72, 1.8}));
  EXPECT_EQ(Pattern(a, 6), (std::vector<double>{4.68, -0.72, 0.72, -0.72, 4.68}));
  EXPECT_EQ(Pattern(a, 7), (std::vector<double>{1.44, -0.72, 0.36, -0.72, 0.36, -0.72, 1.44}));
  EXPECT_EQ(Pattern(a, 8), (std::vector<double>{4.32, -0.72, 0.36, -0.72, 0.36, -0.72, 4.32}));
  EXPECT_EQ(Pattern(a, 9), (std::vector<double>{0.18, -1.08, 0.18}));
  EXPECT_EQ(Pattern(a, 16), (std::vector<double>{8.4, -1.2, 1.6, -1.2, 8.4}));
  EXPECT_EQ(Pattern(a, 17), (std::vector<double>{10.6, -1.6, 1.2, -1.6, 1.2, -1.6, 10.6}));
  EXPECT_EQ(Pattern(a, 18), (std::vector<double>{13.6, -1.6, 13.6}));
  EXPECT_EQ(Pattern(a, 19), (std::vector<double>{22, -3, 22}));
  const double periods[] = {0, 1.44, 2.88, 2.88, 5.76, 11.52, 5.76, 11.52, 1.44};
  for (int jn = 1; jn <= 9; ++jn)
    EXPECT_NEAR(a.GetAttrTyppit(jn), periods[jn - 1], 1e-12) << jn;
  EXPECT_NEAR(a.GetAttrTyppit(16), 20.8, 1e-12);
  EXPECT_NEAR(a.GetAttrTyppit(17), 28.4, 1e-12);
  EXPECT_NEAR(a.GetAttrTyppit(18), 28.8, 1e-12);
  EXPECT_NEAR(a.GetAttrTyppit(19), 47.0, 1e-12);
  for (int jn : {1, 2, 9, 16, 19, 31, 45})
    EXPECT_EQ(a.GetAttrTypamp(jn), 0.0) << jn;
}

TEST(AttributeDefaultsTest, RandomLines) {
  const TgraAttribute a;
  const char* digits = "22002200202200202022002200202020";
  const double units[5] = {0.6, 1.2, 1.8, 2.4, 3.0};
  const double amplitudes[5] = {0.3, 0.3, 0.6, 0.6, 0.6};
  const double periods[5] = {19.2, 38.4, 57.6, 76.8, 96};
  for (int k = 0; k < 5; ++k) {
    const int jn = 11 + k;
    const std::vector<double> pat = Pattern(a, jn);
    ASSERT_EQ(pat.size(), 32u) << jn;
    for (int i = 0; i < 32; ++i) {
      EXPECT_EQ(pat[i], digits[i] == '2' ? units[k] : -units[k]) << jn << " element " << i;
    }
    EXPECT_EQ(a.GetAttrTypamp(jn), amplitudes[k]) << jn;
    EXPECT_NEAR(a.GetAttrTyppit(jn), periods[k], 1e-9) << jn;
  }
}

TEST(AttributeDefaultsTest, SxfLineTypes) {
  const TgraAttribute a;
  const std::vector<std::vector<double>> expected = {
      {},
      {6, -1.5},
      {6, -6},
      {12, -1.5, 0.25, -1.5},
      {12, -1.5, 0.25, -1.5, 0.25, -1.5},
      {12, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5},
      {0.25, -1.5},
      {12, -1.5, 3.5, -1.5},
      {12, -1.5, 3.5, -1.5, 3.5, -1.5},
      {6, -1.5, 0.25, -1.5},
      {6, -1.5, 6, -1.5, 0.25, -1.5},
      {6, -1.5, 0.25, -1.5, 0.25, -1.5},
      {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5},
      {6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5},
      {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5}};
  const double periods[] = {0,    7.5,  12,    15.25, 17,   18.75, 1.75, 18.5,
                            23.5, 9.25, 16.75, 11,    18.5, 12.75, 20.25};
  for (int k = 0; k < 15; ++k) {
    EXPECT_EQ(Pattern(a, 31 + k), expected[k]) << 31 + k;
    EXPECT_NEAR(a.GetAttrTyppit(31 + k), periods[k], 1e-12) << 31 + k;
  }
  for (int jn = 46; jn <= 62; ++jn) {
    EXPECT_EQ(a.GetAttrTypseg(jn), 0) << jn;
    EXPECT_EQ(a.GetAttrTyppit(jn), 0.0) << jn;
  }
}

TEST(AttributeLayerTest, SetterRulesAndFallbacks) {
  TgraAttribute a;
  a.SetAttrLayer(0x3C, 2, 50.0, u"基準", u"壁");
  EXPECT_EQ(a.GetAttrLayerState(0x3C), 2);
  EXPECT_EQ(a.jwvLay[0x3C].sca, 50.0);
  EXPECT_EQ(a.jwvLay[0x3C].gna, u"[3] 基準");
  EXPECT_EQ(a.jwvLay[0x3C].nam, u"(C) 壁");

  a.SetAttrLayer(1, 0, 0.0, u"", u"");
  EXPECT_EQ(a.GetAttrLayerState(1), 1);
  EXPECT_EQ(a.jwvLay[1].sca, 1.0);
  a.SetAttrLayer(2, 4, -3.0, u"", u"");
  EXPECT_EQ(a.GetAttrLayerState(2), 1);
  EXPECT_EQ(a.jwvLay[2].sca, 1.0);
  a.SetAttrLayer(3, 3, std::nan(""), u"", u"");
  EXPECT_EQ(a.GetAttrLayerState(3), 3);
  EXPECT_EQ(a.jwvLay[3].sca, 1.0);

  a.SetAttrLayer(0x3C, 3);
  EXPECT_EQ(a.GetAttrLayerState(0x3C), 3);
  EXPECT_EQ(a.jwvLay[0x3C].nam, u"(C) 壁");
  a.SetAttrLayer(0x3C, 9);
  EXPECT_EQ(a.GetAttrLayerState(0x3C), 1);

  // Out of range: nothing stored, state 1 read.
  a.SetAttrLayer(256, 2);
  a.SetAttrLayer(-1, 2, 2.0, u"x", u"y");
  EXPECT_EQ(a.GetAttrLayerState(256), 1);
  EXPECT_EQ(a.GetAttrLayerState(-1), 1);
  a.SetAttrLayer(255, 3);
  EXPECT_EQ(a.GetAttrLayerState(255), 3);
}

TEST(AttributePenTest, SettersAndFallbacks) {
  TgraAttribute a;
  a.SetAttrCol(101, Rgb(1, 2, 3), 0.7, 0.9);
  EXPECT_EQ(a.GetAttrColcol(101), Rgb(1, 2, 3));
  EXPECT_EQ(a.GetAttrColcol_(9), Rgb(1, 2, 3));
  EXPECT_EQ(a.GetAttrColwid(101), 0.7);
  EXPECT_EQ(a.GetAttrColten_(9), 0.9);
  a.SetAttrCol_(264, Rgb(4, 5, 6), 1.5, 2.5);
  EXPECT_EQ(a.GetAttrColcol(356), Rgb(4, 5, 6));

  const TgraAttribute before = a;
  a.SetAttrCol(0, Rgb(9, 9, 9), 9, 9);
  a.SetAttrCol(100, Rgb(9, 9, 9), 9, 9);
  a.SetAttrCol_(265, Rgb(9, 9, 9), 9, 9);
  a.SetAttrCol_(-1, Rgb(9, 9, 9), 9, 9);
  for (int n = 0; n < 265; ++n)
    ASSERT_EQ(a.jwvCol[n].color, before.jwvCol[n].color);

  for (int jn : {0, 10, 100, 357, -1}) {
    EXPECT_EQ(a.GetAttrColcol(jn), a.GetBackColor()) << jn;
    EXPECT_EQ(a.GetAttrColwid(jn), 0.0) << jn;
    EXPECT_EQ(a.GetAttrColten(jn), 0.1) << jn;
  }
  a.SetBackColor(1);
  EXPECT_EQ(a.GetAttrColcol(0), kBlack);
  EXPECT_EQ(a.GetAttrColcol_(265), kBlack);
}

TEST(AttributeLineTypeTest, SettersFollowTheSegmentCount) {
  TgraAttribute a;
  const int n = TgraAttribute::TypIndex(2);
  a.SetAttrTypseg_(n, 2);
  a.SetAttrTyppa1_(n, 0, 3.0);
  a.SetAttrTyppa1_(n, 1, -2.0);
  a.SetAttrTyppa1_(n, 2, 7.0);  // beyond seg: ignored
  a.SetAttrTyppa1_(n, -1, 7.0);
  EXPECT_EQ(a.GetAttrTyppa1_(n, 2), 0.0);
  EXPECT_EQ(a.jwvTyp[n].pa[2], 0.36);  // the old third element is untouched
  a.SetAttrTypPit_(n);
  EXPECT_EQ(a.GetAttrTyppit(2), 5.0);
  EXPECT_EQ(Pattern(a, 2), (std::vector<double>{3.0, -2.0}));
  a.SetAttrTypamp_(n, 0.4);
  EXPECT_EQ(a.GetAttrTypamp_(n), 0.4);

  // The count stays within the 32 elements a pattern holds.
  a.SetAttrTypseg_(n, 40);
  EXPECT_EQ(a.GetAttrTypseg_(n), 32);
  a.SetAttrTypseg_(n, -3);
  EXPECT_EQ(a.GetAttrTypseg_(n), 0);

  // A caller's buffer smaller than the pattern gets what fits; seg is still returned.
  std::array<double, 2> small{};
  EXPECT_EQ(a.GetAttrTyppat(11, small), 32);
  EXPECT_EQ(small[0], 0.6);

  for (int jn : {0, 10, 20, 30, 63}) {
    EXPECT_EQ(a.GetAttrTypseg(jn), 0) << jn;
    EXPECT_EQ(a.GetAttrTypamp(jn), 0.0) << jn;
    EXPECT_EQ(a.GetAttrTyppit(jn), 0.0) << jn;
    EXPECT_EQ(Pattern(a, jn).size(), 0u) << jn;
  }
  EXPECT_EQ(a.GetAttrTyppa1_(50, 0), 0.0);
  a.SetAttrTypseg_(50, 3);
  a.SetAttrTypseg_(-1, 3);
  EXPECT_EQ(a.GetAttrTypseg_(50), 0);
}

// The colour rules of printing, on a table whose pens hold chosen colours.
class PrintColourTest : public ::testing::Test {
 protected:
  std::uint32_t Standard(std::uint32_t c) {
    a_.SetAttrCol(2, c, 0.1, 0.1);
    return a_.GetAttrColcol(2);
  }
  std::uint32_t Sxf(std::uint32_t c) {
    a_.SetAttrCol(120, c, 0.1, 0.1);
    return a_.GetAttrColcol(120);
  }
  TgraAttribute a_;
};

TEST_F(PrintColourTest, NothingChangesOutsidePrintModeOrWithAllRulesOff) {
  a_.SetPrintMode(false, 0, 0, 0);
  EXPECT_EQ(Standard(0x80FFFFFFu), 0x80FFFFFFu);
  a_.SetPrintMode(true, -1, -1, -1);
  EXPECT_EQ(Standard(0x80FFFFFFu), 0x80FFFFFFu);
  EXPECT_EQ(Sxf(Rgb(10, 200, 30)), Rgb(10, 200, 30));
}

TEST_F(PrintColourTest, MonochromeWithThresholdZeroKeepsOnlyPureWhite) {
  a_.SetPrintMode(true, 0, -1, -1);
  EXPECT_EQ(Standard(Rgb(255, 255, 255)), kWhite);
  EXPECT_EQ(Standard(Rgb(255, 255, 254)), kBlack);
  EXPECT_EQ(Sxf(Rgb(0, 192, 192)), kBlack);
  EXPECT_EQ(Standard(0x00FFFFFFu), kWhite);  // the result is opaque
}

TEST_F(PrintColourTest, MonochromeThresholdTenCountsFromTwoHundredFortySix) {
  a_.SetPrintMode(true, 10, -1, -1);
  EXPECT_EQ(Standard(Rgb(246, 246, 246)), kWhite);
  EXPECT_EQ(Standard(Rgb(246, 255, 245)), kBlack);
  EXPECT_EQ(Sxf(Rgb(250, 247, 255)), kWhite);
}

TEST_F(PrintColourTest, WhiteToBlackAppliesToItsOwnKindOfPen) {
  a_.SetPrintMode(true, -1, 0, -1);
  EXPECT_EQ(Standard(Rgb(255, 255, 255)), kBlack);
  EXPECT_EQ(Standard(0x40FFFFFEu), 0x40FFFFFEu);  // not white enough: unchanged, alpha kept
  EXPECT_EQ(Sxf(Rgb(255, 255, 255)), Rgb(255, 255, 255));

  a_.SetPrintMode(true, -1, -1, 5);
  EXPECT_EQ(Standard(Rgb(255, 255, 255)), Rgb(255, 255, 255));
  EXPECT_EQ(Sxf(Rgb(250, 250, 250)), kBlack);
  EXPECT_EQ(Sxf(Rgb(250, 250, 249)), Rgb(250, 250, 249));
  // Pen 9 is the last standard pen, SXF 101 the first SXF one.
  a_.SetPrintMode(true, -1, 0, -1);
  a_.SetAttrCol(9, kWhite, 0, 0);
  a_.SetAttrCol(101, kWhite, 0, 0);
  EXPECT_EQ(a_.GetAttrColcol(9), kBlack);
  EXPECT_EQ(a_.GetAttrColcol(101), kWhite);
}

TEST_F(PrintColourTest, MonochromeAndWhiteToBlackTogetherPrintEverythingBlack) {
  a_.SetPrintMode(true, 0, 0, 0);
  for (std::uint32_t c : {kWhite, kBlack, Rgb(255, 0, 0), Rgb(200, 200, 200)}) {
    EXPECT_EQ(Standard(c), kBlack);
    EXPECT_EQ(Sxf(c), kBlack);
  }
  // With white-to-black only for standard pens, a white SXF pen stays white.
  a_.SetPrintMode(true, 0, 0, -1);
  EXPECT_EQ(Sxf(kWhite), kWhite);
}

TEST_F(PrintColourTest, HugeThresholdsDoNotOverflow) {
  a_.SetPrintMode(true, 2147483647, -1, -1);
  EXPECT_EQ(Standard(Rgb(0, 0, 0)), kWhite);
  a_.SetPrintMode(true, -1, 2147483647, -1);
  EXPECT_EQ(Standard(Rgb(0, 0, 0)), kBlack);
  EXPECT_EQ(Standard(Rgb(0, 9, 0)), kBlack);
}

TEST(AttributeModeTest, ModesAndDataInit) {
  TgraAttribute a;
  a.SetDisplayMode(true);
  EXPECT_TRUE(a.GetDisplayMode());
  a.SetPrintMode(true, 300, -7, 1000);  // stored as given
  EXPECT_EQ(a.Sikii0, 300);
  EXPECT_EQ(a.Sikii1, -7);
  EXPECT_EQ(a.Sikii2, 1000);
  a.SetDispHojo(5);
  EXPECT_EQ(a.GetDispHojo(), 1);
  a.SetDispHojo(0);
  EXPECT_EQ(a.GetDispHojo(), 0);
  a.SetGrayColor(0xFF112233u);
  EXPECT_EQ(a.GetGrayColor(), 0xFF112233u);

  a.SetBackColor(1);
  a.SetAttrLayer(5, 3);
  a.SetAttrTypseg_(0, 4);
  a.DataInit();
  EXPECT_FALSE(a.GetDisplayMode());
  EXPECT_FALSE(a.PrintMode);
  EXPECT_EQ(a.Sikii0, -1);
  EXPECT_EQ(a.GetBackColor(), kWhite);
  EXPECT_EQ(a.GetGrayColor(), 0xFF808080u);
  EXPECT_EQ(a.GetAttrLayerState(5), 1);
  EXPECT_EQ(a.GetAttrTypseg(1), 0);
  EXPECT_EQ(a.GetAttrColcol(1), Rgb(0, 192, 192));
}

}  // namespace
}  // namespace tavolex
