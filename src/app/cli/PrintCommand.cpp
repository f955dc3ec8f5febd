// The print run of tavolex-print: settings from a file and the options, drawings from the
// arguments, output to PDF, PNG or a system printer; progress and a summary on stderr.
#include <cstdio>
#include <iostream>
#include <system_error>

#include "app/JwwPrintDocument.h"
#include "app/OutputCheck.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/PrintPlatform.h"
#include "app/cli/CliCommands.h"
#include "app/cli/Interrupt.h"
#include "app/cli/ParallelPrint.h"
#include "app/cli/PrintOptions.h"
#include "app/cli/ProgressLine.h"
#include "app/cli/TableOptions.h"
#include "app/cli/WorkerCount.h"
#include "app/cli/WorkerPool.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"

namespace tavolex::cli {

namespace {

std::string Utf8(const std::u16string& s) {
  return StrToUtf8(s);
}

// A file name for the terminal: bytes that are not UTF-8 show as replacement characters.
std::string Shown(const std::filesystem::path& p) {
  return StrToUtf8(StrFromPath(p));
}

int ListPrinters(TPrintPlatform& platform, std::ostream& out, std::ostream& err) {
  const std::vector<std::u16string> names = platform.PrinterNames();
  // The placeholder name of the window is no printer that --printer could take.
  if (names.empty()) err << "tavolex-print: no printers\n";
  for (const std::u16string& name : names)
    out << Utf8(name) << "\n";
  return 0;
}

// The sheet the system printer gives, in the printer's own terms.
void ReportSheet(const TPrinter& p, std::ostream& err) {
  char line[160];
  std::snprintf(line, sizeof line, "paper %.2f x %.2f mm, printable %.2f x %.2f mm", PrnPaperWmm(p),
                PrnPaperHmm(p), PrnPageWmm(p), PrnPageHmm(p));
  err << "tavolex-print: printer " << Utf8(p.PrnName()) << ": " << line << "\n";
}

void ReportPaperFallback(const TPrintRunResult& r, const PrintOptions& o, std::ostream& err) {
  if (r.paperFallback.empty()) return;
  err << "tavolex-print: " << r.paperFallback.size()
      << (r.paperFallback.size() == 1 ? " drawing stores" : " drawings store")
      << " no paper of A0 to A4 and printed on " << SheetSize(o.paper.paper).name
      << " (first: " << Shown(r.paperFallback.front()) << ")\n";
}

// How the output of a run ended.
struct OutputEnd {
  bool ok = true;
  std::u16string refusal;  // the print system's, when it did not take a job
};

void ReportRun(const TPrintRunResult& result, const OutputEnd& end, const PrintOptions& o,
               int total, std::ostream& err) {
  for (const auto& name : result.passedOver)
    err << "tavolex-print: passed over (missing or not a JWW drawing): " << Shown(name) << "\n";
  for (const auto& name : result.nothingToPrint)
    err << "tavolex-print: nothing to print: " << Shown(name) << "\n";
  ReportPaperFallback(result, o, err);
  if (!end.refusal.empty()) {
    err << "tavolex-print: the print system did not take the job: " << Utf8(end.refusal) << "\n";
  } else if (!end.ok) {
    err << "tavolex-print: the printer or output file failed\n";
  }
  if (result.aborted) err << "tavolex-print: interrupted; the run stopped after the last file\n";
  err << result.filesPrinted << " of " << total << " drawings printed, " << result.pagesPrinted
      << (result.pagesPrinted == 1 ? " page" : " pages") << "\n";
  if (result.pagesPrinted == 0 && o.output == OutputKind::Pdf)
    err << "tavolex-print: no page was printed, so no file was written\n";
}

// One print run from its options. Whatever it opened (the program's folders and shared objects,
// the printer) is closed when it ends, on every way out.
class PrintCommandRun {
 public:
  PrintCommandRun(const PrintOptions& options, TPrintPlatform& platform, std::ostream& err)
      : o_(options), platform_(platform), err_(err) {}
  ~PrintCommandRun() {
    printer_.reset();
    if (started_) app_.Close(false);
  }
  PrintCommandRun(const PrintCommandRun&) = delete;
  PrintCommandRun& operator=(const PrintCommandRun&) = delete;

