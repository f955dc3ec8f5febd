// Which printer a run started from a window prints on.
#pragma once

namespace tavolex {

enum class TRunPrinter {
  Override,       // the printer a caller set for the run (tests, a preview)
  PrintToFile,    // the system printer's "print to file": one PDF file for the whole run
  SystemPrinter,  // the selected system printer
  AskPdfFile,     // no system printer: the PDF printer, into a file the user names
};

// The printer of a run: an override first, else the selected system printer (through its file
// when it prints to one), else a PDF file asked for.
TRunPrinter ChooseRunPrinter(bool hasOverride, bool hasSystemPrinter, bool systemPrintsToFile);

}  // namespace tavolex
