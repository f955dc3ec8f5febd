#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "app/PrintSettings.h"
#include "common/Func_2.h"
#include "graphics/UnitGraAtt.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  static std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  // The lines of a file as written, without their CR LF.
  static std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
      const size_t end = bytes.find("\r\n", start);
      lines.push_back(bytes.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  static std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
      out += l + "\r\n";
    return out;
  }

  // Settings that differ from the defaults in every field.
  static TPrintSettings Sample() {
    TPrintSettings s;
    TgraAttribute att;
    s.FillTablesFrom(att);
    s.FFolder = u"/home/ユーザー/図面/";
    s.FFolder1 = u"/data/𠮷野家/";  // outside the BMP and outside CP932
    s.FFolder2 = u"/opt/jww/";
    s.FFolder3 = u"/設定/";
    s.PrnStyle = kStyleScale;
    s.PrnScale = 0.5;
    s.PrnOfstX = -12.25;
    s.PrnOfstY = 1e-7;
    s.PrnAngle = 33.3;
    s.PrnMono = 1;
    s.PrnSikii0 = 17;
    s.PrnWhite1 = 1;
    s.PrnSikii1 = 3;
    s.PrnWhite2 = 1;
    s.PrnSikii2 = 200;
    s.PrnRen1 = 1;
    s.PrnRen2 = 1;
    s.PrnRenLG = kCommonGroupDisplayOnly;
    s.PrnHojo = 1;
    s.PrnDOLay = kDisplayOnlyColour;
    s.PrnDOLCol = 0x123456;
    s.PrnOrder = kOrderReverseLayer;
    s.PrnColor = kFromTable;
    s.InpCol = 0xABCDEF;
    s.InpWid = 0.35;
    s.InpTenR = 0.6;
    s.PrnLtype = kFromTable;
    s.LtypeUnit = 0.042;
    s.PrnCol[264] = {0x0000FF, 1.5, 2.25};
    s.PrnTyp[49].seg = 3;
    s.PrnTyp[49].amp = 0.3;
    s.PrnTyp[49].pa[0] = 1.5;
    s.PrnTyp[49].pa[1] = -0.5;
    s.PrnTyp[49].pa[2] = 0.0;
    s.PrnTyp[49].pit = 2.0;
    s.Window = {10, 20, 650, 438};
    s.FileList = {u"/図面/一階平面図.jww", u"/data/𠮷/立面.JWW"};
    return s;
  }

  static void ExpectSameValues(const TPrintSettings& a, const TPrintSettings& b) {
    EXPECT_EQ(a.FFolder, b.FFolder);
    EXPECT_EQ(a.FFolder1, b.FFolder1);
    EXPECT_EQ(a.FFolder2, b.FFolder2);
    EXPECT_EQ(a.PrnStyle, b.PrnStyle);
    EXPECT_DOUBLE_EQ(a.PrnScale, b.PrnScale);
    EXPECT_DOUBLE_EQ(a.PrnOfstX, b.PrnOfstX);
    EXPECT_DOUBLE_EQ(a.PrnOfstY, b.PrnOfstY);
    EXPECT_DOUBLE_EQ(a.PrnAngle, b.PrnAngle);
    EXPECT_EQ(a.PrnMono, b.PrnMono);
    EXPECT_EQ(a.PrnSikii0, b.PrnSikii0);
    EXPECT_EQ(a.PrnWhite1, b.PrnWhite1);
    EXPECT_EQ(a.PrnSikii1, b.PrnSikii1);
    EXPECT_EQ(a.PrnWhite2, b.PrnWhite2);
    EXPECT_EQ(a.PrnSikii2, b.PrnSikii2);
    EXPECT_EQ(a.PrnRen1, b.PrnRen1);
    EXPECT_EQ(a.PrnRen2, b.PrnRen2);
    EXPECT_EQ(a.PrnRenLG, b.PrnRenLG);
    EXPECT_EQ(a.PrnHojo, b.PrnHojo);
    EXPECT_EQ(a.PrnDOLay, b.PrnDOLay);
    EXPECT_EQ(a.PrnDOLCol, b.PrnDOLCol);
    EXPECT_EQ(a.PrnOrder, b.PrnOrder);
    EXPECT_EQ(a.PrnColor, b.PrnColor);
    EXPECT_EQ(a.InpCol, b.InpCol);
    EXPECT_DOUBLE_EQ(a.InpWid, b.InpWid);
    EXPECT_DOUBLE_EQ(a.InpTenR, b.InpTenR);
    EXPECT_EQ(a.PrnLtype, b.PrnLtype);
    EXPECT_DOUBLE_EQ(a.LtypeUnit, b.LtypeUnit);
    for (int i = 0; i < kPrnColCount; ++i) {
      EXPECT_EQ(a.PrnCol[i].color, b.PrnCol[i].color) << i;
      EXPECT_DOUBLE_EQ(a.PrnCol[i].width, b.PrnCol[i].width) << i;
      EXPECT_DOUBLE_EQ(a.PrnCol[i].ten_r, b.PrnCol[i].ten_r) << i;
    }
    for (int i = 0; i < kPrnTypCount; ++i) {
      EXPECT_EQ(a.PrnTyp[i].seg, b.PrnTyp[i].seg) << i;
      EXPECT_DOUBLE_EQ(a.PrnTyp[i].amp, b.PrnTyp[i].amp) << i;
      EXPECT_EQ(a.PrnTyp[i].pa, b.PrnTyp[i].pa) << i;
      // Reals are written with 15 significant digits.
      EXPECT_NEAR(a.PrnTyp[i].pit, b.PrnTyp[i].pit, 1e-12 * std::fabs(a.PrnTyp[i].pit)) << i;
    }
  }

  test::ScopedTempDir tmp_;
  const std::filesystem::path dir_ = tmp_.path();
};

