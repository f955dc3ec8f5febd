// The printer, the print run started from the window and the print preview.
#include "app/winwindow/Unit1.h"

#include <commctrl.h>

#include "app/FileListRules.h"
#include "app/winwindow/LtypeTab.h"
#include "app/winwindow/PenTab.h"
#include "app/winwindow/PreviewWindow.h"
#include "platform/win/WinPrinters.h"

namespace tavolex {

void TForm1::ShowPrinterInfo() {
  const SpoolerPrinter printer(printer_.name, printer_.settings);
  const TPaperMm sizes{PrnPaperWmm(printer), PrnPaperHmm(printer), PrnPageWmm(printer),
                       PrnPageHmm(printer)};
  SetControlText(LabelA1, PrinterInfoText(printer.PrnName(), sizes));
}

void TForm1::Button3Click() {
  if (!PrinterSetupDialog(form_, printer_)) return;
  ShowPrinterInfo();
  FormToSettings();
}

TPrinter* TForm1::OpenRunPrinter() {
  // Without any printer the run cannot begin a document and says so in its closing status.
  runPrinter_ = std::make_unique<SpoolerPrinter>(printer_.name, printer_.settings);
  return runPrinter_.get();
}

void TForm1::Button12Click() {
  flows_->PrintRun([this] { return OpenRunPrinter(); });
  runPrinter_.reset();
  if (closeAfterRun_) CloseWindow();
}

void TForm1::Button20Click() {
  if (!flows_->ListReady()) return;
  FormToSettings();
  const SpoolerPrinter printer(printer_.name, printer_.settings);
  TPreviewRequest request;
  // Without any printer the pages are shown on the sheet the file printers use.
  request.sheet = printer.Valid() ? PreviewSheetOf(printer) : PreviewSheetOf(TPaperOptions{});
  request.printerName = printer.PrnName();
  request.printTo = [this](TPrinter& target) { return flows_->PrintListTo(target); };
  request.printAll = [this] { Button12Click(); };
  ShowPreview(form_, request);
}

void TForm1::SetRunControlsEnabled(bool enabled) {
  // The run keeps to the list it started with, so nothing may change the list, the settings or
  // the printer meanwhile; the imports would also read into the document being printed and
  // change the pens and line types of the drawings still to come.
  for (HWND control : {Button12, Button20, Button14, Button15, Button16, Button1, Button2, Button17,
                       Button18, Button19, Button3, PenTab->Button8, PenTab->Button9,
                       LtypeTab->Button10, LtypeTab->Button11})
    EnableWindow(control, enabled);
}

void TForm1::RunBegins(int count) {
  escPressed_ = false;
  // The keys go to the window while its buttons are locked, so Esc is seen.
  SetFocus(form_);
  SetRunControlsEnabled(false);
  SendMessageW(ListBox1, LB_SETSEL, FALSE, -1);
  SendMessageW(ProgressBar1, PBM_SETRANGE32, 0, count);
  SendMessageW(ProgressBar1, PBM_SETPOS, 0, 0);
  LayOutStatusBar(true);
}

void TForm1::RunEnds() {
  SendMessageW(ListBox1, LB_SETSEL, FALSE, -1);
  LayOutStatusBar(false);
  SetRunControlsEnabled(true);
  if (form_ != nullptr && GetActiveWindow() == form_) SetFocus(Button12);
}

void TForm1::FileBegins(int index) {
  SendMessageW(ListBox1, LB_SETSEL, TRUE, index);
  SendMessageW(ListBox1, LB_SETCARETINDEX, index, FALSE);  // scrolled into view
  UpdateWindow(ListBox1);
}

void TForm1::FileEnds(int index) {
  SendMessageW(ListBox1, LB_SETSEL, FALSE, index);
  SendMessageW(ProgressBar1, PBM_SETPOS, index + 1, 0);
}

bool TForm1::EscPressed() {
  // What waits is handled now: painting, the close box, and the Esc that stops the run.
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (escPressed_) MessageBeep(MB_OK);
  return escPressed_;
}

}  // namespace tavolex
