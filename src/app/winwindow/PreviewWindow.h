// The print preview: the pages of the listed drawings as they will print, before printing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/PrintDriver.h"
#include "app/UnitPrint.h"
#include "app/winwindow/PreviewZoom.h"
#include "app/winwindow/WinControls.h"
#include "platform/win/PreviewPagePrinter.h"
#include "platform/win/WinHeaders.h"

namespace tavolex {

inline constexpr char16_t kPreviewTitle[] = u"印刷プレビュー";

// The signed coordinates of a mouse message (the system's macros for them come with others that
// clash with the canvas's names).
inline int PointX(LPARAM lParam) {
  return static_cast<short>(LOWORD(lParam));
}
inline int PointY(LPARAM lParam) {
  return static_cast<short>(HIWORD(lParam));
}

// Shows the pages of the listed drawings as they will print, before printing. The main window
// fills it from the printer its run would use, e.g.
//   TPreviewRequest request{PreviewSheetOf(printer), printer.PrnName(),
//                           [&](TPrinter& p) { return flows.PrintListTo(p); },
//                           [&] { flows.PrintRun(openPrinter); }};
//   ShowPreview(window, request);
struct TPreviewRequest {
  // The sheet of the selected printer: paper and printable page in device pixels, where the page
  // lies on the paper, and its dpi (PreviewSheetOf the TPrinter the run would use).
  TPreviewSheet sheet;
  // The printer's name, as the run's printer gives it.
  std::u16string printerName;
  // Draws the run onto the printer given (the form calls TFormFlows::PrintListTo).
  std::function<TPrintRunResult(TPrinter&)> printTo;
  // "印刷" in the preview: the form's normal print run.
  std::function<void()> printAll;
};

// Modal: the owner is disabled while the preview is open. The pages are recorded from the list
// and settings as they are when the preview opens, and "印刷" prints exactly those; a main
// window that could change the list meanwhile would show one thing and print another.
void ShowPreview(HWND owner, const TPreviewRequest& request);

// The preview window itself. It records the run's pages when made and is created hidden;
// ShowPreview shows it and runs it.
class TPreviewWindow {
 public:
  TPreviewWindow(HWND owner, const TPreviewRequest& request);
  ~TPreviewWindow();
  TPreviewWindow(const TPreviewWindow&) = delete;
  TPreviewWindow& operator=(const TPreviewWindow&) = delete;

  HWND Handle() const { return window_; }
  const TPrintRunResult& RunResult() const { return result_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The page shown, from 0; -1 when the run gave none.
  int PageIndex() const { return page_; }
  // What the page number shows ("n / N").
  std::u16string PageLabel() const;

  void ShowPage(int index);  // kept within the pages
  void NextPage() { ShowPage(page_ + 1); }
  void PreviousPage() { ShowPage(page_ - 1); }
  void SetFit(TZoomFit fit);
  void Zoom(bool in);
  void ShowRealSize();

  // Keys that work wherever the focus is in the window: page, scroll, zoom, Esc. True when the
  // message was one of them and is handled.
  bool HandleKey(const MSG& message);
  // Shows the window and runs it until it closes, its owner disabled meanwhile.
  void RunModal();
  void Close();
  bool Closed() const { return window_ == nullptr; }
  // "印刷" was pressed.
  bool PrintChosen() const { return printChosen_; }

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnFrame(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnView(UINT message, WPARAM wParam, LPARAM lParam);

  void MakeControls();
  void LayOut();
  void UseDpi(int dpi);
  void OnCommand(int id);
  void UpdateLabels();

  // The view (in PreviewView.cpp).
  void Paint(HDC dc);
  void PaintSheet(HDC dc, const RECT& sheet);
  void Refit();
  void UpdateScrollBars();
  void ScrollTo(int x, int y);
  void OnScroll(int bar, int request);
  void OnWheel(int delta, bool ctrl, POINT at);
  void ZoomAround(double scale, POINT at);
  double RealSizeScale() const;
  SIZE ViewSize() const;
  SIZE ShownSheet() const;
  RECT SheetRect() const;

  HWND owner_;
  HWND window_ = nullptr;
  HWND view_ = nullptr;
  std::vector<HWND> buttons_;
  HWND pageLabel_ = nullptr;
  HWND statusBar_ = nullptr;  // the page's title, number and paper
  HFONT font_ = nullptr;
  TLayoutScale scale_;

  std::vector<TPreviewPage> pages_;
  TPrintRunResult result_;
  int page_ = -1;
  TPreviewImage shown_;    // the unpacked sheet of the page shown
  TPreviewImage reduced_;  // it made smaller for a zoom below one half
  int reducedBy_ = 1;
  TZoomFit fit_ = TZoomFit::Page;
  double zoom_ = 1.0;
  int scrollX_ = 0;
  int scrollY_ = 0;
  POINT dragFrom_{};  // where a drag of the sheet was last
  bool printChosen_ = false;
  bool ownerDisabled_ = false;
};

}  // namespace tavolex