TEST_F(SettingsFileTest, FullFileRoundTripKeepsEveryValueAndUnicodePaths) {
  const TPrintSettings saved = Sample();
  const std::filesystem::path file = dir_ / "設定.dat";
  const SettingsSaveResult w = SaveSettings(saved, SettingsForm::Full, file);
  EXPECT_TRUE(w.saved);
  EXPECT_EQ(w.status, u"Tavolex設定ファイルを保存しました。");

  TPrintSettings loaded;
  loaded.FFolder3 = u"kept";
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Full, file);
  EXPECT_EQ(r.status, u"Tavolex設定ファイルを開きました。");
  ExpectSameValues(saved, loaded);
  EXPECT_EQ(loaded.FileList, saved.FileList);
  EXPECT_EQ(loaded.FFolder3, u"kept");  // the user's file does not carry it
}

TEST_F(SettingsFileTest, AutomaticFileKeepsWindowAndSettingsFolderButNoList) {
  const TPrintSettings saved = Sample();
  const std::filesystem::path file = dir_ / "tavolex.dat";
  ASSERT_TRUE(SaveSettings(saved, SettingsForm::Automatic, file).saved);
  TPrintSettings loaded;
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Automatic, file);
  EXPECT_TRUE(r.status.empty());
  ExpectSameValues(saved, loaded);
  EXPECT_EQ(loaded.FFolder3, saved.FFolder3);
  EXPECT_EQ(loaded.Window.left, 10);
  EXPECT_EQ(loaded.Window.height, 438);
  EXPECT_TRUE(loaded.FileList.empty());
}

