// A print platform whose printers record what the run does with them, for the front ends'
// tests without any real printer, file or font.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/PrintPlatform.h"
#include "support/RecordingPrinter.h"

namespace tavolex::test {

class RecordingPlatform : public TPrintPlatform {
 public:
  // The system's printers; the first is the default.
  std::vector<std::u16string> printers;
  // What the print system says when it refuses the jobs of every printer; empty: it takes them.
  std::u16string refusal;
  // Set to make the output of every printer fail at the end of the run.
  bool finishFails = false;
  // Set for a system without a PDF printer.
  bool noPdfPrinter = false;

  // Every printer made, "pdf:<path>", "pdf-folder:<path>", "png:<path>" or "printer:<name>",
  // then the events of its documents when it is closed.
  std::vector<std::string> events;

  std::vector<std::u16string> PrinterNames() const override { return printers; }
  std::u16string DefaultPrinterName() const override;
  std::unique_ptr<TPrinter> OpenPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                                        std::optional<TOrientation> orientation) override;
  std::unique_ptr<TFilePrinter> MakePdfPrinter(const std::filesystem::path& target,
                                               bool targetIsFolder,
                                               const TPaperOptions& paper) override;
  std::unique_ptr<TFilePrinter> MakePngPrinter(const std::filesystem::path& folder,
                                               const TPaperOptions& paper) override;
  // No sheet in memory: the thumbnail has nothing to draw on.
  std::unique_ptr<TImagePrinter> MakeImagePrinter(int, int, int) override { return nullptr; }
  int ComparePathsForList(const std::u16string& a, const std::u16string& b) const override {
    return a.compare(b);
  }

  // A platform for code that takes one to own: it passes every call on to this one.
  std::unique_ptr<TPrintPlatform> Borrowed();

 private:
  std::unique_ptr<TFilePrinter> Make(const std::string& what, const TPaperOptions& paper);
};

}  // namespace tavolex::test
