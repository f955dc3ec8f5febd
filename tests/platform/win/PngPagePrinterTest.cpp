// PNG pages of the Windows platform: one file per page, each of the sheet its drawing asked for.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win/WinPrinters.h"

namespace tavolex {
namespace {

// Width and height from the header of a PNG file; zeros when it is not one.
std::pair<int, int> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> head(24);
  in.read(reinterpret_cast<char*>(head.data()), 24);
  const std::string signature(head.begin() + 1, head.begin() + 4);
  if (!in || signature != "PNG") return {0, 0};
  const auto be32 = [&](int at) {
    return static_cast<int>((uint32_t{head[at]} << 24) | (uint32_t{head[at + 1]} << 16) |
                            (uint32_t{head[at + 2]} << 8) | uint32_t{head[at + 3]});
  };
  return {be32(16), be32(20)};
}

TEST(PngPagePrinterTest, WritesEachPageOnTheSheetOfItsDrawing) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("tavolex-png-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  PngPagePrinter printer(folder, {TSheetId::A5, TOrientation::Landscape, 100});
  const std::pair<int, int> a5{printer.PaperWidthPx(), printer.PaperHeightPx()};
  EXPECT_GT(a5.first, a5.second);

  ASSERT_TRUE(printer.PrnTitle(u"Tavolex_plan.jww"));
  printer.PageCanvas()->SetPen(0x000000, 3, PenStyle::Solid);
  printer.PageCanvas()->MoveTo(10, 10);
  printer.PageCanvas()->LineTo(100, 50);
  ASSERT_TRUE(printer.PrnNewPage());
  ASSERT_TRUE(printer.PrnEndDoc());
  // The next drawing asks for A4, which the next document's pages take.
  ASSERT_TRUE(printer.UseSheet(4));
  const std::pair<int, int> a4{printer.PaperWidthPx(), printer.PaperHeightPx()};
  ASSERT_TRUE(printer.PrnTitle(u"Tavolex_plan.jww"));
  ASSERT_TRUE(printer.PrnEndDoc());

  const std::vector<WrittenFile>& files = printer.FilesWritten();
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(PngSize(files[0].path), a5);
  EXPECT_EQ(PngSize(files[1].path), a5);
  EXPECT_EQ(PngSize(files[2].path), a4);
  EXPECT_NE(files[0].path, files[2].path);  // a second document of one name does not overwrite
  EXPECT_GT(a4.first, a5.first);

  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

}  // namespace
}  // namespace tavolex
