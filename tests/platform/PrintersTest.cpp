#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "platform/qt/QtPrinters.h"
#include "support/CliRun.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

class PrintersTest : public ::testing::Test {
 protected:
  void SetUp() override { small_.dpi = 72; }

  // Pages of a PDF file as pdfinfo counts them; -1 when it cannot read the file.
  static int PdfPages(const std::filesystem::path& file) {
    std::istringstream info(test::RunShell("pdfinfo " + test::Quote(file) + " 2>/dev/null").output);
    int pages = -1;
    for (std::string line; std::getline(info, line);) {
      if (std::sscanf(line.c_str(), "Pages: %d", &pages) == 1) break;
    }
    return pages;
  }

  static void DrawDiagonal(TPrinter& printer) {
    Canvas* c = printer.PageCanvas();
    ASSERT_NE(c, nullptr);
    c->SetPen(0x000000, 3, PenStyle::Solid);
    c->MoveTo(0, 0);
    c->LineTo(printer.PageWidthPx() - 1, printer.PageHeightPx() - 1);
  }

  test::ScopedTempDir tmp_;
  std::filesystem::path dir_ = tmp_.path();
  QtPaperOptions small_;
};

TEST_F(PrintersTest, SheetSizesFollowPaperOrientationAndResolution) {
  QtPaperOptions a3;  // the defaults: A3 landscape, 600 dpi, the whole sheet printable
  PdfPrinter pdf(dir_ / "x.pdf", false, a3);
  // The PDF sheet is whole points, so a few pixels off the millimetre size.
  EXPECT_NEAR(pdf.PageWidthPx(), 9921, 5);
  EXPECT_NEAR(pdf.PageHeightPx(), 7016, 5);
  EXPECT_EQ(pdf.PageWidthPx(), pdf.PaperWidthPx());
  EXPECT_NEAR(PrnPaperWmm(pdf), 420.0, 0.5);
  EXPECT_NEAR(PrnPageHmm(pdf), 297.0, 0.5);
  QtPaperOptions a4;
  a4.paper = QPageSize::A4;
  a4.orientation = QPageLayout::Portrait;
  a4.dpi = 300;
  PngPrinter png(dir_, a4);
  EXPECT_NEAR(png.PageWidthPx(), 2480, 3);
  EXPECT_NEAR(png.PageHeightPx(), 3508, 3);
  // The program's own sheets are the sheets Qt lays out, to the pixel and by name.
  for (TSheetId id = TSheetId::A0; id <= TSheetId::Tabloid; id = TSheetId(int(id) + 1)) {
    const QPageSize qt(QtSheetId(id));
    EXPECT_EQ(QPageSize::name(qt.id()).toStdString(), SheetSize(id).name);
    for (int dpi : {36, 150, 600, 2400}) {
      const TSheetPixels px = SheetPixels(id, TOrientation::Landscape, dpi);
      EXPECT_EQ(QSize(px.width, px.height), qt.sizePixels(dpi).transposed())
          << qt.name().toStdString();
    }
  }
}

TEST_F(PrintersTest, OneFileTakesEveryDocumentOfTheRun) {
  const std::filesystem::path file = dir_ / "run.pdf";
  PdfPrinter pdf(file, false, small_);
  ASSERT_TRUE(pdf.PrnTitle(u"Tavolex_a.jww"));
  DrawDiagonal(pdf);
  ASSERT_TRUE(pdf.PrnEndDoc());
  ASSERT_TRUE(pdf.PrnTitle(u"Tavolex_b.jww"));
  DrawDiagonal(pdf);
  ASSERT_TRUE(pdf.PrnNewPage());
  DrawDiagonal(pdf);
  ASSERT_TRUE(pdf.PrnEndDoc());
  EXPECT_EQ(pdf.PageCanvas(), nullptr);
  ASSERT_TRUE(pdf.PrnFinish());
  EXPECT_EQ(PdfPages(file), 3);
}

TEST_F(PrintersTest, FolderGetsOneFilePerDocumentNamedAfterItsTitle) {
  PdfPrinter pdf(dir_, true, small_);
  for (const std::u16string title : {u"[3]Tavolex_平面図.jww", u"[3]Tavolex_平面図.jww", u"a/b"}) {
    ASSERT_TRUE(pdf.PrnTitle(title));
    DrawDiagonal(pdf);
    ASSERT_TRUE(pdf.PrnEndDoc());
  }
  pdf.PrnFinish();
  EXPECT_EQ(PdfPages(dir_ / "[3]Tavolex_平面図.jww.pdf"), 1);
  EXPECT_EQ(PdfPages(dir_ / "[3]Tavolex_平面図.jww (2).pdf"), 1);
  EXPECT_EQ(PdfPages(dir_ / "a_b.pdf"), 1);
  EXPECT_EQ(pdf.FilesWritten().size(), 3u);
}

TEST_F(PrintersTest, PdfToAMissingFolderFails) {
  PdfPrinter pdf(dir_ / "no" / "such" / "x.pdf", false, small_);
  EXPECT_FALSE(pdf.PrnTitle(u"t"));
  EXPECT_EQ(pdf.PageCanvas(), nullptr);
}

TEST_F(PrintersTest, PngWritesEveryPageOnWhitePaper) {
  PngPrinter png(dir_, small_);
  ASSERT_TRUE(png.PrnTitle(u"Tavolex 印刷"));
  DrawDiagonal(png);
  ASSERT_TRUE(png.PrnNewPage());
  ASSERT_TRUE(png.PrnEndDoc());
  ASSERT_EQ(png.FilesWritten().size(), 2u);
  EXPECT_EQ(png.FilesWritten()[0].path.filename(), std::filesystem::path("Tavolex 印刷-001.png"));
  const QImage first(QString::fromStdString(png.FilesWritten()[0].path.string()));
  const QImage second(QString::fromStdString(png.FilesWritten()[1].path.string()));
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.width(), png.PageWidthPx());
  EXPECT_EQ(first.pixel(first.width() / 2, first.height() / 2) & 0xFFFFFF, 0u);  // on the line
  EXPECT_EQ(first.pixel(first.width() - 5, 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(second.pixel(second.width() / 2, second.height() / 2) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace tavolex