TEST_F(SettingsFileTest, FileIsCp932WithCrLfAndHexFolders) {
  TPrintSettings s = Sample();
  const std::string bytes = SettingsFileBytes(s, SettingsForm::Full);
  const std::vector<std::string> lines = Lines(bytes);
  EXPECT_EQ(lines[0], StrToCp932(u"【Tavolex設定ファイル】"));
  EXPECT_EQ(lines[1], StrToUtf8(StrToHexUtf8(s.FFolder)));
  EXPECT_EQ(lines[1].substr(0, 12), "2F686F6D652F");  // "/home/"
  EXPECT_EQ(lines[4], "2");                           // PrnStyle
  EXPECT_EQ(lines[5], "0.5");
  EXPECT_EQ(lines[6], "-12.25");
  // Header, 3 folders, 4 + 14 + 5 values, 795 pen lines, the line types, the list, the angle.
  size_t ltypeLines = 0;
  for (const TPrnLtype& lt : s.PrnTyp)
    ltypeLines += 3 + static_cast<size_t>(lt.seg);
  EXPECT_EQ(lines.size(), 1 + 3 + 23 + 795 + ltypeLines + 1 + 2 + 1);
  EXPECT_EQ(lines.back(), "33.3");
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

TEST_F(SettingsFileTest, EarlierProductsFileThatEndsAfterTheListIsAccepted) {
  TPrintSettings s = Sample();
  std::vector<std::string> lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  lines[0] = StrToCp932(u"【Orvane設定ファイル】");
  lines.pop_back();  // no angle
  const std::filesystem::path file = dir_ / "old.dat";
  WriteBytes(file, Join(lines));
  TPrintSettings loaded;
  loaded.PrnAngle = 77;
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Full, file);
  EXPECT_FALSE(r.refused);
  EXPECT_DOUBLE_EQ(loaded.PrnAngle, 0.0);
  EXPECT_EQ(loaded.FileList, s.FileList);
  EXPECT_EQ(loaded.PrnRenLG, 17);
}

TEST_F(SettingsFileTest, ForeignFirstLineIsRefusedWithEverySettingAtItsDefault) {
  TPrintSettings s = Sample();
  std::vector<std::string> lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  lines[0] = "[something else]";
  const std::filesystem::path file = dir_ / "foreign.dat";
  WriteBytes(file, Join(lines));
  TPrintSettings loaded = Sample();
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Full, file);
  EXPECT_TRUE(r.refused);
  EXPECT_EQ(r.status, u"このファイルは Tavolex設定ファイルではありません");
  TPrintSettings defaults = Sample();
  defaults.SetDefaults();
  ExpectSameValues(defaults, loaded);
  EXPECT_EQ(loaded.PrnScale, 1.0);
  EXPECT_EQ(loaded.InpTenR, 0.1);
  EXPECT_EQ(loaded.FileList, s.FileList);  // the list is not touched
}

TEST_F(SettingsFileTest, FileThatEndsBeforeItsTablesIsNotTaken) {
  TPrintSettings s = Sample();
  std::vector<std::string> lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  lines.resize(10);  // ends after PrnSikii0
  const std::filesystem::path file = dir_ / "short.dat";
  WriteBytes(file, Join(lines));
  // Settings as the user has them, two list entries fewer than the file that was saved.
  TPrintSettings shown = Sample();
  shown.FileList.clear();
  TPrintSettings loaded = shown;
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Full, file);
  EXPECT_TRUE(r.readError);
  EXPECT_EQ(r.status, u"Tavolex設定ファイルが開けませんでした。");
  EXPECT_EQ(SettingsFileBytes(loaded, SettingsForm::Full),
            SettingsFileBytes(shown, SettingsForm::Full));

  // A file of the earlier product, which ends before the angle, is whole.
  lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  lines.pop_back();
  WriteBytes(file, Join(lines));
  EXPECT_FALSE(LoadSettings(loaded, SettingsForm::Full, file).readError);
  EXPECT_EQ(loaded.PrnStyle, 2);
  EXPECT_EQ(loaded.PrnAngle, 0.0);
}

