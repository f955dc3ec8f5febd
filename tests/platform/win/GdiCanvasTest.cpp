// The GDI canvas on a bitmap in memory, checked where its output does not depend on the device:
// the ends of wide lines, the cell a character fills at any escapement, fills by the alternate
// rule, and the part of a picture a crop shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "platform/win/GdiBitmap.h"
#include "platform/win/GdiCanvas.h"

namespace tavolex {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;  // as 0x00RRGGBB pixels
constexpr uint32_t kBlue = 0x0000FF;

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  bool Empty() const { return right < left; }
};

// The smallest box around every pixel that is not paper.
Box InkBox(const GdiBitmap& sheet) {
  Box box;
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      if (sheet.Pixel(x, y) == kWhite) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

bool Inked(const GdiBitmap& sheet, int x, int y) {
  return sheet.Pixel(x, y) != kWhite;
}

class GdiCanvasTest : public ::testing::Test {
 protected:
  GdiBitmap sheet_{200, 200};
  GdiCanvas canvas_{sheet_.Dc()};
};

TEST_F(GdiCanvasTest, WidePensHaveRoundEndsAndThinPensLeaveOutTheLastPixel) {
  ASSERT_FALSE(sheet_.Null());
  canvas_.SetPen(0x000000, 9, PenStyle::Solid);
  canvas_.MoveTo(20, 20);
  canvas_.LineTo(60, 20);
  EXPECT_TRUE(Inked(sheet_, 64, 20));   // the cap reaches past the end ...
  EXPECT_TRUE(Inked(sheet_, 60, 24));   // ... and the body has the pen's width ...
  EXPECT_FALSE(Inked(sheet_, 63, 24));  // ... but the cap's corner is round, not square

  // A line that ends where it starts leaves a round dot of the pen's width.
  canvas_.MoveTo(100, 50);
  canvas_.LineTo(100, 50);
  EXPECT_TRUE(Inked(sheet_, 100, 50));
  EXPECT_TRUE(Inked(sheet_, 104, 50));
  EXPECT_FALSE(Inked(sheet_, 104, 54));
  EXPECT_FALSE(Inked(sheet_, 106, 50));

  canvas_.SetPen(0x000000, 1, PenStyle::Solid);
  canvas_.MoveTo(10, 80);
  canvas_.LineTo(20, 80);
  EXPECT_TRUE(Inked(sheet_, 10, 80));
  EXPECT_TRUE(Inked(sheet_, 19, 80));
  EXPECT_FALSE(Inked(sheet_, 20, 80));

  // A clear pen draws nothing, not even the dot.
  sheet_.Clear();
  canvas_.SetPen(0x000000, 9, PenStyle::Clear);
  canvas_.MoveTo(100, 100);
  canvas_.LineTo(150, 100);
  canvas_.LineTo(150, 100);
  EXPECT_TRUE(InkBox(sheet_).Empty());
}

TEST_F(GdiCanvasTest, FillsByTheAlternateRuleInTheArgbColour) {
  // A five-pointed star drawn in one stroke: its middle is enclosed twice, so it stays empty.
  const std::vector<TPointF> star = {{100, 10}, {153, 173}, {14, 72}, {186, 72}, {47, 173}};
  canvas_.FillPolygon(star.data(), static_cast<int>(star.size()), 0xFF00FF00u);
  EXPECT_EQ(sheet_.Pixel(100, 30), 0x00FF00u);  // a point of the star
  EXPECT_EQ(sheet_.Pixel(100, 100), kWhite);    // its middle

  // Points that are not numbers fill nothing.
  sheet_.Clear();
  std::vector<TPointF> broken = star;
  broken[2].X = std::numeric_limits<float>::quiet_NaN();
  canvas_.FillPolygon(broken.data(), static_cast<int>(broken.size()), 0xFF00FF00u);
  EXPECT_TRUE(InkBox(sheet_).Empty());
}

// The ink of one character drawn at (50, 100) in a 40-pixel cell with a 20-pixel half-width.
Box CharacterInk(GdiBitmap& sheet, GdiCanvas& canvas, const std::u16string& ch, int escapement) {
  sheet.Clear();
  CanvasFont font;
  font.height = 40;
  font.width = 20;
  font.escapement = escapement;
  font.faceName = u"ＭＳ ゴシック";
  canvas.DrawChar(50, 100, ch, font, 0x000000);
  return InkBox(sheet);
}

TEST_F(GdiCanvasTest, CharactersStayInTheirCellAtAnyEscapement) {
  constexpr int kSlack = 2;
  // Upright, the cell runs right and down from the point: 40 wide for a full-width character,
  // 20 for a half-width one, 40 high.
  Box ink = CharacterInk(sheet_, canvas_, u"田", 0);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 50 - kSlack);
  EXPECT_LE(ink.right, 90 + kSlack);
  EXPECT_GE(ink.top, 100 - kSlack);
  EXPECT_LE(ink.bottom, 140 + kSlack);
  EXPECT_GT(ink.right - ink.left, 25);  // the glyph fills its cell rather than a corner of it
  EXPECT_GT(ink.bottom - ink.top, 25);

  ink = CharacterInk(sheet_, canvas_, u"H", 0);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 50 - kSlack);
  EXPECT_LE(ink.right, 70 + kSlack);

  // Turned a quarter counter-clockwise about the point, the cell runs up and right from it.
  ink = CharacterInk(sheet_, canvas_, u"田", 900);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 50 - kSlack);
  EXPECT_LE(ink.right, 90 + kSlack);
  EXPECT_GE(ink.top, 60 - kSlack);
  EXPECT_LE(ink.bottom, 100 + kSlack);
  EXPECT_GT(ink.bottom - ink.top, 25);

  // Control characters have no glyph, and a transparent background leaves the paper as it was.
  EXPECT_TRUE(CharacterInk(sheet_, canvas_, u"\t", 0).Empty());
}

