// The print preview: the pages a run records on the sheets the printer would use, and the
// window that shows them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/winwindow/PreviewWindow.h"
#include "common/Func_2.h"
#include "platform/PngWrite.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"
#include "support/TestPaths.h"

namespace tavolex {
namespace {

namespace t = test;

// An A4 portrait printer at 600 dpi whose printable page starts 100 pixels in.
TPreviewSheet A4Printer() {
  TPreviewSheet s;
  s.paperWidth = 4960;
  s.paperHeight = 7016;
  s.pageLeft = s.pageTop = 100;
  s.pageWidth = 4760;
  s.pageHeight = 6816;
  return s;
}

bool Inked(const TPreviewImage& image) {
  return std::any_of(image.pixels.begin(), image.pixels.end(),
                     [](uint32_t p) { return (p & 0xFFFFFFu) != 0xFFFFFFu; });
}

class PreviewRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.path() / "bin");
    app_.Start(dir_.path() / "bin" / "tavolex", {}, false);
    app_.Settings.PrnStyle = kStyleFit;
  }
  void TearDown() override { app_.Close(false); }

  TPrintRunResult Run(TPrinter& printer, const std::vector<std::filesystem::path>& list) {
    JwwPrintDocument document(*app_.JWW);
    TPrintDriver driver(app_.Settings, document, printer);
    driver.AppFolder = app_.Folders.AppFolder;
    driver.DrawingPaper = true;
    return driver.Run(list);
  }

  // The example plan (laid out on A3) and a drawing of one line laid out on A4.
  std::vector<std::filesystem::path> TwoSheets() {
    t::WDrawing d;
    d.header.nZumen = 4;
    d.entities.push_back(t::WLine{.start_x = 0, .start_y = 0, .end_x = 100, .end_y = 50});
    const std::filesystem::path a4 = dir_.path() / "a4.jww";
    EXPECT_TRUE(t::SaveJww(a4, d));
    return {t::SourceDir() / "examples" / "floor-plan.jww", a4};
  }

  t::ScopedTempDir dir_;
  TPrintApp app_;
};

TEST_F(PreviewRunTest, PagesKeepTheSheetOfTheirDrawingTheirTitleAndTheirInk) {
  for (const int oneDocument : {0, 1}) {
    app_.Settings.PrnRen2 = oneDocument;
    PreviewPagePrinter printer(u"Printer", A4Printer());
    const TPrintRunResult result = Run(printer, TwoSheets());
    EXPECT_EQ(result.pagesPrinted, 2);
    EXPECT_FALSE(result.printerFailed);
    const std::vector<TPreviewPage>& pages = printer.Pages();
    ASSERT_EQ(pages.size(), 2u);

    // A3 then A4, both upright as the printer's own sheet, the margin where the printer has it.
    const TPreviewSheet& a3 = pages[0].sheet;
    const TPreviewSheet& a4 = pages[1].sheet;
    EXPECT_NEAR(PixelsToMm(a3.paperWidth, a3.dpiX), 297.0, 0.5);
    EXPECT_NEAR(PixelsToMm(a3.paperHeight, a3.dpiY), 420.0, 0.5);
    EXPECT_NEAR(PixelsToMm(a4.paperWidth, a4.dpiX), 210.0, 0.5);
    EXPECT_NEAR(PixelsToMm(a4.paperHeight, a4.dpiY), 297.0, 0.5);
    EXPECT_NEAR(PixelsToMm(a4.pageLeft, a4.dpiX), PixelsToMm(100, 600), 0.3);
    EXPECT_EQ(a4.pageLeft + a4.pageWidth + a4.pageLeft, a4.paperWidth);

    if (oneDocument == 1) {
      EXPECT_EQ(pages[0].title, u"Tavolex 印刷");
      EXPECT_EQ(pages[1].number, 2);
    } else {
      EXPECT_EQ(pages[1].title, u"Tavolex_a4.jww");
      EXPECT_EQ(pages[1].number, 1);
    }

    // The sheet unpacks whole: white in the margin, the drawing's ink on the page.
    for (const TPreviewPage& page : pages) {
      const TPreviewImage sheet = UnpackSheet(page);
      ASSERT_EQ(sheet.pixels.size(), static_cast<std::size_t>(page.sheet.paperWidth) *
                                         static_cast<std::size_t>(page.sheet.paperHeight));
      EXPECT_EQ(sheet.pixels.front() & 0xFFFFFFu, 0xFFFFFFu);
      EXPECT_TRUE(Inked(sheet));
      // Shown small, a thin line fades but stays.
      EXPECT_TRUE(Inked(ReduceImage(sheet, 5)));
    }
    EXPECT_LT(printer.PackedBytes(), 1u << 20);
    // A damaged page gives no sheet rather than garbage.
    TPreviewPage cut = pages[0];
    cut.packed.resize(cut.packed.size() / 2);
    EXPECT_TRUE(UnpackSheet(cut).Empty());
  }
}

