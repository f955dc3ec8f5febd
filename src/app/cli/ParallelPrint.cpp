#include "app/cli/ParallelPrint.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <system_error>

#include "app/JwwPrintDocument.h"
#include "app/cli/WorkerPool.h"
#include "common/Func_2.h"
#include "graphics/GraUnit1.h"
#include "jww/JwwUnit.h"
#include "platform/QtPrinters.h"

namespace tavolex::cli {

namespace {

constexpr uint64_t kMiB = 1024u * 1024u;
// What a worker needs besides its page: the program, fonts, the drawing and the PNG file.
constexpr uint64_t kWorkerBaseBytes = 100 * kMiB;

int UsableCores() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  const long n = sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int>(n) : 1;
}

// MemAvailable of /proc/meminfo in bytes; 0 when it cannot be read.
uint64_t AvailableMemory() {
  std::ifstream in("/proc/meminfo");
  std::string name;
  uint64_t kb = 0;
  std::string unit;
  while (in >> name >> kb >> unit) {
    if (name == "MemAvailable:") return kb * 1024u;
  }
  return 0;
}

uint64_t WorkerBytes(const PrintOptions& o) {
  if (o.output != OutputKind::Png) return kWorkerBaseBytes;
  const QSize sheet = SheetPixels(o.paper);
  return kWorkerBaseBytes + static_cast<uint64_t>(sheet.width()) * sheet.height() * 4u;
}

// ---- Reports from worker to run -------------------------------------------------------------

void PutInt(std::string& out, int64_t v) {
  out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void PutBytes(std::string& out, const void* data, size_t size) {
  PutInt(out, static_cast<int64_t>(size));
  out.append(static_cast<const char*>(data), size);
}

void PutU16(std::string& out, const std::u16string& s) {
  PutBytes(out, s.data(), s.size() * sizeof(char16_t));
}

struct Reader {
  const std::string& in;
  size_t pos = 0;
  bool ok = true;

  int64_t Int() {
    int64_t v = 0;
    if (pos + sizeof v > in.size()) {
      ok = false;
      return 0;
    }
    std::memcpy(&v, in.data() + pos, sizeof v);
    pos += sizeof v;
    return v;
  }
  std::string Bytes() {
    const int64_t n = Int();
    if (!ok || n < 0 || static_cast<uint64_t>(n) > in.size() - pos) {
      ok = false;
      return {};
    }
    std::string s = in.substr(pos, static_cast<size_t>(n));
    pos += static_cast<size_t>(n);
    return s;
  }
  std::u16string U16() {
    const std::string b = Bytes();
    std::u16string s(b.size() / sizeof(char16_t), u'\0');
    std::memcpy(s.data(), b.data(), s.size() * sizeof(char16_t));
    return s;
  }
};

// A file a worker wrote: where it is and the name it is made unique from.
struct StagedFile {
  std::filesystem::path path;
  std::u16string key;
};

struct DrawingReport {
  TPrintRunResult result;
  std::vector<StagedFile> files;
};

// The report of one drawing: its result and the files written from `first` on.
std::string Encode(const TPrintRunResult& r, const std::vector<std::filesystem::path>& files,
                   const std::vector<QString>& keys, size_t first) {
  std::string out;
  PutInt(out, r.filesPrinted);
  PutInt(out, r.pagesPrinted);
  PutInt(out, r.printerFailed ? 1 : 0);
  PutInt(out, static_cast<int64_t>(r.passedOver.size()));
  for (const std::u16string& name : r.passedOver)
    PutU16(out, name);
  const size_t count = std::min(files.size(), keys.size());
  PutInt(out, static_cast<int64_t>(count - std::min(first, count)));
  for (size_t i = first; i < count; ++i) {
    PutBytes(out, files[i].native().data(), files[i].native().size());
    PutU16(out, keys[i].toStdU16String());
  }
  return out;
}

bool Decode(const std::string& in, DrawingReport& report) {
  Reader r{in};
  TPrintRunResult& res = report.result;
  res.filesPrinted = static_cast<int>(r.Int());
  res.pagesPrinted = static_cast<int>(r.Int());
  res.printerFailed = r.Int() != 0;
  for (int64_t n = r.Int(); r.ok && n > 0; --n)
    res.passedOver.push_back(r.U16());
  for (int64_t n = r.Int(); r.ok && n > 0; --n) {
    StagedFile f;
    f.path = std::filesystem::path(r.Bytes());
    f.key = r.U16();
    report.files.push_back(std::move(f));
  }
  return r.ok;
}

// ---- The worker's side ----------------------------------------------------------------------

// The printer of a worker, kept from drawing to drawing: a new PNG page of 280 MB for every
// drawing would cost more than drawing it.
std::unique_ptr<TPrinter> MakeWorkerPrinter(const PrintOptions& o,
                                            const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (o.output == OutputKind::Png) return std::make_unique<PngPrinter>(folder, o.paper);
  return std::make_unique<PdfPrinter>(folder, true, o.paper);
}

std::string PrintOneDrawing(const ParallelRun& run, TPrinter& printer, int index) {
  auto* pdf = dynamic_cast<PdfPrinter*>(&printer);
  auto* png = dynamic_cast<PngPrinter*>(&printer);
  const size_t first = pdf != nullptr ? pdf->Files().size() : png->Files().size();
  JwwPrintDocument document(*run.app.JWW);
  TPrintDriver driver(run.app.Settings, document, printer);
  driver.AppFolder = run.app.Folders.AppFolder;
  const TPrintRunResult result = driver.Run({run.list[index]});
  if (pdf != nullptr) return Encode(result, pdf->Files(), pdf->FileKeys(), first);
  return Encode(result, png->Files(), png->FileKeys(), first);
}

// Stored images of each worker are unpacked into a folder of its own.
std::filesystem::path WorkerImageFolder(const TPrintApp& app) {
  return app.Folders.TempFolder / ("worker-" + std::to_string(getpid())) / "";
}

// ---- The run's side -------------------------------------------------------------------------

void AddResult(TPrintRunResult& into, const TPrintRunResult& part) {
  into.filesPrinted += part.filesPrinted;
  into.pagesPrinted += part.pagesPrinted;
  into.printerFailed = into.printerFailed || part.printerFailed;
  into.passedOver.insert(into.passedOver.end(), part.passedOver.begin(), part.passedOver.end());
}

// Moves the files of one drawing to their names in the output folder.
bool PlaceFiles(const std::vector<StagedFile>& files, const std::filesystem::path& output,
                std::map<QString, int>& usedNames) {
  bool ok = true;
  for (const StagedFile& f : files) {
    const QString ext = QString::fromStdU16String(StrFromPath(f.path.extension()));
    const QString name = UniqueFileName(usedNames, QString::fromStdU16String(f.key), ext);
    std::error_code ec;
    std::filesystem::rename(f.path, output / PathFromStr(name.toStdU16String()), ec);
    if (ec) ok = false;
  }
  return ok;
}

}  // namespace

int WorkerCount(const PrintOptions& o, const TPrintSettings& s, int drawings, std::ostream& err) {
  const bool filePerDocument = o.output == OutputKind::Png || o.output == OutputKind::PdfFolder;
  if (!filePerDocument || s.PrnRen2 == 1) {
    if (o.jobs > 1)
      err << "tavolex-print: --jobs is for --png and --pdf-dir with a document per page; this "
             "run prints in one process\n";
    return 1;
  }
  int workers = o.jobs > 0 ? o.jobs : UsableCores();
  workers = std::min(workers, std::max(drawings, 1));
  const uint64_t available = AvailableMemory();
  const uint64_t each = WorkerBytes(o);
  if (available > 0 && workers > 1 && static_cast<uint64_t>(workers) * each > available) {
    const int fit = static_cast<int>(std::max<uint64_t>(1, available / each));
    err << "tavolex-print: " << fit << (fit == 1 ? " worker" : " workers") << " instead of "
        << workers << ": each needs about " << each / kMiB << " MiB and " << available / kMiB
        << " MiB are free\n";
    workers = fit;
  }
  return std::max(workers, 1);
}

TPrintRunResult PrintInWorkers(const ParallelRun& run, int workers, bool& outputOk) {
  TPrintRunResult total;
  const std::filesystem::path output = run.options.outputPath;
  const std::filesystem::path stage = output / (".tavolex-work-" + std::to_string(getpid()));
  std::error_code ec;
  std::filesystem::create_directories(stage, ec);
  std::map<QString, int> usedNames;
  const int count = static_cast<int>(run.list.size());

  std::unique_ptr<TPrinter> printer;  // in a worker
  WorkerPoolHooks hooks;
  hooks.workerStart = [&] {
    printer = MakeWorkerPrinter(run.options, stage / std::to_string(getpid()));
    const std::filesystem::path images = WorkerImageFolder(run.app);
    std::error_code e;
    std::filesystem::create_directories(images, e);
    run.app.JWW->BindImageFolder = images;
    GraImageWorkFolder = images;
  };
  hooks.workerEnd = [&] {
    printer.reset();
    std::error_code e;
    std::filesystem::remove_all(WorkerImageFolder(run.app), e);
  };
  hooks.work = [&](int index) { return PrintOneDrawing(run, *printer, index); };
  int lastStarted = 0;
  hooks.started = [&](int index) {
    lastStarted = index;
    run.progress.Show(index, StrToUtf8(run.list[index]), total.pagesPrinted);
  };
  hooks.finished = [&](int index, const std::optional<std::string>& bytes) {
    const std::string file = StrToUtf8(run.list[index]);
    DrawingReport report;
    if (!bytes || !Decode(*bytes, report)) {
      run.err << "tavolex-print: the worker printing " << file << " ended before it was done\n";
      outputOk = false;
      return;
    }
    if (report.result.filesPrinted > 0) run.progress.Record(index, file);
    if (!PlaceFiles(report.files, output, usedNames)) outputOk = false;
    AddResult(total, report.result);
    run.progress.Show(lastStarted, StrToUtf8(run.list[lastStarted]), total.pagesPrinted);
  };
  hooks.stop = run.escPressed;

  const int handedOut = RunWorkerPool(workers, count, hooks);
  if (handedOut < 0) run.err << "tavolex-print: no worker process could be started\n";
  total.aborted = handedOut < count && run.escPressed && run.escPressed();
  if (handedOut < count && !total.aborted) outputOk = false;
  std::filesystem::remove_all(stage, ec);
  return total;
}

}  // namespace tavolex::cli
