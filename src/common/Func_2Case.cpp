// Upper and lower case by the host's Unicode simple case mapping. Where the host has no case
// tables or leaves a character unmapped, a built-in mapping covers ASCII, Latin-1, Latin
// Extended-A, Greek, Cyrillic and full-width Latin.
#include "common/CaseMap.h"
#include "common/Func_2.h"

namespace tavolex {
namespace {

// Built-in mapping for hosts without case tables.
char32_t FallbackUpper(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17E && c != 0x131 && c != 0x138 && c != 0x149) {
    // Latin Extended-A pairs: even/odd from U+0100, odd/even in U+0139..U+0148 and U+0179..U+017E.
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddPairs ? (c % 2 == 0) : (c % 2 == 1)) return c - 1;
    return c;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
  if (c == 0x3C2) return 0x3A3;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 32;
  return c;
}

char32_t FallbackLower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149) {
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddPairs ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
    return c;
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 32;
  return c;
}

char32_t MapCase(char32_t c, bool upper) {
  // The built-in pairs also fill what a host's tables leave out (Wine's lack the final sigma).
  const std::optional<char32_t> mapped = HostCaseMap(c, upper);
  if (mapped && *mapped != c) return *mapped;
  return upper ? FallbackUpper(c) : FallbackLower(c);
}

void AppendCodePoint(std::u16string& out, char32_t c) {
  if (c >= 0x10000 && c <= 0x10FFFF) {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  } else {
    out += static_cast<char16_t>(c);
  }
}

std::u16string MapString(const std::u16string& s, bool upper) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t unit = s[i];
    if (unit < 0x80) {
      if (upper && unit >= u'a' && unit <= u'z') {
        out += static_cast<char16_t>(unit - 32);
      } else if (!upper && unit >= u'A' && unit <= u'Z') {
        out += static_cast<char16_t>(unit + 32);
      } else {
        out += unit;
      }
      continue;
    }
    char32_t c = unit;
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
                      s[i + 1] <= 0xDFFF;
    if (pair) {
      c = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out += unit;  // an unpaired surrogate has no case
      continue;
    }
    const char32_t mapped = MapCase(c, upper);
    // A mapping that would change the string's length (BMP <-> supplementary) is not taken.
    AppendCodePoint(out, (mapped >= 0x10000) == (c >= 0x10000) ? mapped : c);
  }
  return out;
}

}  // namespace

std::u16string UpperStr(const std::u16string& s) {
  return MapString(s, true);
}

std::u16string LowerStr(const std::u16string& s) {
  return MapString(s, false);
}

}  // namespace tavolex