// Three pages drawn straight onto the preview's printer.
TPreviewRequest ThreePages(int* printed) {
  TPreviewRequest request;
  request.sheet = A4Printer();
  request.printerName = u"Printer";
  request.printTo = [](TPrinter& printer) {
    TPrintRunResult result;
    printer.PrnTitle(u"Tavolex 印刷");
    for (int page = 0; page < 3; ++page) {
      if (page > 0) printer.PrnNewPage();
      printer.PageCanvas()->SetPen(0, 3, PenStyle::Solid);
      printer.PageCanvas()->MoveTo(10, 10);
      printer.PageCanvas()->LineTo(200, 100 * (page + 1));
      ++result.pagesPrinted;
    }
    printer.PrnEndDoc();
    return result;
  };
  request.printAll = [printed] { ++*printed; };
  return request;
}

TEST(PreviewWindowTest, PagesTurnWithinTheRunAndPrintClosesTheWindow) {
  int printed = 0;
  TPreviewWindow preview(nullptr, ThreePages(&printed));
  ASSERT_FALSE(preview.Closed());
  EXPECT_FALSE(IsWindowVisible(preview.Handle()));
  EXPECT_EQ(preview.PageCount(), 3);
  EXPECT_EQ(preview.PageLabel(), u"1 / 3");
  for (int i = 0; i < 5; ++i)
    preview.NextPage();
  EXPECT_EQ(preview.PageIndex(), 2);
  EXPECT_EQ(preview.PageLabel(), u"3 / 3");
  for (int i = 0; i < 5; ++i)
    preview.PreviousPage();
  EXPECT_EQ(preview.PageIndex(), 0);
  // The keys reach the window from any of its controls.
  const MSG end{FindWindowExW(preview.Handle(), nullptr, L"Button", nullptr), WM_KEYDOWN, VK_END};
  EXPECT_TRUE(preview.HandleKey(end));
  EXPECT_EQ(preview.PageIndex(), 2);

  HWND print = FindWindowExW(preview.Handle(), nullptr, L"Button", L"印刷");
  ASSERT_NE(print, nullptr);
  SendMessageW(preview.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(print), BN_CLICKED),
               reinterpret_cast<LPARAM>(print));
  EXPECT_TRUE(preview.Closed());
  EXPECT_TRUE(preview.PrintChosen());
}

