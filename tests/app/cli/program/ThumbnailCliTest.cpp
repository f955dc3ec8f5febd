// tavolex-print --thumbnail run as a program, as a file manager runs it.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "support/CliRun.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {
namespace {

test::CliOutcome Thumbnail(const std::string& size, const std::filesystem::path& in,
                           const std::filesystem::path& out) {
  return test::RunCli(TAVOLEX_PRINT_EXE,
                      "--thumbnail " + size + " " + test::Quote(in) + " " + test::Quote(out));
}

bool White(const QImage& image, int x, int y) {
  return image.pixel(x, y) == qRgb(255, 255, 255);
}

TEST(ThumbnailCli, DrawingIsFittedIntoTheSquareOnWhitePaper) {
  test::ScopedTempDir dir;
  test::WDrawing d;
  d.header.jwVer = 600;
  // A wide cross: 1000 mm across, 200 mm high, centred on the origin.
  d.entities = {test::WLine{.start_x = -500, .start_y = 0, .end_x = 500, .end_y = 0},
                test::WLine{.start_x = 0, .start_y = -100, .end_x = 0, .end_y = 100}};
  ASSERT_TRUE(test::SaveJww(dir / "cross.jww", d));

  const test::CliOutcome o = Thumbnail("64", dir / "cross.jww", dir / "cross.png");
  ASSERT_EQ(o.exitCode, 0) << o.output;
  const QImage image(QString::fromStdString((dir / "cross.png").string()));
  ASSERT_EQ(image.size(), QSize(64, 64));
  // The width fills the square, the height is centred within it, the rest is paper.
  EXPECT_FALSE(White(image, 1, 32));
  EXPECT_FALSE(White(image, 62, 32));
  EXPECT_FALSE(White(image, 32, 27));
  EXPECT_TRUE(White(image, 32, 10));
  EXPECT_TRUE(White(image, 32, 54));
  EXPECT_TRUE(White(image, 0, 0));
  EXPECT_TRUE(White(image, 63, 63));

  // A drawing whose name is not UTF-8 is still found by that name.
  const std::filesystem::path other = dir / std::string("\x8e\xa9\xff.jww");
  std::filesystem::copy_file(dir / "cross.jww", other);
  EXPECT_EQ(Thumbnail("64", other, dir / "other.png").exitCode, 0);
}

TEST(ThumbnailCli, DamagedDrawingOrBadArgumentsLeaveNoFile) {
  test::ScopedTempDir dir;
  test::WDrawing d;
  d.entities = {test::WLine{.end_x = 10, .end_y = 10}};
  std::vector<uint8_t> bytes = test::WriteJww(d);
  bytes.resize(40);  // the header breaks off
  ASSERT_TRUE(test::WriteFileBytes(dir / "cut.jww", bytes));
  ASSERT_TRUE(test::WriteFileBytes(dir / "text.jww", {'J', 'w', 'w', '?', '\n'}));
  ASSERT_TRUE(test::SaveJww(dir / "good.jww", d));

  for (const char* name : {"cut.jww", "text.jww", "missing.jww"}) {
    const test::CliOutcome o = Thumbnail("128", dir / name, dir / "out.png");
    EXPECT_EQ(o.exitCode, 1) << name << ": " << o.output;
    EXPECT_NE(o.output.find(name), std::string::npos) << o.output;
  }
  EXPECT_EQ(Thumbnail("128", dir / "good.jww", dir / "no-folder" / "out.png").exitCode, 1);
  for (const char* size : {"0", "4096", "12px", "-8"})
    EXPECT_EQ(Thumbnail(size, dir / "good.jww", dir / "out.png").exitCode, 2) << size;
  EXPECT_EQ(
      test::RunCli(TAVOLEX_PRINT_EXE, "--thumbnail 128 " + test::Quote(dir / "good.jww")).exitCode,
      2);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.png"));
  EXPECT_FALSE(std::filesystem::exists(dir / "no-folder"));
}

}  // namespace
}  // namespace tavolex

#endif
