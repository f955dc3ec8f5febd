#include "support/CallText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/Func_2.h"

namespace tavolex::test {

namespace {

std::string Hex8(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(v));
  return buf;
}

// Three decimals from an integer count of thousandths, so no platform's printf rounding shows.
std::string Fixed3(double v) {
  if (std::isnan(v)) return "nan";
  if (!(std::fabs(v) < 1e15)) return v < 0 ? "-big" : "big";
  const long long m = std::llround(v * 1000.0);
  const unsigned long long a = static_cast<unsigned long long>(m < 0 ? -m : m);
  const std::string frac = std::to_string(a % 1000);
  std::string s = m < 0 ? "-" : "";
  s += std::to_string(a / 1000);
  s += '.';
  s.append(3 - frac.size(), '0');
  return s += frac;
}

std::string Rect(const RectF& r) {
  return Fixed3(r.x) + "," + Fixed3(r.y) + " " + Fixed3(r.width) + "x" + Fixed3(r.height);
}

// Whether every code unit is a printable character or half of a surrogate pair.
bool Printable(const std::u16string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    const char16_t c = s[i];
    if (c < 0x20 || c == u'"') return false;
    if (c >= 0xDC00 && c <= 0xDFFF) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return false;
      ++i;
    }
  }
  return true;
}

// The characters as UTF-8 (when they can be shown) followed by their code units.
std::string Chars(const std::u16string& s) {
  std::string out = "\"";
  if (Printable(s)) out += StrToUtf8(s);
  out += '"';
  for (char16_t c : s)
    out.append(" U+").append(Hex8(c).substr(4));
  return out;
}

std::string Font(const CanvasFont& f) {
  std::string flags;
  flags += f.italic ? 'i' : '-';
  flags += f.underline ? 'u' : '-';
  flags += f.strikeOut ? 's' : '-';
  return "h=" + std::to_string(f.height) + " w=" + std::to_string(f.width) +
         " esc=" + std::to_string(f.escapement) + " weight=" + std::to_string(f.weight) + " " +
         flags + " face=\"" + StrToUtf8(f.faceName) + "\"";
}

std::string FileName(const std::filesystem::path& file) {
  const std::u8string name = file.filename().u8string();
  std::string out = "\"";
  out.append(name.begin(), name.end());
  return out += '"';
}

std::string Points(const std::vector<TPointF>& points) {
  std::string out = std::to_string(points.size());
  for (const TPointF& p : points)
    out.append(" ").append(Fixed3(p.X)).append(",").append(Fixed3(p.Y));
  return out;
}

}  // namespace

std::string CallText(const CanvasCall& c) {
  const std::string at = std::to_string(c.x) + "," + std::to_string(c.y);
  switch (c.kind) {
    case CallKind::SetPen:
      return "pen " + Hex8(c.color) + " width=" + std::to_string(c.width) +
             " style=" + std::to_string(static_cast<int>(c.penStyle));
    case CallKind::SetBrush:
      return "brush " + Hex8(c.color) + " style=" + std::to_string(static_cast<int>(c.brushStyle));
    case CallKind::MoveTo:
      return "move " + at;
    case CallKind::LineTo:
      return "line " + at;
    case CallKind::FillPolygon:
      return "fill " + Hex8(c.color) + " " + Points(c.points);
    case CallKind::FillEllipse:
      return "ellipse " + Hex8(c.color) + " " + Rect(c.target);
    case CallKind::DrawChar:
      return "char " + at + " " + Chars(c.text) + " " + Font(c.font) + " colour=" + Hex8(c.color);
    case CallKind::PictureSize:
      return "picture-size " + FileName(c.file);
    case CallKind::DrawPicture:
      return "picture " + FileName(c.file) + " from " + Rect(c.source) + " to " + Rect(c.target) +
             " turn=" + Fixed3(c.angleDeg) + " about " + Fixed3(c.pivotX) + "," + Fixed3(c.pivotY);
  }
  return "unknown";
}

}  // namespace tavolex::test
