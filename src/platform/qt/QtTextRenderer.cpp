#include "platform/qt/QtTextRenderer.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

#include "graphics/TextCells.h"
#include "platform/qt/FontMapping.h"

namespace tavolex {

namespace {

// Glyphs are rasterised at most this large and scaled beyond it.
constexpr int kMaxPixelSize = 2048;

QColor FromWindowsColor(uint32_t c) {
  return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

// ascent + descent per pixel of em size, measured once per family.
double CellPerEm(const QFont& font) {
  static QHash<QString, double> ratios;
  const QString family = font.families().isEmpty() ? font.family() : font.families().front();
  const auto it = ratios.constFind(family);
  if (it != ratios.constEnd()) return it.value();
  QFont probe(font);
  probe.setPixelSize(1000);
  const QFontMetricsF m(probe);
  double ratio = (m.ascent() + m.descent()) / 1000.0;
  if (!(ratio > 0.1 && ratio < 10.0)) ratio = 1.0;
  ratios.insert(family, ratio);
  return ratio;
}

// Half of a full-width ideograph's advance: what GDI takes as the average character width of a
// Japanese font, fixed or proportional.
double HalfWidthAdvance(const QFont& font, const QFontMetricsF& metrics) {
  const double ideograph = metrics.horizontalAdvance(QString(QChar(0x4E00)));
  return ideograph > 0.0 ? ideograph / 2.0 : font.pixelSize() / 2.0;
}

char32_t CodePoint(const std::u16string& ch) {
  if (ch.size() == 2 && IsHighSurrogate(ch[0]) && IsLowSurrogate(ch[1])) {
    return 0x10000 + ((static_cast<char32_t>(ch[0]) - 0xD800) << 10) +
           (static_cast<char32_t>(ch[1]) - 0xDC00);
  }
  return ch.empty() ? 0 : ch[0];
}

// Control characters and user-defined characters (private use area) have no glyph to draw.
bool HasNoGlyph(char32_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
}

QFont MakeFont(const CanvasFont& f) {
  QFont font;
  font.setFamilies(FontFamiliesFor(f.faceName));
  font.setWeight(f.weight >= 600 ? QFont::Bold : QFont::Normal);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  font.setKerning(false);
  // Glyphs are scaled to their cells; outlines without hinting scale evenly.
  font.setHintingPreference(QFont::PreferNoHinting);
  const int height = std::clamp(f.height, 1, kMaxPixelSize);
  font.setPixelSize(std::max(1, static_cast<int>(height / CellPerEm(font) + 0.5)));
  return font;
}

}  // namespace

const QtTextRenderer::FontEntry& QtTextRenderer::Entry(const CanvasFont& f) {
  key_.clear();
  key_.append(QString::fromStdU16String(f.faceName));
  key_.append(QChar(u'\x1F'));
  key_.append(QString::number(f.height));
  key_.append(QChar(u'|'));
  key_.append(QString::number(f.weight >= 600 ? 1 : 0) + QString::number(f.italic) +
              QString::number(f.underline) + QString::number(f.strikeOut));
  auto it = fonts_.find(key_);
  if (it != fonts_.end()) return it.value();
  const QFont font = MakeFont(f);
  const QFontMetricsF metrics(font);
  FontEntry entry{font, metrics.ascent(), metrics.ascent() + metrics.descent(),
                  HalfWidthAdvance(font, metrics)};
  return fonts_.insert(key_, entry).value();
}

void QtTextRenderer::DrawChar(QPainter& painter, int x, int y, const std::u16string& ch,
                              const CanvasFont& font, uint32_t color) {
  if (ch.empty() || font.height <= 0 || font.width <= 0 || HasNoGlyph(CodePoint(ch))) return;
  const FontEntry& e = Entry(font);
  if (!(e.halfAdvance > 0.0) || !(e.cellHeight > 0.0)) return;
  const QString text = QString::fromStdU16String(ch);

  QTransform t;
  t.translate(x, y);
  // Escapement turns counter-clockwise on the page; y grows downwards.
  if (font.escapement % 3600 != 0) t.rotate(-font.escapement / 10.0);
  t.scale(font.width / e.halfAdvance, font.height / e.cellHeight);

  const QTransform base = painter.worldTransform();
  painter.setWorldTransform(t, true);
  if (painter.testRenderHint(QPainter::TextAntialiasing)) {
    painter.setFont(e.font);
    painter.setPen(FromWindowsColor(color));
    painter.drawText(QPointF(0.0, e.ascent), text);
  } else {
    // Qt smooths scaled glyphs whatever the hints say; their outline fills in whole pixels.
    QPainterPath outline;
    outline.addText(QPointF(0.0, e.ascent), e.font, text);
    painter.fillPath(outline, FromWindowsColor(color));
  }
  painter.setWorldTransform(base);
}

}  // namespace tavolex
