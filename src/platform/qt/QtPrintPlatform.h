// The print platform on Qt: CUPS printers through Qt Print Support, PDF and PNG files, and the
// locale's collation.
#pragma once

#include <memory>

#include "app/PrintPlatform.h"

class QGuiApplication;

namespace tavolex {

class QtPrintPlatform : public TPrintPlatform {
 public:
  // Uses the application object there is; without one (a program with no window) it makes one
  // on the offscreen platform, as fonts and pictures need one but never a display.
  QtPrintPlatform(int& argc, char** argv);
  ~QtPrintPlatform() override;

  std::vector<std::u16string> PrinterNames() const override;
  std::u16string DefaultPrinterName() const override;
  std::unique_ptr<TPrinter> OpenPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                                        std::optional<TOrientation> orientation) override;
  std::unique_ptr<TFilePrinter> MakePdfPrinter(const std::filesystem::path& target,
                                               bool targetIsFolder,
                                               const TPaperOptions& paper) override;
  std::unique_ptr<TFilePrinter> MakePngPrinter(const std::filesystem::path& folder,
                                               const TPaperOptions& paper) override;
  std::unique_ptr<TImagePrinter> MakeImagePrinter(int width, int height, int dpi) override;
  int ComparePathsForList(const std::u16string& a, const std::u16string& b) const override;

 private:
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace tavolex
