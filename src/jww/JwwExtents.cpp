// Measuring the rectangle that the entities of a drawing occupy, block contents included.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/Func_2.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr int kArcSteps = 72;                               // an open arc is measured at 73 points
constexpr double kWholeTurnStep = std::numbers::pi / 36.0;  // 5°: 72 steps cover an ellipse
constexpr double kEmptyGrowth = 10.0;

// The box being measured. The first accepted point seeds it; a box that never gets a point stays
// the single point (0, 0).
struct ExtentsBox {
  double minx = 0.0;
  double miny = 0.0;
  double maxx = 0.0;
  double maxy = 0.0;
  bool seeded = false;

  void Seed(double x, double y) {
    if (!MinMaxAccepts(x, y)) return;
    MinMaxSet(minx, miny, maxx, maxy, x, y);
    seeded = true;
  }
  void Add(double x, double y) {
    if (!seeded) {
      Seed(x, y);
      return;
    }
    MinMaxAdd(minx, miny, maxx, maxy, x, y);
  }
};

// Adds points to the box either as they are or placed by a block-tree node.
class PointSink {
 public:
  explicit PointSink(ExtentsBox& box) : box_(box) {}
  PointSink(ExtentsBox& box, const TEntJwwBlockTree& node)
      : box_(box),
        placed_(true),
        bx_(node.x),
        by_(node.y),
        b1_(node.r1),
        b2_(node.r2),
        b3_(node.r3),
        b4_(node.r4) {}

  void operator()(double x, double y) const {
    if (!placed_) {
      box_.Add(x, y);
      return;
    }
    if (!MinMaxAccepts(x, y)) return;
    if (box_.seeded) {
      MinMaxAddBL(box_.minx, box_.miny, box_.maxx, box_.maxy, x, y, bx_, by_, b1_, b2_, b3_, b4_);
    } else {
      box_.Seed(bx_ + b1_ * x + b2_ * y, by_ + b3_ * x + b4_ * y);
    }
  }

 private:
  ExtentsBox& box_;
  bool placed_ = false;
  double bx_ = 0.0, by_ = 0.0, b1_ = 1.0, b2_ = 0.0, b3_ = 0.0, b4_ = 1.0;
};

// A point of the ellipse (r, r·h) tilted by t about (cx, cy), at the angle θ of its own frame.
void AddEllipsePoint(const PointSink& add, double cx, double cy, double r, double rh, double t,
                     double theta) {
  const double lx = r * std::cos(theta);
  const double ly = rh * std::sin(theta);
  add(cx + RotateX(lx, ly, 0.0, 0.0, t), cy + RotateY(lx, ly, 0.0, 0.0, t));
}

void AddArcSamples(const PointSink& add, double cx, double cy, double r, double rh, double t,
                   double start, double step) {
  for (int k = 0; k <= kArcSteps; ++k)
    AddEllipsePoint(add, cx, cy, r, rh, t, start + k * step);
}

void MeasureLine(const TEntJwwLine& e, const PointSink& add) {
  add(e.start_x, e.start_y);
  add(e.end_x, e.end_y);
}

void MeasureEnko(const TEntJwwEnko& e, const PointSink& add) {
  const double r = e.dHankei;
  const double rh = e.dHankei * e.dHenpeiRitsu;
  const double t = e.radKatamukiKaku;
  if (e.bZenEnFlg != 0) {
    // Only the ends of the two axes, also for a tilted ellipse.
    constexpr double kAxisEnds[] = {0.0, std::numbers::pi / 2.0, std::numbers::pi,
                                    4.71238898038469};
    for (double theta : kAxisEnds)
      AddEllipsePoint(add, e.start_x, e.start_y, r, rh, t, theta);
    return;
  }
  AddArcSamples(add, e.start_x, e.start_y, r, rh, t, e.radKaishiKaku, e.radEnkoKaku / kArcSteps);
}

void MeasureTen(const TEntJwwTen& e, const PointSink& add) {
  add(e.start_x, e.start_y);
}

void MeasureMoji(const TEntJwwMoji& e, const PointSink& add) {
  if (!TextHasPlace(e.start_x, e.start_y, e.end_x, e.end_y)) return;
  add(e.start_x, e.start_y);
  add(e.end_x, e.end_y);
  if (!IsImageText(e.str)) return;
  std::u16string file;
  double width = 0, height = 0, drx = 0, dry = 0, drr = 1, deg = 0;
  int k1 = -1, k2 = -1, k3 = -1;
  ImageTextParse(e.str, file, width, height, drx, dry, drr, deg, k1, k2, k3);
  // The far corner of the picture, unturned.
  add(e.start_x + width, e.start_y + height);
}

void MeasureSunpo(const TEntJwwSunpo& e, const PointSink& add) {
  MeasureLine(e.Sen, add);
  add(e.Moji.start_x, e.Moji.start_y);
  add(e.Moji.end_x, e.Moji.end_y);
  if (e.bSxfMode == 0) return;
  MeasureLine(e.Ho1, add);
  MeasureLine(e.Ho2, add);
}

