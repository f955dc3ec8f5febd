// Text entities: mirroring, trailing layout markers, text variables and the "^" control
// sequences that change style, font and colour or modify single characters.
#include <cmath>
#include <numbers>
#include <string_view>

#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "graphics/TextCells.h"
#include "graphics/TextVariables.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

constexpr double kPi = std::numbers::pi;

double NormalAngle(double a) {
  a = std::fmod(a, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a;
}

// Total spacing of a text: sp after each full-width and sp/2 after each half-width character
// but the last.
double TotalSpacing(std::u16string_view s, double sp) {
  return TextRunLength(s, 0.0, sp);
}

// Half-width units of every character but the last.
int UnitsBeforeLast(std::u16string_view s) {
  std::size_t last = 0;
  ForEachChar(s, [&](std::size_t i, std::size_t) { last = i; });
  return HalfUnits(s.substr(0, last));
}

// The markers at the end of a text that change its layout: a half-width middle dot spreads the
// text over the length it had with the dot; full-width middle dots spread it over their cells
// too; "^" and a digit n squeezes it by n half cells.
void ApplyTrailingMarkers(std::u16string& s, double& w, double& sp) {
  if (s.empty()) return;
  const double g = TotalSpacing(s, sp);
  if (s.back() == u'･') {
    s.pop_back();
    const int units = UnitsBeforeLast(s);
    if (units > 0) sp = 2 * (w / 2 + g) / units;
    return;
  }
  if (s.back() == u'・') {
    int k = 0;
    while (!s.empty() && s.back() == u'・') {
      s.pop_back();
      ++k;
    }
    const int units = UnitsBeforeLast(s);
    if (units > 0) sp = 2 * (k * w + g) / units;
    return;
  }
  const std::size_t n = s.size();
  if (n >= 2 && s[n - 2] == u'^' && s[n - 1] >= u'1' && s[n - 1] <= u'9') {
    const int squeeze = s[n - 1] - u'0';
    s.resize(n - 2);
    const int m = HalfUnits(s);
    if (m - squeeze > 1) {
      const double factor = static_cast<double>(m - squeeze) / m;
      w *= factor;
      sp *= factor;
    }
  }
}

bool IsModifier(char16_t c) {
  return c == u'u' || c == u'd' || c == u'o' || c == u'n' || c == u'b' || c == u'B' || c == u'c' ||
         c == u'w';
}

}  // namespace

// Walks a text with control sequences, drawing it in runs of one style, font and colour.
class TextSequenceDrawer {
 public:
  TextSequenceDrawer(TGraph1& g, double x, double y, double ang, double h, double w, double sp,
                     int ftyp, const std::u16string& f)
      : g_(g),
        px_(x),
        py_(y),
        cos_(std::cos(ang)),
        sin_(std::sin(ang)),
        ang_(ang),
        h_(h),
        w_(w),
        sp_(sp),
        ftyp_(ftyp),
        style_(ftyp),
        f0_(f),
        font_(f),
        entryColor_(g.PenColor) {}

  bool Draw(const std::u16string& s) {
    const std::u16string_view t = s;
    std::size_t i = 0;
    while (i < t.size()) {
      const std::size_t n = CharUnitsAt(t, i);
      if (t[i] != u'^' || i + 1 >= t.size()) {
        Append(t.substr(i, n));
        i += n;
        continue;
      }
      i = Sequence(t, i);
    }
    Flush();
    return drawn_;
  }

 private:
  // Handles the sequence starting with "^" at i; returns where the text goes on.
  std::size_t Sequence(std::u16string_view t, std::size_t i) {
    const char16_t code = t[i + 1];
    const std::size_t next = i + 2;
    switch (code) {
      case u'!':
        return Restyle(style_ | 1, next);
      case u'/':
        return Restyle(style_ | 2, next);
      case u'_':
        return Restyle(style_ | 4, next);
      case u'-':
        return Restyle(style_ | 8, next);
      case u'#':
        return Restyle(ftyp_, next);
      case u'$':
        if (next < t.size() && t[next] >= u'1' && t[next] <= u'9') {
          Flush();
          if (GAtt != nullptr)
            g_.SetCanvasPen(ArgbToRgb(GAtt->GetAttrColcol(t[next] - u'0')), g_.PenWidth, g_.PenSty);
          return next + 1;
        }
        if (next < t.size()) {
          const std::size_t n = CharUnitsAt(t, next);
          Append(t.substr(i, 2 + n));
          return next + n;
        }
        Append(t.substr(i, 2));
        return next;
      case u'%':
        Flush();
        style_ = ftyp_;
        g_.SetCanvasPen(entryColor_, g_.PenWidth, g_.PenSty);
        g_.SetCanvasBrush(entryColor_, g_.BrushSty);
        return next;
      case u'&':
        Flush();
        font_ = f0_;
        return next;
      case u'\\':
        Flush();
        if (next < t.size()) {
          if (t[next] == u'"') font_ = u"ＭＳ ゴシック";
          return next + CharUnitsAt(t, next);
        }
        return next;
      case u'*':
        Append(t.substr(next));
        return t.size();
      default:
        break;
    }
    if (IsModifier(code) && next < t.size() && t[next] != u'^') return Modify(code, t, next);
    const std::size_t n = CharUnitsAt(t, i + 1);
    Append(t.substr(i, 1 + n));
    return i + 1 + n;
  }

  std::size_t Restyle(int style, std::size_t next) {
    Flush();
    style_ = style;
    return next;
  }

