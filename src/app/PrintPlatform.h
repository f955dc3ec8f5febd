// What the print run needs of the platform it runs on, in the program's own terms: the system's
// printers, the file printers (PDF, PNG pages, a picture in memory) and the order of names a
// list is sorted in. Each platform implements it once; the front ends reach the platform only
// through it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/OutputFileNames.h"
#include "app/PaperSheets.h"
#include "app/UnitPrint.h"

namespace tavolex {

// A printer that writes files: PDF documents or PNG pages.
class TFilePrinter : public TPrinter {
 public:
  // Every file written so far in the run, in the order written.
  virtual const std::vector<WrittenFile>& FilesWritten() const = 0;
};

// A sheet in memory: every document draws onto the one picture, which stays after it ends.
class TImagePrinter : public TPrinter {
 public:
  // Writes the sheet as a PNG file, under a temporary name renamed when complete, so a failure
  // leaves no file. False when it could not be written.
  virtual bool SavePng(const std::filesystem::path& file) const = 0;
};

class TPrintPlatform {
 public:
  virtual ~TPrintPlatform() = default;

  // The system's printers in the system's order; empty when there is none.
  virtual std::vector<std::u16string> PrinterNames() const = 0;
  // The printer the system prints to by default; empty when it names none.
  virtual std::u16string DefaultPrinterName() const = 0;
  // The named printer (empty: the default one); the sheet and orientation are set on its jobs
  // when given, else the printer keeps its own. Null when the system has no such printer.
  virtual std::unique_ptr<TPrinter> OpenPrinter(const std::u16string& name,
                                                std::optional<TSheetId> sheet,
                                                std::optional<TOrientation> orientation) = 0;

  // PDF: with a file, every document of the run goes into that one file, page after page; with a
  // folder, each document becomes a file named after its title, as a PDF printer driver does.
  virtual std::unique_ptr<TFilePrinter> MakePdfPrinter(const std::filesystem::path& target,
                                                       bool targetIsFolder,
                                                       const TPaperOptions& paper) = 0;
  // PNG: every page becomes an image "<title>-<page>.png" in the folder, white paper.
  virtual std::unique_ptr<TFilePrinter> MakePngPrinter(const std::filesystem::path& folder,
                                                       const TPaperOptions& paper) = 0;
  // A sheet of width x height pixels in memory on white paper; dpi names its millimetres.
  virtual std::unique_ptr<TImagePrinter> MakeImagePrinter(int width, int height, int dpi) = 0;

  // The order of two entries of the file list: the user's locale, letter case ignored. Less than
  // zero when a comes first, zero when they are equal, more than zero when b comes first.
  virtual int ComparePathsForList(const std::u16string& a, const std::u16string& b) const = 0;
};

// The platform of a program without a window of its own, made once at its start from its
// arguments. The platform library that is linked provides it.
std::unique_ptr<TPrintPlatform> MakePrintPlatform(int& argc, char** argv);

}  // namespace tavolex