TEST(PreviewZoomTest, FitsScrollsWithinTheSheetAndKeepsThePointUnderTheMouse) {
  // A4 landscape at 150 dpi with 16 pixels of margin: the height limits in a wide view, the
  // width in a narrow one.
  EXPECT_DOUBLE_EQ(FitPageScale(1754, 1240, 1000, 600, 16), 568.0 / 1240);
  EXPECT_DOUBLE_EQ(FitPageScale(1754, 1240, 800, 600, 16), 768.0 / 1754);
  EXPECT_DOUBLE_EQ(FitWidthScale(1754, 800, 16), 768.0 / 1754);
  EXPECT_DOUBLE_EQ(ClampZoom(100.0, 0.64), 0.64 * 4);
  EXPECT_DOUBLE_EQ(StepZoom(0.64 * 0.05, false, 0.64), 0.64 * 0.05);

  // A sheet smaller than the view is centred and cannot scroll; a larger one scrolls only as
  // far as its far margin.
  const TViewAxis small = LayOutAxis(500, 800, 16, 300);
  EXPECT_EQ(small.origin, 150);
  EXPECT_EQ(small.scroll, 0);
  const TViewAxis large = LayOutAxis(2000, 800, 16, 5000);
  EXPECT_EQ(large.scroll, 2032 - 800);
  EXPECT_EQ(large.origin, 16 - large.scroll);
  EXPECT_EQ(LayOutAxis(2000, 800, 16, -40).scroll, 0);

  // Doubling the zoom about view point 300 keeps the sheet point that was there.
  const TViewAxis before = LayOutAxis(2000, 800, 16, 400);
  const int scroll = ScrollKeeping(before.origin, 300, 16, 1.0, 2.0);
  const TViewAxis after = LayOutAxis(4000, 800, 16, scroll);
  EXPECT_EQ((300 - before.origin) * 2, 300 - after.origin);
}

// The client area of a shown window as the screen has it, once it is painted.
bool WriteClientPng(HWND window, const std::filesystem::path& file) {
  for (int i = 0; i < 50; ++i) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&message);
    Sleep(20);
  }
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GdiBitmap picture(client.right - client.left, client.bottom - client.top);
  if (picture.Null()) return false;
  HDC screen = GetDC(nullptr);
  BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, client.left, client.top,
         SRCCOPY);
  ReleaseDC(nullptr, screen);
  const PngPage png{picture.Pixels(), picture.Width(), picture.Height(),
                    static_cast<size_t>(picture.Width()), 0};
  return WritePng(file, png);
}

// With TAVOLEX_PREVIEW_SHOT=folder (and a display): the examples in the preview on an A4
// landscape printer, whole and zoomed, written as pictures for a person to look at, and the
// time the pages took to record.
TEST_F(PreviewRunTest, ShotOfTheExamples) {
  const char* folder = std::getenv("TAVOLEX_PREVIEW_SHOT");
  if (folder == nullptr) GTEST_SKIP() << "TAVOLEX_PREVIEW_SHOT names no folder";
  std::vector<std::filesystem::path> list;
  for (const auto& entry : std::filesystem::directory_iterator(t::SourceDir() / "examples"))
    if (entry.path().extension() == ".jww") list.push_back(entry.path());
  std::sort(list.begin(), list.end());
  TPreviewRequest request;
  request.sheet = A4Printer();
  std::swap(request.sheet.paperWidth, request.sheet.paperHeight);
  std::swap(request.sheet.pageWidth, request.sheet.pageHeight);
  request.printTo = [&](TPrinter& printer) {
    const auto start = std::chrono::steady_clock::now();
    const TPrintRunResult r = Run(printer, list);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << r.pagesPrinted << " pages recorded in " << took.count() << " s\n";
    return r;
  };
  TPreviewWindow preview(nullptr, request);
  ASSERT_FALSE(preview.Closed());
  ShowWindow(preview.Handle(), SW_SHOWNOACTIVATE);
  EXPECT_TRUE(WriteClientPng(preview.Handle(), std::filesystem::path(folder) / "preview-fit.png"));
  preview.NextPage();
  preview.ShowRealSize();
  preview.Zoom(true);
  EXPECT_TRUE(WriteClientPng(preview.Handle(), std::filesystem::path(folder) / "preview-zoom.png"));
}

}  // namespace
}  // namespace tavolex
