#include "app/UnitPrint.h"

#include <cmath>

namespace tavolex {

double PixelsToMm(int pixels, int dpi) {
  if (dpi <= 0) return 0.0;
  return std::trunc(static_cast<double>(pixels) * 2540.0 / dpi + 0.5) / 100.0;
}

double RoundMm(double mm) {
  if (!std::isfinite(mm)) return 0.0;
  return std::trunc(mm * 100.0 + 0.5) / 100.0;
}

double PrnPaperWmm(const TPrinter& p) {
  return PixelsToMm(p.PaperWidthPx(), p.PrnDpiX());
}
double PrnPaperHmm(const TPrinter& p) {
  return PixelsToMm(p.PaperHeightPx(), p.PrnDpiY());
}
double PrnPageWmm(const TPrinter& p) {
  return PixelsToMm(p.PageWidthPx(), p.PrnDpiX());
}
double PrnPageHmm(const TPrinter& p) {
  return PixelsToMm(p.PageHeightPx(), p.PrnDpiY());
}

}  // namespace tavolex