TEST_F(SettingsFileTest, DamagedCountsNeitherOverrunNorLoop) {
  TPrintSettings s = Sample();
  std::vector<std::string> lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  // The first line-type count follows the header, 26 values and 795 pen lines.
  const size_t firstSeg = 1 + 3 + 23 + 795;
  ASSERT_EQ(lines[firstSeg], "0");
  lines[firstSeg] = "2000000000";
  const std::filesystem::path file = dir_ / "damaged.dat";
  WriteBytes(file, Join(lines));
  TPrintSettings loaded;
  // The count is limited to 32 elements, which take the lines after it: the file then ends short.
  EXPECT_TRUE(LoadSettings(loaded, SettingsForm::Full, file).readError);
  EXPECT_TRUE(loaded.FileList.empty());

  lines = Lines(SettingsFileBytes(s, SettingsForm::Full));
  lines[lines.size() - 4] = "999999999";  // the list count
  WriteBytes(file, Join(lines));
  LoadSettings(loaded, SettingsForm::Full, file);
  EXPECT_EQ(loaded.FileList.size(), 3u);  // the two entries and the angle line, read as entries
}

TEST_F(SettingsFileTest, MissingFileLeavesTheDefaultsQuietly) {
  TPrintSettings loaded = Sample();
  const SettingsLoadResult r = LoadSettings(loaded, SettingsForm::Full, dir_ / "none.dat");
  EXPECT_TRUE(r.status.empty());
  EXPECT_EQ(loaded.PrnStyle, 0);
  EXPECT_EQ(loaded.FFolder, Sample().FFolder);
}

TEST_F(SettingsFileTest, FailedSaveLeavesNoPartialFile) {
  const TPrintSettings s = Sample();
  // A folder that does not exist.
  const std::filesystem::path nowhere = dir_ / "missing" / "a.dat";
  SettingsSaveResult r = SaveSettings(s, SettingsForm::Full, nowhere);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.status, u"Tavolex設定ファイルが保存出来ませんでした。");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "missing"));

  // A name taken by a folder: the rename fails and nothing is left beside it.
  const std::filesystem::path taken = dir_ / "taken.dat";
  std::filesystem::create_directory(taken);
  r = SaveSettings(s, SettingsForm::Full, taken);
  EXPECT_FALSE(r.saved);
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            1);

  // An earlier file survives a failed save whole.
  const std::filesystem::path good = dir_ / "good.dat";
  ASSERT_TRUE(SaveSettings(s, SettingsForm::Full, good).saved);
  const std::string before = ReadBytes(good);
  std::filesystem::create_directory(dir_ / "good.dat.tmp~");  // blocks the work file
  EXPECT_FALSE(SaveSettings(Sample(), SettingsForm::Automatic, good).saved);
  EXPECT_EQ(ReadBytes(good), before);
}

TEST(SettingsLimitsTest, LimitsOfEveryKind) {
  TPrintSettings s;
  s.PrnStyle = 7;
  s.PrnScale = 0.0;
  s.PrnSikii0 = -5;
  s.PrnSikii1 = 300;
  s.PrnMono = 2;
  s.PrnRenLG = 18;
  s.PrnDOLay = -1;
  s.PrnOrder = 9;
  s.PrnColor = 4;
  s.PrnDOLCol = -3;
  s.InpCol = 0x1000000;
  s.InpWid = std::nan("");
  s.InpTenR = 0.0;
  s.LtypeUnit = 1000;
  s.PrnOfstX = std::numeric_limits<double>::infinity();
  s.PrnCol[0] = {0x2000000, 600, 0.001};
  s.PrnCol[1].color = -1;
  s.PrnTyp[0].seg = 40;
  s.PrnTyp[0].amp = -1;
  for (int j = 0; j < 32; ++j)
    s.PrnTyp[0].pa[j] = j == 0 ? -900 : 1;
  s.ApplyLimits();
  EXPECT_EQ(s.PrnStyle, 2);
  EXPECT_DOUBLE_EQ(s.PrnScale, 1e-6);
  EXPECT_EQ(s.PrnSikii0, 0);
  EXPECT_EQ(s.PrnSikii1, 255);
  EXPECT_EQ(s.PrnMono, 0);
  EXPECT_EQ(s.PrnRenLG, 17);
  EXPECT_EQ(s.PrnDOLay, 0);
  EXPECT_EQ(s.PrnOrder, 2);
  EXPECT_EQ(s.PrnColor, 1);
  EXPECT_EQ(s.PrnDOLCol, 0);
  EXPECT_EQ(s.InpCol, 0xFFFFFF);
  EXPECT_EQ(s.InpWid, 0.0);
  EXPECT_EQ(s.InpTenR, 0.01);
  EXPECT_EQ(s.LtypeUnit, 500.0);
  EXPECT_EQ(s.PrnOfstX, 0.0);
  EXPECT_EQ(s.PrnCol[0].color, 0xFFFFFF);
  EXPECT_EQ(s.PrnCol[1].color, 0);  // -1 is below the range, not white
  EXPECT_EQ(s.PrnCol[0].width, 500.0);
  EXPECT_EQ(s.PrnCol[0].ten_r, 0.01);
  EXPECT_EQ(s.PrnTyp[0].seg, 32);
  EXPECT_EQ(s.PrnTyp[0].amp, 0.0);
  EXPECT_EQ(s.PrnTyp[0].pa[0], -500.0);
  EXPECT_DOUBLE_EQ(s.PrnTyp[0].pit, 500.0 + 31.0);
}

