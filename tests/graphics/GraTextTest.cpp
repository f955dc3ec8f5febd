// Characters in cells (GLAText1) and strings along a baseline (GLAText2), on a page of
// 100 × 50 mm at 10 pixels per millimetre: device (x·10, 500 − y·10).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics/EngineFixture.h"

namespace tavolex {
namespace {

using test::EngineTest;
constexpr double kPi = std::numbers::pi;

class GraTextTest : public EngineTest {
 protected:
  std::vector<CanvasCall> Chars() const { return canvas.Of(CallKind::DrawChar); }
  // Top-left device corners of the drawn cells.
  std::vector<std::pair<int, int>> Corners() const {
    std::vector<std::pair<int, int>> out;
    for (const CanvasCall& c : Chars())
      out.emplace_back(c.x, c.y);
    return out;
  }
  std::u16string Drawn() const {
    std::u16string s;
    for (const CanvasCall& c : Chars())
      s += c.text;
    return s;
  }
};

using Corner = std::pair<int, int>;

TEST_F(GraTextTest, AlignmentCodesPlaceTheCellAroundTheReferencePoint) {
  // Full-width cell 4 × 5 at (10, 10): top-left corner for each code.
  const Corner expected[9] = {{100, 350}, {80, 350},  {60, 350}, {100, 375}, {80, 375},
                              {60, 375},  {100, 400}, {80, 400}, {60, 400}};
  for (int fm = 0; fm < 9; ++fm) {
    canvas.Clear();
    EXPECT_EQ(graph->GLAText1(10, 10, 5, 4, 0, fm, u"漢"), 0);
    ASSERT_EQ(Corners().size(), 1u);
    EXPECT_EQ(Corners()[0], expected[fm]) << "Fm " << fm;
  }
  canvas.Clear();
  graph->GLAText1(10, 10, 5, 4, 0, 42, u"漢");  // unknown codes align bottom left
  EXPECT_EQ(Corners()[0], Corner(100, 350));
}

TEST_F(GraTextTest, CellFontCarriesHeightHalfAdvanceAndStyle) {
  graph->FontName = u"ＭＳ 明朝";
  graph->FontStyle = 1 | 2 | 8;
  graph->GPenSet(0x0000FFu, 0, 1);
  canvas.Clear();
  graph->GLAText1(10, 10, 5, 4, 0, 0, u"漢");
  graph->GLAText1(10, 10, 5, 4, 0, 2, u"A");
  const auto chars = Chars();
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].font.height, 50);
  EXPECT_EQ(chars[0].font.width, 20);  // full-width 40 px: the half-width advance is 20
  EXPECT_EQ(chars[1].font.width, 20);  // half-width cell of 2 mm
  EXPECT_EQ(Corner(chars[1].x, chars[1].y), Corner(80, 350));
  EXPECT_EQ(chars[0].font.weight, 700);
  EXPECT_TRUE(chars[0].font.italic);
  EXPECT_FALSE(chars[0].font.underline);
  EXPECT_TRUE(chars[0].font.strikeOut);
  EXPECT_EQ(chars[0].font.faceName, u"ＭＳ 明朝");
  EXPECT_EQ(chars[0].color, 0x0000FFu);
  // Characters draw on a transparent background.
  EXPECT_EQ(graph->BrushSty, BrushStyle::Clear);
}

TEST_F(GraTextTest, NegativeHeightFlipsTheVerticalAlignment) {
  graph->GLAText1(10, 10, -5, 4, 0, 0, u"漢");  // bottom left becomes top left
  graph->GLAText1(10, 10, -5, 4, 0, 8, u"漢");  // top right becomes bottom right
  graph->GLAText1(10, 10, -5, 4, 0, 4, u"漢");  // the middle row stays
  EXPECT_EQ(Corners(), (std::vector<Corner>{{100, 400}, {60, 350}, {80, 375}}));
  EXPECT_EQ(Chars()[0].font.height, 50);
}

TEST_F(GraTextTest, RotatedCellTurnsAboutTheReferencePoint) {
  graph->GLAText1(10, 10, 5, 4, kPi / 2, 0, u"漢");
  ASSERT_EQ(Chars().size(), 1u);
  EXPECT_EQ(Corners()[0], Corner(50, 400));  // (10, 10) + 5 to the left of the upward line
  EXPECT_EQ(Chars()[0].font.escapement, 900);
  canvas.Clear();
  graph->GLAText1(10, 10, 5, 4, 2 * kPi + kPi, 0, u"漢");
  EXPECT_EQ(Chars()[0].font.escapement, 1800);
}

