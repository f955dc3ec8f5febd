// The printers of the print run on Windows: the spooler's printers and PNG pages, both drawn
// with the GDI canvas.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/PrintPlatform.h"
#include "platform/win/GdiBitmap.h"
#include "platform/win/GdiCanvas.h"
#include "platform/win/GdiPage.h"
#include "platform/win/WinHeaders.h"

namespace tavolex {

// The spooler's printers in its order, and the one it prints to by default (empty: none).
std::vector<std::u16string> SpoolerPrinterNames();
std::u16string SpoolerDefaultPrinter();

// A printer of the spooler; with no name the default printer, with no printer at all the name
// "<標準プリンタ>" and no document can be begun.
class SpoolerPrinter : public TPrinter {
 public:
  // The sheet and orientation are set on the jobs when given; else the printer's own are used.
  SpoolerPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                 std::optional<TOrientation> orientation);
  // With the settings (a DEVMODE) the printer set-up dialog gave; the printer's own when they
  // are empty or not a whole DEVMODE.
  SpoolerPrinter(const std::u16string& name, const std::vector<BYTE>& settings);
  ~SpoolerPrinter() override;
  SpoolerPrinter(const SpoolerPrinter&) = delete;
  SpoolerPrinter& operator=(const SpoolerPrinter&) = delete;

  // Whether the printer exists and gave a device context.
  bool Valid() const { return dc_ != nullptr; }
  // The documents begun from now on are written to the file instead of the printer's port (a
  // PDF printer writes its PDF there); empty: to the printer as usual.
  void SetOutputFile(const std::filesystem::path& file) { output_ = file.wstring(); }

  std::u16string PrnName() const override;
  int PrnDpiX() const override { return Caps(LOGPIXELSX); }
  int PrnDpiY() const override { return Caps(LOGPIXELSY); }
  int PaperWidthPx() const override { return Caps(PHYSICALWIDTH); }
  int PaperHeightPx() const override { return Caps(PHYSICALHEIGHT); }
  // The printable page; the device's origin is its top-left corner, so drawing needs not its
  // offset on the sheet.
  int PageWidthPx() const override { return Caps(HORZRES); }
  int PageHeightPx() const override { return Caps(VERTRES); }
  // Where the printable page begins on the sheet (the unprintable margin at the left and top).
  int PageLeftPx() const { return Caps(PHYSICALOFFSETX); }
  int PageTopPx() const { return Caps(PHYSICALOFFSETY); }

  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool UseSheet(int aSeries) override;
  std::u16string PrnRefusal() const override { return refusal_; }

 private:
  int Caps(int index) const { return dc_ != nullptr ? GetDeviceCaps(dc_, index) : 0; }
  // The device context with the settings in ownSheet_.
  void Open();
  // Gives the context the sheet asked for; between pages only.
  bool ApplySheet();
  // Notes why the spooler failed, in its own words when it has them.
  void Refused(const char16_t* what);

  std::wstring name_;
  std::wstring output_;
  std::vector<BYTE> ownSheet_;  // the printer's settings with the run's sheet, if any
  std::vector<BYTE> sheet_;     // those with the sheet of the current drawing
  HDC dc_ = nullptr;
  std::unique_ptr<GdiCanvas> canvas_;
  std::u16string refusal_;
  bool documentOpen_ = false;
  bool sheetPending_ = false;
};

// The PDF printer that comes with Windows.
inline constexpr char16_t kPdfPrinterName[] = u"Microsoft Print to PDF";

// PDF through the system's PDF printer: with a file, every document of the run goes into it as
// one print job; with a folder, each document is a job of its own, written to a file named
// after its title.
class SpoolerPdfPrinter : public TFilePrinter {
 public:
  SpoolerPdfPrinter(const std::filesystem::path& target, bool targetIsFolder,
                    const TPaperOptions& paper);

  bool Valid() const { return printer_.Valid(); }

  std::u16string PrnName() const override { return printer_.PrnName(); }
  int PrnDpiX() const override { return printer_.PrnDpiX(); }
  int PrnDpiY() const override { return printer_.PrnDpiY(); }
  int PaperWidthPx() const override { return printer_.PaperWidthPx(); }
  int PaperHeightPx() const override { return printer_.PaperHeightPx(); }
  int PageWidthPx() const override { return printer_.PageWidthPx(); }
  int PageHeightPx() const override { return printer_.PageHeightPx(); }

  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool UseSheet(int aSeries) override { return printer_.UseSheet(aSeries); }
  bool PrnFinish() override;
  std::u16string PrnRefusal() const override { return printer_.PrnRefusal(); }
  const std::vector<WrittenFile>& FilesWritten() const override { return files_.Files(); }

 private:
  SpoolerPrinter printer_;
  std::filesystem::path target_;
  bool folder_;
  OutputFiles files_;
  WrittenFile job_;       // the file of the job in progress
  bool jobOpen_ = false;  // a print job is begun and not yet ended
  bool documentOpen_ = false;
};

// A sheet in memory on a bitmap: every document draws onto it, and it stays after it ends.
class BitmapImagePrinter : public TImagePrinter {
 public:
  BitmapImagePrinter(int width, int height, int dpi);

  std::u16string PrnName() const override { return u"PNG"; }
  int PrnDpiX() const override { return dpi_; }
  int PrnDpiY() const override { return dpi_; }
  int PaperWidthPx() const override { return bitmap_.Width(); }
  int PaperHeightPx() const override { return bitmap_.Height(); }
  int PageWidthPx() const override { return bitmap_.Width(); }
  int PageHeightPx() const override { return bitmap_.Height(); }

  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool SavePng(const std::filesystem::path& file) const override;

 private:
  GdiBitmap bitmap_;
  std::unique_ptr<GdiCanvas> canvas_;  // made after the bitmap, so it is gone before it
  int dpi_;
  bool documentOpen_ = false;
};

// PNG: every page becomes an image "<title>-<page>.png" in the folder, white paper; the whole
// sheet is printable.
class PngPagePrinter : public TFilePrinter {
 public:
  PngPagePrinter(const std::filesystem::path& folder, const TPaperOptions& paper);

  std::u16string PrnName() const override { return u"PNG"; }
  int PrnDpiX() const override { return paper_.dpi; }
  int PrnDpiY() const override { return paper_.dpi; }
  int PaperWidthPx() const override { return sheet_.width; }
  int PaperHeightPx() const override { return sheet_.height; }
  int PageWidthPx() const override { return sheet_.width; }
  int PageHeightPx() const override { return sheet_.height; }

  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool UseSheet(int aSeries) override;
  const std::vector<WrittenFile>& FilesWritten() const override { return files_.Files(); }

 private:
  bool StartPage();
  bool SavePage();

  std::filesystem::path folder_;
  TPaperOptions paper_;
  TSheetPixels sheet_;  // the sheet of the next page
  GdiPage page_;
  OutputFiles files_;
  std::u16string docName_;
  int pageNo_ = 0;
  bool documentOpen_ = false;
};

}  // namespace tavolex
