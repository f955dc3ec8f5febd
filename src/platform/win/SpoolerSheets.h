// The settings of a spooler printer (its DEVMODE) with the program's sheets and orientations.
#pragma once

#include <string>
#include <vector>

#include "app/PaperSheets.h"
#include "platform/win/WinHeaders.h"

namespace tavolex {

// The printer's own settings as its driver gives them; empty when it has none to give.
std::vector<BYTE> PrinterSettings(const std::wstring& printer);

// The settings with the sheet: by the driver's number where Windows numbers it, else by its size.
void SetSheet(DEVMODEW& settings, TSheetId sheet);
void SetOrientation(DEVMODEW& settings, TOrientation orientation);

}  // namespace tavolex
