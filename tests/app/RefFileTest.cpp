#include "app/RefFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/AppFolders.h"
#include "app/DosTime.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

class RefFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "app");
    std::filesystem::create_directories(dir_ / "jww");
    std::filesystem::create_directories(dir_ / "drawings");
    RefFileName.clear();
    Str2List.clear();
    Str2ListN = 0;
    ZuFileName.clear();
  }
  void TearDown() override {
    RefFileName.clear();
    Str2List.clear();
    Str2ListN = 0;
    ZuFileName.clear();
  }
  void Write(const std::filesystem::path& p, const std::u16string& text) {
    std::ofstream(p, std::ios::binary) << StrToCp932(text);
  }
  std::filesystem::path App() const { return dir_ / "app"; }
  std::filesystem::path Boot() const { return dir_ / "jww" / "Jw_win.exe"; }

  test::ScopedTempDir tmp_;
  const std::filesystem::path dir_ = tmp_.path();
};

TEST_F(RefFileTest, NameComesFromTheProgramFolderFirstThenJwcadsFolder) {
  Write(dir_ / "jww" / "Jw_win.jwf", u"# settings\r\nREF_FILE = jw.txt\r\n");
  GetRefFileName(App(), Boot());
  EXPECT_EQ(RefFileName, u"jw.txt");
  Write(App() / "Jw_win.jwf", u"\r\n　 \r\nREF_FILE  =  mine.txt  \r\nREF_FILE=later.txt\r\n");
  GetRefFileName(App(), Boot());
  EXPECT_EQ(RefFileName, u"mine.txt");
}

TEST_F(RefFileTest, AStrayJwfInTheWorkingDirectoryIsNeverRead) {
  Write(dir_ / "drawings" / "Jw_win.jwf", u"REF_FILE=stray.txt\r\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_ / "drawings");
  GetRefFileName(App(), {});         // no Jw_cad program
  GetRefFileName({}, "Jw_win.exe");  // neither folder known
  std::filesystem::current_path(before);
  EXPECT_TRUE(RefFileName.empty());
}

TEST_F(RefFileTest, EndBeforeTheLineLeavesNoNameAndTheListUnchanged) {
  Write(App() / "Jw_win.jwf", u"END\r\nREF_FILE=jw.txt\r\n");
  Str2List = {{u"%%a", u"kept"}};
  Str2ListN = 1;
  GetRefFileName(App(), Boot());
  EXPECT_TRUE(RefFileName.empty());
  RefFileOpen(App());
  ASSERT_EQ(Str2ListN, 1);
  EXPECT_EQ(Str2List[0].s2, u"kept");
}

TEST_F(RefFileTest, OnlyWellFormedVariablesAreKept) {
  Write(App() / "vars.txt",
        u"%%会社\t株式会社タボレックス\r\n"
        u"  %%担当\t山田\x01太郎  \r\n"
        u"name\tnot a variable\r\n"
        u"%%with space\tno\r\n"
        u"%%notab\r\n"
        u"\t%%x\r\n"
        u"%%空\t\r\n");
  RefFileName = u"vars.txt";
  Str2List = {{u"%%old", u"gone"}};
  RefFileOpen(App());
  ASSERT_EQ(Str2ListN, 2);
  ASSERT_EQ(Str2List.size(), 2u);
  EXPECT_EQ(Str2List[0].s1, u"%%会社");
  EXPECT_EQ(Str2List[0].s2, u"株式会社タボレックス");
  EXPECT_EQ(Str2List[1].s1, u"%%担当");
  EXPECT_EQ(Str2List[1].s2, u"山田太郎");
}

TEST_F(RefFileTest, NameWithoutFolderIsLookedForBesideTheLastDrawing) {
  Write(App() / "vars.txt", u"%%a\tfrom app\r\n");
  Write(dir_ / "drawings" / "vars.txt", u"%%a\tfrom drawings\r\n");
  RefFileName = u"vars.txt";
  RefFileOpen(App());
  ASSERT_EQ(Str2ListN, 1);
  EXPECT_EQ(Str2List[0].s2, u"from app");
  ZuFileName = StrFromPath(dir_ / "drawings" / "plan.jww");
  RefFileOpen(App());
  ASSERT_EQ(Str2ListN, 1);
  EXPECT_EQ(Str2List[0].s2, u"from drawings");
  // A name with its own folder is taken as it is.
  RefFileName = StrFromPath(App() / "vars.txt");
  RefFileOpen(App());
  EXPECT_EQ(Str2List[0].s2, u"from app");
}

TEST_F(RefFileTest, Utf8FileWithByteOrderMarkIsReadAsUtf8) {
  std::ofstream(App() / "u8.txt", std::ios::binary)
      << "\xEF\xBB\xBF" << StrToUtf8(u"%%住所\t東京都𠮷祥寺\n");
  RefFileName = u"u8.txt";
  RefFileOpen(App());
  ASSERT_EQ(Str2ListN, 1);
  EXPECT_EQ(Str2List[0].s2, u"東京都𠮷祥寺");
}

// ---- start-up folders and the command line ----

TEST_F(RefFileTest, ProgramFolderThatCannotBeWrittenGivesWayToTheUserFolder) {
  const TAppFolders own = ChooseAppFolders(App() / "tavolex", dir_ / "user");
  EXPECT_EQ(own.AppFolder, App() / "");
  EXPECT_EQ(own.TempFolder, App() / "TEMP" / "");
  EXPECT_EQ(own.SettingsFile, App() / "tavolex.dat");

  const TAppFolders user = ChooseAppFolders(dir_ / "no-such-folder" / "tavolex", dir_ / "user");
  EXPECT_EQ(user.AppFolder, dir_ / "user" / "");
  EXPECT_EQ(user.SettingsFile, dir_ / "user" / "tavolex.dat");
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "user"));

  // An installed program (prefix/bin beside prefix/share) never writes into its bin folder.
  std::filesystem::create_directories(dir_ / "prefix" / "bin");
  std::filesystem::create_directories(dir_ / "prefix" / "share");
  EXPECT_EQ(ChooseAppFolders(dir_ / "prefix" / "bin" / "tavolex", dir_ / "user").AppFolder,
            dir_ / "user" / "");
  // So does one the Windows installer marked, though it may be written to.
  std::ofstream(App() / kInstalledMarkerName) << "";
  EXPECT_EQ(ChooseAppFolders(App() / "tavolex.exe", dir_ / "user").AppFolder, dir_ / "user" / "");
  CreateTempFolder(user);
  EXPECT_TRUE(std::filesystem::is_directory(user.TempFolder));
  std::ofstream(user.TempFolder / "left.png") << "x";
  RemoveTempFolder(user);
  EXPECT_TRUE(std::filesystem::exists(user.TempFolder));  // not empty: kept
  std::filesystem::remove(user.TempFolder / "left.png");
  RemoveTempFolder(user);
  EXPECT_FALSE(std::filesystem::exists(user.TempFolder));
}

