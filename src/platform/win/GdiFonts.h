// The logical fonts of the GDI canvas, made once for each set of parameters: a drawing sets many
// characters in few fonts, and a new font per character would be slow.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "graphics/Canvas.h"
#include "platform/win/WinHeaders.h"

namespace tavolex {

class GdiFonts {
 public:
  GdiFonts() = default;
  ~GdiFonts();
  GdiFonts(const GdiFonts&) = delete;
  GdiFonts& operator=(const GdiFonts&) = delete;

  // The font of the parameters; null when the system cannot make it. The font stays valid until
  // Clear or the end of the cache, so it must not stay selected into a device beyond that.
  // A surrogate pair takes a font of its own character set.
  HFONT Font(const CanvasFont& font, bool surrogatePair);
  void Clear();

 private:
  using Key = std::tuple<int, int, int, int, bool, bool, bool, bool, std::u16string>;

  std::map<Key, HFONT> fonts_;
};

// The logical font GDI is asked for: the cell height (ascent + descent) as a positive height,
// the half-width advance as the average width, the escapement of the line (the characters turn
// with it), the default character set, or set 77 for a surrogate pair.
LOGFONTW LogFontOf(const CanvasFont& font, bool surrogatePair);

}  // namespace tavolex
