// The print run of tavolex-print: settings from a file and the options, drawings from the
// arguments, output to PDF, PNG or a system printer; progress and a summary on stderr.
#include <atomic>
#include <csignal>
#include <iostream>
#include <system_error>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PrintOptions.h"
#include "app/cli/TableOptions.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "platform/QtPrinters.h"

namespace tavolex::cli {

namespace {

std::atomic<bool> gInterrupted{false};

// Ctrl-C acts as Esc: the file being printed is finished, then the run stops. A second Ctrl-C
// ends the program at once.
extern "C" void OnInterrupt(int) {
  gInterrupted = true;
  std::signal(SIGINT, SIG_DFL);
}

std::string Utf8(const std::u16string& s) {
  return StrToUtf8(s);
}

std::unique_ptr<TPrinter> MakePrinter(const PrintOptions& o, std::ostream& err) {
  std::error_code ec;
  switch (o.output) {
    case OutputKind::Pdf:
      return std::make_unique<PdfPrinter>(o.outputPath, false, o.paper);
    case OutputKind::PdfFolder:
    case OutputKind::Png:
      std::filesystem::create_directories(o.outputPath, ec);
      if (!std::filesystem::is_directory(o.outputPath, ec)) {
        err << "tavolex-print: cannot make the folder " << o.outputPath.string() << "\n";
        return nullptr;
      }
      if (o.output == OutputKind::Png) return std::make_unique<PngPrinter>(o.outputPath, o.paper);
      return std::make_unique<PdfPrinter>(o.outputPath, true, o.paper);
    case OutputKind::Printer: {
      auto printer = std::make_unique<SystemPrinter>(QString::fromStdString(o.printerName));
      if (!printer->Valid()) {
        err << "tavolex-print: no printer named " << o.printerName << " (see --list-printers)\n";
        return nullptr;
      }
      return printer;
    }
    case OutputKind::None:
      break;
  }
  return nullptr;
}

int ListPrinters(std::ostream& out) {
  const QStringList names = SystemPrinterNames();
  if (names.isEmpty()) out << Utf8(kDefaultPrinterName) << "\n";
  for (const QString& name : names)
    out << name.toStdString() << "\n";
  return 0;
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, const char* argv0, std::ostream& out,
                    std::ostream& err) {
  PrintOptions o;
  if (!ParsePrintOptions(args, o, err)) {
    PrintUsage(err);
    return 2;
  }
  if (o.listPrinters) return ListPrinters(out);
  if (o.output == OutputKind::None && !o.saveSettings) {
    err << "tavolex-print: say where to print: --pdf FILE, --pdf-dir FOLDER, --png FOLDER or "
           "--printer NAME\n";
    return 2;
  }

  TPrintApp app;
  // A headless run starts from the defaults, not from what the window last kept.
  app.Start(ProgramFile(argv0), {}, false);
  std::vector<std::u16string> list;
  if (o.settingsFile) {
    const SettingsLoadResult r = LoadSettings(app.Settings, SettingsForm::Full, *o.settingsFile);
    if (r.refused || r.readError || !std::filesystem::exists(*o.settingsFile)) {
      err << "tavolex-print: " << o.settingsFile->string() << ": "
          << (r.status.empty() ? std::string("no such settings file") : Utf8(r.status)) << "\n";
      app.Close(false);
      return 2;
    }
    list = app.Settings.FileList;
  }
  for (const std::string& change : o.settingChanges) {
    const bool applied = IsTableImportOption(change)
                             ? ApplyTableImport(change, app, o.quiet, err)
                             : ApplySettingOption(change, app.Settings, err);
    if (!applied) {
      app.Close(false);
      return 2;
    }
  }
  app.Settings.ApplyLimits();
  LtypeUnit = app.Settings.LtypeUnit;
  const std::vector<std::u16string> named = CollectDrawings(o.files);
  list.insert(list.end(), named.begin(), named.end());
  if (o.saveSettings) {
    const int saved = SaveSettingsOption(*o.saveSettings, app, list, err);
    if (saved != 0 || o.output == OutputKind::None) {
      app.Close(false);
      return saved;
    }
  }
  if (list.empty()) {
    err << "tavolex-print: no drawing files given\n";
    PrintUsage(err);
    app.Close(false);
    return 2;
  }

  std::unique_ptr<TPrinter> printer = MakePrinter(o, err);
  if (!printer) {
    app.Close(false);
    return 2;
  }

  JwwPrintDocument document(*app.JWW);
  document.OnBlockTreeCut = [&err](const std::u16string& name) { ReportBlockTreeCut(err, name); };
  TPrintDriver driver(app.Settings, document, *printer);
  driver.AppFolder = app.Folders.AppFolder;
  gInterrupted = false;
  std::signal(SIGINT, OnInterrupt);
  driver.EscPressed = [] { return gInterrupted.load(); };
  const int total = static_cast<int>(list.size());
  driver.OnFileStart = [&](int index, const std::u16string&) {
    if (!o.quiet) err << "[" << index + 1 << "/" << total << "] " << Utf8(list[index]) << "\n";
  };
  const TPrintRunResult result = driver.Run(list);
  std::signal(SIGINT, SIG_DFL);

  bool outputOk = !result.printerFailed;
  if (auto* pdf = dynamic_cast<PdfPrinter*>(printer.get())) outputOk = pdf->Finish() && outputOk;
  printer.reset();
  app.Close(false);

  for (const std::u16string& name : result.passedOver)
    err << "tavolex-print: passed over (missing or not a JWW drawing): " << Utf8(name) << "\n";
  if (!outputOk) err << "tavolex-print: the printer or output file failed\n";
  if (result.aborted) err << "tavolex-print: interrupted; the run stopped after the last file\n";
  err << result.filesPrinted << " of " << total << " drawings printed, " << result.pagesPrinted
      << (result.pagesPrinted == 1 ? " page" : " pages") << "\n";
  const bool complete = result.filesPrinted == total && outputOk && !result.aborted;
  return complete ? 0 : 1;
}

}  // namespace tavolex::cli
