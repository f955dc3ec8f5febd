#include "platform/win/PreviewPagePrinter.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

#include "platform/win/WinPrinters.h"

namespace tavolex {

namespace {

// Beyond this the long side of a recorded sheet gets a coarser resolution.
constexpr double kLongSidePixels = 3600.0;
constexpr int kFinestDpi = 150;

constexpr uint32_t kPaper = 0x00FFFFFFu;

int Scaled(int pixels, int dpi, int fromDpi) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * dpi / fromDpi));
}

std::size_t PixelCount(int width, int height) {
  return static_cast<std::size_t>(std::max(width, 0)) *
         static_cast<std::size_t>(std::max(height, 0));
}

// A mostly white drawing packs to a few hundredths of its size even at zlib's quickest level,
// which keeps recording fast.
bool Pack(const uint32_t* pixels, std::size_t count, std::vector<unsigned char>& packed) {
  const uLong bytes = static_cast<uLong>(count * sizeof(uint32_t));
  packed.resize(compressBound(bytes));
  uLongf length = static_cast<uLongf>(packed.size());
  if (compress2(packed.data(), &length, reinterpret_cast<const Bytef*>(pixels), bytes, 1) != Z_OK)
    return false;
  packed.resize(length);
  packed.shrink_to_fit();
  return true;
}

// Inflates the packed printable page straight into its rows of the sheet.
bool UnpackInto(const std::vector<unsigned char>& packed, const TPreviewSheet& s,
                TPreviewImage& sheet) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(packed.data());
  stream.avail_in = static_cast<uInt>(packed.size());
  int status = Z_OK;
  for (int y = 0; y < s.pageHeight && status == Z_OK; ++y) {
    uint32_t* row = sheet.pixels.data() + PixelCount(s.paperWidth, s.pageTop + y) + s.pageLeft;
    stream.next_out = reinterpret_cast<Bytef*>(row);
    stream.avail_out = static_cast<uInt>(PixelCount(s.pageWidth, 1) * sizeof(uint32_t));
    while (stream.avail_out > 0 && status == Z_OK)
      status = inflate(&stream, Z_NO_FLUSH);
    if (status == Z_STREAM_END && (stream.avail_out > 0 || y + 1 < s.pageHeight))
      status = Z_DATA_ERROR;
  }
  inflateEnd(&stream);
  return status == Z_OK || status == Z_STREAM_END;
}

}  // namespace

TPreviewSheet PreviewSheetOf(const TPrinter& printer) {
  TPreviewSheet sheet;
  sheet.dpiX = printer.PrnDpiX() > 0 ? printer.PrnDpiX() : 600;
  sheet.dpiY = printer.PrnDpiY() > 0 ? printer.PrnDpiY() : 600;
  sheet.pageWidth = std::max(printer.PageWidthPx(), 0);
  sheet.pageHeight = std::max(printer.PageHeightPx(), 0);
  sheet.paperWidth = std::max(printer.PaperWidthPx(), sheet.pageWidth);
  sheet.paperHeight = std::max(printer.PaperHeightPx(), sheet.pageHeight);
  if (const auto* spooler = dynamic_cast<const SpoolerPrinter*>(&printer)) {
    sheet.pageLeft = std::clamp(spooler->PageLeftPx(), 0, sheet.paperWidth - sheet.pageWidth);
    sheet.pageTop = std::clamp(spooler->PageTopPx(), 0, sheet.paperHeight - sheet.pageHeight);
  } else {
    sheet.pageLeft = (sheet.paperWidth - sheet.pageWidth) / 2;
    sheet.pageTop = (sheet.paperHeight - sheet.pageHeight) / 2;
  }
  return sheet;
}

TPreviewSheet PreviewSheetOf(const TPaperOptions& paper) {
  const TSheetPixels pixels = SheetPixels(paper);
  TPreviewSheet sheet;
  sheet.dpiX = sheet.dpiY = paper.dpi;
  sheet.paperWidth = sheet.pageWidth = pixels.width;
  sheet.paperHeight = sheet.pageHeight = pixels.height;
  return sheet;
}

TPreviewSheet ScaleSheet(const TPreviewSheet& sheet, int dpi) {
  TPreviewSheet s;
  if (dpi <= 0 || sheet.dpiX <= 0 || sheet.dpiY <= 0) return s;
  s.dpiX = s.dpiY = dpi;
  s.paperWidth = std::max(Scaled(sheet.paperWidth, dpi, sheet.dpiX), 1);
  s.paperHeight = std::max(Scaled(sheet.paperHeight, dpi, sheet.dpiY), 1);
  s.pageLeft = std::clamp(Scaled(sheet.pageLeft, dpi, sheet.dpiX), 0, s.paperWidth - 1);
  s.pageTop = std::clamp(Scaled(sheet.pageTop, dpi, sheet.dpiY), 0, s.paperHeight - 1);
  s.pageWidth = std::clamp(Scaled(sheet.pageWidth, dpi, sheet.dpiX), 1, s.paperWidth - s.pageLeft);
  s.pageHeight =
      std::clamp(Scaled(sheet.pageHeight, dpi, sheet.dpiY), 1, s.paperHeight - s.pageTop);
  return s;
}

