#include "app/PrintDriver.h"

#include <gtest/gtest.h>
#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <map>
#include <numbers>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "support/RecordingPrinter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

using test::RecordingPrinter;

// A drawing described by its layer states, element counts and extents.
struct FakeDrawing {
  std::array<int, 16> groups;
  std::array<int, 256> layers;
  std::map<std::pair<int, int>, long long> counts;  // (group, layer) -> elements
  double minX = 0, minY = 0, maxX = 200, maxY = 100;
  TPrintHeader header;
  uint32_t displayOnlyColor = 0x808080;

  FakeDrawing() {
    groups.fill(2);
    layers.fill(2);
  }
};

class FakeDocument : public TPrintDocument {
 public:
  explicit FakeDocument(std::vector<std::string>& log) : log_(log) {}

  std::map<std::u16string, FakeDrawing> drawings;
  double ltypeUnitTaken = 0.0;  // the line-type unit the drawing's line types were read with

  bool FileCheck(const std::filesystem::path& FName) override {
    return drawings.count(StrFromPath(FName)) > 0;
  }
  void JwwDataFree() override { loaded_ = nullptr; }
  void FileIn(const std::filesystem::path& FName) override {
    auto it = drawings.find(StrFromPath(FName));
    loaded_ = it == drawings.end() ? nullptr : &it->second;
  }
  void BindImageExplode() override {}
  void FileColorSet() override {}
  void FileLtypeSet() override { ltypeUnitTaken = LtypeUnit; }
  void SetGAttLayer() override {
    for (int i = 0; i < 256; ++i) {
      const int gs = loaded_->groups[i / 16];
      const int ls = loaded_->layers[i];
      const int st = (gs == 0 || ls == 0) ? 3 : ((gs == 1 || ls == 1) ? 2 : 1);
      GAtt->SetAttrLayer(i, st);
    }
  }
  void GetMinMaxZahyo(double& minX, double& minY, double& maxX, double& maxY) override {
    minX = loaded_->minX;
    minY = loaded_->minY;
    maxX = loaded_->maxX;
    maxY = loaded_->maxY;
  }
  int GroupState(int group) const override { return loaded_->groups[group]; }
  int LayerState(int n) const override { return loaded_->layers[n]; }
  uint32_t DisplayOnlyPrintColor() const override { return loaded_->displayOnlyColor; }
  TPrintHeader PrintHeader() const override { return loaded_->header; }
  int PaperCode() const override { return 3; }
  long long CountElements(int group, int layer) const override {
    long long sum = 0;
    for (const auto& [key, n] : loaded_->counts) {
      if ((group == -1 || key.first == group) && (layer == -1 || key.second == layer)) sum += n;
    }
    return sum;
  }
  void DrawPage(Canvas&, int order, int lay1, double) override {
    log_.push_back("draw:" + std::to_string(order) + "/" + std::to_string(lay1));
  }

 private:
  std::vector<std::string>& log_;
  FakeDrawing* loaded_ = nullptr;
};

class PrintDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    att_ = std::make_unique<TgraAttribute>();
    GAtt = att_.get();
    settings_.SetDefaults();
  }
  void TearDown() override { GAtt = nullptr; }

  // A file on disk with a drawing the fake document knows.
  std::u16string AddDrawing(const std::string& name, const FakeDrawing& d) {
    const std::filesystem::path p = dir_ / name;
    std::ofstream(p) << "x";
    const std::u16string path = StrFromPath(p);
    doc_.drawings[path] = d;
    return path;
  }

  TPrintRunResult Run(const std::vector<std::u16string>& list) {
    TPrintDriver driver(settings_, doc_, printer_);
    driver.AppFolder = dir_;
    return driver.Run({list.begin(), list.end()});
  }

  std::vector<std::string>& Log() { return printer_.events; }

  std::unique_ptr<TgraAttribute> att_;
  test::ScopedTempDir tmp_;
  const std::filesystem::path dir_ = tmp_.path();
  TPrintSettings settings_;
  RecordingPrinter printer_;
  FakeDocument doc_{printer_.events};
};

FakeDrawing OneLine() {
  FakeDrawing d;
  d.counts[{0, 0}] = 1;
  return d;
}

using Events = std::vector<std::string>;

TEST_F(PrintDriverTest, EachPageIsItsOwnDocumentTitledAfterTheFile) {
  const auto a = AddDrawing("a.jww", OneLine());
  const auto b = AddDrawing("b.jww", OneLine());
  const TPrintRunResult r = Run({a, b});
  EXPECT_EQ(Log(), (Events{"begin:Tavolex_a.jww", "draw:0/-1", "end", "begin:Tavolex_b.jww",
                           "draw:0/-1", "end"}));
  EXPECT_EQ(r.filesPrinted, 2);
  EXPECT_EQ(r.pagesPrinted, 2);
  EXPECT_FALSE(r.aborted);
  EXPECT_EQ(r.status, u"印刷終了しました。");
}

