#include "platform/qt/PreviewPrinter.h"

#include <QPrinter>

#include "platform/qt/QPainterCanvas.h"

namespace tavolex {

PreviewPrinter::PreviewPrinter(QPrinter* printer) : printer_(printer) {
  device_ = printer;
}

PreviewPrinter::~PreviewPrinter() {
  PrnFinish();
}

std::u16string PreviewPrinter::PrnName() const {
  const QString name = printer_->printerName();
  return name.isEmpty() ? std::u16string(kDefaultPrinterName) : name.toStdU16String();
}

bool PreviewPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  if (!painter_) {
    printer_->setDocName(QString::fromStdU16String(title));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
      painter_.reset();
      return false;
    }
    canvas_ = std::make_unique<QPainterCanvas>(painter_.get());
  } else if (!printer_->newPage()) {
    return false;
  }
  documentOpen_ = true;
  return true;
}

bool PreviewPrinter::PrnNewPage() {
  return documentOpen_ && printer_->newPage();
}

bool PreviewPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return true;
}

Canvas* PreviewPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

bool PreviewPrinter::PrnFinish() {
  documentOpen_ = false;
  canvas_.reset();
  if (!painter_) return true;
  const bool ok = painter_->end();
  painter_.reset();
  return ok;
}

}  // namespace tavolex
