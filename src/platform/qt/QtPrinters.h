// The printers of the print run on Qt: the system's printers (CUPS, the Windows spooler), PDF
// files, PNG pages and an image in memory.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/PrintPlatform.h"

class QPdfWriter;
class QPrinter;

namespace tavolex {

class QPainterCanvas;
struct PngPage;

// Sheet of the file printers: the whole sheet is printable. Any sheet Qt knows, as the window's
// page set-up gives them; a run's options name one of the program's sheets (QtPaperOf).
struct QtPaperOptions {
  QPageSize::PageSizeId paper = QPageSize::A3;
  QPageLayout::Orientation orientation = QPageLayout::Landscape;
  int dpi = 600;
};

QPageSize::PageSizeId QtSheetId(TSheetId sheet);
QPageLayout::Orientation QtOrientation(TOrientation orientation);
QtPaperOptions QtPaperOf(const TPaperOptions& paper);

// Sizes in pixels of a whole sheet at the options' resolution.
QSize SheetPixels(const QtPaperOptions& options);
QSize SheetPixels(const QtPaperOptions& options, QPageSize::PageSizeId paper);

// The A-series sheet 0..4 (A0..A4); -1 and other numbers give the fallback.
QPageSize::PageSizeId ASeriesSheet(int aSeries, QPageSize::PageSizeId fallback);

// A printer whose whole sheet is printable, at one resolution in both directions.
template <class Printer>
class WholeSheetPrinter : public Printer {
 public:
  int PrnDpiX() const override { return dpi_; }
  int PrnDpiY() const override { return dpi_; }
  int PaperWidthPx() const override { return sheet_.width(); }
  int PaperHeightPx() const override { return sheet_.height(); }
  int PageWidthPx() const override { return sheet_.width(); }
  int PageHeightPx() const override { return sheet_.height(); }

 protected:
  WholeSheetPrinter(const QSize& sheet, int dpi) : sheet_(sheet), dpi_(dpi) {}

  QSize sheet_;
  int dpi_;
};

// The file printers: the sheet of the paper options, or a drawing's own A-series sheet, and the
// files written in the run.
class PaperSheetPrinter : public WholeSheetPrinter<TFilePrinter> {
 public:
  bool UseSheet(int aSeries) override;
  const std::vector<WrittenFile>& FilesWritten() const override { return files_.Files(); }

 protected:
  explicit PaperSheetPrinter(const QtPaperOptions& options);

  QtPaperOptions options_;
  QPageSize::PageSizeId paper_;  // the sheet of the next page
  OutputFiles files_;
};

// PDF: with a file, every document of the run goes into that one file, page after page; with a
// folder, each document becomes a file named after its title, as a PDF printer driver does.
class PdfPrinter : public PaperSheetPrinter {
 public:
  PdfPrinter(const std::filesystem::path& target, bool targetIsFolder,
             const QtPaperOptions& options);
  ~PdfPrinter() override;

  std::u16string PrnName() const override { return u"PDF"; }
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  // Closes the one file of the run; false when it could not be written.
  bool PrnFinish() override;

 private:
  bool OpenWriter(const std::filesystem::path& file, const std::u16string& title);
  QPageLayout PageLayout() const;
  bool CloseWriter();

  std::filesystem::path target_;
  bool folder_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
  bool documentOpen_ = false;
  bool pageUsed_ = false;  // the one file already holds a page
};

// PNG: every page becomes an image "<title>-<page>.png" in the folder, white paper.
class PngPrinter : public PaperSheetPrinter {
 public:
  PngPrinter(const std::filesystem::path& folder, const QtPaperOptions& options);
  ~PngPrinter() override;

  std::u16string PrnName() const override { return u"PNG"; }
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;

 private:
  bool StartPage();
  bool SavePage();

  std::filesystem::path folder_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
  std::u16string docName_;
  int pageNo_ = 0;
  bool documentOpen_ = false;
};

// The pixels of an RGB32 image as the page writer takes them, with the image's resolution.
PngPage PngPageOf(const QImage& image);

// A sheet of a given pixel size in memory, white paper: each document draws onto the one image,
// which stays after the document ends (the thumbnail of a drawing).
class ImagePrinter : public WholeSheetPrinter<TImagePrinter> {
 public:
  ImagePrinter(const QSize& size, int dpi);
  ~ImagePrinter() override;

  std::u16string PrnName() const override { return u"PNG"; }
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool SavePng(const std::filesystem::path& file) const override;

  // The sheet: white until a page is drawn; null when the size could not be had.
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
};

// Resolution and sizes of a Qt printer device, for the printers that draw on one.
class QPrinterDevice : public TPrinter {
 public:
  int PrnDpiX() const override;
  int PrnDpiY() const override;
  int PaperWidthPx() const override;
  int PaperHeightPx() const override;
  int PageWidthPx() const override;
  int PageHeightPx() const override;

 protected:
  QPrinter* device_ = nullptr;
};

// A printer of the system's print system; with no name the default printer, with no printer at
// all the name "<標準プリンタ>".
class SystemPrinter : public QPrinterDevice {
 public:
  // The sheet and orientation are set on the job when given; else the queue's own are used.
  explicit SystemPrinter(const QString& name = QString(),
                         std::optional<QPageSize::PageSizeId> paper = std::nullopt,
                         std::optional<QPageLayout::Orientation> orientation = std::nullopt);
  ~SystemPrinter() override;

  // Whether the named printer exists (an empty name: whether any printer exists).
  bool Valid() const { return valid_; }
  // The underlying printer, for the set-up dialogs of the window.
  QPrinter* Printer() { return printer_.get(); }

  std::u16string PrnName() const override;
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool UseSheet(int aSeries) override;
  std::u16string PrnRefusal() const override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPageSize::PageSizeId paper_ = QPageSize::A4;
  std::string refusal_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
  bool valid_ = false;
  bool documentOpen_ = false;
};

// The names of the system's printers.
QStringList SystemPrinterNames();

}  // namespace tavolex
