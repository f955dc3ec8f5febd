// Drawing a whole document: which entities are drawn (layer range, layer states, auxiliary and
// temporary elements), in which order (fills first, layer by layer if asked), and where (print
// rotation, block placements).
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr int kHiddenLayer = 3;
constexpr int kAuxiliary = 9;
constexpr uint32_t kWhite = 0xFFFFFF;

template <typename T>
int Available(const std::vector<T>& v, int32_t n) {
  return static_cast<int>(std::min<size_t>(v.size(), n > 0 ? static_cast<size_t>(n) : 0));
}

// Auxiliary elements: lines and arcs by line type or pen, the rest by pen.
bool IsAuxiliaryStroke(const TEntJwwAttr& att) {
  return att.nPenStyle == kAuxiliary || att.nPenColor == kAuxiliary;
}
bool IsAuxiliaryPen(const TEntJwwAttr& att) {
  return att.nPenColor == kAuxiliary;
}

// The members of one drawing list with their arrays: the document itself or a block definition.
struct EntityList {
  const std::vector<TEntJwwNo>& order;
  int orderN;
  const std::vector<TEntJwwLine>& line;
  int lineN;
  const std::vector<TEntJwwEnko>& enko;
  int enkoN;
  const std::vector<TEntJwwTen>& ten;
  int tenN;
  const std::vector<TEntJwwMoji>& moji;
  int mojiN;
  const std::vector<TEntJwwSunpo>& sunpo;
  int sunpoN;
  const std::vector<TEntJwwSolid>& solid;
  int solidN;
};

// What one walk draws and how it places it.
struct DrawWalk {
  // Chosen once per call.
  bool dispmode = false;
  bool hojo = false;           // leave auxiliary elements out
  bool layerOrder = false;     // one walk per layer index
  bool skipHidden = false;     // flg1
  bool drawTemporary = false;  // flg3
  int lay1 = -1;
  int lay2 = -1;
  // Per walk.
  int h = 0;
  // Per list: the placement, and whether the elements are tested by their own layers.
  bool testLayers = true;
  bool lf = false;
  double bx = 0, by = 0, b1 = 1, b2 = 0, b3 = 0, b4 = 1;
  bool topLevel = true;
};

bool LayerPasses(const DrawWalk& w, int n) {
  if (w.layerOrder) return n == w.h;
  if (w.lay1 >= 0 && n / 16 != w.lay1) return false;
  if (w.lay2 >= 0 && n % 16 != w.lay2) return false;
  return !(w.skipHidden && GAtt->GetAttrLayerState(n) == kHiddenLayer);
}

bool ElementPasses(const DrawWalk& w, const TEntJwwAttr& att, bool auxiliary) {
  if (w.hojo && auxiliary) return false;
  return !w.testLayers || LayerPasses(w, LayerIndex(att));
}

// Image texts and solids: everything that lies underneath.
void DrawFills(TJwwData& doc, const DrawWalk& w, const EntityList& list) {
  const int n = std::min<int>(list.orderN, static_cast<int>(list.order.size()));
  for (int i = 0; i < n; ++i) {
    const TEntJwwNo& no = list.order[i];
    const int k = no.EntNo;
    if (no.EntType == kEntMoji && k >= 0 && k < list.mojiN) {
      const TEntJwwMoji& e = list.moji[k];
      if (!IsImageText(e.str) || !ElementPasses(w, e.att, IsAuxiliaryPen(e.att))) continue;
      doc.GLDrawImage2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
    } else if (no.EntType == kEntSolid && k >= 0 && k < list.solidN) {
      const TEntJwwSolid& e = list.solid[k];
      if (!ElementPasses(w, e.att, IsAuxiliaryPen(e.att))) continue;
      doc.GLDrawSolid2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
    }
  }
}