void MeasureSolid(const TEntJwwSolid& e, const PointSink& add) {
  const int style = e.att.nPenStyle;
  if (style <= 100) {
    add(e.start_x, e.start_y);
    add(e.end_x, e.end_y);
    add(e.DPoint2_x, e.DPoint2_y);
    add(e.DPoint3_x, e.DPoint3_y);
    return;
  }
  // Arc solid: centre, radius, flatness, tilt, start angle, sweep and kind.
  const double cx = e.start_x, cy = e.start_y, r = e.end_x, h = e.end_y;
  const double tilt = e.DPoint2_x, start = e.DPoint2_y, sweep = e.DPoint3_x;
  const double kind = e.DPoint3_y;
  if (style == 101) {
    if (std::fabs(kind) <= 1e-12) {
      add(cx, cy);  // a sector reaches its centre
    } else if (std::fabs(kind + 1.0) <= 1e-12) {
      double sx, sy, ex, ey, kx, ky;
      SolidArcCorner(sx, sy, ex, ey, kx, ky, cx, cy, r, h, tilt, start, sweep);
      add(kx, ky);
    }
  }
  double step = sweep / kArcSteps;
  if ((style == 101 || style == 111) && std::fabs(kind - 100.0) <= 1e-12) step = kWholeTurnStep;
  AddArcSamples(add, cx, cy, r, r * h, tilt, start, step);
}

template <typename T>
int Available(const std::vector<T>& v, int32_t n) {
  return static_cast<int>(std::min<size_t>(v.size(), n > 0 ? static_cast<size_t>(n) : 0));
}

template <typename T, typename Measure>
void MeasureAll(const std::vector<T>& v, int32_t n, const PointSink& add, Measure measure) {
  const int count = Available(v, n);
  for (int i = 0; i < count; ++i)
    measure(v[i], add);
}

void MeasureDefinition(const TEntJwwBlockDef& d, const PointSink& add) {
  MeasureAll(d.mLine, d.mLineN, add, MeasureLine);
  MeasureAll(d.mEnko, d.mEnkoN, add, MeasureEnko);
  MeasureAll(d.mTen, d.mTenN, add, MeasureTen);
  MeasureAll(d.mMoji, d.mMojiN, add, MeasureMoji);
  MeasureAll(d.mSunpo, d.mSunpoN, add, MeasureSunpo);
  MeasureAll(d.mSolid, d.mSolidN, add, MeasureSolid);
}

// The seed of the box: the first point of the first entity kind that has one.
bool SeedPoint(const TJwwData& d, double& x, double& y) {
  if (Available(d.EntLine, d.EntLineN) > 0) {
    x = d.EntLine[0].start_x, y = d.EntLine[0].start_y;
  } else if (Available(d.EntEnko, d.EntEnkoN) > 0) {
    x = d.EntEnko[0].start_x, y = d.EntEnko[0].start_y;
  } else if (Available(d.EntTen, d.EntTenN) > 0) {
    x = d.EntTen[0].start_x, y = d.EntTen[0].start_y;
  } else if (Available(d.EntMoji, d.EntMojiN) > 0 &&
             TextHasPlace(d.EntMoji[0].start_x, d.EntMoji[0].start_y, d.EntMoji[0].end_x,
                          d.EntMoji[0].end_y)) {
    x = d.EntMoji[0].start_x, y = d.EntMoji[0].start_y;
  } else if (Available(d.EntSunpo, d.EntSunpoN) > 0) {
    x = d.EntSunpo[0].Sen.start_x, y = d.EntSunpo[0].Sen.start_y;
  } else if (Available(d.EntSolid, d.EntSolidN) > 0) {
    x = d.EntSolid[0].start_x, y = d.EntSolid[0].start_y;
  } else if (Available(d.EntBlock, d.EntBlockN) > 0) {
    x = d.EntBlock[0].DPKijunTen_x, y = d.EntBlock[0].DPKijunTen_y;
  } else {
    return false;
  }
  return true;
}

}  // namespace

void TJwwData::GetMinMaxZahyo() {
  ExtentsBox box;
  double seedX = 0.0, seedY = 0.0;
  if (SeedPoint(*this, seedX, seedY)) box.Seed(seedX, seedY);

  const PointSink add(box);
  MeasureAll(EntLine, EntLineN, add, MeasureLine);
  MeasureAll(EntEnko, EntEnkoN, add, MeasureEnko);
  MeasureAll(EntTen, EntTenN, add, MeasureTen);
  MeasureAll(EntMoji, EntMojiN, add, MeasureMoji);
  MeasureAll(EntSunpo, EntSunpoN, add, MeasureSunpo);
  MeasureAll(EntSolid, EntSolidN, add, MeasureSolid);

  const int nodes = Available(EntBlockTree, EntBlockTreeN);
  const int defs = Available(EntBlockDef, EntBlockDefN);
  for (int i = 0; i < nodes; ++i) {
    const TEntJwwBlockTree& node = EntBlockTree[i];
    if (node.defno < 0 || node.defno >= defs) continue;
    MeasureDefinition(EntBlockDef[node.defno], PointSink(box, node));
  }

  if (SamePoint(box.minx, box.miny, box.maxx, box.maxy)) {
    box.minx -= kEmptyGrowth;
    box.miny -= kEmptyGrowth;
    box.maxx += kEmptyGrowth;
    box.maxy += kEmptyGrowth;
  }
  myMinWx = box.minx;
  myMinWy = box.miny;
  myMaxWx = box.maxx;
  myMaxWy = box.maxy;
}

}  // namespace tavolex