TPreviewSheet ASeriesPreviewSheet(const TPreviewSheet& own, int aSeries) {
  if (aSeries < 0 || aSeries > 4) return own;
  const TSheetId id = ASeriesSheet(aSeries, TSheetId::A3);
  const TOrientation orientation =
      own.paperWidth > own.paperHeight ? TOrientation::Landscape : TOrientation::Portrait;
  const int right = std::max(own.paperWidth - own.pageLeft - own.pageWidth, 0);
  const int bottom = std::max(own.paperHeight - own.pageTop - own.pageHeight, 0);
  TPreviewSheet s = own;
  s.paperWidth = SheetPixels(id, orientation, own.dpiX).width;
  s.paperHeight = SheetPixels(id, orientation, own.dpiY).height;
  s.pageLeft = std::clamp(own.pageLeft, 0, std::max(s.paperWidth - 1, 0));
  s.pageTop = std::clamp(own.pageTop, 0, std::max(s.paperHeight - 1, 0));
  s.pageWidth = std::max(s.paperWidth - s.pageLeft - right, 1);
  s.pageHeight = std::max(s.paperHeight - s.pageTop - bottom, 1);
  return s;
}

int PreviewDpi(const TPreviewSheet& sheet) {
  if (sheet.dpiX <= 0 || sheet.dpiY <= 0) return 100;
  const double longInches = std::max(static_cast<double>(sheet.paperWidth) / sheet.dpiX,
                                     static_cast<double>(sheet.paperHeight) / sheet.dpiY);
  int dpi = kFinestDpi;
  if (longInches * kFinestDpi > kLongSidePixels)
    dpi = std::max(static_cast<int>(kLongSidePixels / longInches), 1);
  return std::max(std::min({dpi, sheet.dpiX, sheet.dpiY}), 1);
}

TPreviewImage UnpackSheet(const TPreviewPage& page) {
  const TPreviewSheet& s = page.sheet;
  if (s.pageWidth <= 0 || s.pageHeight <= 0 || s.pageLeft < 0 || s.pageTop < 0 ||
      s.pageLeft + s.pageWidth > s.paperWidth || s.pageTop + s.pageHeight > s.paperHeight)
    return {};
  TPreviewImage sheet{std::vector<uint32_t>(PixelCount(s.paperWidth, s.paperHeight), kPaper),
                      s.paperWidth, s.paperHeight};
  if (!UnpackInto(page.packed, s, sheet)) return {};
  return sheet;
}

TPreviewImage ReduceImage(const TPreviewImage& image, int factor) {
  if (factor <= 1 || image.Empty()) return image;
  TPreviewImage small;
  small.width = (image.width + factor - 1) / factor;
  small.height = (image.height + factor - 1) / factor;
  small.pixels.resize(PixelCount(small.width, small.height));
  // Sums of red, green and blue and the number of pixels, per pixel of one row of the result.
  std::vector<uint32_t> sums(PixelCount(small.width, 4));
  for (int row = 0; row < small.height; ++row) {
    std::fill(sums.begin(), sums.end(), 0u);
    const int last = std::min((row + 1) * factor, image.height);
    for (int y = row * factor; y < last; ++y) {
      const uint32_t* line = image.pixels.data() + PixelCount(image.width, y);
      for (int x = 0; x < image.width; ++x) {
        uint32_t* sum = &sums[PixelCount(x / factor, 4)];
        sum[0] += (line[x] >> 16) & 0xFFu;
        sum[1] += (line[x] >> 8) & 0xFFu;
        sum[2] += line[x] & 0xFFu;
        ++sum[3];
      }
    }
    uint32_t* out = small.pixels.data() + PixelCount(small.width, row);
    for (int x = 0; x < small.width; ++x) {
      const uint32_t* sum = &sums[PixelCount(x, 4)];
      const uint32_t n = std::max(sum[3], 1u);
      out[x] = ((sum[0] / n) << 16) | ((sum[1] / n) << 8) | (sum[2] / n);
    }
  }
  return small;
}

PreviewPagePrinter::PreviewPagePrinter(const std::u16string& name, const TPreviewSheet& own)
    : name_(name), own_(own), sheet_(ScaleSheet(own, PreviewDpi(own))) {}

std::size_t PreviewPagePrinter::PackedBytes() const {
  std::size_t bytes = 0;
  for (const TPreviewPage& page : pages_)
    bytes += page.packed.size();
  return bytes;
}

bool PreviewPagePrinter::UseSheet(int aSeries) {
  const TPreviewSheet sheet = ASeriesPreviewSheet(own_, aSeries);
  sheet_ = ScaleSheet(sheet, PreviewDpi(sheet));
  return true;
}

bool PreviewPagePrinter::StartPage() {
  pageSheet_ = sheet_;
  if (!page_.Start(pageSheet_.pageWidth, pageSheet_.pageHeight)) {
    refusal_ = u"no memory for a preview page";
    return false;
  }
  ++pageNo_;
  return true;
}

bool PreviewPagePrinter::KeepPage() {
  const GdiBitmap* bitmap = page_.Bitmap();
  if (bitmap == nullptr) return false;
  TPreviewPage page;
  page.title = title_;
  page.number = pageNo_;
  page.sheet = pageSheet_;
  if (!Pack(bitmap->Pixels(), PixelCount(bitmap->Width(), bitmap->Height()), page.packed)) {
    refusal_ = u"no memory for a preview page";
    return false;
  }
  pages_.push_back(std::move(page));
  return true;
}

bool PreviewPagePrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_) return false;
  refusal_.clear();
  title_ = title;
  pageNo_ = 0;
  documentOpen_ = StartPage();
  return documentOpen_;
}

bool PreviewPagePrinter::PrnNewPage() {
  if (!documentOpen_) return false;
  const bool kept = KeepPage();
  if (!StartPage()) {
    documentOpen_ = false;
    return false;
  }
  return kept;
}

bool PreviewPagePrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  return KeepPage();
}

Canvas* PreviewPagePrinter::PageCanvas() {
  return documentOpen_ ? page_.Canvas() : nullptr;
}

}  // namespace tavolex
