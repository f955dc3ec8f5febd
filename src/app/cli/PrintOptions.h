// The options of a print run on the command line.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/PaperSheets.h"

namespace tavolex {
class TPrintApp;
}

namespace tavolex::cli {

enum class OutputKind { None, Pdf, PdfFolder, Png, Printer };

struct PrintOptions {
  std::optional<std::filesystem::path> settingsFile;
  // Where the resulting settings are saved as a full settings file.
  std::optional<std::filesystem::path> saveSettings;
  // Each applies its change to the settings after the settings file is loaded.
  std::vector<std::string> settingChanges;  // "--name=value" as given, applied in order
  std::vector<std::string> files;           // drawings and folders
  OutputKind output = OutputKind::None;
  std::filesystem::path outputPath;
  std::string printerName;
  TPaperOptions paper;
  bool paperGiven = false;        // --paper or --portrait/--landscape given (a system printer
  bool orientationGiven = false;  // keeps its queue's own sheet otherwise)
  bool drawingPaper = false;      // --paper drawing: each drawing's stored paper
  bool listPrinters = false;
  bool quiet = false;
  int jobs = 0;  // worker processes for --png and --pdf-dir; 0: one per usable core
};

// Reads the arguments after the program name. False with a message on err for a usage error.
bool ParsePrintOptions(const std::vector<std::string>& args, PrintOptions& options,
                       std::ostream& err);

// Makes the setting changes of the options, in order, to the settings and tables of app. False
// with a message for a value out of its range or a table file the import refuses.
bool ApplySettingChanges(PrintOptions& options, TPrintApp& app, std::ostream& err);

// The drawings to print: files as given, folders searched for ".jww" files (sorted, subfolders
// included). Names that are neither stay in the list, so the run reports them as passed over.
// The names are taken byte for byte: a name that is not UTF-8 still names its file.
std::vector<std::filesystem::path> CollectDrawings(const std::vector<std::string>& names);

}  // namespace tavolex::cli
