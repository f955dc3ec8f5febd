#include <cmath>

#include "platform/PngWrite.h"
#include "platform/win/WinPrinters.h"

namespace tavolex {

PngPagePrinter::PngPagePrinter(const std::filesystem::path& folder, const TPaperOptions& paper)
    : folder_(folder), paper_(paper), sheet_(SheetPixels(paper)) {}

bool PngPagePrinter::UseSheet(int aSeries) {
  const TSheetId sheet = ASeriesSheet(aSeries, paper_.paper);
  sheet_ = SheetPixels(sheet, paper_.orientation, paper_.dpi);
  return true;
}

bool PngPagePrinter::StartPage() {
  if (!page_.Start(sheet_.width, sheet_.height)) return false;
  ++pageNo_;
  return true;
}

bool PngPagePrinter::SavePage() {
  const GdiBitmap* bitmap = page_.Bitmap();
  if (bitmap == nullptr) return false;
  PngPage page;
  page.pixels = bitmap->Pixels();
  page.width = bitmap->Width();
  page.height = bitmap->Height();
  page.strideWords = static_cast<size_t>(bitmap->Width());
  page.dotsPerMeter = static_cast<int>(std::lround(paper_.dpi / 0.0254));
  const std::u16string key = PageFileKey(docName_, pageNo_);
  const std::filesystem::path file = files_.UniqueFile(folder_, key, u".png");
  if (!WritePng(file, page)) return false;
  files_.Written(file, key);
  return true;
}

bool PngPagePrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  docName_ = FileNameFromTitle(title);
  pageNo_ = 0;
  documentOpen_ = StartPage();
  return documentOpen_;
}

bool PngPagePrinter::PrnNewPage() {
  if (!documentOpen_) return false;
  const bool saved = SavePage();
  return StartPage() && saved;
}

bool PngPagePrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return SavePage();
}

Canvas* PngPagePrinter::PageCanvas() {
  return documentOpen_ ? page_.Canvas() : nullptr;
}

}  // namespace tavolex
