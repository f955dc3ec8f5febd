// The arithmetic of the print preview's view: how large a sheet is shown, where it lies in the
// view and how far the view can scroll. Sizes are in pixels of the screen unless they say
// sheet.
#pragma once

namespace tavolex {

enum class TZoomFit { Page, Width, Free };

// Screen pixels per sheet pixel that show the whole sheet, or its width, inside the view with
// margin all round; never below the smallest zoom.
double FitPageScale(int sheetWidth, int sheetHeight, int viewWidth, int viewHeight, int margin);
double FitWidthScale(int sheetWidth, int viewWidth, int margin);

// The zoom limits: a twentieth of the real size up to four times it (realSize is the scale at
// which the sheet shows as large as the paper).
double ClampZoom(double scale, double realSize);
// One step in or out, within the limits.
double StepZoom(double scale, bool in, double realSize);

// One axis of the view: the sheet shown shownLength long in a view viewLength long, with a
// margin on both sides. A sheet smaller than the view is centred and does not scroll.
struct TViewAxis {
  int content = 0;  // the scrolled length: the sheet and its margins
  int scroll = 0;   // the scroll position, within 0 .. content - view
  int origin = 0;   // where the sheet begins in the view
};
TViewAxis LayOutAxis(int shownLength, int viewLength, int margin, int scroll);

// The scroll position after a zoom from one scale to another that keeps the sheet point under
// the view position at in its place; origin is where the sheet began before the zoom.
int ScrollKeeping(int origin, int at, int margin, double from, double to);

}  // namespace tavolex
