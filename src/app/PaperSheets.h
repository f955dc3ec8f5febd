// The sheets a print run names: the A and JIS B series, Letter, Legal and Tabloid, with their
// sizes as print systems give them, so every platform lays out the same sheet to the pixel.
#pragma once

#include <optional>
#include <string_view>

namespace tavolex {

enum class TSheetId { A0, A1, A2, A3, A4, A5, A6, B3, B4, B5, Letter, Legal, Tabloid };

enum class TOrientation { Portrait, Landscape };

// A sheet upright: the short side is the width.
struct TSheetSize {
  TSheetId id;
  std::string_view key;   // the name an option takes, in lower case ("a3", "b4", "letter")
  std::string_view name;  // the name a message shows ("A3", "JIS B4", "Letter / ANSI A")
  double widthMm;
  double heightMm;
  int widthPt;  // whole points of 1/72 inch
  int heightPt;
};

// Paper, orientation and resolution of the file printers; the whole sheet is printable.
struct TPaperOptions {
  TSheetId paper = TSheetId::A3;
  TOrientation orientation = TOrientation::Landscape;
  int dpi = 600;
};

const TSheetSize& SheetSize(TSheetId id);

// The sheet of a name in any letter case ("A3", "b4", "Letter"); none for other names.
std::optional<TSheetId> SheetByName(std::string_view name);

// The A-series sheet 0..4 (A0..A4); -1 and other numbers give the fallback.
TSheetId ASeriesSheet(int aSeries, TSheetId fallback);

struct TSheetPixels {
  int width = 0;
  int height = 0;
};

// The sheet in the orientation at a resolution, in whole device pixels.
TSheetPixels SheetPixels(TSheetId id, TOrientation orientation, int dpi);
TSheetPixels SheetPixels(const TPaperOptions& options);

}  // namespace tavolex
