// The print run as a user meets it when things go wrong: damaged drawings, bad output places,
// runs side by side, file names from Windows archives, the drawing's own paper, fit under a turn.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdlib>
#include <fstream>
#include <future>

#include "support/CliRun.h"
#include "platform/PageInk.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {
namespace {

namespace t = test;
using Outcome = test::CliOutcome;
using test::Ink;
using test::InkOf;
using test::Pages;
using test::Quote;

Outcome RunPrint(const std::string& args, bool dropStderr = false) {
  return test::RunCli(TAVOLEX_PRINT_EXE, args, dropStderr);
}

t::WDrawing Lines(int count, double length) {
  t::WDrawing d;
  for (int i = 0; i < count; ++i) {
    t::WLine l;
    l.att.nPenColor = 2;
    l.start_y = l.end_y = i;
    l.end_x = length;
    d.entities.push_back(l);
  }
  return d;
}

// A filled rectangle of w x h drawing millimetres with its corner at the origin.
t::WDrawing Block(double w, double h) {
  t::WDrawing d;
  t::WSolid s;
  s.att.nPenColor = 2;
  s.end_x = w;
  s.DPoint2_x = w;
  s.DPoint2_y = h;
  s.DPoint3_y = h;
  d.entities.push_back(s);
  return d;
}

std::vector<uint8_t> PngOf(QColor colour) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class PrintRunCliTest : public ::testing::Test {
 protected:
  std::filesystem::path Save(const std::string& name, const t::WDrawing& d) {
    const std::filesystem::path file = dir_ / name;
    EXPECT_TRUE(t::SaveJww(file, d));
    return file;
  }
  t::ScopedTempDir dir_;
};

TEST_F(PrintRunCliTest, DamagedDrawingsAreNamedAndNeverCountAsPrinted) {
  const std::filesystem::path whole = Save("whole.jww", Lines(20, 100));
  const std::filesystem::path cut = Save("cut.jww", Lines(20, 100));
  std::filesystem::resize_file(cut, 1000);  // inside the header: nothing of it can print
  const std::filesystem::path pdf = dir_ / "run.pdf";
  Outcome o = RunPrint("--quiet --pdf " + Quote(pdf) + " " + Quote(cut) + " " + Quote(whole));
  EXPECT_EQ(o.exitCode, 1) << o.output;
  EXPECT_TRUE(Contains(o.output, "nothing to print: " + cut.string())) << o.output;
  EXPECT_TRUE(Contains(o.output, "1 of 2 drawings printed, 1 page")) << o.output;
  EXPECT_TRUE(std::filesystem::exists(pdf));  // the drawing after the damaged one printed

  std::filesystem::remove(pdf);
  o = RunPrint("--quiet --pdf " + Quote(pdf) + " " + Quote(cut) + " " + Quote(cut));
  EXPECT_EQ(o.exitCode, 1) << o.output;
  EXPECT_TRUE(Contains(o.output, "0 of 2 drawings printed, 0 pages")) << o.output;
  EXPECT_TRUE(Contains(o.output, "no file was written")) << o.output;
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintRunCliTest, RunsSideBySideEachPrintTheirOwnStoredImages) {
  // Two runs from one install, every drawing storing an image of the same name.
  const auto makeRun = [&](const std::string& run, QColor colour) {
    t::WDrawing d;
    d.header.jwVer = 700;
    t::WMoji image;
    image.str = u"^@BM%temp%pic.png,100,100";
    d.entities.push_back(image);
    d.images.push_back({u"pic.png.gz", t::GzipBytes(PngOf(colour))});
    std::filesystem::create_directories(dir_ / run / "out");
    for (int i = 0; i < 12; ++i)
      EXPECT_TRUE(t::SaveJww(dir_ / run / (std::to_string(i) + ".jww"), d));
    return "--quiet --dpi 36 --style scale --offset 50,50 --png " + Quote(dir_ / run / "out") +
           " " + Quote(dir_ / run);
  };
  const std::string red = makeRun("red", Qt::red);
  const std::string blue = makeRun("blue", Qt::blue);
  auto first = std::async(std::launch::async, [&] { return RunPrint(red); });
  auto second = std::async(std::launch::async, [&] { return RunPrint(blue); });
  ASSERT_EQ(first.get().exitCode, 0);
  ASSERT_EQ(second.get().exitCode, 0);
  for (const auto& [run, want] : {std::pair{"red", QColor(Qt::red)}, {"blue", QColor(Qt::blue)}}) {
    const auto pages = Pages(dir_ / run / "out");
    EXPECT_EQ(pages.size(), 12u) << run;
    for (const auto& page : pages) {
      const QImage image(QString::fromStdString(page.string()));
      const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
      EXPECT_EQ(centre, want) << page;
    }
  }
}

TEST_F(PrintRunCliTest, ShiftJisFileNamePrintsAndShowsWithReplacementCharacters) {
  const std::filesystem::path name = dir_ / "\x90\x7d\x96\xca.jww";  // 図面 in Shift-JIS
  ASSERT_TRUE(t::SaveJww(name, Lines(3, 50)));
  const Outcome o = RunPrint("--dpi 36 --png " + Quote(dir_ / "out") + " " + Quote(name));
  EXPECT_EQ(o.exitCode, 0) << o.output;
  EXPECT_TRUE(Contains(o.output, "\xEF\xBF\xBD\xEF\xBF\xBD.jww")) << o.output;
  EXPECT_EQ(Pages(dir_ / "out").size(), 1u);
}

TEST_F(PrintRunCliTest, DrawingPaperGivesEveryPageTheSheetItsDrawingStores) {
  std::string files;
  for (int code : {1, 3, 4, 9}) {
    t::WDrawing d = Lines(2, 50);
    d.header.nZumen = code;
    files += " " + Quote(Save("z" + std::to_string(code) + ".jww", d));
  }
  // Pages of one run document take their sheets too, the first one included.
  for (const std::string mode : {"", " --one-document"}) {
    const std::filesystem::path pdf = dir_ / "sheets.pdf";
    const Outcome o =
        RunPrint("--quiet --dpi 72 --paper drawing,A4" + mode + " --pdf " + Quote(pdf) + files);
    ASSERT_EQ(o.exitCode, 0) << o.output;
    EXPECT_TRUE(Contains(o.output, "1 drawing stores no paper of A0 to A4 and printed on A4"))
        << o.output;
    const std::string text = t::RunShell("pdfinfo -f 1 -l 4 " + Quote(pdf) + " 2>/dev/null").output;
    // Landscape A1, A3, A4 and the fallback A4, in points.
    EXPECT_TRUE(Contains(text, "Page    1 size:  2384 x 1684 pts (A1)")) << mode << text;
    EXPECT_TRUE(Contains(text, "Page    2 size:  1191 x 842 pts (A3)")) << mode << text;
    EXPECT_TRUE(Contains(text, "Page    3 size:  842 x 595 pts (A4)")) << mode << text;
    EXPECT_TRUE(Contains(text, "Page    4 size:  842 x 595 pts (A4)")) << mode << text;
  }
}

TEST_F(PrintRunCliTest, FitOfATurnedDrawingStaysOnTheSheetAndFillsIt) {
  const std::string plan = Quote(Save("plan.jww", Block(400, 100)));
  for (const char* angle : {"90", "180"}) {
    const std::filesystem::path out = dir_ / angle;
    const Outcome o = RunPrint("--quiet --dpi 36 --style fit --rotate " + std::string(angle) +
                               " --png " + Quote(out) + " " + plan);
    ASSERT_EQ(o.exitCode, 0) << o.output;
    const auto pages = Pages(out);
    ASSERT_EQ(pages.size(), 1u);
    const QImage page(QString::fromStdString(pages[0].string()));
    const Ink ink = InkOf(page);
    ASSERT_GT(ink.share, 0.1) << angle << "° left the sheet";
    // The limiting side is filled to 1/1.01, and the ink is centred on the sheet.
    const bool quarter = std::string(angle) == "90";
    const double filled =
        quarter ? double(ink.box.height()) / page.height() : double(ink.box.width()) / page.width();
    EXPECT_GT(filled, 0.97) << angle;
    EXPECT_NEAR(ink.box.center().x(), page.width() / 2.0, 3) << angle;
    EXPECT_NEAR(ink.box.center().y(), page.height() / 2.0, 3) << angle;
  }
}

TEST_F(PrintRunCliTest, ListPrintersWithoutAnyPrinterPrintsNothing) {
  // A print server that does not exist: the system has no printer.
  setenv("CUPS_SERVER", (dir_ / "no-such-cups.sock").c_str(), 1);
  const Outcome listed = RunPrint("--list-printers", true);
  const Outcome said = RunPrint("--list-printers");
  unsetenv("CUPS_SERVER");
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_EQ(listed.output, "");
  EXPECT_TRUE(Contains(said.output, "no printers")) << said.output;
}

}  // namespace
}  // namespace tavolex

#endif
