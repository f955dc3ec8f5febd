// Draws one character of the engine's text into its cell with QPainter, as GDI draws with a
// logical font of that height and width: the font is scaled so that its ascent + descent fills
// the cell height and its half-width advance becomes the cell's half-width; every glyph keeps its
// own advance under that one scale (proportional faces keep their proportions) and starts at the
// left of its cell, turned by the escapement about the cell's top-left corner. Characters of the
// private use area (user-defined characters) have no font and draw nothing.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <cstdint>
#include <string>

#include "graphics/Canvas.h"

class QPainter;

namespace tavolex {

class QtTextRenderer {
 public:
  void DrawChar(QPainter& painter, int x, int y, const std::u16string& ch, const CanvasFont& font,
                uint32_t color);

  // Fonts made so far (one per face, height and style).
  int CachedFonts() const { return static_cast<int>(fonts_.size()); }

 private:
  struct FontEntry {
    QFont font;
    double ascent = 0.0;
    double cellHeight = 0.0;   // ascent + descent at the font's pixel size
    double halfAdvance = 0.0;  // the font's half-width advance at its pixel size
  };

  const FontEntry& Entry(const CanvasFont& f);

  QHash<QString, FontEntry> fonts_;
  QString key_;  // reused buffer for cache keys
};

}  // namespace tavolex
