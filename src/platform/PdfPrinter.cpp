#include <QFile>
#include <QPdfWriter>

#include "platform/QPainterCanvas.h"
#include "platform/QtPath.h"
#include "platform/QtPrinters.h"

namespace tavolex {

QString UniqueFileName(std::map<QString, int>& used, const QString& base, const QString& ext) {
  const int n = ++used[base];
  return n == 1 ? base + ext : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(ext);
}

PdfPrinter::PdfPrinter(const std::filesystem::path& target, bool targetIsFolder,
                       const TPaperOptions& options)
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
  files_.push_back(file);
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
    const QString key = FileNameFromTitle(title);
    const QString name = UniqueFileName(usedNames_, key, QStringLiteral(".pdf"));
    if (!OpenWriter(target_ / PathFromQtText(name), title)) return false;
    keys_.push_back(key);
  } else if (!painter_) {
    if (!OpenWriter(target_, title)) return false;
    keys_.push_back(FileNameFromTitle(title));
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

bool PdfPrinter::Finish() {
  documentOpen_ = false;
  return CloseWriter();
}

}  // namespace tavolex