TEST_F(GraTextTest, BlanksOutsideAndTinyCells) {
  EXPECT_EQ(graph->GLAText1(10, 10, 5, 4, 0, 0, u""), 2);
  EXPECT_EQ(graph->GLAText1(10, 10, 5, 4, 0, 0, u" "), 2);
  EXPECT_EQ(graph->GLAText1(10, 10, 5, 4, 0, 0, u"　"), 2);
  EXPECT_EQ(graph->GLAText1(200, 10, 5, 4, 0, 0, u"漢"), 1);
  EXPECT_TRUE(canvas.calls.empty());
  // One corner inside is enough.
  EXPECT_EQ(graph->GLAText1(-3.9, 10, 5, 4, 0, 0, u"漢"), 0);
  canvas.Clear();
  // A half-width cell of 0.2 mm is 2 pixels: a dot at its top-left corner.
  EXPECT_EQ(graph->GLAText1(10, 10, 5, 0.4, 0, 0, u"A"), 2);
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  ASSERT_EQ(canvas.Segments().size(), 1u);
  EXPECT_EQ(canvas.Segments()[0], (RecordedSegment{100, 350, 101, 350}));
}

TEST_F(GraTextTest, StringCellsFollowTheBaseline) {
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 5, 4, 1, 0, u"ＭＳ ゴシック", u"AB漢C"), 0);
  EXPECT_EQ(Drawn(), u"AB漢C");
  // Half-width characters advance (w + sp)/2, full-width ones w + sp.
  EXPECT_EQ(Corners(), (std::vector<Corner>{{100, 350}, {125, 350}, {150, 350}, {200, 350}}));
  EXPECT_EQ(graph->FontName, u"ＭＳ ゴシック");
}

TEST_F(GraTextTest, SurrogatePairIsOneFullWidthCell) {
  graph->GLAText2(10, 10, 0, 5, 4, 0, 0, u"", u"\U00020BB7A");
  const auto chars = Chars();
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].text, u"\U00020BB7");
  EXPECT_EQ(chars[0].font.width, 20);
  EXPECT_EQ(Corner(chars[1].x, chars[1].y), Corner(140, 350));
}

TEST_F(GraTextTest, VerticalWritingGroups) {
  // Down the page from (10, 40); "@" turns full-width characters upright.
  const double down = 3 * kPi / 2;
  graph->GLAText2(10, 40, down, 5, 4, 0, 0, u"@@ＭＳ 明朝", u"漢（ー、．A");
  const auto chars = Chars();
  ASSERT_EQ(chars.size(), 6u);
  EXPECT_EQ(graph->FontName, u"ＭＳ 明朝");
  EXPECT_EQ(chars[0].font.escapement, 0);     // kanji upright
  EXPECT_EQ(chars[1].font.escapement, 2700);  // bracket along the line
  EXPECT_EQ(chars[2].font.escapement, 2700);  // long vowel mark along the line
  EXPECT_EQ(chars[3].font.escapement, 2700);  // ideographic comma along the line
  EXPECT_EQ(chars[4].font.escapement, 0);     // full-width full stop upright ...
  EXPECT_EQ(chars[5].font.escapement, 2700);  // half-width characters lie along the line
  // ... and 1.8 times as far from the line: centre 4.5 mm right of it instead of 2.5 mm.
  EXPECT_EQ(chars[0].x, 105);
  EXPECT_EQ(chars[4].x, 125);
  EXPECT_EQ(chars[4].y, 255);
}

TEST_F(GraTextTest, StringSizeLimits) {
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 5, 4, 0, 0, u"", u" 　\t"), 2);
  EXPECT_TRUE(canvas.calls.empty());
  // 300.1 mm at 10 px/mm is beyond 3000 pixels.
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 300.1, 4, 0, 0, u"", u"A"), 1);
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 5, 300.1, 0, 0, u"", u"A"), 1);
  EXPECT_TRUE(canvas.calls.empty());
  // A string 0.2 mm long is a dot at the start.
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 5, 0.4, 0, 0, u"", u"A"), 2);
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  EXPECT_EQ(canvas.Segments().size(), 1u);
  canvas.Clear();
  EXPECT_EQ(graph->GLAText2(10, 10, 0, 0.2, 4, 0, 0, u"", u"AB"), 2);
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  // Every character outside: nothing drawn.
  EXPECT_EQ(graph->GLAText2(150, 10, 0, 5, 4, 0, 0, u"", u"AB"), 1);
  // Damaged numbers draw nothing.
  EXPECT_EQ(graph->GLAText2(10, 10, std::nan(""), 5, 4, 0, 0, u"", u"AB"), 1);
  EXPECT_EQ(graph->GLAText1(10, 10, 5, 1e300, 0, 0, u"A"), 1);
}

}  // namespace
}  // namespace tavolex
