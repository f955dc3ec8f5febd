#include "platform/win/WinPrintPlatform.h"

#include <algorithm>

#include "platform/win/WinPrinters.h"

namespace tavolex {

std::vector<std::u16string> WinPrintPlatform::PrinterNames() const {
  return SpoolerPrinterNames();
}

std::u16string WinPrintPlatform::DefaultPrinterName() const {
  return SpoolerDefaultPrinter();
}

std::unique_ptr<TPrinter> WinPrintPlatform::OpenPrinter(const std::u16string& name,
                                                        std::optional<TSheetId> sheet,
                                                        std::optional<TOrientation> orientation) {
  auto printer = std::make_unique<SpoolerPrinter>(name, sheet, orientation);
  if (!printer->Valid()) return nullptr;
  return printer;
}

std::unique_ptr<TFilePrinter> WinPrintPlatform::MakePdfPrinter(const std::filesystem::path& target,
                                                               bool targetIsFolder,
                                                               const TPaperOptions& paper) {
  // Only a printer of that name may be asked for, as opening an absent one would print to the
  // default printer instead.
  const std::vector<std::u16string> names = PrinterNames();
  if (std::find(names.begin(), names.end(), kPdfPrinterName) == names.end()) return nullptr;
  auto printer = std::make_unique<SpoolerPdfPrinter>(target, targetIsFolder, paper);
  if (!printer->Valid()) return nullptr;
  return printer;
}

std::unique_ptr<TFilePrinter> WinPrintPlatform::MakePngPrinter(const std::filesystem::path& folder,
                                                               const TPaperOptions& paper) {
  return std::make_unique<PngPagePrinter>(folder, paper);
}

std::unique_ptr<TImagePrinter> WinPrintPlatform::MakeImagePrinter(int width, int height, int dpi) {
  return std::make_unique<BitmapImagePrinter>(width, height, dpi);
}

int WinPrintPlatform::ComparePathsForList(const std::u16string& a, const std::u16string& b) const {
  const auto* wa = reinterpret_cast<const wchar_t*>(a.c_str());
  const auto* wb = reinterpret_cast<const wchar_t*>(b.c_str());
  const int order =
      CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wa, static_cast<int>(a.size()), wb,
                      static_cast<int>(b.size()), nullptr, nullptr, 0);
  // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN; 0 only for texts it refuses.
  if (order != 0) return order - CSTR_EQUAL;
  return a.compare(b);
}

std::unique_ptr<TPrintPlatform> MakePrintPlatform(int&, char**) {
  return std::make_unique<WinPrintPlatform>();
}

}  // namespace tavolex
