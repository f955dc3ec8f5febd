// The selected printer as the print run sees it: name, resolution, paper and printable size,
// documents and pages, and the canvas of the page being printed. The system printer, the PDF
// writer and the PNG pages implement it on the platform side; tests record it.
#pragma once

#include <string>

#include "graphics/Canvas.h"

namespace tavolex {

inline constexpr char16_t kDefaultPrinterName[] = u"<標準プリンタ>";

class TPrinter {
 public:
  virtual ~TPrinter() = default;

  // The name in the system's printer list; "<標準プリンタ>" when none is selected.
  virtual std::u16string PrnName() const = 0;
  virtual int PrnDpiX() const = 0;
  virtual int PrnDpiY() const = 0;
  // Physical sheet and printable page in device pixels.
  virtual int PaperWidthPx() const = 0;
  virtual int PaperHeightPx() const = 0;
  virtual int PageWidthPx() const = 0;
  virtual int PageHeightPx() const = 0;

  // Begins a printer document under the title; false when it cannot be begun.
  virtual bool PrnTitle(const std::u16string& title) = 0;
  // Starts a new page of the open document.
  virtual bool PrnNewPage() = 0;
  // Ends the document and hands it over (to the printer, or to its file).
  virtual bool PrnEndDoc() = 0;
  // The canvas of the current page; valid between PrnTitle and PrnEndDoc.
  virtual Canvas* PageCanvas() = 0;
  // The sheet of the pages begun from now on: an A-series size (0 A0 .. 4 A4) in the printer's
  // orientation, or -1 for the printer's own sheet. False when the printer cannot change it.
  virtual bool UseSheet(int aSeries) {
    (void)aSeries;
    return false;
  }

  // Ends what the printer made of the run: a file that takes every document is closed and
  // written. True when the output of every document was completed: its file written, its job
  // taken by the print system.
  virtual bool PrnFinish() { return true; }
  // Why the print system did not take the last document, in its own words; empty when it took it
  // or when no print system is involved.
  virtual std::u16string PrnRefusal() const { return {}; }
};

// Sizes in millimetres rounded to 0.01 mm from pixels at the printer's resolution.
double PixelsToMm(int pixels, int dpi);
double PrnPaperWmm(const TPrinter& p);
double PrnPaperHmm(const TPrinter& p);
double PrnPageWmm(const TPrinter& p);
double PrnPageHmm(const TPrinter& p);

}  // namespace tavolex