TEST_F(PrintDriverTest, OneDocumentBreaksPagesAcrossFilesButNotBeforeTheFirst) {
  settings_.PrnRen2 = 1;
  settings_.PrnRen1 = 1;
  FakeDrawing two = OneLine();
  two.counts[{3, 1}] = 4;
  const auto a = AddDrawing("a.jww", two);
  const auto b = AddDrawing("b.jww", OneLine());
  Run({a, b});
  EXPECT_EQ(Log(), (Events{"begin:Tavolex 印刷", "draw:0/0", "page", "draw:0/3", "page", "draw:0/0",
                           "end"}));
}

TEST_F(PrintDriverTest, MissingAndForeignFilesArePassedOverSilently) {
  const auto a = AddDrawing("a.jww", OneLine());
  const auto c = AddDrawing("c.jww", OneLine());
  const std::u16string missing = StrFromPath(dir_ / "missing.jww");
  const std::filesystem::path foreign = dir_ / "foreign.jww";
  std::ofstream(foreign) << "not a drawing";
  const TPrintRunResult r = Run({a, missing, u"", StrFromPath(foreign), c});
  EXPECT_EQ(Log(), (Events{"begin:Tavolex_a.jww", "draw:0/-1", "end", "begin:Tavolex_c.jww",
                           "draw:0/-1", "end"}));
  EXPECT_EQ(r.filesPrinted, 2);
  EXPECT_EQ(r.passedOver, (std::vector<std::filesystem::path>{missing, u"", foreign}));
  EXPECT_EQ(r.status, u"印刷終了しました。");
}

TEST_F(PrintDriverTest, EscStopsBetweenFilesAndTheOpenDocumentIsEnded) {
  settings_.PrnRen2 = 1;
  const auto a = AddDrawing("a.jww", OneLine());
  const auto b = AddDrawing("b.jww", OneLine());
  TPrintDriver driver(settings_, doc_, printer_);
  int polls = 0;
  driver.EscPressed = [&] { return ++polls == 2; };
  std::vector<std::u16string> started;
  driver.OnFileStart = [&](int, const std::u16string& status) { started.push_back(status); };
  const TPrintRunResult r = driver.Run({a, b});
  EXPECT_EQ(Log(), (Events{"begin:Tavolex 印刷", "draw:0/-1", "end"}));
  EXPECT_TRUE(r.aborted);
  EXPECT_EQ(r.status, u"[Esc]キーを押しましたので印刷を途中終了します。");
  EXPECT_EQ(started, (std::vector<std::u16string>{u"印刷中：" + a + u"　[ESC:中断]"}));
}

TEST_F(PrintDriverTest, DrawingWithoutElementsPrintsNoDocument) {
  FakeDrawing empty;
  empty.counts[{0, 0}] = 0;
  const auto a = AddDrawing("a.jww", empty);
  const TPrintRunResult r = Run({a});
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(r.pagesPrinted, 0);
}

TEST_F(PrintDriverTest, GroupPagesInReverseOrderCarryTheRealGroupNumber) {
  settings_.PrnRen1 = 1;
  settings_.PrnOrder = kOrderReverseLayer;
  FakeDrawing d;
  d.counts[{0, 0}] = 1;
  d.counts[{15, 2}] = 1;
  d.counts[{7, 0}] = 0;  // a group without elements gets no page
  const auto a = AddDrawing("a.jww", d);
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[15]Tavolex_a.jww", "draw:2/0", "end", "begin:[0]Tavolex_a.jww",
                           "draw:2/15", "end"}));
}

TEST_F(PrintDriverTest, CommonGroupIsDrawnOnEveryOtherGroupPageAfterItsOwnGroup) {
  settings_.PrnRen1 = 1;
  settings_.PrnRenLG = CommonGroupCode(2);
  FakeDrawing d;
  d.counts[{0, 0}] = 1;
  d.counts[{2, 0}] = 1;
  d.counts[{5, 0}] = 1;
  const auto a = AddDrawing("a.jww", d);
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[0]Tavolex_a.jww", "draw:0/0", "draw:0/2", "end",
                           "begin:[5]Tavolex_a.jww", "draw:0/5", "draw:0/2", "end"}));

  Log().clear();
  settings_.PrnOrder = kOrderReverseLayer;
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[5]Tavolex_a.jww", "draw:2/10", "draw:2/13", "end",
                           "begin:[0]Tavolex_a.jww", "draw:2/15", "draw:2/13", "end"}));
}

