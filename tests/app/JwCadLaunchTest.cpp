#include "app/JwCadLaunch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/Func_2.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

class JwCadLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "Jw_cad under a Wine prefix is how Linux desktops run it";
#endif
    fs::create_directories(prefix_ / "dosdevices");
    fs::create_directories(prefix_ / "drive_c");
    fs::create_symlink("../drive_c", prefix_ / "dosdevices" / "c:");
    fs::create_symlink("/", prefix_ / "dosdevices" / "z:");
    std::ofstream(drawing_) << "x";
    system_.winePrefix = prefix_;
    system_.wine = "/usr/bin/wine";
    system_.xdgOpen = "/usr/bin/xdg-open";
    system_.defaultApplication = [this](const fs::path&) { return defaultApp_; };
  }
  fs::path Program(const fs::path& relative) {
    fs::create_directories((prefix_ / relative).parent_path());
    std::ofstream(prefix_ / relative) << "MZ";
    return prefix_ / relative;
  }
  // A registry file as Wine writes it: escaped backslashes and quotes, a time after each key.
  void Registry(const char* file, const std::string& type, const std::string& command) {
    std::ofstream(prefix_ / file) << "WINE REGISTRY Version 2\n\n[Software\\\\Classes\\\\.JWW] 1\n"
                                  << "#time=1d\n@=\"" << type << "\"\n\n[Software\\\\Classes\\\\"
                                  << type << "\\\\shell\\\\open\\\\command] 1\n@=\"" << command
                                  << "\"\n";
  }

  test::ScopedTempDir dir_;
  fs::path prefix_ = dir_ / "wine";
  fs::path drawing_ = dir_ / "plan.jww";
  TDesktopLookups system_;
  std::string defaultApp_;
};

TEST_F(JwCadLaunchTest, JwCadUnderWineGetsTheDrawingByItsWindowsName) {
  // Jw_cad in its usual place, its name in other letters than the default path's.
  const fs::path usual = fs::canonical(Program("drive_c/jww/JW_WIN.EXE"));
  TProgramStart start = OpenInJwCad(drawing_, system_);
  EXPECT_EQ(start.program, "/usr/bin/wine");
  ASSERT_EQ(start.arguments.size(), 2u);
  EXPECT_EQ(start.arguments[0], usual);
  std::string windowsName = "Z:" + drawing_.string();
  std::replace(windowsName.begin(), windowsName.end(), '/', '\\');
  EXPECT_EQ(start.arguments[1], windowsName);
  EXPECT_EQ(start.folder, usual.parent_path());

  // The association of the prefix's registry names the folder; the user's entries come first.
  fs::create_directory_symlink("../tools", prefix_ / "dosdevices" / "d:");
  const fs::path associated = fs::canonical(Program("tools/Jw Cad/Jw_win.exe"));
  Registry("system.reg", "Other.Viewer", "C:\\\\Viewer\\\\view.exe %1");
  Registry("user.reg", "JWW_File", "\\\"D:\\\\Jw Cad\\\\Jw_win.exe\\\" \\\"%1\\\"");
  EXPECT_EQ(FindWineJwCad(prefix_), associated);
  // An association whose folder has no Jw_cad leaves the usual place.
  Registry("user.reg", "JWW_File", "E:\\\\JWW\\\\Jw_win.exe");
  EXPECT_EQ(FindWineJwCad(prefix_), usual);

  // Without wine the desktop's own application serves.
  system_.wine.clear();
  defaultApp_ = "jwcad-viewer.desktop\n";
  start = OpenInJwCad(drawing_, system_);
  EXPECT_EQ(start.program, "/usr/bin/xdg-open");
  EXPECT_EQ(start.arguments, std::vector<fs::path>{drawing_});
}

TEST_F(JwCadLaunchTest, NothingStartsThatWouldOpenTavolexOrHasNothingToOpen) {
  EXPECT_TRUE(FindWineJwCad(prefix_).empty());
  // No Jw_cad in the prefix and the desktop opens drawings with Tavolex itself.
  defaultApp_ = kOwnDesktopEntry;
  EXPECT_TRUE(OpenInJwCad(drawing_, system_).program.empty());
  defaultApp_.clear();
  EXPECT_TRUE(OpenInJwCad(drawing_, system_).program.empty());
  // A drawing that is gone starts nothing, with Jw_cad or on Windows.
  Program("drive_c/JWW/Jw_win.exe");
  EXPECT_TRUE(OpenInJwCad(dir_ / "gone.jww", system_).program.empty());
  EXPECT_TRUE(OpenWithBootJww(PathFromStr(kDefaultBootJww), dir_ / "gone.jww").program.empty());
}

TEST(JwCadPlaces, DefaultsAndLookups) {
  EXPECT_EQ(BootJwwOrDefault({}), fs::path(u"C:\\JWW\\JW_WIN.EXE"));
  EXPECT_EQ(BootJwwOrDefault("D:/JW/Jw_win.exe"), fs::path("D:/JW/Jw_win.exe"));
  EXPECT_EQ(WinePrefix("/opt/prefix", "/home/u"), fs::path("/opt/prefix"));
  EXPECT_EQ(WinePrefix("", "/home/u"), fs::path("/home/u/.wine"));
  EXPECT_TRUE(WinePrefix(nullptr, nullptr).empty());

#ifdef _WIN32
  GTEST_SKIP() << "a search path of Linux, with its separator and execute bits";
#endif
  test::ScopedTempDir dir;
  fs::create_directories(dir / "a");
  fs::create_directories(dir / "b");
  std::ofstream(dir / "a" / "wine") << "not executable";
  std::ofstream(dir / "b" / "wine") << "#!/bin/sh\n";
  fs::permissions(dir / "b" / "wine", fs::perms::owner_exec, fs::perm_options::add);
  const std::string path = (dir / "a").string() + "::" + (dir / "b").string();
  EXPECT_EQ(FindOnPath("wine", path.c_str()), dir / "b" / "wine");
  EXPECT_TRUE(FindOnPath("xdg-open", path.c_str()).empty());
  EXPECT_TRUE(FindOnPath("wine", nullptr).empty());
}

}  // namespace
}  // namespace tavolex
