// What the PDF output keeps from one start of the window to the next when no system printer
// exists: paper, orientation and the folder last written to. They live in the window's per-user
// settings, not in the settings file, whose format the earlier product shares.
#pragma once

#include <QString>

#include "platform/qt/QtPrinters.h"

namespace tavolex {

struct TPdfOutput {
  QtPaperOptions paper;
  QString folder;  // empty until a PDF file was chosen
};

// The kept values; those missing or out of range keep what output holds.
void LoadPdfOutput(TPdfOutput& output);
void SavePdfOutput(const TPdfOutput& output);

}  // namespace tavolex