TEST_F(PrintDriverTest, DisplayOnlyGroupsAsCommonGroup) {
  settings_.PrnRen1 = 1;
  settings_.PrnRenLG = kCommonGroupDisplayOnly;
  FakeDrawing d;
  d.counts[{0, 0}] = 1;
  d.counts[{1, 0}] = 1;
  d.counts[{4, 0}] = 1;
  d.groups[1] = 1;  // display-only
  d.groups[4] = 1;
  const auto a = AddDrawing("a.jww", d);

  // Not printed: no page of their own and not added to the others.
  settings_.PrnDOLay = kDisplayOnlyHidden;
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[0]Tavolex_a.jww", "draw:0/0", "end"}));

  // Printed grey: still no page of their own, drawn on every page in increasing group order.
  Log().clear();
  settings_.PrnDOLay = kDisplayOnlyGrey;
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[0]Tavolex_a.jww", "draw:0/0", "draw:0/1", "draw:0/4", "end"}));
}

TEST_F(PrintDriverTest, DisplayOnlyGroupPagesFollowTheLayerRule) {
  settings_.PrnRen1 = 1;
  FakeDrawing d;
  d.counts[{0, 0}] = 1;
  d.counts[{1, 0}] = 1;
  d.groups[1] = 1;
  const auto a = AddDrawing("a.jww", d);
  settings_.PrnDOLay = kDisplayOnlyHidden;
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[0]Tavolex_a.jww", "draw:0/0", "end"}));

  Log().clear();
  settings_.PrnDOLay = kDisplayOnlyAsIs;
  Run({a});
  EXPECT_EQ(Log(), (Events{"begin:[0]Tavolex_a.jww", "draw:0/0", "end", "begin:[1]Tavolex_a.jww",
                           "draw:0/1", "end"}));
}

TEST_F(PrintDriverTest, DisplayOnlyLayerStatesAndGrey) {
  FakeDrawing d = OneLine();
  d.groups[1] = 1;  // a display-only group
  d.layers[2] = 1;  // a display-only layer of a normal group
  d.groups[3] = 0;  // a hidden group with a display-only layer
  d.layers[3 * 16 + 1] = 1;
  d.displayOnlyColor = 0x00336699;
  const auto a = AddDrawing("a.jww", d);
  TPrintDriver driver(settings_, doc_, printer_);
  bool printed = false;

  settings_.PrnDOLay = kDisplayOnlyHidden;
  driver.PrintFile(a, printed);
  EXPECT_EQ(GAtt->GetAttrLayerState(16 + 5), 3);
  EXPECT_EQ(GAtt->GetAttrLayerState(2), 3);
  EXPECT_EQ(GAtt->GetAttrLayerState(3), 1);
  EXPECT_EQ(GAtt->GetAttrLayerState(3 * 16 + 1), 3);

  settings_.PrnDOLay = kDisplayOnlyAsIs;
  driver.PrintFile(a, printed);
  EXPECT_EQ(GAtt->GetAttrLayerState(16 + 5), 1);
  EXPECT_EQ(GAtt->GetAttrLayerState(2), 1);
  EXPECT_EQ(GAtt->GetAttrLayerState(3 * 16 + 1), 3);  // its group stays hidden

  settings_.PrnDOLay = kDisplayOnlyGrey;
  driver.PrintFile(a, printed);
  EXPECT_EQ(GAtt->GetGrayColor(), 0xFF996633u);
  EXPECT_EQ(GAtt->GetAttrLayerState(16 + 5), 2);

  settings_.PrnDOLay = kDisplayOnlyColour;
  settings_.PrnDOLCol = 0x0000FF;
  driver.PrintFile(a, printed);
  EXPECT_EQ(GAtt->GetGrayColor(), 0xFFFF0000u);
}

