#include <QPrinter>
#include <QPrinterInfo>

#include "common/Func_2.h"
#include "platform/qt/CupsQueue.h"
#include "platform/qt/QPainterCanvas.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {

QStringList SystemPrinterNames() {
  return QPrinterInfo::availablePrinterNames();
}

SystemPrinter::SystemPrinter(const QString& name, std::optional<QPageSize::PageSizeId> paper,
                             std::optional<QPageLayout::Orientation> orientation) {
  const QPrinterInfo info =
      name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  valid_ = !info.isNull();
  printer_ = valid_ ? std::make_unique<QPrinter>(info, QPrinter::HighResolution)
                    : std::make_unique<QPrinter>(QPrinter::HighResolution);
  device_ = printer_.get();
  if (paper) printer_->setPageSize(QPageSize(*paper));
  if (orientation) printer_->setPageOrientation(*orientation);
  paper_ = printer_->pageLayout().pageSize().id();  // the fallback of drawings' own sheets
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
  // A queue that will not print is a failed run, not a job handed into nowhere.
  refusal_ = QueueRefusal(printer_->printerName());
  if (!refusal_.empty()) return false;
  printer_->setDocName(QString::fromStdU16String(title));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    refusal_ = "the print job could not be begun";
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
  // Ending the painter hands the job to the print system; whether it was taken only the print
  // system can say.
  const bool ended = painter_->end();
  painter_.reset();
  refusal_ = LastJobRefusal();
  if (refusal_.empty() && (!ended || printer_->printerState() == QPrinter::Error))
    refusal_ = "the print job failed";
  return refusal_.empty();
}

Canvas* SystemPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

std::u16string SystemPrinter::PrnRefusal() const {
  return Utf8ToStr(refusal_);
}

bool SystemPrinter::UseSheet(int aSeries) {
  return printer_->setPageSize(QPageSize(ASeriesSheet(aSeries, paper_)));
}

}  // namespace tavolex
