// Half-width to full-width conversion of text (ASCII, half-width katakana, voiced pairs).
#include <string_view>

#include "common/Func_2.h"

namespace tavolex {
namespace {

// Half-width kana followed by a voiced or semi-voiced mark, two characters per entry, and the
// full-width kana each pair stands for, in the same order.
constexpr std::u16string_view kVoicedHalfPairs =
    u"ｳﾞｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ";
constexpr std::u16string_view kVoicedFull = u"ヴガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ";
static_assert(kVoicedFull.size() == 26 && kVoicedHalfPairs.size() == 2 * kVoicedFull.size());

// Full-width forms of U+FF61 .. U+FF9F, by position.
constexpr std::u16string_view kKanaFull =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
    u"マミムメモヤ"
    u"ユヨラリルレロワン゛°";
static_assert(kKanaFull.size() == 0xFF9F - 0xFF61 + 1);

// Index of the voiced pair starting at s[i], or -1.
int VoicedPairAt(const std::u16string& s, std::size_t i) {
  if (i + 1 >= s.size()) return -1;
  const char16_t mark = s[i + 1];
  if (mark != u'ﾞ' && mark != u'ﾟ') return -1;
  for (std::size_t k = 0; k < kVoicedFull.size(); ++k) {
    if (kVoicedHalfPairs[2 * k] == s[i] && kVoicedHalfPairs[2 * k + 1] == mark) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

char16_t FullWidthAscii(char16_t c) {
  switch (c) {
    case u' ':
      return u'\u3000';
    case u'"':
      return u'\u201D';
    case u'\'':
      return u'\u2019';
    case u'\\':
      return u'\uFFE5';
    default:
      return static_cast<char16_t>(c + 0xFEE0);
  }
}

}  // namespace

std::u16string ToFullWidth(const std::u16string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t c = s[i];
    const int voiced = VoicedPairAt(s, i);
    if (voiced >= 0) {
      out += kVoicedFull[static_cast<std::size_t>(voiced)];
      ++i;
    } else if (c >= 0x20 && c <= 0x7E) {
      out += FullWidthAscii(c);
    } else if (c >= 0xFF61 && c <= 0xFF9F) {
      out += kKanaFull[c - 0xFF61];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace tavolex