TEST_F(PrintDriverTest, ProgramTablesThresholdsAndLineTypeUnitReachTheAttributes) {
  settings_.PrnCol[2].color = 0x0000FF;
  settings_.PrnCol[2].width = 0.7;
  settings_.PrnTyp[1].seg = 2;
  settings_.PrnTyp[1].pa[0] = 2.0;
  settings_.PrnTyp[1].pa[1] = -1.0;
  settings_.PrnColor = kFromTable;
  settings_.PrnMono = 1;
  settings_.PrnSikii0 = 10;
  settings_.PrnSikii1 = 200;  // its setting is off
  settings_.LtypeUnit = 0.07;
  UseLtypeUnit(0.5);  // what an earlier import left
  const auto a = AddDrawing("a.jww", OneLine());
  Run({a});
  EXPECT_EQ(doc_.ltypeUnitTaken, 0.07);
  EXPECT_EQ(GAtt->Sikii1, -1);
  EXPECT_DOUBLE_EQ(GAtt->GetAttrColwid_(2), 0.7);
  EXPECT_EQ(GAtt->GetAttrTypseg_(1), 2);
  EXPECT_DOUBLE_EQ(GAtt->GetAttrTyppit_(1), 3.0);
  // Monochrome with threshold 10: pure red prints black.
  EXPECT_EQ(GAtt->GetAttrColcol_(2), 0xFF000000u);
}

TEST_F(PrintDriverTest, FileTimeHasTheTwoSecondStepOfDosTimes) {
  const auto a = AddDrawing("a.jww", OneLine());
  std::tm tm{};
  tm.tm_year = 2021 - 1900;
  tm.tm_mon = 5;
  tm.tm_mday = 17;
  tm.tm_hour = 13;
  tm.tm_min = 45;
  tm.tm_sec = 31;
  tm.tm_isdst = -1;
  const std::time_t t = mktime(&tm);
  std::filesystem::last_write_time(
      PathFromStr(a), std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(t)));
  TPrintDriver driver(settings_, doc_, printer_);
  bool printed = false;
  driver.PrintFile(a, printed);
  EXPECT_EQ(ZuFileTime.Year, 2021);
  EXPECT_EQ(ZuFileTime.Month, 6);
  EXPECT_EQ(ZuFileTime.Day, 17);
  EXPECT_EQ(ZuFileTime.Hour, 13);
  EXPECT_EQ(ZuFileTime.Minute, 45);
  EXPECT_EQ(ZuFileTime.Second, 30);
  EXPECT_EQ(driver.zfold, StrFromPath(dir_ / ""));
}

TEST_F(PrintDriverTest, RefusedDocumentIsReportedAndTheRunGoesOn) {
  printer_.refuseDocuments = true;
  const auto a = AddDrawing("a.jww", OneLine());
  const TPrintRunResult r = Run({a});
  EXPECT_TRUE(r.printerFailed);
  EXPECT_EQ(r.pagesPrinted, 0);

  // Drawn, but the print system did not take the job: no page, no printed drawing, and the
  // drawing is not to blame.
  printer_.refuseDocuments = false;
  printer_.refuseJobs = true;
  for (int oneDocument : {0, 1}) {
    settings_.PrnRen2 = oneDocument;
    const TPrintRunResult j = Run({a, a});
    EXPECT_TRUE(j.printerFailed);
    EXPECT_EQ(j.pagesPrinted, 0);
    EXPECT_EQ(j.filesPrinted, 0);
    EXPECT_TRUE(j.nothingToPrint.empty());
    EXPECT_FALSE(RunComplete(j, 2));
  }
}

// ---- page placement ----

constexpr int kPageW = 7016;  // A4 landscape at 600 dpi
constexpr int kPageH = 4961;
constexpr double kPageWmm = 297.04;

