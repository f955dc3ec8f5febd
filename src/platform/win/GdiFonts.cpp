#include "platform/win/GdiFonts.h"

#include <algorithm>

namespace tavolex {

namespace {

// The character set a surrogate pair is drawn in.
constexpr BYTE kSurrogatePairCharset = 77;

// Drawings with a great many sizes would otherwise hold a font for every one.
constexpr std::size_t kMaxFonts = 256;

}  // namespace

LOGFONTW LogFontOf(const CanvasFont& font, bool surrogatePair) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  lf.lfWidth = font.width;
  lf.lfEscapement = font.escapement;
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  lf.lfCharSet = surrogatePair ? kSurrogatePairCharset : DEFAULT_CHARSET;
  // A longer name than the field holds is cut, as the system cuts it.
  const std::size_t length = std::min(font.faceName.size(), std::size(lf.lfFaceName) - 1);
  std::copy_n(font.faceName.begin(), length, lf.lfFaceName);
  lf.lfFaceName[length] = L'\0';
  return lf;
}

GdiFonts::~GdiFonts() {
  Clear();
}

HFONT GdiFonts::Font(const CanvasFont& font, bool surrogatePair) {
  Key key{font.height,    font.width,     font.escapement, font.weight,  font.italic,
          font.underline, font.strikeOut, surrogatePair,   font.faceName};
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  if (fonts_.size() >= kMaxFonts) Clear();
  const LOGFONTW lf = LogFontOf(font, surrogatePair);
  HFONT made = CreateFontIndirectW(&lf);
  if (made != nullptr) fonts_.emplace(std::move(key), made);
  return made;
}

void GdiFonts::Clear() {
  for (const auto& entry : fonts_)
    DeleteObject(entry.second);
  fonts_.clear();
}

}  // namespace tavolex
