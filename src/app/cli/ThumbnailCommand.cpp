// --thumbnail SIZE INPUT OUTPUT: the drawing fitted into SIZE x SIZE pixels on white paper, as a
// PNG file, for the thumbnails of file managers. It is a fitted print of the one drawing onto an
// image, so it draws exactly what a print draws.
#include <charconv>
#include <filesystem>
#include <iostream>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/PrintPlatform.h"
#include "app/cli/CliCommands.h"
#include "app/cli/OptionValues.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"

namespace tavolex::cli {

namespace {

// Desktops ask for 128 to 1024; the bound keeps a mistyped size from asking for gigabytes.
constexpr int kMaxThumbnailSize = 2048;
// Fit printing scales by pixels, so the resolution only names the sheet's millimetres.
constexpr int kThumbnailDpi = 96;

bool ParseSize(const std::string& text, int& size) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, size);
  return ec == std::errc() && ptr == end && size >= 1 && size <= kMaxThumbnailSize;
}

// Prints the drawing fitted onto the sheet; false when it is not a drawing or is damaged.
bool DrawThumbnail(const std::filesystem::path& input, const char* argv0, TImagePrinter& sheet) {
  TPrintApp app;
  app.Start(ProgramFile(argv0), {}, false);
  app.Settings.PrnStyle = kStyleFit;
  app.Settings.PrnRen1 = 0;
  app.Settings.PrnRen2 = 0;
  app.Settings.ApplyLimits();

  JwwPrintDocument document(*app.JWW);
  TPrintDriver driver(app.Settings, document, sheet);
  driver.AppFolder = app.Folders.AppFolder;
  const TPrintRunResult result = driver.Run({input});
  app.Close(false);
  return RunComplete(result, 1) && document.LoadComplete();
}

}  // namespace

int RunThumbnailCommand(const std::vector<std::string>& args, const char* argv0,
                        TPrintPlatform& platform, std::ostream& err) {
  int size = 0;
  if (args.size() != 3 || !ParseSize(args[0], size)) {
    err << "tavolex-print: --thumbnail takes SIZE (1 to " << kMaxThumbnailSize
        << " pixels), INPUT and OUTPUT\n";
    return 2;
  }
  const std::filesystem::path input = PathArg(args[1]);
  const std::filesystem::path output = PathArg(args[2]);
  const std::unique_ptr<TImagePrinter> sheet = platform.MakeImagePrinter(size, size, kThumbnailDpi);
  if (!sheet) {
    err << "tavolex-print: the platform gives no sheet in memory for thumbnails\n";
    return 1;
  }
  if (!DrawThumbnail(input, argv0, *sheet)) {
    err << "tavolex-print: not a readable JWW drawing: " << StrToUtf8(StrFromPath(input)) << "\n";
    return 1;
  }
  if (!sheet->SavePng(output)) {
    err << "tavolex-print: cannot write " << StrToUtf8(StrFromPath(output)) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tavolex::cli
