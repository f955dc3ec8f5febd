#include "app/PrintApp.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

class PrintAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "bin");
    std::filesystem::create_directories(dir_ / "jw");
  }
  test::ScopedTempDir tmp_;
  const std::filesystem::path dir_ = tmp_.path();
};

TEST_F(PrintAppTest, StartAndCloseKeepTheAutomaticSettingsBesideTheProgram) {
  {
    TPrintApp app;
    app.Start(dir_ / "bin" / "tavolex", dir_ / "jw" / "Jw_win.exe", true);
    ASSERT_NE(GAtt, nullptr);
    ASSERT_TRUE(app.JWW);
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "bin" / "TEMP"));
    EXPECT_EQ(app.JWW->BindImageFolder, app.WorkFolder);
    EXPECT_EQ(app.WorkFolder.parent_path().parent_path(), dir_ / "bin" / "TEMP");
    EXPECT_EQ(app.Settings.FFolder, StrFromPath(dir_ / "bin" / ""));
    EXPECT_EQ(app.Settings.FFolder2, StrFromPath(dir_ / "jw" / ""));
    EXPECT_EQ(app.Settings.PrnCol[1].color, ArgbToRgb(GAtt->GetAttrColcol_(1)));
    app.Settings.PrnRen1 = 1;
    app.Settings.PrnAngle = 12.5;
    app.Settings.Window = {3, 4, 650, 438};
    app.Close(true);
    EXPECT_EQ(GAtt, nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "bin" / "TEMP"));
    EXPECT_TRUE(std::filesystem::exists(dir_ / "bin" / "tavolex.dat"));
  }
  TPrintApp again;
  again.Start(dir_ / "bin" / "tavolex", dir_ / "none" / "Jw_win.exe", true);
  EXPECT_EQ(again.Settings.PrnRen1, 1);
  EXPECT_DOUBLE_EQ(again.Settings.PrnAngle, 12.5);
  EXPECT_EQ(again.Settings.Window.left, 3);
  EXPECT_EQ(again.Settings.FFolder2, StrFromPath(dir_ / "jw" / ""));  // kept in the file
  again.Close(false);
}

TEST_F(PrintAppTest, ResetGivesFreshTablesAndDefaultsButKeepsTheFolders) {
  TPrintApp app;
  app.Start(dir_ / "bin" / "tavolex", {}, false);
  EXPECT_EQ(app.Settings.FFolder2, StrFromPath(dir_ / "bin" / ""));
  app.Settings.PrnStyle = kStyleScale;
  app.Settings.PrnCol[0].color = 0x123456;
  app.Settings.FFolder = u"/somewhere/";
  GAtt->SetAttrCol_(0, 0xFF000000, 1, 1);
  app.ResetAttributes();
  EXPECT_EQ(app.Settings.PrnStyle, 0);
  EXPECT_EQ(app.Settings.PrnCol[0].color, MakeRgb(0, 192, 192));
  EXPECT_EQ(GAtt->GetAttrColcol_(0), MakeArgb(0, 192, 192));
  EXPECT_EQ(app.Settings.FFolder, u"/somewhere/");
  app.Close(false);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "bin" / "tavolex.dat"));
}

}  // namespace
}  // namespace tavolex
