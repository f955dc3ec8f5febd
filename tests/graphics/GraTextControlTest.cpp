// Text entities (GLAText3): mirroring, trailing layout markers, variables and "^" sequences, on a
// page of 100 × 50 mm at 10 pixels per millimetre: device (x·10, 500 − y·10). Texts run along
// y = 10 from x = 10, 5 mm high, full-width cells 4 mm, no spacing unless stated; a half-width
// cell at x therefore starts at device x·10, its top at device y 350.
#include <gtest/gtest.h>

#include "common/Func_2.h"
#include "graphics/EngineFixture.h"
#include "graphics/TextVariables.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {
namespace {

using Corner = std::pair<int, int>;

class GraTextControlTest : public test::EngineTest {
 protected:
  void TearDown() override {
    GAtt = nullptr;
    ZuFileName.clear();
    Str2List.clear();
    Str2ListN = 0;
    SetTextVarTimeSource(nullptr);
    EngineTest::TearDown();
  }

  int Text(const std::u16string& s, double w = 4, double sp = 0, int ftyp = 0,
           const std::u16string& f = u"ＭＳ 明朝") {
    return graph->GLAText3(10, 10, 50, 10, 5, w, sp, ftyp, f, s);
  }
  std::vector<CanvasCall> Chars() const { return canvas.Of(CallKind::DrawChar); }
  std::u16string Drawn() const {
    std::u16string s;
    for (const CanvasCall& c : Chars())
      s += c.text;
    return s;
  }
  std::vector<int> Xs() const {
    std::vector<int> xs;
    for (const CanvasCall& c : Chars())
      xs.push_back(c.x);
    return xs;
  }
  Corner At(std::size_t i) const { return {Chars().at(i).x, Chars().at(i).y}; }
};

TEST_F(GraTextControlTest, BlankTinyAndHugeTexts) {
  EXPECT_EQ(Text(u"　 　"), 2);
  EXPECT_TRUE(canvas.calls.empty());
  // Under two pixels high the text prints as its baseline.
  EXPECT_EQ(graph->GLAText3(10, 10, 50, 10, 0.2, 4, 0, 0, u"", u"AB"), 2);
  EXPECT_EQ(canvas.Count(CallKind::DrawChar), 0);
  EXPECT_EQ(canvas.Segments(), (std::vector<RecordedSegment>{{100, 400, 500, 400}}));
  canvas.Clear();
  EXPECT_EQ(graph->GLAText3(10, 10, 50, 10, 301, 4, 0, 0, u"", u"AB"), 1);
  EXPECT_EQ(Text(u"AB", 301), 1);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(GraTextControlTest, NegativeWidthMirrorsTheDirection) {
  // Runs from the second point back towards the first, turned by half a turn.
  EXPECT_EQ(Text(u"AB", -4, -1), 0);
  ASSERT_EQ(Chars().size(), 2u);
  EXPECT_EQ(Drawn(), u"AB");
  EXPECT_EQ(At(0), Corner(500, 450));
  EXPECT_EQ(At(1), Corner(475, 450));  // advanced (4 + 1)/2 towards the first point
  EXPECT_EQ(Chars()[0].font.escapement, 1800);
  EXPECT_EQ(Chars()[0].font.width, 20);
}

TEST_F(GraTextControlTest, TrailingLayoutMarkers) {
  // "ABC･": ABC spread over the length the four characters had.
  Text(u"ABC･");
  EXPECT_EQ(Drawn(), u"ABC");
  EXPECT_EQ(Xs(), (std::vector<int>{100, 130, 160}));
  canvas.Clear();
  // Two full-width dots: AB spread over their two cells as well.
  Text(u"AB・・");
  EXPECT_EQ(Drawn(), u"AB");
  EXPECT_EQ(Xs(), (std::vector<int>{100, 200}));
  canvas.Clear();
  // A single character has nothing to spread.
  Text(u"A･");
  EXPECT_EQ(Drawn(), u"A");
  canvas.Clear();
  // "^3" with 4 half cells left: 4 − 3 is not above 1, so full width.
  Text(u"ABCD^3");
  EXPECT_EQ(Drawn(), u"ABCD");
  EXPECT_EQ(Xs(), (std::vector<int>{100, 120, 140, 160}));
  EXPECT_EQ(Chars()[0].font.width, 20);
  canvas.Clear();
  // With 6 half cells: squeezed by (6 − 3)/6.
  Text(u"ABCDEF^3", 4, 2);
  EXPECT_EQ(Xs(), (std::vector<int>{100, 115, 130, 145, 160, 175}));
  EXPECT_EQ(Chars()[0].font.width, 10);
}

TEST_F(GraTextControlTest, VariablesAreSubstitutedAndDrawnPlainly) {
  ZuFileName = u"C:\\work\\site\\plan.jww";
  Text(u"$F1");
  EXPECT_EQ(Drawn(), u"site");
  canvas.Clear();
  Text(u"x$F1");
  EXPECT_EQ(Drawn(), u"x$F1");
  canvas.Clear();
  Str2List = {{u"%%v", u"a^!b"}};
  Str2ListN = 1;
  Text(u"%%v");
  EXPECT_EQ(Drawn(), u"a^!b");
  for (const CanvasCall& c : Chars())
    EXPECT_EQ(c.font.weight, 400);
}

TextVarTimes May2019() {
  TDateTime t;
  t.Year = 2019;
  t.Month = 5;
  t.Day = 1;
  return {t, t};
}

TEST_F(GraTextControlTest, DateDigitWidensTheSpacing) {
  SetTextVarTimeSource(May2019);
  Text(u"%j");
  EXPECT_EQ(Drawn(), u"2019/5/1");  // the padding blanks take their cells but draw nothing
  EXPECT_EQ(Xs().back(), 280);
  canvas.Clear();
  // Nine half cells before the last character spread by three more: each step 14/3 mm.
  Text(u"%j3");
  EXPECT_EQ(Xs().back(), 520);
  canvas.Clear();
  Text(u"%jx");
  EXPECT_EQ(Xs().back(), 280);
}

TEST_F(GraTextControlTest, PenColourSequences) {
  TgraAttribute att;
  GAtt = &att;
  graph->GPenSet(0x112233u, 0, 1);
  canvas.Clear();
  EXPECT_EQ(Text(u"a^$5b^%c"), 0);
  const auto chars = Chars();
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[0].color, 0x112233u);
  EXPECT_EQ(chars[1].color, ArgbToRgb(att.GetAttrColcol(5)));
  EXPECT_NE(chars[1].color, 0x112233u);
  EXPECT_EQ(chars[2].color, 0x112233u);
  EXPECT_EQ(graph->BrushColor, 0x112233u);
  // Cells continue where the run before the sequence ended.
  EXPECT_EQ(Xs(), (std::vector<int>{100, 120, 140}));
  canvas.Clear();
  Text(u"^$x^$");
  EXPECT_EQ(Drawn(), u"^$x^$");
  EXPECT_EQ(Chars()[0].color, 0x112233u);
}

TEST_F(GraTextControlTest, StyleFontAndLiteralSequences) {
  Text(u"a^!b^/c^#d", 4, 0, 4);
  auto chars = Chars();
  ASSERT_EQ(chars.size(), 4u);
  EXPECT_EQ(chars[0].font.weight, 400);
  EXPECT_TRUE(chars[0].font.underline);
  EXPECT_EQ(chars[1].font.weight, 700);
  EXPECT_FALSE(chars[1].font.italic);
  EXPECT_TRUE(chars[2].font.italic);
  EXPECT_EQ(chars[2].font.weight, 700);
  EXPECT_EQ(chars[3].font.weight, 400);
  EXPECT_FALSE(chars[3].font.italic);
  EXPECT_TRUE(chars[3].font.underline);
  canvas.Clear();

  Text(u"a^\\\"b^&c^\\xd^_e^-f");
  chars = Chars();
  EXPECT_EQ(Drawn(), u"abcdef");
  EXPECT_EQ(chars[0].font.faceName, u"ＭＳ 明朝");
  EXPECT_EQ(chars[1].font.faceName, u"ＭＳ ゴシック");
  EXPECT_EQ(chars[2].font.faceName, u"ＭＳ 明朝");
  EXPECT_TRUE(chars[4].font.underline);
  EXPECT_TRUE(chars[5].font.strikeOut);
  canvas.Clear();

  // After "^*" every "^" prints as written.
  Text(u"a^!b^*^#c^u");
  EXPECT_EQ(Drawn(), u"ab^#c^u");
  for (std::size_t i = 1; i < Chars().size(); ++i)
    EXPECT_EQ(Chars()[i].font.weight, 700);
  canvas.Clear();
  Text(u"^Z^");
  EXPECT_EQ(Drawn(), u"^Z^");
}

TEST_F(GraTextControlTest, RaisingAndLoweringModifiers) {
  // "u": half height, raised by half the height; the next character follows half a cell on.
  Text(u"A^uBC");
  EXPECT_EQ(Drawn(), u"ABC");
  EXPECT_EQ(At(1), Corner(120, 350));
  EXPECT_EQ(Chars()[1].font.height, 25);
  EXPECT_EQ(Chars()[1].font.width, 20);
  EXPECT_EQ(At(2), Corner(140, 350));
  canvas.Clear();
  Text(u"A^dB");
  EXPECT_EQ(At(1), Corner(120, 375));
  canvas.Clear();
  Text(u"A^cB");
  EXPECT_EQ(At(1), Corner(120, 362));
  canvas.Clear();
  // A full-width character takes half a cell in both directions.
  Text(u"A^u漢B");
  EXPECT_EQ(At(1), Corner(120, 350));
  EXPECT_EQ(Chars()[1].font.width, 10);
  EXPECT_EQ(At(2), Corner(140, 350));
}

TEST_F(GraTextControlTest, OverlayModifiers) {
  // "o": half size, centred over the previous half-width character; no advance.
  Text(u"A^oBC");
  EXPECT_EQ(At(1), Corner(105, 362));
  EXPECT_EQ(Chars()[1].font.height, 25);
  EXPECT_EQ(Chars()[1].font.width, 10);
  EXPECT_EQ(At(2), Corner(120, 350));
  canvas.Clear();
  // "n": full size exactly over the previous full-width character.
  Text(u"漢^n口");
  EXPECT_EQ(At(1), Corner(100, 350));
  canvas.Clear();
  Text(u"A^bB");
  EXPECT_EQ(At(1), Corner(105, 350));
  canvas.Clear();
  Text(u"A^BB");
  EXPECT_EQ(At(1), Corner(104, 350));
  canvas.Clear();
  // Before the first character there is nothing to step back over.
  Text(u"^oA");
  EXPECT_EQ(At(0), Corner(95, 362));
}

TEST_F(GraTextControlTest, SqueezedPairModifier) {
  // Two half-width characters at half size side by side over the previous full-width one.
  Text(u"漢^w12X");
  EXPECT_EQ(Drawn(), u"漢12X");
  EXPECT_EQ(At(1), Corner(110, 362));
  EXPECT_EQ(At(2), Corner(120, 362));
  EXPECT_EQ(At(3), Corner(140, 350));
  canvas.Clear();
  Text(u"漢^w1漢");
  EXPECT_EQ(At(1), Corner(115, 362));
  EXPECT_EQ(At(2), Corner(140, 350));
  canvas.Clear();
  // Not for a full-width character, nor without a character or before another "^".
  Text(u"^w漢");
  EXPECT_EQ(Drawn(), u"^w漢");
  canvas.Clear();
  Text(u"A^u^!B");
  EXPECT_EQ(Drawn(), u"A^uB");
  EXPECT_EQ(Chars()[3].font.weight, 700);
  canvas.Clear();
  Text(u"A^d");
  EXPECT_EQ(Drawn(), u"A^d");
}

TEST_F(GraTextControlTest, SurrogatePairsInSequences) {
  Text(u"^!\U00020BB7A");
  ASSERT_EQ(Chars().size(), 2u);
  EXPECT_EQ(Chars()[0].text, u"\U00020BB7");
  EXPECT_EQ(Chars()[0].font.weight, 700);
  EXPECT_EQ(Chars()[1].x, 140);
  canvas.Clear();
  Text(u"^\U00020BB7");
  EXPECT_EQ(Drawn(), u"^\U00020BB7");
  EXPECT_EQ(Chars().size(), 2u);
}

TEST_F(GraTextControlTest, ResultOfTheSequencePath) {
  EXPECT_EQ(graph->GLAText3(200, 10, 250, 10, 5, 4, 0, 0, u"", u"a^!b"), 1);
  EXPECT_EQ(Text(u"^!ab"), 0);
}

}  // namespace
}  // namespace tavolex
