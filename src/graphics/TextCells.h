// Character cells of drawn text: what counts as one character, which characters take half a
// cell, and how long a string runs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolex {

inline bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Number of UTF-16 units of the character at i: a surrogate pair is one character.
inline std::size_t CharUnitsAt(std::u16string_view s, std::size_t i) {
  if (i + 1 < s.size() && IsHighSurrogate(s[i]) && IsLowSurrogate(s[i + 1])) return 2;
  return 1;
}

// Half-width: " " to "~" and the half-width katakana "｡" to "ﾟ". Everything else, surrogate pairs
// and control characters included, takes a full cell.
inline bool IsHalfWidthChar(std::u16string_view ch) {
  if (ch.size() != 1) return false;
  const char16_t c = ch[0];
  return (c >= 0x20 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F);
}

// Calls f(index, units) for every character of s in order.
template <typename F>
void ForEachChar(std::u16string_view s, F&& f) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = CharUnitsAt(s, i);
    f(i, n);
    i += n;
  }
}

// Half-width units: 1 per half-width and 2 per full-width character.
inline int HalfUnits(std::u16string_view s) {
  int units = 0;
  ForEachChar(
      s, [&](std::size_t i, std::size_t n) { units += IsHalfWidthChar(s.substr(i, n)) ? 1 : 2; });
  return units;
}

// Number of characters (a surrogate pair counts once).
inline int CharCount(std::u16string_view s) {
  int count = 0;
  ForEachChar(s, [&](std::size_t, std::size_t) { ++count; });
  return count;
}

// Length in millimetres: w per full-width and w/2 per half-width character, plus sp (full) or
// sp/2 (half) after every character but the last.
inline double TextRunLength(std::u16string_view s, double w, double sp) {
  double length = 0.0;
  bool lastHalf = false;
  bool any = false;
  ForEachChar(s, [&](std::size_t i, std::size_t n) {
    const bool half = IsHalfWidthChar(s.substr(i, n));
    length += half ? w / 2 : w;
    length += half ? sp / 2 : sp;
    lastHalf = half;
    any = true;
  });
  if (any) length -= lastHalf ? sp / 2 : sp;
  return length;
}

// True when nothing but blanks (" ", "　") and control characters remain.
inline bool IsBlankText(std::u16string_view s) {
  for (char16_t c : s) {
    if (c > 0x20 && c != 0x3000) return false;
  }
  return true;
}

}  // namespace tavolex
