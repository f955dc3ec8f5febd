#include <gtest/gtest.h>

#include <string>

#include "common/Func_2.h"

namespace tavolex {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values)
    s += static_cast<char>(v);
  return s;
}

TEST(AnsiBytesToStrTest, DecodesShiftJisDoubleAndSingleByteCharacters) {
  EXPECT_EQ(AnsiBytesToStr(Bytes({0x83, 0x65, 0x83, 0x58, 0x83, 0x67})), u"テスト");
  // Half-width katakana are single bytes 0xA1..0xDF.
  EXPECT_EQ(AnsiBytesToStr(Bytes({0xB1, 0xDE, 0xA1})), u"ｱﾞ｡");
  // NEC row 13 and the IBM extension rows are part of the Windows code page.
  EXPECT_EQ(AnsiBytesToStr(Bytes({0x87, 0x40, 0x87, 0x54})), u"①Ⅰ");
  EXPECT_EQ(AnsiBytesToStr(Bytes({0xFA, 0x40})), u"ⅰ");
  // Windows mapping of the wave dash and the yen byte.
  EXPECT_EQ(AnsiBytesToStr(Bytes({0x81, 0x60, 0x5C})), u"～\\");
  EXPECT_EQ(AnsiBytesToStr(std::string("JwwData.")), u"JwwData.");
}

TEST(AnsiBytesToStrTest, InvalidBytesBecomeReplacementCharactersAndDecodingGoesOn) {
  // A lead byte cut off at the end.
  EXPECT_EQ(AnsiBytesToStr(Bytes({'a', 0x83})), u"a\uFFFD");
  // Bytes that start no character.
  EXPECT_EQ(AnsiBytesToStr(Bytes({0x80, 'b', 0xFF, 'c'})), u"\uFFFDb\uFFFDc");
  // A lead byte followed by a byte that cannot trail it: the second byte is read on its own.
  EXPECT_EQ(AnsiBytesToStr(Bytes({0x83, 0x20, 0x83, 0x65})), u"\uFFFD テ");
}

TEST(AnsiBytesToStrTest, EveryBytePairDecodesToAtMostTwoCharacters) {
  // Whatever a damaged file holds, each byte gives at most one character.
  for (int lead = 1; lead < 256; ++lead) {
    for (int trail = 1; trail < 256; ++trail) {
      const std::u16string s = AnsiBytesToStr(Bytes({lead, trail}));
      ASSERT_GE(s.size(), 1u) << lead << " " << trail;
      ASSERT_LE(s.size(), 2u) << lead << " " << trail;
    }
  }
}

TEST(AnsiBytesToStrTest, EndsAtTheFirstNulButCp932ToStrKeepsIt) {
  const std::string bytes = Bytes({'a', 'b', 0, 'c'});
  EXPECT_EQ(AnsiBytesToStr(bytes), u"ab");
  EXPECT_EQ(AnsiBytesToStr(bytes.data(), bytes.size()), u"ab");
  EXPECT_EQ(Cp932ToStr(bytes), std::u16string(u"ab\0c", 4));
  EXPECT_EQ(AnsiBytesToStr(nullptr, 5), u"");
}

TEST(WideBytesToStrTest, ReadsLittleEndianUnitsUpToNul) {
  EXPECT_EQ(WideBytesToStr(Bytes({0xC6, 0x30, 0xB9, 0x30})), u"テス");
  EXPECT_EQ(WideBytesToStr(Bytes({'A', 0, 0, 0, 'B', 0})), u"A");
  // An odd trailing byte is no code unit.
  EXPECT_EQ(WideBytesToStr(Bytes({'A', 0, 'B'})), u"A");
  // A surrogate pair stays a pair.
  EXPECT_EQ(WideBytesToStr(Bytes({0x3D, 0xD8, 0x00, 0xDE})), u"😀");
}

TEST(StrToCp932Test, EncodesJapaneseAndReplacesWhatCp932CannotHold) {
  EXPECT_EQ(StrToCp932(u"テスト"), Bytes({0x83, 0x65, 0x83, 0x58, 0x83, 0x67}));
  EXPECT_EQ(StrToCp932(u"ｱ①"), Bytes({0xB1, 0x87, 0x40}));
  // A character outside the code page, a non-BMP character and an unpaired surrogate: one '?'
  // each, and the text behind them survives.
  EXPECT_EQ(StrToCp932(u"a\u00E9b😀c"), "a?b?c");
  EXPECT_EQ(StrToCp932(std::u16string(u"x\xD800y")), "x?y");
  EXPECT_EQ(StrToCp932(u"plain"), "plain");
}

TEST(StrToCp932Test, RoundTripsShiftJisAndReplacesTheRestTheSameOnEveryHost) {
  const std::u16string text = u"図面ファイル名：ＡＢＣ－１２３ ｶﾀｶﾅ ①②";
  EXPECT_EQ(Cp932ToStr(StrToCp932(text)), text);
  // Every character the code page decodes to is written back as bytes that decode to it.
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::u16string c = Cp932ToStr(Bytes({lead, trail}));
      if (c.size() != 1 || c[0] == 0xFFFD) continue;
      ASSERT_EQ(Cp932ToStr(StrToCp932(c)), c) << lead << " " << trail;
    }
  }
  // Every other character is one '?', never bytes that do not read back.
  for (unsigned code = 0x80; code < 0x10000; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const std::u16string c(1, static_cast<char16_t>(code));
    const std::string bytes = StrToCp932(c);
    ASSERT_TRUE(bytes == "?" || Cp932ToStr(bytes).find(u'\uFFFD') == std::u16string::npos) << code;
  }
  // The JIS forms of the wave dash, minus, yen sign and the like take CP932's own characters.
  EXPECT_EQ(Cp932ToStr(StrToCp932(u"〜−‖—¢£¬¥‾")), u"～－∥―￠￡￢\\~");
}

TEST(Utf8Test, ConvertsBothWaysIncludingNonBmp) {
  const std::u16string text = u"A図😀";
  EXPECT_EQ(StrToUtf8(text), "A\xE5\x9B\xB3\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToStr("A\xE5\x9B\xB3\xF0\x9F\x98\x80"), text);
  EXPECT_EQ(Utf8ToStr("a\xFF"
                      "b\xE5\x9B"),
            u"a\uFFFDb\uFFFD");
  EXPECT_EQ(StrToUtf8(std::u16string(u"a\xDC00")), "a\xEF\xBF\xBD");
}

TEST(PathTest, JapaneseNamesSurviveThePath) {
  const std::u16string name = u"/tmp/図面 😀.jww";
  const std::filesystem::path p = PathFromStr(name);
  EXPECT_TRUE(p.filename().u8string() == u8"図面 😀.jww");
  EXPECT_EQ(StrFromPath(p), name);
}

}  // namespace
}  // namespace tavolex
