// Windows' own case tables, language-neutral (the invariant locale), without linguistic casing.
#include <windows.h>

#include "common/CaseMap.h"

namespace tavolex {

std::optional<char32_t> HostCaseMap(char32_t c, bool upper) {
  wchar_t in[2];
  int length = 1;
  if (c >= 0x10000) {
    in[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    in[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    length = 2;
  } else {
    in[0] = static_cast<wchar_t>(c);
  }
  wchar_t out[2];
  const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, upper ? LCMAP_UPPERCASE : LCMAP_LOWERCASE, in,
                              length, out, 2, nullptr, nullptr, 0);
  if (n == 1 && length == 1) return static_cast<char32_t>(out[0]);
  if (n == 2 && length == 2) {
    return 0x10000 + ((static_cast<char32_t>(out[0]) - 0xD800) << 10) + (out[1] - 0xDC00);
  }
  return std::nullopt;
}

}  // namespace tavolex
