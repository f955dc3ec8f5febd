// Feeds arbitrary bytes through the whole print path of one drawing: load, attribute transfer,
// extents, counts per layer group, and drawing in every order, on group pages, with and without
// display mode and with a turn, onto a canvas that keeps nothing. Any crash, sanitizer report,
// runaway allocation or hang is a fault. The block tree gets a smaller work budget than in the
// print run, so that one input stays fast; the budget logic is the same.
#include <cstdint>
#include <span>

#include "app/PrintDriver.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "support/NullCanvas.h"

namespace {

using namespace tavolex;

// Pretends every picture exists, so that the crop arithmetic of pictures runs too.
class DiscardingCanvas : public NullCanvas {
 public:
  bool PictureSize(const std::filesystem::path&, int& width, int& height) override {
    width = 64;
    height = 48;
    return true;
  }
};

// Enough for nested and self-inserting blocks to reach the budget within a few levels; a layer
// order walks the tree once per layer, so a larger budget only makes each input slow.
constexpr int64_t kFuzzBlockWork = 20000;
constexpr int kPageWidthPx = 1600;
constexpr int kPageHeightPx = 1100;

// Each order and each group page once: a layer order walks the drawing once per layer (256 times
// for all groups, 16 for one group page), so the reverse order is walked on one group page only,
// chosen by the input.
void DrawEveryWay(TJwwData& doc, TgraAttribute& att, Canvas& canvas, int reverseGroup) {
  TGraph1 graph(&canvas);
  GGraph = &graph;
  graph.G_Start();
  att.SetDisplayMode(true);
  doc.GLDrawALL3(0, -1, -1, true, true, false, 0.0);
  doc.GLDrawALL3(1, -1, -1, true, true, false, 0.0);
  att.SetDisplayMode(false);
  doc.GLDrawALL3(0, -1, -1, false, false, true, 0.7);
  att.SetDisplayMode(true);
  for (int group = 0; group < 16; ++group)
    doc.GLDrawALL3(0, group, -1, true, true, false, 0.0);
  doc.GLDrawALL3(2, reverseGroup, -1, true, true, false, 0.0);
  graph.G_End();
  GGraph = nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TJwwData* doc = [] {
    auto* d = new TJwwData();
    d->BindImageExp = false;  // never write files while fuzzing
    d->BindImageExr = true;
    d->BlockTreeMaxWork = kFuzzBlockWork;
    return d;
  }();
  TgraAttribute att;
  att.SetPrintMode(true, -1, -1, -1);
  GAtt = &att;
  doc->FileInBuffer(std::span<const uint8_t>(data, size), "fuzz.jww");
  doc->FileColorSet();
  doc->FileLtypeSet();
  doc->SetGAttLayer();
  doc->GetMinMaxZahyo();
  int n[15];
  for (int group = -1; group < 16; ++group) {
    doc->GetElementNum(group, -1, n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10],
                       n[11], n[12], n[13], n[14]);
  }
  UsePlacement(FitPlacement(doc->myMinWx, doc->myMinWy, doc->myMaxWx, doc->myMaxWy, kPageWidthPx,
                            kPageHeightPx));
  DiscardingCanvas canvas;
  DrawEveryWay(*doc, att, canvas, static_cast<int>(size % 16));
  GAtt = nullptr;
  return 0;
}
