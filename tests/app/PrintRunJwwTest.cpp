// The run on real drawing files written by the test writer: the document adapter, group pages
// from the stored layer states, and the images a drawing unpacks.
#include <gtest/gtest.h>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "support/JwwWriter.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPrinter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

namespace t = test;

t::WLine LineOn(int group, double x1, double y1, double x2, double y2) {
  t::WLine l;
  l.att.nGLayer = static_cast<uint16_t>(group);
  l.att.nPenColor = 2;
  l.start_x = x1;
  l.start_y = y1;
  l.end_x = x2;
  l.end_y = y2;
  return l;
}

class PrintRunJwwTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "bin");
    app_.Start(dir_ / "bin" / "tavolex", {}, false);
    printer_.canvas = &canvas_;
  }
  void TearDown() override { app_.Close(false); }

  TPrintRunResult Run(const std::vector<std::u16string>& list) {
    JwwPrintDocument document(*app_.JWW);
    TPrintDriver driver(app_.Settings, document, printer_);
    driver.AppFolder = app_.Folders.AppFolder;
    return driver.Run({list.begin(), list.end()});
  }

  t::ScopedTempDir dir_;
  TPrintApp app_;
  RecordingCanvas canvas_;
  t::RecordingPrinter printer_;
};

TEST_F(PrintRunJwwTest, GroupPagesFollowTheStoredLayerStates) {
  t::WDrawing d;
  d.entities.push_back(LineOn(0, 0, 0, 100, 0));
  d.entities.push_back(LineOn(2, 0, 10, 100, 10));
  d.entities.push_back(LineOn(3, 0, 20, 100, 20));
  d.header.EntLgrp[3].anGLay = 1;  // display-only
  d.header.EntLgrp[5].anGLay = 0;  // hidden, and empty anyway
  const std::filesystem::path file = dir_ / "groups.jww";
  ASSERT_TRUE(t::SaveJww(file, d));
  app_.Settings.PrnRen1 = 1;
  app_.Settings.PrnStyle = kStyleFit;
  const TPrintRunResult r = Run({StrFromPath(file)});
  EXPECT_EQ(printer_.events, (std::vector<std::string>{"begin:[0]Tavolex_groups.jww", "end",
                                                       "begin:[2]Tavolex_groups.jww", "end"}));
  EXPECT_EQ(r.pagesPrinted, 2);
  // Both pages drew their line inside the page.
  const std::vector<RecordedSegment> segments = canvas_.Segments();
  ASSERT_GE(segments.size(), 2u);
  for (const RecordedSegment& s : segments) {
    EXPECT_GE(std::min(s.x1, s.x2), 0);
    EXPECT_LE(std::max(s.x1, s.x2), printer_.pageW);
  }
}

TEST_F(PrintRunJwwTest, StoredImagesAreUnpackedForTheDrawingAndRemovedAfterTheRun) {
  t::WDrawing d;
  d.header.jwVer = 700;
  d.entities.push_back(LineOn(0, 0, 0, 50, 50));
  d.images.push_back({u"pic.png.gz", t::GzipBytes(std::vector<uint8_t>{'p', 'n', 'g'})});
  const std::filesystem::path file = dir_ / "image.jww";
  ASSERT_TRUE(t::SaveJww(file, d));
  // Into this run's own folder inside TEMP, never into TEMP itself.
  ASSERT_FALSE(app_.WorkFolder.empty());
  EXPECT_EQ(app_.WorkFolder.parent_path().parent_path(), app_.Folders.TempFolder.parent_path());
  const std::filesystem::path unpacked = app_.WorkFolder / "pic.png";

  JwwPrintDocument document(*app_.JWW);
  TPrintDriver driver(app_.Settings, document, printer_);
  bool printed = false;
  driver.PrintFile(StrFromPath(file), printed);
  EXPECT_TRUE(printed);
  EXPECT_TRUE(std::filesystem::exists(unpacked));
  EXPECT_EQ(ZuFileName, StrFromPath(file));

  Run({StrFromPath(file)});
  EXPECT_FALSE(std::filesystem::exists(unpacked));
  EXPECT_FALSE(std::filesystem::exists(app_.WorkFolder / "pic.png.gz"));
  const std::filesystem::path work = app_.WorkFolder;
  app_.Close(false);
  EXPECT_FALSE(std::filesystem::exists(work));
  app_.Start(dir_ / "bin" / "tavolex", {}, false);
}

TEST_F(PrintRunJwwTest, OnlyDrawingsThatReachPaperCountAsPrinted) {
  const std::filesystem::path empty = dir_ / "empty.jww";
  ASSERT_TRUE(t::SaveJww(empty, t::WDrawing{}));
  // Cut short inside its entity list: what was read before the cut still prints.
  t::WDrawing d;
  for (int i = 0; i < 40; ++i)
    d.entities.push_back(LineOn(0, 0, i, 100, i));
  const std::filesystem::path whole = dir_ / "whole.jww";
  ASSERT_TRUE(t::SaveJww(whole, d));
  const std::filesystem::path cut = dir_ / "cut.jww";
  std::filesystem::copy_file(whole, cut);
  std::filesystem::resize_file(cut, std::filesystem::file_size(whole) - 400);
  const TPrintRunResult r = Run({StrFromPath(empty), StrFromPath(cut), StrFromPath(whole)});
  EXPECT_EQ(r.filesPrinted, 2);
  EXPECT_EQ(r.pagesPrinted, 2);
  EXPECT_EQ(r.nothingToPrint, std::vector<std::filesystem::path>{empty});
}

}  // namespace
}  // namespace tavolex
