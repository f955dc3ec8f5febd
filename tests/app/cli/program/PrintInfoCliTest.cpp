// tavolex-print --info run as a program: one JSON object per named file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/CliRun.h"
#include "support/HeavyDrawings.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

#ifdef TAVOLEX_PRINT_EXE
struct RunResult {
  int exitCode = -1;
  std::string out;
};

RunResult RunPrint(const std::string& args) {
  const test::CliOutcome o = test::RunCli(TAVOLEX_PRINT_EXE, args, true);
  return {o.exitCode, o.output};
}

TEST(PrintInfoCli, OneObjectPerFileAndExitCodeForFailures) {
  namespace fs = std::filesystem;
  const test::ScopedTempDir tmp;
  const fs::path& dir = tmp.path();
  test::WDrawing d;
  d.header.jwVer = 600;
  d.header.strMemo = u"図面";
  d.entities = {test::WLine{}, test::WMoji{.str = u"文字"}};
  ASSERT_TRUE(test::SaveJww(dir / "平面図.jww", d));
  ASSERT_TRUE(test::WriteFileBytes(dir / "bad.jww", {'x'}));

  const RunResult good = RunPrint("--info \"" + (dir / "平面図.jww").string() + "\"");
  EXPECT_EQ(good.exitCode, 0);
  const auto info = nlohmann::json::parse(good.out);
  EXPECT_EQ(info["path"], (dir / "平面図.jww").string());
  EXPECT_EQ(info["fileCheck"], true);
  EXPECT_EQ(info["fileIn"], true);
  EXPECT_EQ(info["jwVer"], 600);
  EXPECT_EQ(info["memo"], "図面");
  EXPECT_EQ(info["entities"]["lines"], 1);
  EXPECT_EQ(info["entities"]["texts"], 1);
  EXPECT_EQ(info["layerGroupNames"].size(), 16u);

  const RunResult mixed = RunPrint("--info \"" + (dir / "平面図.jww").string() + "\" \"" +
                                   (dir / "bad.jww").string() + "\"");
  EXPECT_EQ(mixed.exitCode, 1);
  std::istringstream lines(mixed.out);
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_EQ(nlohmann::json::parse(first)["fileIn"], true);
  EXPECT_EQ(nlohmann::json::parse(second)["fileCheck"], false);

  EXPECT_EQ(RunPrint("--info").exitCode, 2);
}

TEST(PrintInfoCli, ExtentsAndElementCounts) {
  namespace fs = std::filesystem;
  const test::ScopedTempDir tmp;
  const fs::path& dir = tmp.path();
  test::WDrawing d;
  test::WTen temporary{.start_x = -20, .start_y = 5};
  temporary.bKariten = 1;
  d.entities = {test::WLine{.start_x = 0, .start_y = 0, .end_x = 100, .end_y = 50},
                test::WTen{.start_x = 30, .start_y = 70}, temporary};
  ASSERT_TRUE(test::SaveJww(dir / "measure.jww", d));

  const RunResult r = RunPrint("--info \"" + (dir / "measure.jww").string() + "\"");
  EXPECT_EQ(r.exitCode, 0);
  const auto info = nlohmann::json::parse(r.out);
  EXPECT_EQ(info["extents"]["myMinWx"], -20.0);
  EXPECT_EQ(info["extents"]["myMinWy"], 0.0);
  EXPECT_EQ(info["extents"]["myMaxWx"], 100.0);
  EXPECT_EQ(info["extents"]["myMaxWy"], 70.0);
  EXPECT_EQ(info["elementNum"].size(), 15u);
  EXPECT_EQ(info["elementNum"]["n1"], 1);
  EXPECT_EQ(info["elementNum"]["n3"], 1);
  EXPECT_EQ(info["elementNum"]["n4"], 1);
  EXPECT_EQ(info["elementNum"]["n1a"], 0);
}

// The notice of inserts cut short names a file whose name is not UTF-8 without stopping the run.
TEST(PrintInfoCli, CutInsertsOfAFileNamedInOtherBytes) {
  namespace fs = std::filesystem;
  const test::ScopedTempDir tmp;
  const fs::path& dir = tmp.path();
  const fs::path file = dir / std::string("\x8e\xa9\xff.jww");
  ASSERT_TRUE(test::SaveJww(file, test::SelfInsertingDrawing(3000)));

  const test::CliOutcome r = test::RunCli(TAVOLEX_PRINT_EXE, "--info " + test::Quote(file));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.output.find("block inserts expand too far"), std::string::npos);
  EXPECT_NE(r.output.find("\"blockTreeTruncated\":true"), std::string::npos);
}
#endif

}  // namespace
}  // namespace tavolex
