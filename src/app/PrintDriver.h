// The print run: takes the listed drawings in order, reads each one, prepares the attribute
// tables, places it on the page and lets it draw itself onto the selected printer. Both the
// window and the command line call it; they only fill the settings and show what it reports.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/PrintSettings.h"
#include "app/UnitPrint.h"
#include "graphics/Canvas.h"

namespace tavolex {

// The print settings of a drawing's header.
struct TPrintHeader {
  double dPrtBairitsu = 1.0;
  double DPPrtGenten_x = 0.0;
  double DPPrtGenten_y = 0.0;
  int nPrtSet = 0;
};

// What the run needs of the document object. JwwPrintDocument gives it for TJwwData; tests
// give it for drawings they describe directly.
class TPrintDocument {
 public:
  virtual ~TPrintDocument() = default;

  virtual bool FileCheck(const std::filesystem::path& FName) = 0;
  // Deletes the images the last load unpacked and empties the document.
  virtual void JwwDataFree() = 0;
  // Reads the drawing and unpacks its stored images.
  virtual void FileIn(const std::filesystem::path& FName) = 0;
  virtual void BindImageExplode() = 0;
  virtual void FileColorSet() = 0;
  virtual void FileLtypeSet() = 0;
  virtual void SetGAttLayer() = 0;
  // Extents of the drawing: minX, minY, maxX, maxY in drawing millimetres.
  virtual void GetMinMaxZahyo(double& minX, double& minY, double& maxX, double& maxY) = 0;
  // Layer-group and layer states as stored (0 hidden, 1 display-only); n = group * 16 + layer.
  virtual int GroupState(int group) const = 0;
  virtual int LayerState(int n) const = 0;
  // The printer colour (0x00BBGGRR) of pen entry 9, the grey of display-only elements.
  virtual uint32_t DisplayOnlyPrintColor() const = 0;
  virtual TPrintHeader PrintHeader() const = 0;
  // The paper the drawing was laid out on (header nZumen: 0 A0 .. 4 A4; other codes are unknown).
  virtual int PaperCode() const = 0;
  // Elements of group and layer (-1 for all) that print, temporary points left out.
  virtual long long CountElements(int group, int layer) const = 0;
  // Creates an engine on the canvas, draws the drawing through it (GLDrawALL3) and frees it.
  virtual void DrawPage(Canvas& canvas, int order, int lay1, double rot) = 0;
};

struct TPrintRunResult {
  bool aborted = false;
  int filesPrinted = 0;  // drawings that gave at least one page
  int pagesPrinted = 0;
  bool printerFailed = false;
  std::vector<std::filesystem::path> passedOver;      // missing, empty or not a drawing
  std::vector<std::filesystem::path> nothingToPrint;  // read (perhaps in part) but gave no page
  // Drawings whose stored paper is not A0..A4, printed on the fallback sheet instead.
  std::vector<std::filesystem::path> paperFallback;
  std::u16string status;  // the closing status-bar text
};

// Whether the run did all it was given: every drawing reached paper (at least one page each),
// the printer took every document, nothing was stopped. A run without a page never succeeds.
bool RunComplete(const TPrintRunResult& r, int drawingsGiven);

// The A-series sheet (0 A0 .. 4 A4) for a drawing's paper code; -1 when the code names none and
// the printer's own sheet is the fallback.
int DrawingSheet(int paperCode);

// Page placement of one drawing: the page geometry and the rotation in radians.
struct TPagePlacement {
  double viewWidth = 0.0;
  double viewHeight = 0.0;
  double viewScale = 1.0;
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
  double rotation = 0.0;
};

// Scale, window and rotation for a drawing with the given extents and header on a printable
// page of pageWidthPx x pageHeightPx pixels that is pageWidthMm wide.
TPagePlacement PlacePage(const TPrintSettings& s, const TPrintHeader& header, double minX,
                         double minY, double maxX, double maxY, int pageWidthPx, int pageHeightPx,
                         double pageWidthMm);

// Fit printing of the given extents on a page of widthPx x heightPx pixels.
TPagePlacement FitPlacement(double minX, double minY, double maxX, double maxY, int widthPx,
                            int heightPx);

// Makes the placement the page geometry the engine draws through.
void UsePlacement(const TPagePlacement& place);

class TPrintDriver {
 public:
  TPrintDriver(const TPrintSettings& settings, TPrintDocument& document, TPrinter& printer)
      : s_(settings), doc_(document), printer_(printer) {}

  // Every page on the paper its drawing was laid out on (see DrawingSheet).
  bool DrawingPaper = false;
  // Polled once before every file; true stops the run there.
  std::function<bool()> EscPressed;
  // Called before and after each file that prints, with its list index and the status text.
  std::function<void(int index, const std::u16string& status)> OnFileStart;
  std::function<void(int index)> OnFileEnd;
  // Folder where the reference file of text variables is looked for when it names none.
  std::filesystem::path AppFolder;

  // The run over a copy of the list, from copying the tables into GAtt to the closing status.
  // GAtt must exist. The caller has applied the limits of the settings.
  TPrintRunResult Run(std::vector<std::filesystem::path> list);

  // Pages printed so far in the run in progress.
  int PagesPrinted() const { return result_ != nullptr ? result_->pagesPrinted : 0; }

  // Prints one drawing; Printed is the run's page flag. The path is used byte for byte; only the
  // texts (zfile, titles, status) are converted for display.
  void PrintFile(const std::filesystem::path& FName, bool& Printed);

  // The per-file values of the drawing being printed.
  std::u16string zfile;
  std::u16string zfold;
  uint32_t ztime = 0;

 private:
  void CopyTablesToAttributes();
  void ChooseSheet(const std::filesystem::path& FName);
  void AdjustDisplayOnlyLayers();
  void PrintSinglePage(bool& Printed, double rot);
  void PrintGroupPages(bool& Printed, double rot);
  long long GroupElements(int g) const;
  // Notes that the printer refused a document or page of the drawing being printed.
  void PrinterFailed();
  bool BeginRunDocument();
  bool BeginPage(const std::u16string& title, bool Printed);
  void DrawOnPage(int lay1, double rot);
  void EndPage(bool& Printed);

  const TPrintSettings& s_;
  TPrintDocument& doc_;
  TPrinter& printer_;
  std::u16string title_;
  TPrintRunResult* result_ = nullptr;
  bool pageOpen_ = false;
  bool runDocumentPending_ = false;
  bool fileRefused_ = false;  // the printer refused something of the current drawing
};

}  // namespace tavolex