TEST(SettingsLimitsTest, DefaultTablesComeFromTheAttributeObject) {
  TPrintSettings s;
  TgraAttribute att;
  s.FillTablesFrom(att);
  EXPECT_EQ(s.PrnCol[0].color, static_cast<int32_t>(MakeRgb(0, 192, 192)));
  EXPECT_DOUBLE_EQ(s.PrnCol[1].width, 0.15);
  EXPECT_EQ(s.PrnTyp[1].seg, 3);
  EXPECT_DOUBLE_EQ(s.PrnTyp[1].pa[1], -0.72);
  EXPECT_DOUBLE_EQ(s.PrnTyp[9].pit, 19.2);
}

TEST(SettingsNamesTest, ExtensionAndAutomaticFileAreRefused) {
  const std::filesystem::path automatic = "/opt/tavolex/tavolex.dat";
  EXPECT_EQ(CheckSaveName("/tmp/a.txt", automatic),
            u"設定ファイルの拡張子は「.dat」にして下さい。");
  EXPECT_EQ(CheckOpenName("/tmp/a.txt", automatic),
            u"設定ファイルの拡張子は「.dat」にして下さい。");
  EXPECT_EQ(CheckSaveName("/opt/tavolex/TAVOLEX.DAT", automatic),
            u"このファイル名では設定保存出来ません。設定保存を再度行って下さい。");
  EXPECT_EQ(CheckOpenName("/opt/tavolex/Tavolex.dat", automatic),
            u"このファイル名では設定を開く事は出来ません。再度行って下さい。");
  EXPECT_TRUE(CheckSaveName("/tmp/Mine.DAT", automatic).empty());
  EXPECT_TRUE(CheckOpenName("/tmp/tavolex.dat", automatic).empty());

  // The automatic file named from the working folder, through "." and "..", or through a link.
  test::ScopedTempDir dir;
  const std::filesystem::path own = dir / "bin" / "tavolex.dat";
  std::filesystem::create_directories(dir / "bin");
  // From the working folder where one leads there (not across drives), and through "..".
  const std::filesystem::path relative = own.lexically_relative(std::filesystem::current_path());
  std::vector<std::filesystem::path> names{dir / "bin" / ".." / "bin" / "Tavolex.DAT"};
  if (!relative.empty()) names.push_back("." / relative.parent_path() / "../bin/Tavolex.DAT");
  // Links to folders are not made everywhere (Wine has none); where they are, they count too.
  std::error_code noLinks;
  std::filesystem::create_directory_symlink(dir / "bin", dir / "link", noLinks);
  if (!noLinks) names.push_back(dir / "link" / "tavolex.dat");
  for (const std::filesystem::path& name : names)
    EXPECT_FALSE(CheckSaveName(name, own).empty()) << name;
  EXPECT_TRUE(CheckSaveName(dir / "bin" / "other.dat", own).empty());
}

}  // namespace
}  // namespace tavolex
