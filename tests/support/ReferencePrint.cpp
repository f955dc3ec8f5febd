#include "support/ReferencePrint.h"

#include <fstream>

#include "app/JwwPrintDocument.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "graphics/TextVariables.h"
#include "support/CallText.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPrinter.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {

namespace {

namespace fs = std::filesystem;

void FitAt90(TPrintSettings& s) {
  s.PrnStyle = 1;
  s.PrnAngle = 90.0;
}

void Monochrome(TPrintSettings& s) {
  s.PrnStyle = 1;
  s.PrnMono = 1;
  s.PrnSikii0 = 128;
  s.PrnWhite1 = 1;
  s.PrnSikii1 = 240;
  s.PrnWhite2 = 1;
  s.PrnSikii2 = 240;
}

// One page per layer group, with the display-only groups in grey on every page.
void GroupPages(TPrintSettings& s) {
  s.PrnStyle = 1;
  s.PrnRen1 = 1;
  s.PrnRenLG = kPrnRenLGMax;
  s.PrnDOLay = 1;
}

TextVarTimes FixedTimes() {
  return {TDateTime{2024, 4, 1, 9, 30, 0}, TDateTime{2023, 12, 24, 18, 5, 10}};
}

// PNG pictures report the size their header gives, as a picture decoder would.
class PictureReadingCanvas : public RecordingCanvas {
 public:
  bool PictureSize(const fs::path& file, int& width, int& height) override {
    if (RecordingCanvas::PictureSize(file, width, height)) return true;
    unsigned char h[24] = {};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(h), sizeof h)) return false;
    if (h[0] != 0x89 || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return false;
    const auto be32 = [&h](int at) {
      return static_cast<int>((unsigned{h[at]} << 24) | (unsigned{h[at + 1]} << 16) |
                              (unsigned{h[at + 2]} << 8) | unsigned{h[at + 3]});
    };
    width = be32(16);
    height = be32(20);
    return true;
  }
};

// Takes the canvas's calls as text when a page ends.
class PagePrinter : public RecordingPrinter {
 public:
  PagePrinter() {
    dpi = kReferenceDpi;
    paperW = pageW = kReferencePageWidth;
    paperH = pageH = kReferencePageHeight;
    canvas = &canvas_;
  }

  bool PrnTitle(const std::u16string& title) override {
    if (!RecordingPrinter::PrnTitle(title)) return false;
    title_ = StrToUtf8(title);
    StartPage();
    return true;
  }
  bool PrnNewPage() override {
    TakeCalls();
    if (!RecordingPrinter::PrnNewPage()) return false;
    StartPage();
    return true;
  }
  bool PrnEndDoc() override {
    TakeCalls();
    return RecordingPrinter::PrnEndDoc();
  }

  std::vector<PrintedPage> pages;

 private:
  void StartPage() {
    canvas_.Clear();
    pages.push_back(PrintedPage{title_, pageW, pageH, {}});
  }
  void TakeCalls() {
    if (pages.empty()) return;
    for (const CanvasCall& c : canvas_.calls)
      pages.back().calls.push_back(CallText(c));
    canvas_.Clear();
  }

  PictureReadingCanvas canvas_;
  std::string title_;
};

// Runs in the drawing's folder, so that the run names the drawing by its relative path.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : before_(fs::current_path()) {
    std::error_code ec;
    fs::current_path(folder, ec);
  }
  ~InFolder() {
    std::error_code ec;
    fs::current_path(before_, ec);
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path before_;
};

}  // namespace

const std::vector<ReferenceSetting>& ReferenceSettings() {
  static const std::vector<ReferenceSetting> settings = {
      {"scale", [](TPrintSettings&) {}},
      {"fit90", FitAt90},
      {"mono", Monochrome},
      {"groups", GroupPages},
  };
  return settings;
}

std::vector<PrintedPage> PrintForReference(const fs::path& folder, const std::string& name,
                                           const ReferenceSetting& setting) {
  ScopedTempDir home;
  fs::create_directories(home / "bin");
  TPrintApp app;
  app.Start(home / "bin" / "tavolex", {}, false);
  setting.apply(app.Settings);
  SetTextVarTimeSource(FixedTimes);
  PagePrinter printer;
  {
    InFolder here(folder);
    JwwPrintDocument document(*app.JWW);
    TPrintDriver driver(app.Settings, document, printer);
    driver.AppFolder = app.Folders.AppFolder;
    driver.Run({fs::path(std::u8string(name.begin(), name.end()))});
  }
  SetTextVarTimeSource(nullptr);
  app.Close(false);
  return std::move(printer.pages);
}

}  // namespace tavolex::test
