// Rules both windows follow that are not about the drawing list.
#include <gtest/gtest.h>

#include "app/RunPrinterChoice.h"
#include "app/WindowPlacement.h"

namespace tavolex {
namespace {

TEST(WindowRules, KeptPositionIsTakenOnlyWhenItReachesAScreen) {
  const std::vector<TWindowGeometry> screens{{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
  EXPECT_TRUE(KeptPositionUsable({40, 30, 650, 438}, screens));
  EXPECT_TRUE(KeptPositionUsable({3000, 900, 650, 438}, screens));   // on the second screen
  EXPECT_TRUE(KeptPositionUsable({-600, -400, 650, 438}, screens));  // a corner still in reach
  // Beside every screen, from a screen that is gone, or no screen at all.
  EXPECT_FALSE(KeptPositionUsable({3200, 0, 650, 438}, screens));
  EXPECT_FALSE(KeptPositionUsable({-650, 0, 650, 438}, screens));
  EXPECT_FALSE(KeptPositionUsable({40, 30, 650, 438}, {}));
  // Numbers of a damaged file: no size, or sums that would overflow.
  EXPECT_FALSE(KeptPositionUsable({40, 30, 0, 438}, screens));
  EXPECT_FALSE(KeptPositionUsable({2147483647, 5, 2147483647, 300}, screens));
  EXPECT_FALSE(KeptPositionUsable({-2147483647 - 1, 0, 2147483647, 300}, screens));
}

TEST(WindowRules, RunPrinterIsTheOverrideThenTheSystemPrinterThenAPdfFile) {
  EXPECT_EQ(ChooseRunPrinter(true, true, true), TRunPrinter::Override);
  EXPECT_EQ(ChooseRunPrinter(true, false, false), TRunPrinter::Override);
  EXPECT_EQ(ChooseRunPrinter(false, true, false), TRunPrinter::SystemPrinter);
  EXPECT_EQ(ChooseRunPrinter(false, true, true), TRunPrinter::PrintToFile);
  EXPECT_EQ(ChooseRunPrinter(false, false, true), TRunPrinter::AskPdfFile);
  EXPECT_EQ(ChooseRunPrinter(false, false, false), TRunPrinter::AskPdfFile);
}

}  // namespace
}  // namespace tavolex
