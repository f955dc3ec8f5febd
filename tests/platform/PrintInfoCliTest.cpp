// tavolex-print --info run as a program: one JSON object per named file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "support/JwwWriter.h"

namespace tavolex {
namespace {

#ifdef TAVOLEX_PRINT_EXE
struct RunResult {
  int exitCode = -1;
  std::string out;
};

RunResult RunPrint(const std::string& args) {
  RunResult r;
  const std::string command = std::string("\"") + TAVOLEX_PRINT_EXE + "\" " + args + " 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    r.out.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(PrintInfoCli, OneObjectPerFileAndExitCodeForFailures) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "tavolex-cli-info";
  fs::create_directories(dir);
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
  fs::remove_all(dir);
}
#endif

}  // namespace
}  // namespace tavolex
