#include "app/RunPrinterChoice.h"

namespace tavolex {

TRunPrinter ChooseRunPrinter(bool hasOverride, bool hasSystemPrinter, bool systemPrintsToFile) {
  if (hasOverride) return TRunPrinter::Override;
  if (!hasSystemPrinter) return TRunPrinter::AskPdfFile;
  return systemPrintsToFile ? TRunPrinter::PrintToFile : TRunPrinter::SystemPrinter;
}

}  // namespace tavolex
