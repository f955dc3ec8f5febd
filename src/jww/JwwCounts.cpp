// Counting the printable elements of a drawing by layer group and layer.
#include <algorithm>

#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

struct LayerFilter {
  int group;  // −1: every group
  int layer;  // −1: every layer
  bool Matches(int g, int l) const {
    return (group == -1 || g == group) && (layer == -1 || l == layer);
  }
  bool Matches(const TEntJwwAttr& att) const { return Matches(att.nGLayer, att.nLayer); }
};

template <typename T>
int Available(const std::vector<T>& v, int32_t n) {
  return static_cast<int>(std::min<size_t>(v.size(), n > 0 ? static_cast<size_t>(n) : 0));
}

// Adds 1 to count for every element of v that the test accepts.
template <typename T, typename Test>
void CountWhere(const std::vector<T>& v, int32_t n, int& count, Test test) {
  const int available = Available(v, n);
  for (int i = 0; i < available; ++i) {
    if (test(v[i])) ++count;
  }
}

// Points split into ordinary ones and temporary ones.
template <typename Test>
void CountPoints(const std::vector<TEntJwwTen>& v, int32_t n, int& ordinary, int& temporary,
                 Test test) {
  const int available = Available(v, n);
  for (int i = 0; i < available; ++i) {
    if (!test(v[i])) continue;
    if (v[i].bKariten == 1) {
      ++temporary;
    } else {
      ++ordinary;
    }
  }
}

}  // namespace

void TJwwData::GetElementNum(int lay1, int lay2, int& n1, int& n2, int& n3, int& n4, int& n5,
                             int& n6, int& n7, int& n8, int& n1a, int& n2a, int& n3a, int& n4a,
                             int& n5a, int& n6a, int& n7a) const {
  n1 = n2 = n3 = n4 = n5 = n6 = n7 = n8 = 0;
  n1a = n2a = n3a = n4a = n5a = n6a = n7a = 0;
  const LayerFilter filter{lay1, lay2};
  const auto own = [&filter](const auto& e) { return filter.Matches(e.att); };

  CountWhere(EntLine, EntLineN, n1, own);
  CountWhere(EntEnko, EntEnkoN, n2, own);
  CountPoints(EntTen, EntTenN, n3, n4, own);
  CountWhere(EntMoji, EntMojiN, n5, own);
  CountWhere(EntSunpo, EntSunpoN, n6, own);
  CountWhere(EntSolid, EntSolidN, n7, own);
  CountWhere(EntBlock, EntBlockN, n8, own);

  const int nodes = Available(EntBlockTree, EntBlockTreeN);
  const int defs = Available(EntBlockDef, EntBlockDefN);
  for (int i = 0; i < nodes; ++i) {
    const TEntJwwBlockTree& node = EntBlockTree[i];
    const int chain = node.chainLayer;
    if (node.defno < 0 || node.defno >= defs) continue;
    const TEntJwwBlockDef& d = EntBlockDef[node.defno];
    if (chain < 0) {
      CountWhere(d.mLine, d.mLineN, n1a, own);
      CountWhere(d.mEnko, d.mEnkoN, n2a, own);
      CountPoints(d.mTen, d.mTenN, n3a, n4a, own);
      CountWhere(d.mMoji, d.mMojiN, n5a, own);
      CountWhere(d.mSunpo, d.mSunpoN, n6a, own);
      CountWhere(d.mSolid, d.mSolidN, n7a, own);
      continue;
    }
    // Every element lies on the layer of the outermost insert of the chain.
    if (!filter.Matches(chain / 16, chain % 16)) continue;
    const auto all = [](const auto&) { return true; };
    CountWhere(d.mLine, d.mLineN, n1a, all);
    CountWhere(d.mEnko, d.mEnkoN, n2a, all);
    CountPoints(d.mTen, d.mTenN, n3a, n4a, all);
    CountWhere(d.mMoji, d.mMojiN, n5a, all);
    CountWhere(d.mSunpo, d.mSunpoN, n6a, all);
    CountWhere(d.mSolid, d.mSolidN, n7a, all);
  }
}

}  // namespace tavolex
