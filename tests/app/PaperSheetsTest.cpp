#include "app/PaperSheets.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(PaperSheets, NamesInAnyCaseAndPixelsOfWholePoints) {
  EXPECT_EQ(SheetByName("b4"), TSheetId::B4);
  EXPECT_EQ(SheetByName("LeTTer"), TSheetId::Letter);
  EXPECT_EQ(SheetByName("A9x"), std::nullopt);
  EXPECT_EQ(SheetByName(""), std::nullopt);
  // A3 is 842 x 1191 points: at 600 dpi 7017 x 9925 pixels, turned for landscape.
  const TSheetPixels a3 = SheetPixels({});
  EXPECT_EQ(a3.width, 9925);
  EXPECT_EQ(a3.height, 7017);
  const TSheetPixels a4 = SheetPixels(TSheetId::A4, TOrientation::Portrait, 300);
  EXPECT_EQ(a4.width, 2479);  // 595 points; 2479.17 pixels
  EXPECT_EQ(a4.height, 3508);
  EXPECT_EQ(SheetPixels(TSheetId::A4, TOrientation::Portrait, 0).width, 0);
  EXPECT_EQ(ASeriesSheet(0, TSheetId::B5), TSheetId::A0);
  EXPECT_EQ(ASeriesSheet(5, TSheetId::B5), TSheetId::B5);
  EXPECT_EQ(ASeriesSheet(-1, TSheetId::Legal), TSheetId::Legal);
}

}  // namespace
}  // namespace tavolex