  // The exit code of the run.
  int Run(const char* argv0);

 private:
  bool LoadSettingsFile();
  bool MakeSettings();
  // The exit code when saving the settings ends the command.
  std::optional<int> SaveSettingsFile();
  std::unique_ptr<TPrinter> OpenOutput();
  std::unique_ptr<TPrinter> PdfPrinter(bool toFolder);
  TPrintRunResult Print(bool& outputOk);

  PrintOptions o_;
  TPrintPlatform& platform_;
  std::ostream& err_;
  TPrintApp app_;
  bool started_ = false;
  std::vector<std::filesystem::path> list_;
  std::unique_ptr<TPrinter> printer_;
};

bool PrintCommandRun::LoadSettingsFile() {
  const std::string problem = SettingsFileProblem(*o_.settingsFile);
  const SettingsLoadResult r =
      problem.empty() ? LoadSettings(app_.Settings, SettingsForm::Full, *o_.settingsFile)
                      : SettingsLoadResult{};
  if (!problem.empty() || r.refused || r.readError) {
    err_ << "tavolex-print: " << Shown(*o_.settingsFile) << ": "
         << (problem.empty() ? Utf8(r.status) : problem) << "\n";
    return false;
  }
  for (const std::u16string& name : app_.Settings.FileList)
    list_.push_back(PathFromStr(name));
  return true;
}

// The settings of the run: the defaults, the settings file, then the options in order.
bool PrintCommandRun::MakeSettings() {
  if (o_.settingsFile && !LoadSettingsFile()) return false;
  if (!ApplySettingChanges(o_, app_, err_)) return false;
  app_.Settings.ApplyLimits();
  const std::vector<std::filesystem::path> named = CollectDrawings(o_.files);
  list_.insert(list_.end(), named.begin(), named.end());
  return true;
}

std::optional<int> PrintCommandRun::SaveSettingsFile() {
  std::vector<std::u16string> names;  // the settings file keeps texts
  for (const auto& p : list_)
    names.push_back(StrFromPath(p));
  const int saved = SaveSettingsOption(*o_.saveSettings, app_, names, err_);
  if (saved != 0 || o_.output == OutputKind::None) return saved;
  return std::nullopt;
}

// A system that makes PDF files only through a PDF printer of its own may have none.
std::unique_ptr<TPrinter> PrintCommandRun::PdfPrinter(bool toFolder) {
  std::unique_ptr<TPrinter> printer = platform_.MakePdfPrinter(o_.outputPath, toFolder, o_.paper);
  if (!printer)
    err_ << "tavolex-print: this system has no PDF printer; print to a printer that writes PDF "
            "files with --printer NAME (see --list-printers)\n";
  return printer;
}

std::unique_ptr<TPrinter> PrintCommandRun::OpenOutput() {
  std::error_code ec;
  switch (o_.output) {
    case OutputKind::Pdf: {
      const std::string problem = OutputFileProblem(o_.outputPath);
      if (!problem.empty()) {
        err_ << "tavolex-print: cannot write " << Shown(o_.outputPath) << ": " << problem << "\n";
        return nullptr;
      }
      return PdfPrinter(false);
    }
    case OutputKind::PdfFolder:
    case OutputKind::Png:
      std::filesystem::create_directories(o_.outputPath, ec);
      if (!FolderWritable(o_.outputPath)) {
        err_ << "tavolex-print: cannot write into the folder " << Shown(o_.outputPath) << "\n";
        return nullptr;
      }
      if (o_.output == OutputKind::Png) return platform_.MakePngPrinter(o_.outputPath, o_.paper);
      return PdfPrinter(true);
    case OutputKind::Printer: {
      auto printer = platform_.OpenPrinter(
          Utf8ToStr(o_.printerName), o_.paperGiven ? std::optional(o_.paper.paper) : std::nullopt,
          o_.orientationGiven ? std::optional(o_.paper.orientation) : std::nullopt);
      if (!printer)
        err_ << "tavolex-print: no printer named " << o_.printerName << " (see --list-printers)\n";
      if (printer && !o_.quiet) ReportSheet(*printer, err_);
      return printer;
    }
    case OutputKind::None:
      break;
  }
  return nullptr;
}

TPrintRunResult PrintCommandRun::Print(bool& outputOk) {
  JwwPrintDocument document(*app_.JWW);
  document.OnBlockTreeCut = [this](const std::u16string& name) { ReportBlockTreeCut(err_, name); };
  TPrintDriver driver(app_.Settings, document, *printer_);
  driver.AppFolder = app_.Folders.AppFolder;
  driver.DrawingPaper = o_.drawingPaper;
  CatchInterrupt();
  driver.EscPressed = [] { return Interrupted(); };
  const int total = static_cast<int>(list_.size());
  ProgressLine progress(err_, o_.quiet, ProgressLine::IsTerminal(err_), total);
  driver.OnFileStart = [&](int index, const std::u16string&) {
    progress.Record(index, Shown(list_[index]));
    progress.Show(index, Shown(list_[index]), driver.PagesPrinted());
  };
  driver.OnFileEnd = [&](int index) {
    progress.Show(index, Shown(list_[index]), driver.PagesPrinted());
  };
  const int workers = WorkerCount(o_, app_.Settings, total, err_);
  // A worker serves the run's tasks even where it would count fewer workers than the run did.
  const TPrintRunResult result =
      workers > 1 || StartedAsWorker()
          ? PrintInWorkers({o_, app_, platform_, list_, progress, driver.EscPressed, err_}, workers,
                           outputOk)
          : driver.Run(list_);
  ReleaseInterrupt();
  progress.Close();
  return result;
}

int PrintCommandRun::Run(const char* argv0) {
  // A headless run starts from the defaults, not from what the window last kept.
  app_.Start(ProgramFile(argv0), {}, false);
  started_ = true;
  if (!MakeSettings()) return 2;
  // The run saved them before it started its workers.
  if (o_.saveSettings && !StartedAsWorker()) {
    if (const std::optional<int> saved = SaveSettingsFile()) return *saved;
  }
  if (list_.empty()) {
    err_ << "tavolex-print: no drawing files given\n";
    PrintUsage(err_);
    return 2;
  }
  printer_ = OpenOutput();
  if (!printer_) return 2;

  OutputEnd end;
  const TPrintRunResult result = Print(end.ok);
  end.ok = end.ok && !result.printerFailed;
  end.ok = printer_->PrnFinish() && end.ok;
  end.refusal = printer_->PrnRefusal();
  printer_.reset();
  const int total = static_cast<int>(list_.size());
  ReportRun(result, end, o_, total, err_);
  return RunComplete(result, total) && end.ok ? 0 : 1;
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, const char* argv0,
                    TPrintPlatform& platform, std::ostream& out, std::ostream& err) {
  PrintOptions o;
  if (!ParsePrintOptions(args, o, err)) {
    PrintUsage(err);
    return 2;
  }
  if (o.listPrinters) return ListPrinters(platform, out, err);
  if (o.output == OutputKind::None && !o.saveSettings) {
    err << "tavolex-print: say where to print: --pdf FILE, --pdf-dir FOLDER, --png FOLDER or "
           "--printer NAME\n";
    return 2;
  }
  return PrintCommandRun(o, platform, err).Run(argv0);
}

}  // namespace tavolex::cli