TEST(PlacePageTest, FitFillsTheLimitingSideWithOnePercentMarginAndCentres) {
  TPrintSettings s;
  s.PrnStyle = kStyleFit;
  s.PrnScale = 5.0;  // not used when fitting
  const TPagePlacement p = PlacePage(s, {}, 0, 0, 200, 100, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(p.viewScale, kPageW / 202.0);
  EXPECT_NEAR(200 * p.viewScale, kPageW / 1.01, 1e-9);
  EXPECT_NEAR(p.minX, -1.0, 1e-9);
  EXPECT_NEAR(p.maxX, 201.0, 1e-9);
  EXPECT_NEAR((p.minY + p.maxY) / 2, 50.0, 1e-9);
  EXPECT_DOUBLE_EQ(p.rotation, 0.0);

  // A tall drawing is limited by the height; the offset moves the centre.
  s.PrnOfstY = 10;
  const TPagePlacement q = PlacePage(s, {}, 0, 0, 100, 200, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(q.viewScale, kPageH / 202.0);
  EXPECT_NEAR((q.minY + q.maxY) / 2, 110.0, 1e-9);
}

TEST(PlacePageTest, FitFitsTheDrawingAsItIsTurned) {
  TPrintSettings s;
  s.PrnStyle = kStyleFit;
  // A wide plan turned a quarter clockwise lies on x 0..100, y -200..0 about its origin.
  s.PrnAngle = 90;
  const TPagePlacement q = PlacePage(s, {}, 0, 0, 200, 100, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(q.rotation, -std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(q.viewScale, kPageH / 202.0);
  EXPECT_NEAR((q.minX + q.maxX) / 2, 50.0, 1e-9);
  EXPECT_NEAR((q.minY + q.maxY) / 2, -100.0, 1e-9);
  // Half a turn: the plan lies on the other side of its origin and is fitted there.
  s.PrnAngle = 180;
  const TPagePlacement h = PlacePage(s, {}, 10, 20, 210, 120, kPageW, kPageH, kPageWmm);
  EXPECT_NEAR(h.viewScale, kPageW / 202.0, 1e-9);
  EXPECT_NEAR((h.minX + h.maxX) / 2, -110.0, 1e-9);
  EXPECT_NEAR((h.minY + h.maxY) / 2, -70.0, 1e-9);
}

TEST(PlacePageTest, FitOfExtentsWithoutWidthOrHeightPrintsAtMagnificationOne) {
  TPrintSettings s;
  s.PrnStyle = kStyleFit;
  const TPagePlacement p = PlacePage(s, {}, 0, 5, 100, 5, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(p.viewScale, kPageW / kPageWmm);
  EXPECT_NEAR((p.minX + p.maxX) / 2, 50.0, 1e-9);
  EXPECT_NEAR((p.minY + p.maxY) / 2, 5.0, 1e-9);
  EXPECT_TRUE(std::isfinite(p.minX) && std::isfinite(p.maxY));
}

TEST(PlacePageTest, GivenScalePutsTheOffsetPointAtThePageCentre) {
  TPrintSettings s;
  s.PrnStyle = kStyleScale;
  s.PrnScale = 2.0;
  s.PrnOfstX = 30;
  s.PrnOfstY = -20;
  s.PrnAngle = -45;
  const TPagePlacement p = PlacePage(s, {}, 0, 0, 1, 1, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(p.viewScale, kPageW * 2.0 / kPageWmm);
  EXPECT_NEAR(p.maxX - p.minX, kPageWmm / 2.0, 1e-9);
  EXPECT_NEAR((p.minX + p.maxX) / 2, 30.0, 1e-9);
  EXPECT_NEAR((p.minY + p.maxY) / 2, -20.0, 1e-9);
  EXPECT_DOUBLE_EQ(p.rotation, std::numbers::pi / 4);

  s.PrnScale = 0.0;
  EXPECT_DOUBLE_EQ(PlacePage(s, {}, 0, 0, 1, 1, kPageW, kPageH, kPageWmm).viewScale,
                   kPageW / kPageWmm);
}

TEST(PlacePageTest, DrawingScaleTakesScaleOriginAndTurnFromTheHeader) {
  TPrintSettings s;
  s.PrnStyle = kStyleDrawing;
  s.PrnAngle = 30;  // not used with the drawing's own scale
  TPrintHeader h;
  h.dPrtBairitsu = 0.5;
  h.DPPrtGenten_x = 100;
  h.DPPrtGenten_y = 40;
  h.nPrtSet = 11;
  TPagePlacement p = PlacePage(s, h, 0, 0, 1, 1, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(p.viewScale, kPageW * 0.5 / kPageWmm);
  EXPECT_NEAR((p.minX + p.maxX) / 2, 100.0, 1e-9);
  EXPECT_NEAR((p.minY + p.maxY) / 2, 40.0, 1e-9);
  EXPECT_DOUBLE_EQ(p.rotation, -std::numbers::pi / 2);
  h.nPrtSet = 2;
  EXPECT_DOUBLE_EQ(PlacePage(s, h, 0, 0, 1, 1, kPageW, kPageH, kPageWmm).rotation,
                   std::numbers::pi / 2);
  h.nPrtSet = -9;  // the remainder keeps the sign
  EXPECT_DOUBLE_EQ(PlacePage(s, h, 0, 0, 1, 1, kPageW, kPageH, kPageWmm).rotation, 0.0);
  // A damaged header scale prints at 1 instead of an endless window.
  h.dPrtBairitsu = 0.0;
  p = PlacePage(s, h, 0, 0, 1, 1, kPageW, kPageH, kPageWmm);
  EXPECT_DOUBLE_EQ(p.viewScale, kPageW / kPageWmm);
  h.dPrtBairitsu = std::nan("");
  p = PlacePage(s, h, 0, 0, 1, 1, kPageW, kPageH, kPageWmm);
  EXPECT_TRUE(std::isfinite(p.minX));
}

}  // namespace
}  // namespace tavolex
