// The print run of tavolex-print: settings from a file and the options, drawings from the
// arguments, output to PDF, PNG or a system printer; progress and a summary on stderr.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <system_error>

#include "app/JwwPrintDocument.h"
#include "app/OutputCheck.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/cli/CliCommands.h"
#include "app/cli/ParallelPrint.h"
#include "app/cli/PrintOptions.h"
#include "app/cli/ProgressLine.h"
#include "app/cli/TableOptions.h"
#include "app/cli/WorkerCount.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "platform/qt/QtPrinters.h"

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

// A file name for the terminal: bytes that are not UTF-8 show as replacement characters.
std::string Shown(const std::filesystem::path& p) {
  return StrToUtf8(StrFromPath(p));
}

std::unique_ptr<TPrinter> MakePrinter(const PrintOptions& o, std::ostream& err) {
  std::error_code ec;
  switch (o.output) {
    case OutputKind::Pdf: {
      const std::string problem = OutputFileProblem(o.outputPath);
      if (!problem.empty()) {
        err << "tavolex-print: cannot write " << Shown(o.outputPath) << ": " << problem << "\n";
        return nullptr;
      }
      return std::make_unique<PdfPrinter>(o.outputPath, false, o.paper);
    }
    case OutputKind::PdfFolder:
    case OutputKind::Png:
      std::filesystem::create_directories(o.outputPath, ec);
      if (!FolderWritable(o.outputPath)) {
        err << "tavolex-print: cannot write into the folder " << Shown(o.outputPath) << "\n";
        return nullptr;
      }
      if (o.output == OutputKind::Png) return std::make_unique<PngPrinter>(o.outputPath, o.paper);
      return std::make_unique<PdfPrinter>(o.outputPath, true, o.paper);
    case OutputKind::Printer: {
      auto printer = std::make_unique<SystemPrinter>(
          QString::fromStdString(o.printerName),
          o.paperGiven ? std::optional(o.paper.paper) : std::nullopt,
          o.orientationGiven ? std::optional(o.paper.orientation) : std::nullopt);
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

int ListPrinters(std::ostream& out, std::ostream& err) {
  const QStringList names = SystemPrinterNames();
  // The placeholder name of the window is no printer that --printer could take.
  if (names.isEmpty()) err << "tavolex-print: no printers\n";
  for (const QString& name : names)
    out << name.toStdString() << "\n";
  return 0;
}

// The sheet the printer gives, in the printer's own terms.
void ReportSheet(const TPrinter& p, std::ostream& err) {
  if (dynamic_cast<const SystemPrinter*>(&p) == nullptr) return;
  char line[160];
  std::snprintf(line, sizeof line, "paper %.2f x %.2f mm, printable %.2f x %.2f mm", PrnPaperWmm(p),
                PrnPaperHmm(p), PrnPageWmm(p), PrnPageHmm(p));
  err << "tavolex-print: printer " << Utf8(p.PrnName()) << ": " << line << "\n";
}

void ReportPaperFallback(const TPrintRunResult& r, const PrintOptions& o, std::ostream& err) {
  if (r.paperFallback.empty()) return;
  err << "tavolex-print: " << r.paperFallback.size()
      << (r.paperFallback.size() == 1 ? " drawing stores" : " drawings store")
      << " no paper of A0 to A4 and printed on " << QPageSize::name(o.paper.paper).toStdString()
      << " (first: " << Shown(r.paperFallback.front()) << ")\n";
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, const char* argv0, std::ostream& out,
                    std::ostream& err) {
  PrintOptions o;
  if (!ParsePrintOptions(args, o, err)) {
    PrintUsage(err);
    return 2;
  }
  if (o.listPrinters) return ListPrinters(out, err);
  if (o.output == OutputKind::None && !o.saveSettings) {
    err << "tavolex-print: say where to print: --pdf FILE, --pdf-dir FOLDER, --png FOLDER or "
           "--printer NAME\n";
    return 2;
  }

  TPrintApp app;
  // A headless run starts from the defaults, not from what the window last kept.
  app.Start(ProgramFile(argv0), {}, false);
  std::vector<std::filesystem::path> list;
  if (o.settingsFile) {
    const std::string problem = SettingsFileProblem(*o.settingsFile);
    const SettingsLoadResult r =
        problem.empty() ? LoadSettings(app.Settings, SettingsForm::Full, *o.settingsFile)
                        : SettingsLoadResult{};
    if (!problem.empty() || r.refused || r.readError) {
      err << "tavolex-print: " << Shown(*o.settingsFile) << ": "
          << (problem.empty() ? Utf8(r.status) : problem) << "\n";
      app.Close(false);
      return 2;
    }
    for (const std::u16string& name : app.Settings.FileList)
      list.push_back(PathFromStr(name));
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
  const std::vector<std::filesystem::path> named = CollectDrawings(o.files);
  list.insert(list.end(), named.begin(), named.end());
  if (o.saveSettings) {
    std::vector<std::u16string> names;  // the settings file keeps texts
    for (const auto& p : list)
      names.push_back(StrFromPath(p));
    const int saved = SaveSettingsOption(*o.saveSettings, app, names, err);
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
  driver.DrawingPaper = o.drawingPaper;
  if (!o.quiet) ReportSheet(*printer, err);
  gInterrupted = false;
  std::signal(SIGINT, OnInterrupt);
  driver.EscPressed = [] { return gInterrupted.load(); };
  const int total = static_cast<int>(list.size());
  ProgressLine progress(err, o.quiet, ProgressLine::IsTerminal(err), total);
  driver.OnFileStart = [&](int index, const std::u16string&) {
    progress.Record(index, Shown(list[index]));
    progress.Show(index, Shown(list[index]), driver.PagesPrinted());
  };
  driver.OnFileEnd = [&](int index) {
    progress.Show(index, Shown(list[index]), driver.PagesPrinted());
  };
  bool outputOk = true;
  const int workers = WorkerCount(o, app.Settings, total, err);
  const TPrintRunResult result =
      workers > 1
          ? PrintInWorkers({o, app, list, progress, driver.EscPressed, err}, workers, outputOk)
          : driver.Run(list);
  std::signal(SIGINT, SIG_DFL);
  progress.Close();

  outputOk = outputOk && !result.printerFailed;
  if (auto* pdf = dynamic_cast<PdfPrinter*>(printer.get())) outputOk = pdf->Finish() && outputOk;
  std::string refusal;
  if (auto* system = dynamic_cast<SystemPrinter*>(printer.get())) refusal = system->Refusal();
  printer.reset();
  app.Close(false);

  for (const auto& name : result.passedOver)
    err << "tavolex-print: passed over (missing or not a JWW drawing): " << Shown(name) << "\n";
  for (const auto& name : result.nothingToPrint)
    err << "tavolex-print: nothing to print: " << Shown(name) << "\n";
  ReportPaperFallback(result, o, err);
  if (!refusal.empty()) {
    err << "tavolex-print: the print system did not take the job: " << refusal << "\n";
  } else if (!outputOk) {
    err << "tavolex-print: the printer or output file failed\n";
  }
  if (result.aborted) err << "tavolex-print: interrupted; the run stopped after the last file\n";
  err << result.filesPrinted << " of " << total << " drawings printed, " << result.pagesPrinted
      << (result.pagesPrinted == 1 ? " page" : " pages") << "\n";
  if (result.pagesPrinted == 0 && o.output == OutputKind::Pdf)
    err << "tavolex-print: no page was printed, so no file was written\n";
  return RunComplete(result, total) && outputOk ? 0 : 1;
}

}  // namespace tavolex::cli
