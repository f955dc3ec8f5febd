// Pens from the attribute tables: colour by layer state and pen number, width in drawing
// millimetres turned into device pixels.
#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

uint32_t LayerPenColor(int lay, int col) {
  if (GAtt == nullptr) return kOpaqueBlack;
  uint32_t argb = 0;
  switch (GAtt->GetAttrLayerState(lay)) {
    case 2:
      argb = GAtt->GetGrayColor();
      break;
    case 3:
      argb = GAtt->GetBackColor();
      break;
    default:
      argb = GAtt->GetAttrColcol(col);
      break;
  }
  if (GAtt->GetAll1ColorState()) argb = GAtt->GetAll1Color();
  return argb;
}

// Pen width in pixels: 1 to 400; a width that is not a number gives 1.
int PenPixels(double wid) {
  if (GAtt == nullptr || !GAtt->GetDisplayMode()) return 1;
  double w = wid * ViewScale;
  if (!(w > 1.0)) {
    w = 1.0;
  } else if (w > 400.0) {
    w = 400.0;
  }
  return RoundDevice(w);
}

}  // namespace

void TGraph1::GLPenSet(int lay, int col, int typ, double wid) {
  (void)typ;  // every pen is solid; line types are walked by the patterned-line drawing
  GPenSet(ArgbToRgb(LayerPenColor(lay, col)), 0, PenPixels(wid));
}

void TGraph1::GLPenSet(int lay, int col, int typ, double wid, uint32_t dcol) {
  GLPenSet(lay, col, typ, wid);
  if (dcol == 0) return;
  const uint32_t rgb = ArgbToRgb(dcol);
  SetCanvasPen(rgb, PenWidth, PenSty);
  SetCanvasBrush(rgb, BrushSty);
  gpb = dcol;
}

}  // namespace tavolex
