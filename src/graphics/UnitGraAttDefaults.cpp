// Attribute tables: the default layer, pen and line-type tables.
#include <initializer_list>

#include "graphics/UnitGraAtt.h"

namespace tavolex {
namespace {

struct Rgb {
  int r;
  int g;
  int b;
};

constexpr std::uint32_t Argb(const Rgb& c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(c.r) << 16) |
         (static_cast<std::uint32_t>(c.g) << 8) | static_cast<std::uint32_t>(c.b);
}

// Pens 1..9 and the sixteen SXF standard colours 101..116, on white paper and on black.
constexpr int kDefaultPenColors = 25;
constexpr Rgb kPensOnWhite[kDefaultPenColors] = {
    {0, 192, 192},   {0, 0, 0},     {0, 192, 0},    {192, 192, 0},   {192, 0, 192},
    {0, 0, 255},     {0, 128, 128}, {255, 0, 128},  {255, 128, 255}, {0, 0, 0},
    {255, 0, 0},     {0, 255, 0},   {0, 0, 255},    {255, 255, 0},   {255, 0, 255},
    {0, 255, 255},   {0, 0, 0},     {192, 0, 128},  {192, 128, 64},  {255, 128, 0},
    {128, 192, 128}, {0, 128, 255}, {128, 64, 255}, {192, 192, 192}, {128, 128, 128},
};
constexpr Rgb kPensOnBlack[kDefaultPenColors] = {
    {0, 255, 255},   {255, 255, 255}, {0, 255, 0},    {255, 255, 0},   {192, 0, 192},
    {32, 32, 255},   {0, 128, 128},   {160, 0, 0},    {192, 128, 128}, {255, 255, 255},
    {255, 0, 0},     {0, 255, 0},     {0, 0, 255},    {255, 255, 0},   {255, 0, 255},
    {0, 255, 255},   {255, 255, 255}, {192, 0, 128},  {192, 128, 64},  {255, 128, 0},
    {128, 192, 128}, {0, 128, 255},   {128, 64, 255}, {192, 192, 192}, {128, 128, 128},
};

constexpr double kPenWidths[9] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.5, 0.01};
constexpr double kPenPointRadii[9] = {0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5, 0.2};

// Random lines: each digit gives one element, '2' a drawn length v and '0' a gap of v.
constexpr char kRandomPattern[] = "22002200202200202022002200202020";
static_assert(sizeof kRandomPattern - 1 == kLtypeMaxSegments);

struct RandomLine {
  int n;
  double amp;
  double v;
};
constexpr RandomLine kRandomLines[] = {
    {9, 0.3, 0.6}, {10, 0.3, 1.2}, {11, 0.6, 1.8}, {12, 0.6, 2.4}, {13, 0.6, 3.0},
};

void SetPattern(TjwvLtype& t, std::initializer_list<double> elements) {
  t.seg = static_cast<int>(elements.size());
  std::size_t i = 0;
  for (double e : elements)
    t.pa[i++] = e;
}

}  // namespace

void TgraAttribute::SetDefaultLayer() {
  for (int n = 0; n < jwvLayN && n < static_cast<int>(jwvLay.size()); ++n) {
    SetAttrLayer(n, 1, 1.0, u"", u"");
  }
}

void TgraAttribute::SetDefaultColor() {
  for (TjwvColor& pen : jwvCol)
    pen.color = ForeColor;
  if (BkColor != 0 && BkColor != 1) return;
  const Rgb* table = BkColor == 0 ? kPensOnWhite : kPensOnBlack;
  for (int n = 0; n < kDefaultPenColors && n < static_cast<int>(jwvCol.size()); ++n) {
    jwvCol[static_cast<std::size_t>(n)].color = Argb(table[n]);
  }
}

void TgraAttribute::SetDefaultWidth() {
  for (TjwvColor& pen : jwvCol)
    pen.width = 0.18;
  for (int n = 0; n < 9 && n < static_cast<int>(jwvCol.size()); ++n) {
    jwvCol[static_cast<std::size_t>(n)].width = kPenWidths[n];
  }
}

void TgraAttribute::SetDefaultTenR() {
  for (TjwvColor& pen : jwvCol)
    pen.ten_r = 0.2;
  for (int n = 0; n < 9 && n < static_cast<int>(jwvCol.size()); ++n) {
    jwvCol[static_cast<std::size_t>(n)].ten_r = kPenPointRadii[n];
  }
}

void TgraAttribute::SetDefaultLtype() {
  for (TjwvLtype& t : jwvTyp)
    t = TjwvLtype{};
  if (jwvTyp.size() < static_cast<std::size_t>(kLtypeCount)) return;
  auto at = [this](int n) -> TjwvLtype& { return jwvTyp[static_cast<std::size_t>(n)]; };

  // Standard types 2..9 on the unit 0.36 mm.
  SetPattern(at(1), {0.36, -0.72, 0.36});
  SetPattern(at(2), {0.72, -1.44, 0.72});
  SetPattern(at(3), {1.08, -0.72, 1.08});
  SetPattern(at(4), {1.8, -0.72, 0.72, -0.72, 1.8});
  SetPattern(at(5), {4.68, -0.72, 0.72, -0.72, 4.68});
  SetPattern(at(6), {1.44, -0.72, 0.36, -0.72, 0.36, -0.72, 1.44});
  SetPattern(at(7), {4.32, -0.72, 0.36, -0.72, 0.36, -0.72, 4.32});
  SetPattern(at(8), {0.18, -1.08, 0.18});

  for (const RandomLine& line : kRandomLines) {
    TjwvLtype& t = at(line.n);
    t.seg = kLtypeMaxSegments;
    t.amp = line.amp;
    for (int i = 0; i < kLtypeMaxSegments; ++i) {
      t.pa[static_cast<std::size_t>(i)] = (kRandomPattern[i] - '0' - 1) * line.v;
    }
  }

  // Double-length types.
  SetPattern(at(14), {8.4, -1.2, 1.6, -1.2, 8.4});
  SetPattern(at(15), {10.6, -1.6, 1.2, -1.6, 1.2, -1.6, 10.6});
  SetPattern(at(16), {13.6, -1.6, 13.6});
  SetPattern(at(17), {22, -3, 22});

  // SXF types 2..15 (type 1 and 16..32 are solid).
  SetPattern(at(19), {6, -1.5});
  SetPattern(at(20), {6, -6});
  SetPattern(at(21), {12, -1.5, 0.25, -1.5});
  SetPattern(at(22), {12, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPattern(at(23), {12, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPattern(at(24), {0.25, -1.5});
  SetPattern(at(25), {12, -1.5, 3.5, -1.5});
  SetPattern(at(26), {12, -1.5, 3.5, -1.5, 3.5, -1.5});
  SetPattern(at(27), {6, -1.5, 0.25, -1.5});
  SetPattern(at(28), {6, -1.5, 6, -1.5, 0.25, -1.5});
  SetPattern(at(29), {6, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPattern(at(30), {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPattern(at(31), {6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPattern(at(32), {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});

  for (int n = 0; n < jwvTypN && n < static_cast<int>(jwvTyp.size()); ++n)
    SetAttrTypPit_(n);
}

}  // namespace tavolex
