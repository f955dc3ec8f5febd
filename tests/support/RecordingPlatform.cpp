#include "support/RecordingPlatform.h"

#include <algorithm>

#include "common/Func_2.h"

namespace tavolex::test {

namespace {

// A recording printer that hands its events to the platform when the run closes it.
class PlatformPrinter : public RecordingPrinter {
 public:
  explicit PlatformPrinter(std::vector<std::string>& log) : log_(log) {}
  ~PlatformPrinter() override { log_.insert(log_.end(), events.begin(), events.end()); }

 private:
  std::vector<std::string>& log_;
};

class BorrowedPlatform : public TPrintPlatform {
 public:
  explicit BorrowedPlatform(TPrintPlatform& to) : to_(to) {}
  std::vector<std::u16string> PrinterNames() const override { return to_.PrinterNames(); }
  std::u16string DefaultPrinterName() const override { return to_.DefaultPrinterName(); }
  std::unique_ptr<TPrinter> OpenPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                                        std::optional<TOrientation> orientation) override {
    return to_.OpenPrinter(name, sheet, orientation);
  }
  std::unique_ptr<TFilePrinter> MakePdfPrinter(const std::filesystem::path& target,
                                               bool targetIsFolder,
                                               const TPaperOptions& paper) override {
    return to_.MakePdfPrinter(target, targetIsFolder, paper);
  }
  std::unique_ptr<TFilePrinter> MakePngPrinter(const std::filesystem::path& folder,
                                               const TPaperOptions& paper) override {
    return to_.MakePngPrinter(folder, paper);
  }
  std::unique_ptr<TImagePrinter> MakeImagePrinter(int width, int height, int dpi) override {
    return to_.MakeImagePrinter(width, height, dpi);
  }
  int ComparePathsForList(const std::u16string& a, const std::u16string& b) const override {
    return to_.ComparePathsForList(a, b);
  }

 private:
  TPrintPlatform& to_;
};

}  // namespace

std::unique_ptr<TPrintPlatform> RecordingPlatform::Borrowed() {
  return std::make_unique<BorrowedPlatform>(*this);
}

std::u16string RecordingPlatform::DefaultPrinterName() const {
  return printers.empty() ? std::u16string() : printers.front();
}

std::unique_ptr<TPrinter> RecordingPlatform::OpenPrinter(const std::u16string& name,
                                                         std::optional<TSheetId> sheet,
                                                         std::optional<TOrientation> orientation) {
  const std::u16string chosen = name.empty() ? DefaultPrinterName() : name;
  if (chosen.empty() || std::find(printers.begin(), printers.end(), chosen) == printers.end())
    return nullptr;
  TPaperOptions paper;
  paper.paper = sheet.value_or(TSheetId::A4);
  paper.orientation = orientation.value_or(TOrientation::Portrait);
  return Make("printer:" + StrToUtf8(chosen), paper);
}

std::unique_ptr<TFilePrinter> RecordingPlatform::MakePdfPrinter(const std::filesystem::path& target,
                                                                bool targetIsFolder,
                                                                const TPaperOptions& paper) {
  if (noPdfPrinter) return nullptr;
  return Make((targetIsFolder ? "pdf-folder:" : "pdf:") + target.string(), paper);
}

std::unique_ptr<TFilePrinter> RecordingPlatform::MakePngPrinter(const std::filesystem::path& folder,
                                                                const TPaperOptions& paper) {
  return Make("png:" + folder.string(), paper);
}

std::unique_ptr<TFilePrinter> RecordingPlatform::Make(const std::string& what,
                                                      const TPaperOptions& paper) {
  events.push_back(what);
  auto printer = std::make_unique<PlatformPrinter>(events);
  const TSheetPixels sheet = SheetPixels(paper);
  printer->dpi = paper.dpi;
  printer->paperW = printer->pageW = sheet.width;
  printer->paperH = printer->pageH = sheet.height;
  printer->refusal = refusal;
  printer->refuseJobs = !refusal.empty();
  printer->finishFails = finishFails;
  return printer;
}

}  // namespace tavolex::test