// Lines, arcs, points, texts and dimensions, on top of the fills.
void DrawStrokes(TJwwData& doc, const DrawWalk& w, const EntityList& list) {
  const int n = std::min<int>(list.orderN, static_cast<int>(list.order.size()));
  for (int i = 0; i < n; ++i) {
    const TEntJwwNo& no = list.order[i];
    const int k = no.EntNo;
    if (k < 0) continue;
    switch (no.EntType) {
      case kEntLine: {
        if (k >= list.lineN) break;
        const TEntJwwLine& e = list.line[k];
        if (!ElementPasses(w, e.att, IsAuxiliaryStroke(e.att))) break;
        doc.GLDrawLine2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
        break;
      }
      case kEntEnko: {
        if (k >= list.enkoN) break;
        const TEntJwwEnko& e = list.enko[k];
        if (!ElementPasses(w, e.att, IsAuxiliaryStroke(e.att))) break;
        doc.GLDrawEnko2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
        break;
      }
      case kEntTen: {
        if (k >= list.tenN) break;
        const TEntJwwTen& e = list.ten[k];
        if (!w.drawTemporary && e.bKariten == 1) break;
        if (!ElementPasses(w, e.att, IsAuxiliaryPen(e.att))) break;
        doc.GLDrawTen2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
        break;
      }
      case kEntMoji: {
        if (k >= list.mojiN) break;
        const TEntJwwMoji& e = list.moji[k];
        if (IsImageText(e.str) || !TextHasPlace(e.start_x, e.start_y, e.end_x, e.end_y)) break;
        if (!ElementPasses(w, e.att, IsAuxiliaryPen(e.att))) break;
        if (w.topLevel) ZuGLayScale = doc.GroupScale(e.att.nGLayer);
        doc.GLDrawMoji2(w.dispmode, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
        break;
      }
      case kEntSunpo: {
        if (k >= list.sunpoN) break;
        const TEntJwwSunpo& e = list.sunpo[k];
        if (!ElementPasses(w, e.att, false)) break;
        if (w.topLevel) ZuGLayScale = doc.GroupScale(e.att.nGLayer);
        doc.GLDrawSunpo2(w.dispmode, w.hojo, 0, e, w.lf, 1.0, w.bx, w.by, w.b1, w.b2, w.b3, w.b4);
        break;
      }
      default:
        break;
    }
  }
}

void DrawList(TJwwData& doc, const DrawWalk& w, const EntityList& list) {
  DrawFills(doc, w, list);
  GGraph->GBrushSet(kWhite, 0);
  DrawStrokes(doc, w, list);
}

// A node without own layers is shown by its chain layer (the layer of the insert at the top of its
// chain of such nodes); its members then share that layer's visibility and state. A node inside a
// node that is left out is left out too.
bool NodeShown(const DrawWalk& w, const TEntJwwBlockTree& node, bool parentShown) {
  return parentShown && (node.chainLayer < 0 || LayerPasses(w, node.chainLayer));
}

void DrawBlocks(TJwwData& doc, DrawWalk w, double rot, std::vector<char>& shown) {
  const double c = std::cos(rot);
  const double s = std::sin(rot);
  const int nodes = Available(doc.EntBlockTree, doc.EntBlockTreeN);
  const int defs = Available(doc.EntBlockDef, doc.EntBlockDefN);
  w.topLevel = false;
  shown.assign(static_cast<size_t>(nodes), 0);
  for (int i = 0; i < nodes; ++i) {
    const TEntJwwBlockTree& node = doc.EntBlockTree[i];
    const bool nested = node.parent >= 0 && node.parent < i;
    shown[i] = NodeShown(w, node, !nested || shown[node.parent] != 0);
    if (shown[i] == 0) continue;
    ZuGLayScale = doc.GroupScale(node.att.nGLayer);
    // The insert's own map first, then the rotation of the whole drawing.
    w.bx = c * node.x - s * node.y;
    w.by = s * node.x + c * node.y;
    w.b1 = c * node.r1 - s * node.r3;
    w.b2 = c * node.r2 - s * node.r4;
    w.b3 = s * node.r1 + c * node.r3;
    w.b4 = s * node.r2 + c * node.r4;
    w.lf = node.chainLayer < 0;
    w.testLayers = w.lf;
    if (node.defno < 0 || node.defno >= defs) continue;
    const TEntJwwBlockDef& d = doc.EntBlockDef[node.defno];
    const EntityList list{d.mNo,    d.N,
                          d.mLine,  Available(d.mLine, d.mLineN),
                          d.mEnko,  Available(d.mEnko, d.mEnkoN),
                          d.mTen,   Available(d.mTen, d.mTenN),
                          d.mMoji,  Available(d.mMoji, d.mMojiN),
                          d.mSunpo, Available(d.mSunpo, d.mSunpoN),
                          d.mSolid, Available(d.mSolid, d.mSolidN)};
    doc.InsertLayer = node.chainLayer;
    DrawList(doc, w, list);
    doc.InsertLayer = -1;
  }
}

}  // namespace

void TJwwData::GLDrawALL3(int dsporder, int lay1, int lay2, bool flg1, bool flg2, bool flg3,
                          double rot) {
  if (GAtt == nullptr || GGraph == nullptr) return;
  DrawWalk w;
  w.dispmode = GAtt->GetDisplayMode();
  if (w.dispmode) GGraph->GLSetDT();
  w.hojo = GAtt->GetDispHojo() == 0 && flg2;
  w.skipHidden = flg1;
  w.drawTemporary = flg3;
  w.lay1 = lay1 < 0 ? -1 : lay1;
  w.lay2 = lay2 < 0 ? -1 : lay2;
  w.layerOrder = dsporder != 0;

  int g0 = w.lay1 < 0 ? 0 : w.lay1, g1 = w.lay1 < 0 ? 15 : w.lay1;
  int l0 = w.lay2 < 0 ? 0 : w.lay2, l1 = w.lay2 < 0 ? 15 : w.lay2;
  if (!w.layerOrder) g0 = g1 = l0 = l1 = 0;  // one walk over everything
  g1 = std::min(g1, 15);
  l1 = std::min(l1, 15);

  const double c = std::cos(rot);
  const double s = std::sin(rot);
  const EntityList top{EntNo,    Enthd.n1,
                       EntLine,  Available(EntLine, EntLineN),
                       EntEnko,  Available(EntEnko, EntEnkoN),
                       EntTen,   Available(EntTen, EntTenN),
                       EntMoji,  Available(EntMoji, EntMojiN),
                       EntSunpo, Available(EntSunpo, EntSunpoN),
                       EntSolid, Available(EntSolid, EntSolidN)};

  std::vector<char> shownNodes;  // kept across the layer walks: no allocation per walk
  for (int g = g0; g <= g1; ++g) {
    for (int l = l0; l <= l1; ++l) {
      w.h = dsporder == 2 ? 255 - (g * 16 + l) : g * 16 + l;
      if (w.layerOrder && flg1 && GAtt->GetAttrLayerState(w.h) == kHiddenLayer) continue;
      w.topLevel = true;
      w.testLayers = true;
      w.lf = false;
      w.bx = w.by = 0.0;
      w.b1 = c;
      w.b2 = -s;
      w.b3 = s;
      w.b4 = c;
      DrawList(*this, w, top);
      DrawBlocks(*this, w, rot, shownNodes);
    }
  }
}

}  // namespace tavolex
