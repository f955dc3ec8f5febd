// The system's printer set-up dialog: the printer, its paper and orientation.
#pragma once

#include <string>
#include <vector>

#include "platform/win/WinHeaders.h"

namespace tavolex {

// The printer a run prints on and the settings (a DEVMODE) chosen for it; both empty for the
// system's default printer with its own settings.
struct TPrinterChoice {
  std::u16string name;
  std::vector<BYTE> settings;
};

// Shows the dialog started on the choice; on OK the choice takes the dialog's printer and
// settings and true is returned. False when cancelled or when the system has no printer.
bool PrinterSetupDialog(HWND owner, TPrinterChoice& choice);

}  // namespace tavolex
