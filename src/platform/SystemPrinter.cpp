#include <QPrinter>
#include <QPrinterInfo>

#include "platform/QPainterCanvas.h"
#include "platform/QtPrinters.h"

namespace tavolex {

QStringList SystemPrinterNames() {
  return QPrinterInfo::availablePrinterNames();
}

SystemPrinter::SystemPrinter(const QString& name) {
  const QPrinterInfo info =
      name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  valid_ = !info.isNull();
  printer_ = valid_ ? std::make_unique<QPrinter>(info, QPrinter::HighResolution)
                    : std::make_unique<QPrinter>(QPrinter::HighResolution);
  device_ = printer_.get();
}

SystemPrinter::~SystemPrinter() {
  canvas_.reset();
  if (painter_) painter_->end();
}

std::u16string SystemPrinter::PrnName() const {
  if (!valid_) return kDefaultPrinterName;
  return printer_->printerName().toStdU16String();
}

int QPrinterDevice::PrnDpiX() const {
  return device_->logicalDpiX();
}
int QPrinterDevice::PrnDpiY() const {
  return device_->logicalDpiY();
}

int QPrinterDevice::PaperWidthPx() const {
  return static_cast<int>(device_->paperRect(QPrinter::DevicePixel).width());
}
int QPrinterDevice::PaperHeightPx() const {
  return static_cast<int>(device_->paperRect(QPrinter::DevicePixel).height());
}
int QPrinterDevice::PageWidthPx() const {
  return static_cast<int>(device_->pageRect(QPrinter::DevicePixel).width());
}
int QPrinterDevice::PageHeightPx() const {
  return static_cast<int>(device_->pageRect(QPrinter::DevicePixel).height());
}

bool SystemPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_ || !valid_) return false;
  printer_->setDocName(QString::fromStdU16String(title));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    return false;
  }
  canvas_ = std::make_unique<QPainterCanvas>(painter_.get());
  documentOpen_ = true;
  return true;
}

bool SystemPrinter::PrnNewPage() {
  if (!documentOpen_ || !printer_->newPage()) return false;
  canvas_->ForgetPictures();
  return true;
}

bool SystemPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  canvas_.reset();
  const bool ok = painter_->end();
  painter_.reset();
  return ok;
}

Canvas* SystemPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

}  // namespace tavolex
