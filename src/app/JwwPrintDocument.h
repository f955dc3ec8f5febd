// The print run's view of the program's one TJwwData: loading, attribute transfer, extents,
// counts and drawing through a fresh engine per pass.
#pragma once

#include <functional>
#include <string>

#include "app/PrintDriver.h"
#include "jww/JwwUnit.h"

namespace tavolex {

class JwwPrintDocument : public TPrintDocument {
 public:
  explicit JwwPrintDocument(TJwwData& jww) : jww_(jww) {}

  bool FileCheck(const std::u16string& FName) override;
  void JwwDataFree() override;
  void FileIn(const std::u16string& FName) override;
  void BindImageExplode() override;
  void FileColorSet() override;
  void FileLtypeSet() override;
  void SetGAttLayer() override;
  void GetMinMaxZahyo(double& minX, double& minY, double& maxX, double& maxY) override;
  int GroupState(int group) const override;
  int LayerState(int n) const override;
  uint32_t DisplayOnlyPrintColor() const override;
  TPrintHeader PrintHeader() const override;
  long long CountElements(int group, int layer) const override;
  void DrawPage(Canvas& canvas, int order, int lay1, double rot) override;

  // Whether the last FileIn read the whole file; a damaged drawing holds only what was read.
  bool LoadComplete() const { return loadComplete_; }

  // Called after a load whose block inserts expand beyond what is measured and drawn.
  std::function<void(const std::u16string& FName)> OnBlockTreeCut;

 private:
  TJwwData& jww_;
  bool loadComplete_ = false;
};

// Releases a loaded drawing: its unpacked image files, then its data.
void JwwDataFree(TJwwData& JW);

}  // namespace tavolex
