// Images stored in written drawings: written out while loading, unpacked, deleted, and kept
// inside their folder whatever names the file gives them.
#include <gtest/gtest.h>

#include <filesystem>

#include "jww/JwwTestUtil.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Pattern(size_t n, uint8_t seed) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i)
    bytes[i] = static_cast<uint8_t>(seed + i * 31 + (i >> 8));
  return bytes;
}

class JwwBindImage : public ::testing::Test {
 protected:
  JwwBindImage() : folder_(dir_ / "TEMP") {
    fs::create_directories(folder_);
    doc_.BindImageFolder = folder_;
    doc_.BindImageExp = true;
    doc_.BindImageExr = true;
  }

  bool Load(const std::vector<WImage>& images, int32_t version = 700) {
    WDrawing d = EmptyDrawing(version);
    d.entities = {WLine{.start_x = 1}};
    d.images = images;
    return LoadDrawing(doc_, d);
  }

  ScopedTempDir dir_;
  fs::path folder_;
  TJwwData doc_;
};

TEST_F(JwwBindImage, StoredBytesAreWrittenAndUnpacked) {
  const auto picture = Pattern(20000, 3);
  const auto packed = GzipBytes(picture);
  const auto raw = Pattern(5000, 9);  // two blocks of 2048 bytes and one of 904
  ASSERT_TRUE(Load({{u"写真.bmp.gz", packed}, {u"a.bmp", raw}, {u"Plan.PNG.GZ", packed}}));
  ASSERT_EQ(doc_.BindImageN, 3);
  ASSERT_EQ(doc_.BindImage.size(), 3u);
  EXPECT_TRUE(doc_.BindImage[0].Fname == u"写真.bmp.gz");
  EXPECT_EQ(doc_.BindImage[0].Fsize, static_cast<int32_t>(packed.size()));
  EXPECT_EQ(doc_.BindImage[1].Fsize, 5000);
  EXPECT_EQ(ReadFileBytes(folder_ / u"写真.bmp.gz"), packed);
  EXPECT_EQ(ReadFileBytes(folder_ / "a.bmp"), raw);

  doc_.BindImageExplode();
  EXPECT_EQ(ReadFileBytes(folder_ / u"写真.bmp"), picture);
  EXPECT_EQ(ReadFileBytes(folder_ / "Plan.PNG"), picture);
  EXPECT_FALSE(fs::exists(folder_ / "a"));  // an unpacked image is left alone

  doc_.BindImageDeleteGzFile();
  EXPECT_FALSE(fs::exists(folder_ / u"写真.bmp.gz"));
  EXPECT_FALSE(fs::exists(folder_ / "Plan.PNG.GZ"));
  EXPECT_TRUE(fs::exists(folder_ / "a.bmp"));
  EXPECT_TRUE(fs::exists(folder_ / "Plan.PNG"));
  doc_.BindImageDeleteNonGzFile();
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(JwwBindImage, ReadingThroughWithoutWriting) {
  doc_.BindImageExp = false;
  ASSERT_TRUE(Load({{u"one.png", Pattern(3000, 1)}, {u"two.png", Pattern(10, 2)}}));
  ASSERT_EQ(doc_.BindImageN, 2);
  EXPECT_TRUE(doc_.BindImage[1].Fname == u"two.png");
  EXPECT_EQ(doc_.BindImage[1].Fsize, 10);
  EXPECT_TRUE(fs::is_empty(folder_));
  EXPECT_EQ(doc_.EntLineN, 1);
}

TEST_F(JwwBindImage, SectionIgnoredWhenNotAskedOrBeforeVersion700) {
  doc_.BindImageExp = false;
  doc_.BindImageExr = false;
  ASSERT_TRUE(Load({{u"one.png", Pattern(100, 1)}}));
  EXPECT_EQ(doc_.BindImageN, 0);
  doc_.BindImageExp = true;
  doc_.BindImageExr = true;
  ASSERT_TRUE(Load({{u"one.png", Pattern(100, 1)}}, 600));
  EXPECT_EQ(doc_.BindImageN, 0);
  EXPECT_TRUE(fs::is_empty(folder_));
  // A document without images makes the image operations do nothing.
  doc_.BindImageExplode();
  doc_.BindImageDeleteGzFile();
  doc_.BindImageDeleteNonGzFile();
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(JwwBindImage, EmptyEntriesStoreNothing) {
  ASSERT_TRUE(Load({{u"", Pattern(50, 1)}, {u"empty.png", {}}, {u"after.png", Pattern(70, 4)}}));
  ASSERT_EQ(doc_.BindImageN, 3);
  EXPECT_FALSE(fs::exists(folder_ / "empty.png"));
  EXPECT_EQ(ReadFileBytes(folder_ / "after.png"), Pattern(70, 4));
}

// Names from the file never reach outside the image folder; the images behind them still load.
TEST_F(JwwBindImage, NamesStayInsideTheFolder) {
  const std::u16string hostile[] = {u"../escape.png",
                                    u"..\\escape.png",
                                    u"sub/escape.png",
                                    u"/tmp/escape.png",
                                    u"C:\\escape.png",
                                    u"C:escape.png",
                                    u"..",
                                    u"\\\\server\\share\\escape.png"};
  std::vector<WImage> images;
  for (const auto& name : hostile)
    images.push_back({name, Pattern(64, 5)});
  images.push_back({u"fine.png", Pattern(80, 6)});
  ASSERT_TRUE(Load(images));
  EXPECT_EQ(ReadFileBytes(folder_ / "fine.png"), Pattern(80, 6));
  EXPECT_FALSE(fs::exists(dir_ / "escape.png"));
  EXPECT_FALSE(fs::exists("/tmp/escape.png"));
  for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
    SCOPED_TRACE(entry.path().string());
    EXPECT_EQ(entry.path().parent_path(), entry.is_directory() ? dir_.path() : folder_);
  }
  doc_.BindImageExplode();
  doc_.BindImageDeleteGzFile();
  doc_.BindImageDeleteNonGzFile();
  EXPECT_TRUE(fs::exists(folder_));
}

// A small stored file cannot unpack into a huge one.
TEST_F(JwwBindImage, UnpackingIsCapped) {
  const std::vector<uint8_t> zeros(4 << 20, 0);
  ASSERT_TRUE(Load({{u"bomb.bmp.gz", GzipBytes(zeros)}}));
  doc_.BindImageExplode(100000);
  ASSERT_TRUE(fs::exists(folder_ / "bomb.bmp.gz"));
  const auto unpacked = folder_ / "bomb.bmp";
  EXPECT_FALSE(fs::exists(unpacked) && fs::file_size(unpacked) > 100000u);
}

TEST_F(JwwBindImage, DamagedOrMissingPackedFilesAreSkipped) {
  auto packed = GzipBytes(Pattern(5000, 8));
  packed.resize(packed.size() / 2);
  ASSERT_TRUE(Load({{u"half.bmp.gz", packed}, {u"junk.jpg.gz", Pattern(100, 1)}}));
  fs::remove(folder_ / "junk.jpg.gz");
  doc_.BindImageExplode();
  EXPECT_FALSE(fs::exists(folder_ / "junk.jpg"));
  EXPECT_LE(fs::file_size(folder_ / "half.bmp"), 5000u);
  doc_.BindImageDeleteGzFile();
  doc_.BindImageDeleteNonGzFile();
  EXPECT_TRUE(fs::is_empty(folder_));
}

// The stored sizes are taken from the file: one larger than what follows writes what is there.
TEST_F(JwwBindImage, SizeBeyondTheDataWritesWhatIsThere) {
  WDrawing d = EmptyDrawing(700);
  auto bytes = WriteJww(d);
  JwwWriter w(700, JwwStringForm::Utf16);
  w.Int32(1);
  w.String(u"cut.png");
  w.Int32(1 << 30);
  w.Raw(Pattern(3000, 2));
  bytes.resize(bytes.size() - 4);  // the empty image count
  bytes.insert(bytes.end(), w.Data().begin(), w.Data().end());
  LoadBytes(doc_, bytes);
  ASSERT_EQ(doc_.BindImageN, 1);
  EXPECT_EQ(ReadFileBytes(folder_ / "cut.png"), Pattern(3000, 2));
}

}  // namespace
}  // namespace tavolex::test
