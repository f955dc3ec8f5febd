#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Func_2.h"

namespace tavolex {
namespace {

TEST(StringIndexTest, IndexesAreZeroBasedAndClippedToTheString) {
  EXPECT_EQ(CharAt(u"abc", 0), u"a");
  EXPECT_EQ(CharAt(u"abc", 3), u"");
  EXPECT_EQ(CharAt(u"abc", -1), u"");
  EXPECT_EQ(PosZ(u"=", u"=x"), 0);
  EXPECT_EQ(PosZ(u"=", u"key=value"), 3);
  EXPECT_EQ(PosZ(u"=", u"no sign"), -1);
  EXPECT_EQ(PosZ(u"", u"abc"), -1);
  EXPECT_EQ(SubStr(u"abcdef", 2, 3), u"cde");
  EXPECT_EQ(SubStr(u"abcdef", 4, 10), u"ef");
  EXPECT_EQ(SubStr(u"abcdef", 6, 1), u"");
  EXPECT_EQ(SubStr(u"abcdef", -2, 2), u"ab");
  EXPECT_EQ(SubStr(u"abcdef", 1, -1), u"");
  EXPECT_EQ(SubStrFrom(u"abcdef", 4), u"ef");
  EXPECT_EQ(SubStrFrom(u"abcdef", 9), u"");
}

TEST(CaseTest, MapsLatinGreekCyrillicAndFullWidthLetters) {
  EXPECT_EQ(UpperStr(u"abc.JWW"), u"ABC.JWW");
  EXPECT_EQ(LowerStr(u"ABC.Jww"), u"abc.jww");
  EXPECT_EQ(UpperStr(u"àéîõüÿ"), u"ÀÉÎÕÜŸ");
  EXPECT_EQ(LowerStr(u"ÀÉÎÕÜŸ"), u"àéîõüÿ");
  EXPECT_EQ(UpperStr(u"αβγως"), u"ΑΒΓΩΣ");
  EXPECT_EQ(LowerStr(u"ЖЁЯ"), u"жёя");
  EXPECT_EQ(UpperStr(u"ａｂｚ"), u"ＡＢＺ");
  EXPECT_EQ(LowerStr(u"ＡＢＺ"), u"ａｂｚ");
  // Kana, kanji and signs have no case.
  EXPECT_EQ(UpperStr(u"図面ｱｲ①×"), u"図面ｱｲ①×");
  // Deseret, outside the BMP, through a surrogate pair.
  EXPECT_EQ(UpperStr(u"\U00010428"), u"\U00010400");
}

TEST(ToFullWidthTest, ConvertsAsciiWithItsSpecialCases) {
  EXPECT_EQ(ToFullWidth(u"12.5mm"), u"１２．５ｍｍ");
  EXPECT_EQ(ToFullWidth(u" "), u"\u3000");
  EXPECT_EQ(ToFullWidth(u"\"'\\"), u"\u201D\u2019\uFFE5");
  EXPECT_EQ(ToFullWidth(u"!~"), u"！～");
  // Controls and characters that are already full width stay.
  EXPECT_EQ(ToFullWidth(u"\t図Ａ"), u"\t図Ａ");
}

TEST(ToFullWidthTest, JoinsVoicedPairsAndConvertsLoneMarks) {
  EXPECT_EQ(ToFullWidth(u"ｶﾞ"), u"ガ");
  EXPECT_EQ(ToFullWidth(u"ｳﾞﾎﾟ"), u"ヴポ");
  EXPECT_EQ(ToFullWidth(u"ﾃﾞｰﾀ"), u"データ");
  // A mark that stands alone, or follows a kana it cannot voice.
  EXPECT_EQ(ToFullWidth(u"ﾞ"), u"゛");
  EXPECT_EQ(ToFullWidth(u"ｱﾞ"), u"ア゛");
  EXPECT_EQ(ToFullWidth(u"ﾟ"), u"°");
  EXPECT_EQ(ToFullWidth(u"ｶﾟ"), u"カ°");
  // A pair is only read when both characters are there.
  EXPECT_EQ(ToFullWidth(u"ｶ"), u"カ");
  EXPECT_EQ(ToFullWidth(u"｡｢｣､･ｦｧｯｰﾝ"), u"。「」、・ヲァッーン");
}

TEST(BlankRemovalTest, RemovesBlanksFullWidthSpacesAndControls) {
  EXPECT_EQ(RemoveSpaces(u" \u3000\t \r\n"), u"");
  EXPECT_EQ(RemoveSpaces(u" a\u3000b\tc "), u"abc");
  EXPECT_EQ(StripCtrlChars(u"a\tb\r\nc d\u3000"), u"abc d\u3000");
  EXPECT_EQ(StripCtrlChars(std::u16string(u"a\0b", 3)), u"ab");
}

TEST(SplitCsvTest, SplitsByCommasAndBlanksWithQuotedFields) {
  std::vector<std::u16string> f;
  ASSERT_EQ(SplitCsv(u"S_COMM_2 = -100, 2", f), 4);
  EXPECT_EQ(f, (std::vector<std::u16string>{u"S_COMM_2", u"=", u"-100", u"2"}));
  ASSERT_EQ(SplitCsv(u"a,,b,", f), 4);
  EXPECT_EQ(f, (std::vector<std::u16string>{u"a", u"", u"b", u""}));
  ASSERT_EQ(SplitCsv(u"\"x, \"\"y\"\"\" z", f), 2);
  EXPECT_EQ(f, (std::vector<std::u16string>{u"x, \"y\"", u"z"}));
  ASSERT_EQ(SplitCsv(u"\"open to the end", f), 1);
  EXPECT_EQ(f[0], u"open to the end");
  EXPECT_EQ(SplitCsv(u"   ", f), 0);
  EXPECT_TRUE(f.empty());
}

TEST(HexUtf8Test, RoundTripsAnyText) {
  EXPECT_EQ(StrToHexUtf8(u"abc"), u"616263");
  EXPECT_EQ(HexUtf8ToStr(u"616263"), u"abc");
  EXPECT_EQ(StrToHexUtf8(u"図"), u"E59BB3");
  for (const std::u16string text : {u"C:\\Jww\\図面\\", u"/home/ユーザー/😀.jww", u""}) {
    const std::u16string hex = StrToHexUtf8(text);
    EXPECT_EQ(hex.find_first_not_of(u"0123456789ABCDEF"), std::u16string::npos);
    EXPECT_EQ(HexUtf8ToStr(hex), text);
  }
}

TEST(HexUtf8Test, StopsAtNulOrAMalformedPair) {
  EXPECT_EQ(StrToHexUtf8(std::u16string(u"ab\0c", 4)), u"6162");
  EXPECT_EQ(HexUtf8ToStr(u"6162006364"), u"ab");
  EXPECT_EQ(HexUtf8ToStr(u"61G26364"), u"a");
  EXPECT_EQ(HexUtf8ToStr(u"616"), u"a");
  EXPECT_EQ(HexUtf8ToStr(u"e59bb3"), u"図");
}

}  // namespace
}  // namespace tavolex
