// The flattened tree of block inserts: one node per insert, with its placement in the drawing.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

struct TLinear {
  double a = 1.0;  // x from px
  double b = 0.0;  // x from py
  double c = 0.0;  // y from px
  double d = 1.0;  // y from py
};

TLinear InsertLinear(const TEntJwwBlock& insert) {
  const double th = insert.radKaitenKaku;
  const double sx = insert.dBairitsuX;
  const double sy = insert.dBairitsuY;
  return TLinear{sx * std::cos(th), -sy * std::sin(th), sx * std::sin(th), sy * std::cos(th)};
}

// Where a node places its definition; kept apart from the node while the tree grows.
struct TPlacement {
  explicit TPlacement(const TEntJwwBlockTree& n)
      : level(n.level),
        chainLayer(n.chainLayer),
        x(n.x),
        y(n.y),
        r1(n.r1),
        r2(n.r2),
        r3(n.r3),
        r4(n.r4) {}
  int32_t level;
  int32_t chainLayer;
  double x, y, r1, r2, r3, r4;
};

// The first definition with each number, as inserts find them.
using TDefinitionIndex = std::unordered_map<uint32_t, int32_t>;

TDefinitionIndex IndexDefinitions(const std::vector<TEntJwwBlockDef>& defs) {
  TDefinitionIndex index;
  index.reserve(defs.size());
  for (size_t i = 0; i < defs.size(); ++i) {
    const uint32_t number = defs[i].nNumber;  // copied: a packed field binds to no reference
    index.emplace(number, static_cast<int32_t>(i));
  }
  return index;
}

void AttachDefinition(TEntJwwBlockTree& node, const std::vector<TEntJwwBlockDef>& defs,
                      const TDefinitionIndex& index) {
  const auto found = index.find(node.no);
  if (found == index.end()) return;
  node.defno = found->second;
  node.name = defs[static_cast<size_t>(node.defno)].strName;
}

// What measuring, counting and drawing a node costs: one visit per member of its definition.
int64_t NodeWork(const TEntJwwBlockTree& node, const std::vector<TEntJwwBlockDef>& defs) {
  if (node.defno < 0) return 1;
  const TEntJwwBlockDef& def = defs[static_cast<size_t>(node.defno)];
  const size_t members = std::min(static_cast<size_t>(std::max(def.N, 0)), def.mNo.size());
  return 1 + static_cast<int64_t>(members);
}

// Appends nodes while the tree stays within its total work and, below the drawing's own
// inserts, within its node count.
class TTreeBudget {
 public:
  explicit TTreeBudget(int64_t maxWork) : max_(maxWork) {}
  bool Admit(const TEntJwwBlockTree& node, int64_t work, size_t nodes) {
    const bool full = node.level > 0 && nodes >= static_cast<size_t>(kBlockTreeMaxNodes);
    if (full || work > max_ - used_) {
      cut_ = true;
      return false;
    }
    used_ += work;
    return true;
  }
  bool Cut() const { return cut_; }

 private:
  int64_t max_;
  int64_t used_ = 0;
  bool cut_ = false;
};

// Appends the node and marks its definition as referenced; false when the budget is spent.
bool AppendNode(TEntJwwBlockTree&& node, std::vector<TEntJwwBlockTree>& tree,
                std::vector<TEntJwwBlockDef>& defs, TTreeBudget& budget) {
  if (!budget.Admit(node, NodeWork(node, defs), tree.size())) return false;
  if (node.defno >= 0) defs[static_cast<size_t>(node.defno)].ref_flag = true;
  tree.push_back(std::move(node));
  return true;
}

// The node's chainLayer: its own layer at the top of a chain (parentChain -1: no parent, or one
// that keeps own layers), the chain's layer below it, -1 when it keeps own layers.
int32_t BlockChainLayer(const TEntJwwBlockTree& node, int32_t parentChain) {
  constexpr int kOwnLayerBit = 0x40;
  if ((node.att.nPenStyle & kOwnLayerBit) != 0) return -1;
  return parentChain >= 0 ? parentChain : LayerIndex(node.att);
}

}  // namespace

void TJwwData::MakeBlockTree() {
  EntBlockTree.clear();
  EntBlockTreeN = 0;
  BlockTreeTruncated = false;
  for (TEntJwwBlockDef& def : EntBlockDef) {
    def.ref_flag = false;
    def.ref_no = -1;
  }
  if (EntBlockN == 0) return;

  const TDefinitionIndex index = IndexDefinitions(EntBlockDef);
  TTreeBudget budget(BlockTreeMaxWork);
  EntBlockTree.reserve(EntBlock.size());
  for (const TEntJwwBlock& insert : EntBlock) {
    TEntJwwBlockTree node;
    node.att = insert.att;
    node.level = 0;
    node.parent = -1;
    node.no = insert.nNumber;
    node.x = insert.DPKijunTen_x;
    node.y = insert.DPKijunTen_y;
    const TLinear m = InsertLinear(insert);
    node.r1 = m.a;
    node.r2 = m.b;
    node.r3 = m.c;
    node.r4 = m.d;
    node.chainLayer = BlockChainLayer(node, -1);
    AttachDefinition(node, EntBlockDef, index);
    if (!AppendNode(std::move(node), EntBlockTree, EntBlockDef, budget)) break;
  }

  // Expand breadth first while appending. A definition that inserts itself, or a deep fan of
  // inserts, stops at the depth and budget limits; what was built is kept.
  for (size_t k = 0; k < EntBlockTree.size() && !budget.Cut(); ++k) {
    if (EntBlockTree[k].defno < 0) continue;
    const TEntJwwBlockDef& def = EntBlockDef[static_cast<size_t>(EntBlockTree[k].defno)];
    if (def.mBlockN <= 0) continue;
    if (EntBlockTree[k].level >= kBlockTreeMaxLevel) {
      BlockTreeTruncated = true;
      continue;
    }
    const TPlacement parent{EntBlockTree[k]};  // copied: the vector grows below
    const size_t members = std::min(static_cast<size_t>(def.mBlockN), def.mBlock.size());
    for (size_t l = 0; l < members; ++l) {
      const TEntJwwBlock& member = def.mBlock[l];
      const TLinear m = InsertLinear(member);
      TEntJwwBlockTree node;
      node.att = def.att;
      node.level = parent.level + 1;
      node.parent = static_cast<int32_t>(k);
      node.no = member.nNumber;
      const double px = member.DPKijunTen_x;
      const double py = member.DPKijunTen_y;
      node.x = parent.x + parent.r1 * px + parent.r2 * py;
      node.y = parent.y + parent.r3 * px + parent.r4 * py;
      node.r1 = parent.r1 * m.a + parent.r2 * m.c;
      node.r2 = parent.r1 * m.b + parent.r2 * m.d;
      node.r3 = parent.r3 * m.a + parent.r4 * m.c;
      node.r4 = parent.r3 * m.b + parent.r4 * m.d;
      node.chainLayer = BlockChainLayer(node, parent.chainLayer);
      AttachDefinition(node, EntBlockDef, index);
      if (!AppendNode(std::move(node), EntBlockTree, EntBlockDef, budget)) break;
    }
  }
  BlockTreeTruncated = BlockTreeTruncated || budget.Cut();
  EntBlockTreeN = static_cast<int32_t>(EntBlockTree.size());

  int32_t referenced = 0;
  for (TEntJwwBlockDef& def : EntBlockDef) {
    if (def.ref_flag) def.ref_no = referenced++;
  }
  EntBlockNum = referenced;
}

}  // namespace tavolex
