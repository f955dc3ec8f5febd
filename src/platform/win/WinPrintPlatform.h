// The print platform on Windows: the spooler's printers, PDF through the system's PDF printer,
// PNG pages and sheets in memory on bitmaps, and the user's locale for the order of names.
#pragma once

#include "app/PrintPlatform.h"

namespace tavolex {

class WinPrintPlatform : public TPrintPlatform {
 public:
  std::vector<std::u16string> PrinterNames() const override;
  std::u16string DefaultPrinterName() const override;
  std::unique_ptr<TPrinter> OpenPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                                        std::optional<TOrientation> orientation) override;
  // Null when the system has no PDF printer.
  std::unique_ptr<TFilePrinter> MakePdfPrinter(const std::filesystem::path& target,
                                               bool targetIsFolder,
                                               const TPaperOptions& paper) override;
  std::unique_ptr<TFilePrinter> MakePngPrinter(const std::filesystem::path& folder,
                                               const TPaperOptions& paper) override;
  std::unique_ptr<TImagePrinter> MakeImagePrinter(int width, int height, int dpi) override;
  int ComparePathsForList(const std::u16string& a, const std::u16string& b) const override;
};

}  // namespace tavolex
