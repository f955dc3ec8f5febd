// Attribute tables: the line-type table.
#include <algorithm>
#include <array>
#include <cmath>

#include "common/Func_2.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

void TgraAttribute::SetAttrTypseg_(int n, int sn) {
  if (!HasLtype(n)) return;
  // A pattern has room for 32 elements; a larger count would read past it.
  jwvTyp[static_cast<std::size_t>(n)].seg = std::clamp(sn, 0, kLtypeMaxSegments);
}

void TgraAttribute::SetAttrTypamp_(int n, double am) {
  if (!HasLtype(n)) return;
  jwvTyp[static_cast<std::size_t>(n)].amp = am;
}

void TgraAttribute::SetAttrTyppa1_(int n, int pn, double pa) {
  if (!HasLtype(n)) return;
  TjwvLtype& t = jwvTyp[static_cast<std::size_t>(n)];
  if (pn < 0 || pn >= t.seg) return;
  t.pa[static_cast<std::size_t>(pn)] = pa;
}

void TgraAttribute::SetAttrTypPit_(int n) {
  if (!HasLtype(n)) return;
  TjwvLtype& t = jwvTyp[static_cast<std::size_t>(n)];
  double sum = 0.0;
  for (int i = 0; i < t.seg; ++i)
    sum += std::fabs(t.pa[static_cast<std::size_t>(i)]);
  t.pit = sum;
}

void TgraAttribute::SetAttrTypBits_(int n, std::uint32_t bits, double pitch) {
  std::array<double, 32> values{};
  const int count = LtypeBitsToPattern(bits, values, pitch);
  SetAttrTypseg_(n, count);
  for (int p = 0; p < count; ++p)
    SetAttrTyppa1_(n, p, values[static_cast<std::size_t>(p)]);
  SetAttrTypPit_(n);
}

int TgraAttribute::GetAttrTypseg(int jn) const {
  return GetAttrTypseg_(TypIndex(jn));
}

int TgraAttribute::GetAttrTypseg_(int n) const {
  return HasLtype(n) ? jwvTyp[static_cast<std::size_t>(n)].seg : 0;
}

double TgraAttribute::GetAttrTypamp(int jn) const {
  return GetAttrTypamp_(TypIndex(jn));
}

double TgraAttribute::GetAttrTypamp_(int n) const {
  return HasLtype(n) ? jwvTyp[static_cast<std::size_t>(n)].amp : 0.0;
}

int TgraAttribute::GetAttrTyppat(int jn, std::span<double> pat) const {
  return GetAttrTyppat_(TypIndex(jn), pat);
}

int TgraAttribute::GetAttrTyppat_(int n, std::span<double> pat) const {
  if (!HasLtype(n)) return 0;
  const TjwvLtype& t = jwvTyp[static_cast<std::size_t>(n)];
  const std::size_t count = std::min(static_cast<std::size_t>(t.seg), pat.size());
  std::copy_n(t.pa.begin(), count, pat.begin());
  return t.seg;
}

double TgraAttribute::GetAttrTyppa1_(int n, int pn) const {
  if (!HasLtype(n)) return 0.0;
  const TjwvLtype& t = jwvTyp[static_cast<std::size_t>(n)];
  if (pn < 0 || pn >= t.seg) return 0.0;
  return t.pa[static_cast<std::size_t>(pn)];
}

double TgraAttribute::GetAttrTyppit(int jn) const {
  return GetAttrTyppit_(TypIndex(jn));
}

double TgraAttribute::GetAttrTyppit_(int n) const {
  return HasLtype(n) ? jwvTyp[static_cast<std::size_t>(n)].pit : 0.0;
}

}  // namespace tavolex