// A BMP of 4 x 2 pixels: the left half red, the right half blue.
std::filesystem::path WriteTwoColourBmp(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / "two-colours.bmp";
  const auto le32 = [](uint32_t v) {
    return std::vector<char>{static_cast<char>(v), static_cast<char>(v >> 8),
                             static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  };
  std::vector<char> bytes = {'B', 'M'};
  const auto put = [&](const std::vector<char>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
  };
  constexpr uint32_t kRowBytes = 12;  // 4 pixels of 3 bytes: already a multiple of 4
  put(le32(54 + 2 * kRowBytes));
  put(le32(0));
  put(le32(54));
  put(le32(40));
  put(le32(4));
  put(le32(2));
  put({1, 0, 24, 0});
  for (int i = 0; i < 6; ++i)
    put(le32(0));
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 4; ++x)
      put(x < 2 ? std::vector<char>{0, 0, static_cast<char>(0xFF)}
                : std::vector<char>{static_cast<char>(0xFF), 0, 0});
  }
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

TEST_F(GdiCanvasTest, DrawsTheCropOfAPictureScaledAndTurned) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("tavolex-gdi-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path bmp = WriteTwoColourBmp(folder);

  int width = 0;
  int height = 0;
  ASSERT_TRUE(canvas_.PictureSize(bmp, width, height));
  EXPECT_EQ(width, 4);
  EXPECT_EQ(height, 2);

  // The right half alone, stretched over a 40-pixel square.
  ASSERT_TRUE(canvas_.DrawPicture(bmp, {2, 0, 2, 2}, {10, 10, 40, 40}, 0.0, 0.0, 0.0));
  EXPECT_EQ(sheet_.Pixel(12, 12), kBlue);
  EXPECT_EQ(sheet_.Pixel(47, 47), kBlue);
  EXPECT_EQ(sheet_.Pixel(55, 30), kWhite);

  // The whole picture in 40 x 20, turned a quarter clockwise about its top-left corner: the
  // left (red) half comes to lie nearer the corner, below it, and the right half below that.
  sheet_.Clear();
  ASSERT_TRUE(canvas_.DrawPicture(bmp, {0, 0, 4, 2}, {100, 100, 40, 20}, 90.0, 100.0, 100.0));
  EXPECT_EQ(sheet_.Pixel(90, 110), kRed);
  EXPECT_EQ(sheet_.Pixel(90, 130), kBlue);
  EXPECT_EQ(sheet_.Pixel(110, 110), kWhite);

  // The kept picture was read into memory, so its file can go while it is kept.
  std::error_code ec;
  std::filesystem::remove(bmp, ec);
  EXPECT_FALSE(ec) << ec.message();

  // A file that is not a picture, or not there, draws nothing.
  std::ofstream(folder / "text.bmp") << "not a picture";
  EXPECT_FALSE(canvas_.PictureSize(folder / "text.bmp", width, height));
  EXPECT_FALSE(canvas_.DrawPicture(folder / "missing.png", {0, 0, 4, 2}, {0, 0, 4, 2}, 0, 0, 0));
  std::filesystem::remove_all(folder, ec);
}

}  // namespace
}  // namespace tavolex
