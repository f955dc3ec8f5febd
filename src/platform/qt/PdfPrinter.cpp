#include <QFile>
#include <QPdfWriter>

#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtPath.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {

PdfPrinter::PdfPrinter(const std::filesystem::path& target, bool targetIsFolder,
                       const QtPaperOptions& options)
    : PaperSheetPrinter(options), target_(target), folder_(targetIsFolder) {}

PdfPrinter::~PdfPrinter() {
  CloseWriter();
}

bool PdfPrinter::OpenWriter(const std::filesystem::path& file, const std::u16string& title) {
  writer_ = std::make_unique<QPdfWriter>(QtPathText(file));
  writer_->setResolution(options_.dpi);
  writer_->setPageLayout(PageLayout());
  writer_->setTitle(QString::fromStdU16String(title));
  writer_->setCreator(QStringLiteral("Tavolex"));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get())) {
    painter_.reset();
    writer_.reset();
    return false;
  }
  canvas_ = std::make_unique<QPainterCanvas>(painter_.get());
  return true;
}

bool PdfPrinter::CloseWriter() {
  bool ok = true;
  canvas_.reset();
  if (painter_) ok = painter_->end();
  painter_.reset();
  writer_.reset();
  return ok;
}

bool PdfPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  if (folder_) {
    const std::u16string key = FileNameFromTitle(title);
    const std::filesystem::path file = files_.UniqueFile(target_, key, u".pdf");
    if (!OpenWriter(file, title)) return false;
    files_.Written(file, key);
  } else if (!painter_) {
    if (!OpenWriter(target_, title)) return false;
    files_.Written(target_, FileNameFromTitle(title));
  } else if (pageUsed_) {
    if (!(writer_->setPageLayout(PageLayout()) && writer_->newPage())) return false;
    canvas_->ForgetPictures();
  }
  documentOpen_ = true;
  pageUsed_ = true;
  return true;
}

bool PdfPrinter::PrnNewPage() {
  if (!documentOpen_ || !writer_ || !writer_->setPageLayout(PageLayout()) || !writer_->newPage())
    return false;
  canvas_->ForgetPictures();
  return true;
}

QPageLayout PdfPrinter::PageLayout() const {
  return QPageLayout(QPageSize(paper_), options_.orientation, QMarginsF(0, 0, 0, 0));
}

bool PdfPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  // The one file of the run stays open for the next document.
  return folder_ ? CloseWriter() : true;
}

Canvas* PdfPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

bool PdfPrinter::PrnFinish() {
  documentOpen_ = false;
  return CloseWriter();
}

}  // namespace tavolex
