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
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "platform/qt/PreviewPrinter.h"

namespace tavolex {

namespace {

// A printer laid out as the PDF printer prints: its paper, orientation and resolution, the
// whole sheet printable.
void LayOutAsPdf(QPrinter& printer, const QtPaperOptions& paper) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(paper.dpi);
  printer.setFullPage(true);
  printer.setPageLayout(
      QPageLayout(QPageSize(paper.paper), paper.orientation, QMarginsF(0, 0, 0, 0)));
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

void TForm1::ShowPrinterInfo() {
  std::u16string info;
  if (HasSystemPrinter()) {
    info = PrinterInfoText(systemPrinter_->PrnName(), *systemPrinter_);
  } else {
    const PdfPrinter sizes({}, false, pdfPaper_);
    info = PrinterInfoText(kDefaultPrinterName, sizes);
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
    LayOutAsPdf(printer, pdfPaper_);
    QPageSetupDialog dialog(&printer, this);
    accepted = dialog.exec() == QDialog::Accepted;
    const QPageSize::PageSizeId id = printer.pageLayout().pageSize().id();
    if (accepted && id != QPageSize::Custom) {
      pdfPaper_.paper = id;
      pdfPaper_.orientation = printer.pageLayout().orientation();
    }
  }
  if (!accepted) return;
  ShowPrinterInfo();
  FormToSettings();
}

std::unique_ptr<PdfPrinter> TForm1::AskPdfPrinter() {
  QFileDialog dialog(this, QStringLiteral("PDFファイルの保存先"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDirectory(QString::fromStdU16String(App.Settings.FFolder));
  dialog.selectFile(QStringLiteral("Tavolex 印刷.pdf"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setNameFilter(QStringLiteral("PDF(*.pdf)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
  const std::filesystem::path file(dialog.selectedFiles().constFirst().toStdU16String());
  return std::make_unique<PdfPrinter>(file, false, pdfPaper_);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
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

TPrintRunResult TForm1::RunDriver(TPrinter& printer, bool interactive) {
  JwwPrintDocument document(*App.JWW);
  TPrintDriver driver(App.Settings, document, printer);
  driver.AppFolder = App.Folders.AppFolder;
  if (interactive) {
    driver.EscPressed = [this] {
      QCoreApplication::processEvents();
      if (escPressed_) QApplication::beep();
      return escPressed_;
    };
    driver.OnFileStart = [this](int index, const std::u16string& status) {
      ListBox1->item(index)->setSelected(true);
      ListBox1->repaint();
      SetStatus(status);
      StatusBar1->repaint();
    };
    driver.OnFileEnd = [this](int index) {
      ListBox1->item(index)->setSelected(false);
      ProgressBar1->setValue(index + 1);
    };
  }
  const std::vector<std::u16string> entries = ToU16Strings(ListEntries());
  return driver.Run({entries.begin(), entries.end()});
}

void TForm1::Button12Click() {
  PrintRun();
}

void TForm1::PrintRun() {
  if (ListBox1->count() == 0) {
    Notice(QString::fromStdU16String(kEmptyListMessage));
    SetStatus(kEmptyListMessage);
    return;
  }
  if (!Question(QString::fromStdU16String(kStartQuestion))) return;
  FormToSettings();
  std::unique_ptr<PdfPrinter> pdf;
  TPrinter* printer = nullptr;
  if (RunPrinterOverride) {
    printer = RunPrinterOverride();
  } else if (HasSystemPrinter() && PrintsToFile(*systemPrinter_->Printer())) {
    pdf = FilePrinterOf(*systemPrinter_->Printer());
    printer = pdf.get();
  } else if (HasSystemPrinter()) {
    printer = systemPrinter_.get();
  } else {
    pdf = AskPdfPrinter();
    printer = pdf.get();
  }
  if (printer == nullptr) return;

  running_ = true;
  escPressed_ = false;
  SetRunControlsEnabled(false);
  ListBox1->clearSelection();
  ProgressBar1->setRange(0, ListBox1->count());
  ProgressBar1->setValue(0);
  ProgressBar1->show();
  TPrintRunResult result = RunDriver(*printer, true);
  if (pdf && !pdf->PrnFinish()) result.printerFailed = true;
  ListBox1->clearSelection();
  ProgressBar1->hide();
  SetRunControlsEnabled(true);
  running_ = false;
  SetStatus(result.printerFailed ? std::u16string(kPrinterFailedStatus) : result.status);
  if (closeAfterRun_) close();
}

void TForm1::Button20Click() {
  if (ListBox1->count() == 0) {
    Notice(QString::fromStdU16String(kEmptyListMessage));
    SetStatus(kEmptyListMessage);
    return;
  }
  PreviewDialog()->open();
}

QPrintPreviewDialog* TForm1::PreviewDialog() {
  FormToSettings();
  QPrinter* printer = nullptr;
  if (HasSystemPrinter()) {
    printer = systemPrinter_->Printer();
  } else {
    previewLayout_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    LayOutAsPdf(*previewLayout_, pdfPaper_);
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
  const TPrintRunResult result = RunDriver(target, false);
  if (!target.PrnFinish() || result.printerFailed) SetStatus(kPrinterFailedStatus);
}

}  // namespace tavolex
