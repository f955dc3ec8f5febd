// What each option of the table does.
#pragma once

#include "app/cli/OptionTable.h"

namespace tavolex::cli {

// Options of the run (RunOptions.cpp).
bool SetOutput(const OptionUse& use);
bool SetPaper(const OptionUse& use);
bool SetOrientation(const OptionUse& use);
bool SetDpi(const OptionUse& use);
bool SetJobs(const OptionUse& use);
bool SetSettingsFile(const OptionUse& use);
bool SetSaveSettings(const OptionUse& use);
bool SetListPrinters(const OptionUse& use);
bool SetQuiet(const OptionUse& use);

// Changes of the print settings (SettingOptions.cpp).
bool SetStyle(const OptionUse& use);
bool SetScale(const OptionUse& use);
bool SetOffset(const OptionUse& use);
bool SetRotate(const OptionUse& use);
bool SetMonochrome(const OptionUse& use);
bool SetGroupPages(const OptionUse& use);
bool SetCommonGroup(const OptionUse& use);
bool SetOneDocument(const OptionUse& use);
bool SetDisplayOnly(const OptionUse& use);
bool SetDisplayOnlyColor(const OptionUse& use);
bool SetAuxLines(const OptionUse& use);
bool SetOrder(const OptionUse& use);
bool SetTableSource(const OptionUse& use);
bool SetLtypeUnit(const OptionUse& use);
// --import-pens, --import-line-types (TableOptions.cpp).
bool ImportTable(const OptionUse& use);

// The commands (Commands.cpp).
int InfoCommand(const CommandUse& use);
int ThumbnailCommand(const CommandUse& use);
int VersionCommand(const CommandUse& use);
int HelpCommand(const CommandUse& use);

}  // namespace tavolex::cli
