#include "app/JwwPrintDocument.h"

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"

namespace tavolex {

bool JwwPrintDocument::FileCheck(const std::u16string& FName) {
  return TJwwData::FileCheck(PathFromStr(FName));
}

void JwwPrintDocument::JwwDataFree() {
  tavolex::JwwDataFree(jww_);
}

void JwwPrintDocument::FileIn(const std::u16string& FName) {
  loadComplete_ = jww_.FileIn(PathFromStr(FName));
  if (jww_.BlockTreeTruncated && OnBlockTreeCut) OnBlockTreeCut(FName);
}

void JwwPrintDocument::BindImageExplode() {
  jww_.BindImageExplode();
}
void JwwPrintDocument::FileColorSet() {
  jww_.FileColorSet();
}
void JwwPrintDocument::FileLtypeSet() {
  jww_.FileLtypeSet();
}
void JwwPrintDocument::SetGAttLayer() {
  jww_.SetGAttLayer();
}

void JwwPrintDocument::GetMinMaxZahyo(double& minX, double& minY, double& maxX, double& maxY) {
  jww_.GetMinMaxZahyo();
  minX = jww_.myMinWx;
  minY = jww_.myMinWy;
  maxX = jww_.myMaxWx;
  maxY = jww_.myMaxWy;
}

int JwwPrintDocument::GroupState(int group) const {
  if (group < 0 || group >= static_cast<int>(jww_.EntLgrp.size())) return 2;
  return jww_.EntLgrp[group].anGLay;
}

int JwwPrintDocument::LayerState(int n) const {
  if (n < 0 || n >= static_cast<int>(jww_.EntLay.size())) return 2;
  return jww_.EntLay[n].aanLay;
}

uint32_t JwwPrintDocument::DisplayOnlyPrintColor() const {
  if (jww_.EntCol.size() < 10) return 0x808080;
  return static_cast<uint32_t>(jww_.EntCol[9].aPrtPenColor) & 0xFFFFFF;
}

TPrintHeader JwwPrintDocument::PrintHeader() const {
  TPrintHeader h;
  h.dPrtBairitsu = jww_.Enthd.dPrtBairitsu;
  h.DPPrtGenten_x = jww_.Enthd.DPPrtGenten_x;
  h.DPPrtGenten_y = jww_.Enthd.DPPrtGenten_y;
  h.nPrtSet = jww_.Enthd.nPrtSet;
  return h;
}

long long JwwPrintDocument::CountElements(int group, int layer) const {
  int n1, n2, n3, n4, n5, n6, n7, n8, n1a, n2a, n3a, n4a, n5a, n6a, n7a;
  jww_.GetElementNum(group, layer, n1, n2, n3, n4, n5, n6, n7, n8, n1a, n2a, n3a, n4a, n5a, n6a,
                     n7a);
  // Temporary points do not print, so they do not make a page.
  return static_cast<long long>(n1) + n2 + n3 + n5 + n6 + n7 + n8 + n1a + n2a + n3a + n5a + n6a +
         n7a;
}

namespace {

// The engine of one drawing pass; it never outlives the pass.
class PageEngine {
 public:
  explicit PageEngine(Canvas& canvas) {
    delete GGraph;
    GGraph = new TGraph1(&canvas);
    GGraph->G_Start();
  }
  ~PageEngine() {
    GGraph->G_End();
    delete GGraph;
    GGraph = nullptr;
  }
  PageEngine(const PageEngine&) = delete;
  PageEngine& operator=(const PageEngine&) = delete;
};

}  // namespace

void JwwPrintDocument::DrawPage(Canvas& canvas, int order, int lay1, double rot) {
  PageEngine engine(canvas);
  jww_.GLDrawALL3(order, lay1, -1, true, true, false, rot);
}

}  // namespace tavolex
