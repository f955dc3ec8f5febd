// The printer, the print run started from the window and the print preview.
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

#include "app/FileListRules.h"
#include "app/JwwPrintDocument.h"
#include "app/PrintDriver.h"
#include "app/RunPrinterChoice.h"
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "common/Func_2.h"
#include "platform/qt/PreviewPrinter.h"

namespace tavolex {

namespace {

// The sheet of the PDF printer: its paper and orientation, the whole sheet printable.
QPageLayout PdfLayout(const QtPaperOptions& paper) {
  return QPageLayout(QPageSize(paper.paper), paper.orientation, QMarginsF(0, 0, 0, 0));
}

// A printer laid out as the PDF printer prints, at its resolution.
void LayOutAsPdf(QPrinter& printer, const QtPaperOptions& paper) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(paper.dpi);
  printer.setFullPage(true);
  printer.setPageLayout(PdfLayout(paper));
}

// "Print to file" chosen in the printer dialog.
bool PrintsToFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// The file of "print to file" as the PDF printer, so that the documents of a run follow one
// another in it instead of each one writing over the last.
std::unique_ptr<PdfPrinter> FilePrinterOf(const QPrinter& printer) {
  QtPaperOptions paper;
  const QPageSize::PageSizeId id = printer.pageLayout().pageSize().id();
  if (id != QPageSize::Custom) paper.paper = id;
  paper.orientation = printer.pageLayout().orientation();
  paper.dpi = printer.resolution();
  const std::filesystem::path file(printer.outputFileName().toStdU16String());
  return std::make_unique<PdfPrinter>(file, false, paper);
}

}  // namespace

TPaperMm PaperMmOf(const QPageLayout& layout) {
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QRectF page = layout.paintRect(QPageLayout::Millimeter);
  return {paper.width(), paper.height(), page.width(), page.height()};
}

void TForm1::ShowPrinterInfo() {
  std::u16string info;
  if (HasSystemPrinter()) {
    info = PrinterInfoText(systemPrinter_->PrnName(),
                           PaperMmOf(systemPrinter_->Printer()->pageLayout()));
  } else {
    info = PrinterInfoText(std::u16string(kDefaultPrinterName) + kPdfOutputNote,
                           PaperMmOf(PdfLayout(pdfOutput_.paper)));
  }
  // The label breaks lines at LF; the line keeps its CR LF elsewhere.
  LabelA1->setText(QString::fromStdU16String(info).replace(QStringLiteral("\r\n"), "\n"));
}

void TForm1::Button3Click() {
  bool accepted = false;
  if (HasSystemPrinter()) {
    QPrintDialog dialog(systemPrinter_->Printer(), this);
    accepted = dialog.exec() == QDialog::Accepted;
  } else {
    QPrinter printer(QPrinter::HighResolution);
    LayOutAsPdf(printer, pdfOutput_.paper);
    QPageSetupDialog dialog(&printer, this);
    accepted = dialog.exec() == QDialog::Accepted;
    const QPageSize::PageSizeId id = printer.pageLayout().pageSize().id();
    if (accepted && id != QPageSize::Custom) {
      pdfOutput_.paper.paper = id;
      pdfOutput_.paper.orientation = printer.pageLayout().orientation();
      SavePdfOutput(pdfOutput_);
    }
  }
  if (!accepted) return;
  ShowPrinterInfo();
  FormToSettings();
}

std::unique_ptr<PdfPrinter> TForm1::AskPdfPrinter() {
  QFileDialog dialog(this, QStringLiteral("PDFファイルの保存先"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDirectory(DialogFolder(pdfOutput_.folder.toStdU16String()));
  dialog.selectFile(QStringLiteral("Tavolex 印刷.pdf"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setNameFilter(QStringLiteral("PDF(*.pdf)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
  const QString chosen = dialog.selectedFiles().constFirst();
  pdfOutput_.folder = QString::fromStdU16String(FolderOf(UStr(chosen)));
  SavePdfOutput(pdfOutput_);
  return std::make_unique<PdfPrinter>(PathFromStr(UStr(chosen)), false, pdfOutput_.paper);
}

bool TForm1::EscForTheRun(QObject* watched) const {
  // Only a press that reaches this window while nothing modal or popped up lies over it: a
  // question or a dialog opened meanwhile answers Esc itself and must not cut the run short.
  if (!flows_->Running() || QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr || !watched->isWidgetType())
    return false;
  return static_cast<QWidget*>(watched)->window() == this;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && EscForTheRun(watched)) {
    escPressed_ = true;
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::SetRunControlsEnabled(bool enabled) {
  // The run keeps to the list it started with, so nothing may change the list, the settings or
  // the printer meanwhile; the imports would also read into the document being printed and
  // change the pens and line types of the drawings still to come.
  for (QPushButton* b : {Button12, Button20, Button14, Button15, Button16, Button1, Button2,
                         Button17, Button18, Button19, Button3, PenTab->Button8, PenTab->Button9,
                         LtypeTab->Button10, LtypeTab->Button11})
    b->setEnabled(enabled);
}

void TForm1::Button12Click() {
  PrintRun();
}

void TForm1::PrintRun() {
  // The printer lives as long as the run; a PDF file is the window's own.
  std::unique_ptr<PdfPrinter> pdf;
  flows_->PrintRun([this, &pdf]() -> TPrinter* {
    switch (ChooseRunPrinter(bool(RunPrinterOverride), HasSystemPrinter(),
                             HasSystemPrinter() && PrintsToFile(*systemPrinter_->Printer()))) {
      case TRunPrinter::Override:
        return RunPrinterOverride();
      case TRunPrinter::PrintToFile:
        pdf = FilePrinterOf(*systemPrinter_->Printer());
        return pdf.get();
      case TRunPrinter::SystemPrinter:
        return systemPrinter_.get();
      case TRunPrinter::AskPdfFile:
        pdf = AskPdfPrinter();
        return pdf.get();
    }
    return nullptr;
  });
  if (closeAfterRun_) close();
}

void TForm1::Button20Click() {
  if (flows_->ListReady()) PreviewDialog()->open();
}

QPrintPreviewDialog* TForm1::PreviewDialog() {
  FormToSettings();
  QPrinter* printer = nullptr;
  if (HasSystemPrinter()) {
    printer = systemPrinter_->Printer();
  } else {
    previewLayout_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    LayOutAsPdf(*previewLayout_, pdfOutput_.paper);
    printer = previewLayout_.get();
  }
  auto* dialog = new QPrintPreviewDialog(printer, this);
  dialog->setObjectName(QStringLiteral("PreviewDialog1"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("印刷プレビュー"));
  dialog->resize(900, 700);
  connect(dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PaintPreview(target); });
  // Paper and orientation chosen in the preview are the printer's from then on.
  connect(dialog, &QDialog::finished, this, [this] { ShowPrinterInfo(); });
  return dialog;
}

void TForm1::PaintPreview(QPrinter* printer) {
  PreviewPrinter target(printer);
  flows_->PrintListTo(target);
}

}  // namespace tavolex
