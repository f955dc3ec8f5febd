// The print preview's printer: the run draws every page onto a sheet in memory at a modest
// resolution, as the selected printer would place it, and each finished page is kept packed
// until the preview shows it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/PaperSheets.h"
#include "app/UnitPrint.h"
#include "platform/win/GdiPage.h"

namespace tavolex {

// The sheet of a printer in its own device pixels: the paper, the printable page on it and where
// that page begins (the printer's unprintable margin at the left and the top).
struct TPreviewSheet {
  int dpiX = 600;
  int dpiY = 600;
  int paperWidth = 0;
  int paperHeight = 0;
  int pageLeft = 0;
  int pageTop = 0;
  int pageWidth = 0;
  int pageHeight = 0;
};

// The sheet of a printer as the run would use it. A spooler printer gives its real margins;
// other printers have their printable page centred on the paper.
TPreviewSheet PreviewSheetOf(const TPrinter& printer);
// The sheet of a file printer (PDF, PNG pages): all of it printable.
TPreviewSheet PreviewSheetOf(const TPaperOptions& paper);

// The same sheet's paper at another resolution (every length scaled and rounded; the printable
// page is kept inside the paper and at least one pixel large).
TPreviewSheet ScaleSheet(const TPreviewSheet& sheet, int dpi);

// The printer's sheet changed to an A-series paper (0 A0 .. 4 A4) in the printer's orientation,
// keeping its margins; other numbers give the printer's own sheet back.
TPreviewSheet ASeriesPreviewSheet(const TPreviewSheet& own, int aSeries);

// The resolution a sheet is recorded at: sharp enough to read a drawing at its real size, yet
// the long side of a large sheet stays within 3600 pixels (an A1 sheet at 108 dpi is 36 MB
// while it is drawn); never finer than the printer itself.
int PreviewDpi(const TPreviewSheet& sheet);

// One recorded page: its document's title and number in that document, and the sheet it was
// drawn on at the preview resolution, its printable page packed.
struct TPreviewPage {
  std::u16string title;
  int number = 1;
  TPreviewSheet sheet;
  std::vector<unsigned char> packed;
};

// Pixels as 0x00RRGGBB words, row after row.
struct TPreviewImage {
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;
  bool Empty() const { return pixels.empty(); }
};

// The whole sheet of a page: white paper with the printed page in its place. Empty when the
// page cannot be unpacked.
TPreviewImage UnpackSheet(const TPreviewPage& page);

// The image factor times smaller each way, every pixel the mean of those it covers, so a thin
// line shown small fades instead of vanishing between the rows a plain stretch keeps.
TPreviewImage ReduceImage(const TPreviewImage& image, int factor);

class PreviewPagePrinter : public TPrinter {
 public:
  // own: the sheet of the printer the run would print to, named name.
  PreviewPagePrinter(const std::u16string& name, const TPreviewSheet& own);

  const std::vector<TPreviewPage>& Pages() const { return pages_; }
  std::vector<TPreviewPage> TakePages() { return std::move(pages_); }
  // The bytes the packed pages hold.
  std::size_t PackedBytes() const;

  std::u16string PrnName() const override { return name_; }
  int PrnDpiX() const override { return sheet_.dpiX; }
  int PrnDpiY() const override { return sheet_.dpiY; }
  int PaperWidthPx() const override { return sheet_.paperWidth; }
  int PaperHeightPx() const override { return sheet_.paperHeight; }
  int PageWidthPx() const override { return sheet_.pageWidth; }
  int PageHeightPx() const override { return sheet_.pageHeight; }

  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  // As the printer does: the sheet of the next page begun, in the printer's orientation.
  bool UseSheet(int aSeries) override;
  std::u16string PrnRefusal() const override { return refusal_; }

 private:
  bool StartPage();
  bool KeepPage();

  std::u16string name_;
  TPreviewSheet own_;        // the printer's own sheet, in its pixels
  TPreviewSheet sheet_;      // the sheet of the next page, at the preview resolution
  GdiPage page_;             // the printable page being drawn
  TPreviewSheet pageSheet_;  // the sheet of the page being drawn
  std::vector<TPreviewPage> pages_;
  std::u16string title_;
  int pageNo_ = 0;
  bool documentOpen_ = false;
  std::u16string refusal_;
};

}  // namespace tavolex
