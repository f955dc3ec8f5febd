// The writer's own byte layout, checked against the sizes and forms of the file format, so
// that reader tests built on it stand on known bytes.
#include <gtest/gtest.h>

#include "support/JwwWriter.h"

namespace tavolex::test {
namespace {

size_t BodySize(int32_t version, const WEntity& e) {
  JwwWriter w(version, JwwStringForm::Ansi);
  w.Entity(WLine{});  // introduce a class so the measured object pays only its body and tag
  const size_t before = w.Data().size();
  w.Entity(e);
  return w.Data().size() - before;
}

TEST(JwwWriter, ObjectSizesFollowTheAttributeWidth) {
  // Tag of a class first seen (new-class form) is 2 + 2 + 2 + name length.
  const size_t newLine = 6 + 8;
  EXPECT_EQ(BodySize(351, WLine{}), 2 + 47u);  // short reference + record
  EXPECT_EQ(BodySize(350, WLine{}), 2 + 45u);
  EXPECT_EQ(BodySize(351, WEnko{}), newLine - 8 + 9 + 75u);
  EXPECT_EQ(BodySize(350, WEnko{}), 6 + 9 + 73u);
  EXPECT_EQ(BodySize(351, WTen{}), 6 + 8 + 35u);
  WTen marker;
  marker.att.nPenStyle = 100;
  EXPECT_EQ(BodySize(351, marker), 6 + 8 + 35u + 20u);
  EXPECT_EQ(BodySize(350, WSolid{}), 6 + 10 + 77u);
  WSolid own;
  own.att.nPenColor = 10;
  EXPECT_EQ(BodySize(351, own), 6 + 10 + 79u + 4u);
  EXPECT_EQ(BodySize(351, WBlock{}), 6 + 10 + 59u);
  WMoji text;
  text.strFontName = u"ab";
  text.str = u"xyz";
  EXPECT_EQ(BodySize(351, text), 6 + 9 + 83u + 3u + 4u);
}

TEST(JwwWriter, DimensionCarriesExtraPartsFrom420) {
  WSunpo s;
  s.Moji.strFontName.clear();
  const size_t tag = 6 + 11;
  EXPECT_EQ(BodySize(351, s), tag + 15 + 47 + 83 + 2u);
  EXPECT_EQ(BodySize(420, s), tag + 15 + 47 + 83 + 2 + 2 + 2 * 47 + 4 * 35u);
  s.Te2.att.nPenStyle = 100;
  EXPECT_EQ(BodySize(420, s), tag + 15 + 47 + 83 + 2 + 2 + 2 * 47 + 4 * 35u + 20u);
}

TEST(JwwWriter, StringForms) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.String(u"日本");
  EXPECT_EQ(w.Data(), (std::vector<uint8_t>{4, 0x93, 0xFA, 0x96, 0x7B}));
  JwwWriter u(700, JwwStringForm::Utf16);
  u.String(u"日本");
  EXPECT_EQ(u.Data(), (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 2, 0xE5, 0x65, 0x2C, 0x67}));
  JwwWriter longAnsi(600, JwwStringForm::Ansi);
  longAnsi.AnsiString(std::string(300, 'a'));
  EXPECT_EQ(longAnsi.Data().size(), 3 + 300u);
  EXPECT_EQ(longAnsi.Data()[0], 0xFF);
  EXPECT_EQ(longAnsi.Data()[1] | (longAnsi.Data()[2] << 8), 300);
  JwwWriter longWide(700, JwwStringForm::Utf16);
  longWide.Utf16String(std::u16string(300, u'a'));
  EXPECT_EQ(longWide.Data().size(), 6 + 600u);
  EXPECT_THROW(longAnsi.AnsiString(std::string(0xFFFE, 'a')), std::length_error);
}

TEST(JwwWriter, ClassTagsAndIndices) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.Entity(WLine{});  // class 1, object 2
  EXPECT_EQ(w.NextIndex(), 3u);
  const size_t at = w.Data().size();
  w.Entity(WLine{});  // reference 0x8001, object 3
  EXPECT_EQ(w.Data()[at], 0x01);
  EXPECT_EQ(w.Data()[at + 1], 0x80);
  w.SetLongClassRefs(true);
  const size_t atLong = w.Data().size();
  w.Entity(WLine{});
  const std::vector<uint8_t> longTag(w.Data().begin() + atLong, w.Data().begin() + atLong + 6);
  EXPECT_EQ(longTag, (std::vector<uint8_t>{0xFF, 0x7F, 0x01, 0, 0, 0x80}));
  EXPECT_EQ(w.NextIndex(), 5u);
}

TEST(JwwWriter, CountsEscapeAt0xFFFF) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.Count(0xFFFE);
  w.Count(70000);
  EXPECT_EQ(w.Data(), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
}

TEST(JwwWriter, HeaderGrowsAtEachVersionThreshold) {
  auto headerSize = [](int32_t version) {
    WHeader h;
    h.jwVer = version;
    JwwWriter w(version, JwwStringForm::Ansi);
    w.Header(h);
    return w.Data().size();
  };
  EXPECT_EQ(headerSize(223) - headerSize(222), 5 * 4 + 5 * 8u);
  EXPECT_EQ(headerSize(225) - headerSize(224), 4 * 8u);
  EXPECT_EQ(headerSize(230) - headerSize(229), 2 * 4u);
  EXPECT_EQ(headerSize(231) - headerSize(230), 8 * 28 - 4 * 24 + 6 * 8 + 2 * 4u);
  EXPECT_EQ(headerSize(300) - headerSize(299), 2 * 8u);
  // 257 colours of 8 and 4+4+8 bytes plus an empty name, 33 line types of 16 and 4+80 bytes
  // plus an empty name.
  EXPECT_EQ(headerSize(420) - headerSize(419), 257 * (8 + 1 + 16) + 33 * (16 + 1 + 84u));
  EXPECT_EQ(headerSize(700), headerSize(420));
}

}  // namespace
}  // namespace tavolex::test