TEST_F(RefFileTest, DialogsStartInTheDrawingsNotInTheProgramsFolder) {
  std::filesystem::create_directories(App() / "TEMP");
  const std::filesystem::path drawings = dir_ / "drawings";
  EXPECT_EQ(DialogStartFolder({App() / "", App() / "TEMP" / "", App() / ".." / "app", dir_ / "gone",
                               drawings / "", dir_ / "jww"},
                              App() / ""),
            drawings / "");
  EXPECT_EQ(DialogStartFolder({App(), App() / "TEMP"}, App() / ""), std::filesystem::path());
  // A folder beside it whose name merely begins with the program folder's name is no part of it.
  std::filesystem::create_directories(dir_ / "app2");
  EXPECT_EQ(DialogStartFolder({dir_ / "app2"}, App() / ""), dir_ / "app2");
}

TEST_F(RefFileTest, CommandLineTakesExistingDrawingsOnce) {
  const std::filesystem::path plan = dir_ / "drawings" / "Plan.JWW";
  std::ofstream(plan) << "x";
  std::ofstream(dir_ / "drawings" / "note.dxf") << "x";
  std::vector<std::u16string> list = {StrFromPath(dir_ / "drawings" / "other.jww")};
  const int added =
      AddDrawingFiles(list, {StrFromPath(plan), StrFromPath(dir_ / "drawings" / "PLAN.jww"),
                             StrFromPath(dir_ / "drawings" / "note.dxf"),
                             StrFromPath(dir_ / "drawings" / "gone.jww"), u"", StrFromPath(plan)});
  EXPECT_EQ(added, 1);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], StrFromPath(plan));  // kept as given: names are case-sensitive here

  // A relative name is taken as the full path it names.
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  const std::u16string full =
      StrFromPath(std::filesystem::current_path() / "drawings" / "Plan.JWW");
  EXPECT_EQ(FullPaths({u"drawings/./Plan.JWW", full, u""}),
            (std::vector<std::u16string>{full, full, u""}));
  std::filesystem::current_path(before);
}

TEST(DosTimeTest, PackingKeepsTwoSecondStepsAndClampsTheYears) {
  const TDateTime t{2024, 2, 29, 23, 59, 59};
  const TDateTime back = DosToDateTime(DateTimeToDos(t));
  EXPECT_EQ(back.Year, 2024);
  EXPECT_EQ(back.Month, 2);
  EXPECT_EQ(back.Day, 29);
  EXPECT_EQ(back.Hour, 23);
  EXPECT_EQ(back.Minute, 59);
  EXPECT_EQ(back.Second, 58);
  EXPECT_EQ(DosToDateTime(DateTimeToDos({1970, 1, 1, 0, 0, 0})).Year, 1980);
  EXPECT_EQ(DosToDateTime(DateTimeToDos({2200, 1, 1, 0, 0, 0})).Year, 2107);
  const TDateTime zero = DosToDateTime(0);
  EXPECT_EQ(zero.Month, 1);
  EXPECT_EQ(zero.Day, 1);
}

}  // namespace
}  // namespace tavolex
