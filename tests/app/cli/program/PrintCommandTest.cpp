// tavolex-print run as a program: the real drawings to one PDF, exit codes and messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "support/CliRun.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"
#include "support/TestPaths.h"

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {
namespace {

using Outcome = test::CliOutcome;
using test::Quote;

Outcome RunPrint(const std::string& args) {
  return test::RunCli(TAVOLEX_PRINT_EXE, args);
}

class PrintCommandTest : public ::testing::Test {
 protected:
  test::ScopedTempDir tmp_;
  std::filesystem::path dir_ = tmp_.path();
};

int CountDrawings(const std::filesystem::path& folder) {
  int n = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    if (e.is_regular_file() && e.path().extension() == ".jww") ++n;
  }
  return n;
}

// Share of pixels of a greyscale page image (PGM) darker than mid-grey.
double InkShare(const std::filesystem::path& pgm) {
  std::ifstream in(pgm, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxv = 0;
  in >> magic >> w >> h >> maxv;
  in.get();
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (magic != "P5" || w <= 0 || h <= 0 || data.size() < static_cast<size_t>(w) * h) return 0;
  size_t dark = 0;
  for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
    if (static_cast<unsigned char>(data[i]) < 200) ++dark;
  }
  return static_cast<double>(dark) / (static_cast<double>(w) * h);
}

TEST_F(PrintCommandTest, SampleDrawingsPrintToOnePdfWithOneInkedPagePerDrawing) {
  TAVOLEX_REQUIRE_SAMPLES();
  const std::filesystem::path pdf = dir_ / "samples.pdf";
  const Outcome o =
      RunPrint("--quiet --style fit --pdf " + Quote(pdf) + " " + Quote(test::SamplesDir()));
  ASSERT_EQ(o.exitCode, 0) << o.output;
  const int drawings = CountDrawings(test::SamplesDir());
  EXPECT_NE(o.output.find(std::to_string(drawings) + " of " + std::to_string(drawings) +
                          " drawings printed"),
            std::string::npos)
      << o.output;
  const std::string cmd =
      "pdftoppm -r 12 -gray " + Quote(pdf) + " " + Quote(dir_ / "page") + " 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  int pages = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir_)) {
    if (e.path().extension() != ".pgm") continue;
    ++pages;
    EXPECT_GT(InkShare(e.path()), 0.001) << e.path() << " is blank";
  }
  EXPECT_EQ(pages, drawings);
}

// A line-art PNG: thin white lines on one colour.
std::vector<uint8_t> LineArtPng(QColor colour) {
  QImage image(64, 64, QImage::Format_RGB32);
  image.fill(colour);
  QPainter painter(&image);
  painter.setPen(Qt::white);
  for (int x = 0; x < 64; x += 8)
    painter.drawLine(x, 0, x, 63);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

// A drawing that stores logo.png and shows it 100 × 100 at the origin.
test::WDrawing DrawingWithLogo(QColor colour) {
  test::WDrawing d;
  d.header.jwVer = 700;
  d.entities.push_back(test::WLine{.end_x = 100, .end_y = 100});
  d.entities.push_back(test::WMoji{.end_x = 100, .str = u"^@BM%temp%logo.png,100,100"});
  d.images.push_back({u"logo.png.gz", test::GzipBytes(LineArtPng(colour))});
  return d;
}

// Whether most coloured pixels of a page (PPM) are red (1) or blue (2); 0 when neither.
int PageColour(const std::filesystem::path& ppm) {
  const QImage page(QString::fromStdString(ppm.string()));
  int red = 0, blue = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (c.red() > 180 && c.green() < 90 && c.blue() < 90) ++red;
      if (c.blue() > 180 && c.green() < 90 && c.red() < 90) ++blue;
    }
  }
  if (red > 10 * (blue + 1)) return 1;
  if (blue > 10 * (red + 1)) return 2;
  return 0;
}

// Two drawings store different pictures under one name; printed into one PDF each page shows
// its own, and both keep a lossless encoding.
TEST_F(PrintCommandTest, SameNamedPicturesOfTwoDrawingsInOnePdf) {
  ASSERT_TRUE(test::SaveJww(dir_ / "a.jww", DrawingWithLogo(Qt::red)));
  ASSERT_TRUE(test::SaveJww(dir_ / "b.jww", DrawingWithLogo(Qt::blue)));
  const std::filesystem::path pdf = dir_ / "logos.pdf";
  const Outcome o = RunPrint("--quiet --style fit --dpi 150 --pdf " + Quote(pdf) + " " +
                             Quote(dir_ / "a.jww") + " " + Quote(dir_ / "b.jww"));
  ASSERT_EQ(o.exitCode, 0) << o.output;

  const std::string list = test::RunCli("pdfimages", "-list " + Quote(pdf)).output;
  EXPECT_EQ(list.find("jpeg"), std::string::npos) << list;
  EXPECT_EQ(list.find("dct"), std::string::npos) << list;
  EXPECT_NE(list.find("image"), std::string::npos) << list;

  ASSERT_EQ(std::system(("pdftoppm -r 20 " + Quote(pdf) + " " + Quote(dir_ / "page")).c_str()), 0);
  std::vector<std::filesystem::path> pages;
  for (const auto& e : std::filesystem::directory_iterator(dir_)) {
    if (e.path().extension() == ".ppm") pages.push_back(e.path());
  }
  std::sort(pages.begin(), pages.end());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(PageColour(pages[0]), 1);
  EXPECT_EQ(PageColour(pages[1]), 2);
}

TEST_F(PrintCommandTest, MissingFileIsNamedAndGivesExitCodeOne) {
  TAVOLEX_REQUIRE_SAMPLES();
  const std::filesystem::path missing = dir_ / "missing.jww";
  const Outcome o = RunPrint("--png " + Quote(dir_ / "png") + " --dpi 36 " +
                             Quote(test::SamplesDir() / "Test2.jww") + " " + Quote(missing));
  EXPECT_EQ(o.exitCode, 1) << o.output;
  EXPECT_NE(o.output.find(missing.string()), std::string::npos) << o.output;
  EXPECT_NE(o.output.find("1 of 2 drawings printed"), std::string::npos) << o.output;
  EXPECT_TRUE(std::filesystem::exists(dir_ / "png" / "Tavolex_Test2.jww-001.png"));
}

std::string FileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(PrintCommandTest, PensImportedFromASamplePrintAsItsOwnPens) {
  TAVOLEX_REQUIRE_SAMPLES();
  for (const char* name : {"Test1.jww", "木造平面例.jww"}) {
    const std::filesystem::path drawing = test::SamplesDir() / name;
    const std::string common = "--quiet --style fit --dpi 72 " + Quote(drawing) + " --png ";
    ASSERT_EQ(RunPrint(common + Quote(dir_ / "own") + " --pens drawing").exitCode, 0);
    const Outcome o = RunPrint(common + Quote(dir_ / "imported") + " --import-pens " +
                               Quote(drawing) + " --import-line-types " + Quote(drawing));
    ASSERT_EQ(o.exitCode, 0) << o.output;
    const std::string page = "Tavolex_" + std::string(name) + "-001.png";
    const std::string own = FileBytes(dir_ / "own" / page);
    ASSERT_FALSE(own.empty()) << page;
    EXPECT_TRUE(own == FileBytes(dir_ / "imported" / page)) << name;
  }
}

}  // namespace
}  // namespace tavolex

#endif
