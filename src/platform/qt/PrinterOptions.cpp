#include "platform/qt/QtPrinters.h"

namespace tavolex {

QPageSize::PageSizeId QtSheetId(TSheetId sheet) {
  switch (sheet) {
    case TSheetId::A0: return QPageSize::A0;
    case TSheetId::A1: return QPageSize::A1;
    case TSheetId::A2: return QPageSize::A2;
    case TSheetId::A3: return QPageSize::A3;
    case TSheetId::A4: return QPageSize::A4;
    case TSheetId::A5: return QPageSize::A5;
    case TSheetId::A6: return QPageSize::A6;
    case TSheetId::B3: return QPageSize::JisB3;
    case TSheetId::B4: return QPageSize::JisB4;
    case TSheetId::B5: return QPageSize::JisB5;
    case TSheetId::Letter: return QPageSize::Letter;
    case TSheetId::Legal: return QPageSize::Legal;
    case TSheetId::Tabloid: return QPageSize::Tabloid;
  }
  return QPageSize::A3;
}

QPageLayout::Orientation QtOrientation(TOrientation orientation) {
  return orientation == TOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

QtPaperOptions QtPaperOf(const TPaperOptions& paper) {
  return {QtSheetId(paper.paper), QtOrientation(paper.orientation), paper.dpi};
}

QPageSize::PageSizeId ASeriesSheet(int aSeries, QPageSize::PageSizeId fallback) {
  return aSeries >= 0 && aSeries <= 4 ? QtSheetId(ASeriesSheet(aSeries, TSheetId::A3)) : fallback;
}

QSize SheetPixels(const QtPaperOptions& options) {
  return SheetPixels(options, options.paper);
}

QSize SheetPixels(const QtPaperOptions& options, QPageSize::PageSizeId paper) {
  QSize px = QPageSize(paper).sizePixels(options.dpi);
  if (options.orientation == QPageLayout::Landscape) px.transpose();
  return px;
}

PaperSheetPrinter::PaperSheetPrinter(const QtPaperOptions& options)
    : WholeSheetPrinter(SheetPixels(options), options.dpi),
      options_(options),
      paper_(options.paper) {}

bool PaperSheetPrinter::UseSheet(int aSeries) {
  paper_ = ASeriesSheet(aSeries, options_.paper);
  sheet_ = SheetPixels(options_, paper_);
  return true;
}

}  // namespace tavolex
