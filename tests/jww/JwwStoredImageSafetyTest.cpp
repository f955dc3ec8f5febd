// Stored images: names kept inside the work folder, unpacking with an output limit, deletion.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;
using test::GzipBytes;
using test::ReadFileBytes;
using test::WImage;
using test::WriteFileBytes;

// <tmp>/root/work is the work folder; <tmp>/root must stay empty apart from it.
class StoredImages : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "work");
    jww_.BindImageFolder = root_ / "work";
    jww_.BindImageExp = true;
    jww_.BindImageExr = true;
  }
  bool Load(const std::vector<WImage>& images) {
    test::WDrawing d;
    d.header.jwVer = 700;
    d.images = images;
    const std::vector<uint8_t> bytes = test::WriteJww(d);
    return jww_.FileInBuffer(bytes, "images.jww");
  }

  std::vector<std::string> FilesUnder(const fs::path& dir) const {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      if (e.is_regular_file()) names.push_back(fs::relative(e.path(), root_).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::ScopedTempDir dir_;
  const fs::path root_ = dir_.path();
  TJwwData jww_;
};

std::vector<uint8_t> Bytes(size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i)
    v[i] = static_cast<uint8_t>(seed + i * 7);
  return v;
}

TEST(BindImageLeafName, KeepsOnlyTheLastPart) {
  EXPECT_EQ(BindImageLeafName(u"plan.bmp.gz"), u"plan.bmp.gz");
  EXPECT_EQ(BindImageLeafName(u"../../etc/x.png"), u"x.png");
  EXPECT_EQ(BindImageLeafName(u"C:\\Users\\a\\写真.jpg"), u"写真.jpg");
  EXPECT_EQ(BindImageLeafName(u"D:evil.gz"), u"evil.gz");
  EXPECT_EQ(BindImageLeafName(u"/abs/root.bmp"), u"root.bmp");
  EXPECT_EQ(BindImageLeafName(u".."), u"");
  EXPECT_EQ(BindImageLeafName(u"dir/.."), u"");
  EXPECT_EQ(BindImageLeafName(u"dir/"), u"");
  EXPECT_EQ(BindImageLeafName(u"..gz"), u"..gz");
}

TEST_F(StoredImages, WrittenWholeInsideTheWorkFolderOnly) {
  const std::vector<uint8_t> plain = Bytes(5000, 1);
  const std::vector<uint8_t> other = Bytes(10, 2);
  ASSERT_TRUE(Load({{u"../escape.bmp", plain}, {u"..", Bytes(33, 3)}, {u"b.png", other}}));
  ASSERT_EQ(jww_.BindImageN, 3);
  EXPECT_EQ(jww_.BindImage[0].Fname, u"escape.bmp");
  EXPECT_EQ(jww_.BindImage[1].Fname, u"");
  EXPECT_EQ(jww_.BindImage[2].Fname, u"b.png");
  EXPECT_EQ(ReadFileBytes(root_ / "work" / "escape.bmp"), plain);
  // The unusable entry's data was stepped over: the next image is intact.
  EXPECT_EQ(ReadFileBytes(root_ / "work" / "b.png"), other);
  EXPECT_EQ(FilesUnder(root_), (std::vector<std::string>{"work/b.png", "work/escape.bmp"}));
}

TEST_F(StoredImages, ImageThatCannotBeCreatedDoesNotDisturbTheNext) {
  fs::create_directories(root_ / "work" / "busy.bmp");  // a folder where the file would go
  const std::vector<uint8_t> next = Bytes(3000, 4);
  ASSERT_TRUE(Load({{u"busy.bmp", Bytes(100, 5)}, {u"next.bmp", next}}));
  EXPECT_EQ(ReadFileBytes(root_ / "work" / "next.bmp"), next);
  EXPECT_TRUE(fs::is_directory(root_ / "work" / "busy.bmp"));  // a failed write removes no folder
}

TEST_F(StoredImages, NothingWrittenWithoutAFolderOrWithoutTheSwitch) {
  jww_.BindImageFolder.clear();
  ASSERT_TRUE(Load({{u"a.bmp", Bytes(10, 6)}}));
  EXPECT_EQ(jww_.BindImageN, 1);
  EXPECT_FALSE(fs::exists("a.bmp"));

  jww_.BindImageFolder = root_ / "work";
  jww_.BindImageExp = false;
  ASSERT_TRUE(Load({{u"a.bmp", Bytes(10, 6)}, {u"c.bmp", Bytes(10, 7)}}));
  EXPECT_EQ(jww_.BindImageN, 2);
  EXPECT_EQ(jww_.BindImage[1].Fname, u"c.bmp");
  EXPECT_TRUE(FilesUnder(root_).empty());
}

TEST_F(StoredImages, ExplodeUnpacksGzipBesideAndDeletesBothKinds) {
  const std::vector<uint8_t> picture = Bytes(70000, 8);
  ASSERT_TRUE(Load({{u"Plan.PNG.GZ", GzipBytes(picture)}, {u"plain.png", Bytes(20, 9)}}));
  jww_.BindImageExplode();
  EXPECT_EQ(ReadFileBytes(root_ / "work" / "Plan.PNG"), picture);
  EXPECT_FALSE(fs::exists(root_ / "work" / "plain"));

  jww_.BindImageDeleteGzFile();
  EXPECT_EQ(FilesUnder(root_), (std::vector<std::string>{"work/Plan.PNG", "work/plain.png"}));
  jww_.BindImageDeleteNonGzFile();
  EXPECT_TRUE(FilesUnder(root_).empty());
}

TEST_F(StoredImages, UnpackedSizeIsCapped) {
  ASSERT_TRUE(Load({{u"big.bmp.gz", GzipBytes(std::vector<uint8_t>(300000, 0))},
                    {u"small.bmp.gz", GzipBytes(Bytes(1000, 10))}}));
  jww_.BindImageExplode(200000);
  EXPECT_FALSE(fs::exists(root_ / "work" / "big.bmp"));
  EXPECT_EQ(ReadFileBytes(root_ / "work" / "small.bmp"), Bytes(1000, 10));
}

TEST_F(StoredImages, DamagedGzipLeavesWhatWasUnpackedAndMissingFilesAreSkipped) {
  std::vector<uint8_t> gz = GzipBytes(Bytes(50000, 11));
  gz.resize(gz.size() / 2);
  ASSERT_TRUE(Load({{u"cut.bmp.gz", gz}}));
  TBindImageType missing;
  missing.Fname = u"never.bmp.gz";
  missing.Fsize = 10;
  jww_.BindImage.push_back(missing);
  jww_.BindImageN = 2;
  jww_.BindImageExplode();
  EXPECT_TRUE(fs::exists(root_ / "work" / "cut.bmp"));
  EXPECT_FALSE(fs::exists(root_ / "work" / "never.bmp"));
}

TEST_F(StoredImages, NamesPutIntoTheListByHandAreCheckedAgain) {
  fs::create_directories(root_ / "outside");
  WriteFileBytes(root_ / "outside" / "keep.png", Bytes(5, 12));
  TBindImageType sneaky;
  sneaky.Fname = u"../outside/keep.png";
  jww_.BindImage = {sneaky};
  jww_.BindImageN = 1;
  jww_.BindImageDeleteNonGzFile();
  jww_.BindImageDeleteGzFile();
  EXPECT_TRUE(fs::exists(root_ / "outside" / "keep.png"));
}

}  // namespace
}  // namespace tavolex
