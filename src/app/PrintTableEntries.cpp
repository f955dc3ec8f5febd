#include "app/PrintSettings.h"
#include "common/Func_2.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

TPrnColor PenFromAttribute(const TgraAttribute& att, int n) {
  TPrnColor c;
  // The stored colour, not the one the print rules would draw with: after a monochrome run the
  // table must not take over black and white for every pen.
  const bool stored = n >= 0 && n < att.jwvColN && static_cast<size_t>(n) < att.jwvCol.size();
  const uint32_t argb = stored ? att.jwvCol[static_cast<size_t>(n)].color : att.GetAttrColcol_(n);
  c.color = LimitColor(ArgbToRgb(argb));
  c.width = LimitPenWidth(att.GetAttrColwid_(n));
  c.ten_r = LimitPointRadius(att.GetAttrColten_(n));
  return c;
}

TPrnLtype LtypeFromAttribute(const TgraAttribute& att, int n) {
  TPrnLtype lt;
  lt.seg = att.GetAttrTypseg_(n);
  lt.amp = att.GetAttrTypamp_(n);
  for (int j = 0; j < LimitLtypeSeg(lt.seg); ++j)
    lt.pa[j] = att.GetAttrTyppa1_(n, j);
  LimitLtype(lt);
  return lt;
}

}  // namespace tavolex
