#include "platform/win/WinPrinters.h"

namespace tavolex {

SpoolerPdfPrinter::SpoolerPdfPrinter(const std::filesystem::path& target, bool targetIsFolder,
                                     const TPaperOptions& paper)
    : printer_(kPdfPrinterName, paper.paper, paper.orientation),
      target_(target),
      folder_(targetIsFolder) {}

bool SpoolerPdfPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  if (jobOpen_) {
    // The one file of the run: the next document goes on after the last one's pages.
    if (!printer_.PrnNewPage()) return false;
  } else {
    const std::u16string key = FileNameFromTitle(title);
    const std::filesystem::path file = folder_ ? files_.UniqueFile(target_, key, u".pdf") : target_;
    printer_.SetOutputFile(file);
    if (!printer_.PrnTitle(title)) return false;
    job_ = {file, key};
    jobOpen_ = true;
  }
  documentOpen_ = true;
  return true;
}

bool SpoolerPdfPrinter::PrnNewPage() {
  return documentOpen_ && printer_.PrnNewPage();
}

bool SpoolerPdfPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return folder_ ? PrnFinish() : true;
}

// The file is complete when the spooler has taken its job.
bool SpoolerPdfPrinter::PrnFinish() {
  documentOpen_ = false;
  if (!jobOpen_) return true;
  jobOpen_ = false;
  if (!printer_.PrnEndDoc()) return false;
  files_.Written(job_.path, job_.key);
  return true;
}

Canvas* SpoolerPdfPrinter::PageCanvas() {
  return documentOpen_ ? printer_.PageCanvas() : nullptr;
}

}  // namespace tavolex
