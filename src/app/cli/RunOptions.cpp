// The options that say where and how the run prints.
#include "app/cli/OptionHandlers.h"
#include "app/cli/OptionValues.h"
#include "app/cli/PrintOptions.h"

namespace tavolex::cli {

bool SetOutput(const OptionUse& use) {
  PrintOptions& o = use.options;
  if (o.output != OutputKind::None) {
    use.err << "tavolex-print: give only one of --pdf, --pdf-dir, --png, --printer\n";
    return false;
  }
  o.output = use.name == "--pdf"       ? OutputKind::Pdf
             : use.name == "--pdf-dir" ? OutputKind::PdfFolder
             : use.name == "--png"     ? OutputKind::Png
                                       : OutputKind::Printer;
  if (o.output == OutputKind::Printer) {
    o.printerName = use.value;
  } else {
    o.outputPath = PathArg(use.value);
  }
  return true;
}

// "--paper NAME" or "--paper drawing[,FALLBACK]" (the fallback A3 unless given).
bool SetPaper(const OptionUse& use) {
  PrintOptions& o = use.options;
  std::string name = use.value;
  if (name == "drawing" || name.rfind("drawing,", 0) == 0) {
    o.drawingPaper = true;
    name = name.size() > 8 ? name.substr(8) : std::string("A3");
  }
  o.paperGiven = true;
  const std::optional<TSheetId> sheet = SheetByName(name);
  if (!sheet) {
    use.err << "tavolex-print: unknown paper " << use.value << "\n";
    return false;
  }
  o.paper.paper = *sheet;
  return true;
}

bool SetOrientation(const OptionUse& use) {
  use.options.paper.orientation =
      use.name == "--portrait" ? TOrientation::Portrait : TOrientation::Landscape;
  use.options.orientationGiven = true;
  return true;
}

bool SetDpi(const OptionUse& use) {
  if (ReadInt(use.value, use.options.paper.dpi, 36, 2400)) return true;
  use.err << "tavolex-print: --dpi takes 36 to 2400\n";
  return false;
}

bool SetJobs(const OptionUse& use) {
  if (ReadInt(use.value, use.options.jobs, 1, 256)) return true;
  use.err << "tavolex-print: --jobs takes 1 to 256\n";
  return false;
}

bool SetSettingsFile(const OptionUse& use) {
  use.options.settingsFile = PathArg(use.value);
  return true;
}

bool SetSaveSettings(const OptionUse& use) {
  use.options.saveSettings = PathArg(use.value);
  return true;
}

bool SetListPrinters(const OptionUse& use) {
  use.options.listPrinters = true;
  return true;
}

bool SetQuiet(const OptionUse& use) {
  use.options.quiet = true;
  return true;
}

}  // namespace tavolex::cli
