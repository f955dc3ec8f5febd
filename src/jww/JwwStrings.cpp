#include "jww/JwwStrings.h"

#include <cstdint>

#include "common/Func_2.h"

namespace tavolex {

namespace {

constexpr uint16_t kWideMark = 0xFFFE;

// Most strings of a drawing are short ASCII (font names, layer names, empty names); they need no
// code-page conversion.
bool PlainAscii(const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (p[i] == 0 || p[i] >= 0x80) return false;
  }
  return true;
}

std::u16string ReadAnsiText(TJwwStream& s, size_t length) {
  const uint8_t* p = s.Position();
  const size_t got = s.Skip(length);
  if (PlainAscii(p, got)) return std::u16string(p, p + got);
  return AnsiBytesToStr(p, got);
}

std::u16string ReadWideText(TJwwStream& s, size_t units) {
  const uint8_t* p = s.Position();
  const size_t got = s.Skip(units * 2);
  return WideBytesToStr(p, got);
}

}  // namespace

std::u16string ReadJwwString(TJwwStream& s, bool& mojiEncode) {
  uint8_t shortLength = 0;
  if (!s.ReadValue(shortLength)) return {};
  if (shortLength < 0xFF) return ReadAnsiText(s, shortLength);

  uint16_t length = 0;
  s.ReadValue(length);
  if (length != kWideMark) return ReadAnsiText(s, length);

  mojiEncode = true;
  uint8_t shortUnits = 0;
  s.ReadValue(shortUnits);
  size_t units = shortUnits;
  if (shortUnits == 0xFF) {
    uint16_t longUnits = 0;
    s.ReadValue(longUnits);
    units = longUnits;
  }
  return ReadWideText(s, units);
}

std::u16string ReadJwwName(TJwwStream& s, bool& mojiEncode) {
  std::u16string text = ReadJwwString(s, mojiEncode);
  for (char16_t c : text) {
    if (c < 0x20) return StripCtrlChars(text);
  }
  return text;
}

}  // namespace tavolex
