// The print run onto a printer that Qt hands over, as the print preview does: every document
// of the run becomes further pages of the one preview (or of the job printed from it).
#pragma once

#include <QPainter>
#include <memory>

#include "platform/qt/QtPrinters.h"

namespace tavolex {

class PreviewPrinter : public QPrinterDevice {
 public:
  explicit PreviewPrinter(QPrinter* printer);
  ~PreviewPrinter() override;

  std::u16string PrnName() const override;
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  // Ends the painting; false when the printer refused it.
  bool PrnFinish() override;

 private:
  QPrinter* printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
  bool documentOpen_ = false;
};

}  // namespace tavolex