  void Append(std::u16string_view chars) {
    run_.append(chars);
    ForEachChar(chars, [&](std::size_t i, std::size_t n) {
      prev_ = IsHalfWidthChar(chars.substr(i, n)) ? 1 : 2;
    });
  }

  // Draws the run gathered so far and moves past it.
  void Flush() {
    if (run_.empty()) return;
    if (g_.GLAText2(px_, py_, ang_, h_, w_, sp_, style_, font_, run_) == 0) drawn_ = true;
    Advance(HalfUnits(run_) * (w_ + sp_) / 2);
    run_.clear();
  }

  void Advance(double d) {
    px_ += d * cos_;
    py_ += d * sin_;
  }

  // Draws chars with their baseline start moved back along the line and raised across it.
  void DrawAt(double back, double raise, double h, double w, double sp,
              const std::u16string& chars) {
    const double x = px_ - back * cos_ - raise * sin_;
    const double y = py_ - back * sin_ + raise * cos_;
    if (g_.GLAText2(x, y, ang_, h, w, sp, style_, font_, chars) == 0) drawn_ = true;
  }

  // A modifier letter applied to the character at x.
  std::size_t Modify(char16_t code, std::u16string_view t, std::size_t x) {
    Flush();
    const std::size_t n = CharUnitsAt(t, x);
    const std::u16string ch(t.substr(x, n));
    const bool half = IsHalfWidthChar(ch);
    const double H = std::fabs(h_);
    const double w = w_;
    const double sp = sp_;
    const double back = prev_ * sp / 2 + prev_ * w / 4;
    switch (code) {
      case u'u':
      case u'd':
      case u'c': {
        const double raise = code == u'u' ? H / 2 : (code == u'c' ? H / 4 : 0.0);
        DrawAt(0.0, raise, H / 2, half ? w : w / 2, sp, ch);
        Advance((w + sp) / 2);
        prev_ = 1;
        return x + n;
      }
      case u'o':
        DrawAt(back + (half ? w / 8 : w / 4), H / 4, H / 2, w / 2, sp, ch);
        return x + n;
      case u'n':
        DrawAt(back + (half ? w / 4 : w / 2), 0.0, h_, w, sp, ch);
        return x + n;
      case u'b':
        DrawAt(back + (half ? w / 8 : w / 4), 0.0, h_, w, sp, ch);
        return x + n;
      case u'B':
        DrawAt(back + (half ? 0.15 * w : 0.3 * w), 0.0, h_, w, sp, ch);
        return x + n;
      default:
        break;
    }
    // "w": one or two half-width characters squeezed together over the previous one.
    if (!half) {
      Append(t.substr(x - 2, 2 + n));
      return x + n;
    }
    std::u16string pair = ch;
    std::size_t end = x + n;
    if (end < t.size()) {
      const std::size_t m = CharUnitsAt(t, end);
      if (IsHalfWidthChar(t.substr(end, m))) {
        pair.append(t.substr(end, m));
        end += m;
      }
    }
    const int k = static_cast<int>(pair.size());
    DrawAt(back + k * w / 8, H / 4, H / 2, w / 2, 0.0, pair);
    return end;
  }

  TGraph1& g_;
  double px_;
  double py_;
  double cos_;
  double sin_;
  double ang_;
  double h_;
  double w_;
  double sp_;
  int ftyp_;
  int style_;
  std::u16string f0_;
  std::u16string font_;
  uint32_t entryColor_;
  std::u16string run_;
  int prev_ = 0;  // 0 before the first character, 1 after a half-width, 2 after a full-width one
  bool drawn_ = false;
};

int TGraph1::GLAText3(double x1, double y1, double x2, double y2, double h, double w, double sp,
                      int Ftyp, const std::u16string& f, const std::u16string& s) {
  if (IsBlankText(s)) return 2;
  for (double v : {x1, y1, x2, y2, h, w, sp}) {
    if (!std::isfinite(v)) return 1;
  }
  // A mirrored text carries a negative width (and spacing); its length is that of the text it
  // prints, not a negative one, or every mirrored text would collapse to its baseline.
  const double length = TextRunLength(s, std::fabs(w), w < 0 ? -sp : sp);
  if (std::fabs(h) * ViewScale <= 2 || length * ViewScale <= 2) {
    GLLine(x1, y1, x2, y2);
    return 2;
  }
  if (std::fabs(h) * ViewScale > 3000 || std::fabs(w) * ViewScale > 3000) return 1;

  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double ang =
      (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) ? 0.0 : NormalAngle(std::atan2(dy, dx));
  if (w < 0) {
    w = -w;
    sp = -sp;
    ang = NormalAngle(ang + kPi);
    std::swap(x1, x2);
    std::swap(y1, y2);
  }

  std::u16string text = s;
  ApplyTrailingMarkers(text, w, sp);

  const TextVarResult var = MayBeTextVariable(text)
                                ? ExpandTextVariable(text, CurrentTextVarTimes())
                                : TextVarResult{false, text, 0};
  if (var.substituted) {
    if (var.dateDigit > 0) sp = DateDigitSpacing(var.text, var.dateDigit, w, sp);
    return GLAText2(x1, y1, ang, h, w, sp, Ftyp, f, var.text);
  }
  if (text.find(u'^') == std::u16string::npos) {
    return GLAText2(x1, y1, ang, h, w, sp, Ftyp, f, text);
  }
  TextSequenceDrawer drawer(*this, x1, y1, ang, h, w, sp, Ftyp, f);
  return drawer.Draw(text) ? 0 : 1;
}

}  // namespace tavolex
