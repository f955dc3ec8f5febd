// A printer that records documents, pages and titles instead of printing, for tests of the run.
#pragma once

#include <string>
#include <vector>

#include "app/PrintPlatform.h"
#include "support/NullCanvas.h"

namespace tavolex::test {

class RecordingPrinter : public TFilePrinter {
 public:
  // A4 landscape at 600 dpi, the whole sheet printable, unless a test sets other sizes.
  int dpi = 600;
  int paperW = 7016;
  int paperH = 4961;
  int pageW = 7016;
  int pageH = 4961;
  // Set to make beginning a document fail.
  bool refuseDocuments = false;
  // Set to make the print system refuse documents when they are handed over at their end.
  bool refuseJobs = false;
  // What the print system says of a refused document.
  std::u16string refusal;
  // Set to make the end of the run's output fail (a file that cannot be written).
  bool finishFails = false;
  // The files the printer says it wrote.
  std::vector<WrittenFile> files;
  // The canvas handed out for pages; a canvas that draws nothing when left empty.
  Canvas* canvas = nullptr;

  // "begin:<title>", "page", "end" in call order (titles in UTF-8).
  std::vector<std::string> events;

  std::u16string PrnName() const override { return u"Recorder"; }
  int PrnDpiX() const override { return dpi; }
  int PrnDpiY() const override { return dpi; }
  int PaperWidthPx() const override { return paperW; }
  int PaperHeightPx() const override { return paperH; }
  int PageWidthPx() const override { return pageW; }
  int PageHeightPx() const override { return pageH; }
  bool PrnTitle(const std::u16string& title) override;
  bool PrnNewPage() override;
  bool PrnEndDoc() override;
  Canvas* PageCanvas() override;
  bool PrnFinish() override { return !finishFails; }
  std::u16string PrnRefusal() const override { return refusal; }
  const std::vector<WrittenFile>& FilesWritten() const override { return files; }

  bool documentOpen = false;

 private:
  NullCanvas null_;
};

}  // namespace tavolex::test
