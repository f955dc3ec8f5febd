#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/Func_2.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

TEST(FileNameTest, TakesApartWindowsAndPosixNames) {
  EXPECT_EQ(FolderOf(u"C:\\Jww\\図面\\a.jww"), u"C:\\Jww\\図面\\");
  EXPECT_EQ(FolderOf(u"/home/u/a.jww"), u"/home/u/");
  EXPECT_EQ(FolderOf(u"C:\\a.jww"), u"C:\\");
  EXPECT_EQ(FolderOf(u"/a.jww"), u"/");
  EXPECT_EQ(FolderOf(u"C:a.jww"), u"C:");
  EXPECT_EQ(FolderOf(u"a.jww"), u"");
  EXPECT_EQ(FolderOf(u"/home/u/"), u"/home/u/");
  EXPECT_EQ(FileNameOf(u"C:\\Jww/sub\\a.b.jww"), u"a.b.jww");
  EXPECT_EQ(FileNameOf(u"D:x.jww"), u"x.jww");
  EXPECT_EQ(FileNameOf(u"/home/u/"), u"");
  EXPECT_EQ(ExtLower(u"/d/図面.JWW"), u".jww");
  EXPECT_EQ(ExtLower(u"/d.x/name"), u"");
  EXPECT_EQ(ExtLower(u"name."), u".");
  EXPECT_EQ(ChangeExt(u"/d/a.jww", u".dat"), u"/d/a.dat");
  EXPECT_EQ(ChangeExt(u"/d.x/a", u".dat"), u"/d.x/a.dat");
  EXPECT_EQ(ChangeExt(u"C:\\a.b.jww", u""), u"C:\\a.b");
}

class FileOpsTest : public ::testing::Test {
 protected:
  std::u16string Name(const std::u16string& rest) const { return StrFromPath(root_) + rest; }

  test::ScopedTempDir tmp_;
  // Made by the tests themselves.
  const std::filesystem::path root_ = tmp_ / "root";
};

TEST_F(FileOpsTest, CreatesChecksDeletesAndRemoves) {
  const std::u16string folder = Name(u"/作業/TEMP");
  ASSERT_TRUE(CreateFolder(folder));
  EXPECT_TRUE(CreateFolder(folder));  // already there
  EXPECT_FALSE(FileExistsQ(folder));  // a folder is no file

  const std::u16string file = folder + u"/画像.bmp";
  EXPECT_FALSE(FileExistsQ(file));
  std::ofstream(PathFromStr(file)) << "x";
  EXPECT_TRUE(FileExistsQ(file));

  EXPECT_FALSE(RemoveFolder(folder));  // not empty
  EXPECT_TRUE(FileExistsQ(file));
  EXPECT_FALSE(DeleteFileQ(folder));  // never a folder
  EXPECT_TRUE(DeleteFileQ(file));
  EXPECT_FALSE(DeleteFileQ(file));
  EXPECT_TRUE(RemoveFolder(folder));
  EXPECT_FALSE(RemoveFolder(folder));
  EXPECT_FALSE(FileExistsQ(u""));
  EXPECT_FALSE(CreateFolder(u""));
}

TEST_F(FileOpsTest, CreateFolderFailsWhereAFileStands) {
  ASSERT_TRUE(CreateFolder(Name(u"")));
  const std::u16string file = Name(u"/plain");
  std::ofstream(PathFromStr(file)) << "x";
  EXPECT_FALSE(CreateFolder(file));
  EXPECT_FALSE(CreateFolder(file + u"/below"));
}

}  // namespace
}  // namespace tavolex
