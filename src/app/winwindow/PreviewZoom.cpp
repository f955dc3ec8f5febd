#include "app/winwindow/PreviewZoom.h"

#include <algorithm>
#include <cmath>

namespace tavolex {

namespace {

constexpr double kSmallest = 0.05;  // of the real size
constexpr double kLargest = 4.0;
constexpr double kStep = 1.25;
constexpr double kTiny = 1e-4;  // the least scale of a sheet with no real size

}  // namespace

double FitPageScale(int sheetWidth, int sheetHeight, int viewWidth, int viewHeight, int margin) {
  if (sheetWidth <= 0 || sheetHeight <= 0) return 1.0;
  const double across = static_cast<double>(viewWidth - 2 * margin) / sheetWidth;
  const double down = static_cast<double>(viewHeight - 2 * margin) / sheetHeight;
  return std::max(std::min(across, down), kTiny);
}

double FitWidthScale(int sheetWidth, int viewWidth, int margin) {
  if (sheetWidth <= 0) return 1.0;
  return std::max(static_cast<double>(viewWidth - 2 * margin) / sheetWidth, kTiny);
}

double ClampZoom(double scale, double realSize) {
  if (!(realSize > 0.0) || !std::isfinite(realSize)) realSize = 1.0;
  if (!std::isfinite(scale)) scale = realSize;
  return std::clamp(scale, realSize * kSmallest, realSize * kLargest);
}

double StepZoom(double scale, bool in, double realSize) {
  return ClampZoom(in ? scale * kStep : scale / kStep, realSize);
}

TViewAxis LayOutAxis(int shownLength, int viewLength, int margin, int scroll) {
  TViewAxis axis;
  axis.content = std::max(shownLength, 0) + 2 * margin;
  if (axis.content <= viewLength) {
    axis.origin = (viewLength - shownLength) / 2;
    return axis;
  }
  axis.scroll = std::clamp(scroll, 0, axis.content - viewLength);
  axis.origin = margin - axis.scroll;
  return axis;
}

int ScrollKeeping(int origin, int at, int margin, double from, double to) {
  if (!(from > 0.0)) return margin - origin;
  const double sheetPoint = (at - origin) / from;
  const double kept = margin + sheetPoint * to - at;
  return static_cast<int>(std::lround(std::clamp(kept, -1e9, 1e9)));
}

}  // namespace tavolex
