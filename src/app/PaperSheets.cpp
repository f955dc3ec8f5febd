#include "app/PaperSheets.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace tavolex {

namespace {

constexpr std::array<TSheetSize, 13> kSheets = {{
    {TSheetId::A0, "a0", "A0", 841, 1189, 2384, 3370},
    {TSheetId::A1, "a1", "A1", 594, 841, 1684, 2384},
    {TSheetId::A2, "a2", "A2", 420, 594, 1191, 1684},
    {TSheetId::A3, "a3", "A3", 297, 420, 842, 1191},
    {TSheetId::A4, "a4", "A4", 210, 297, 595, 842},
    {TSheetId::A5, "a5", "A5", 148, 210, 420, 595},
    {TSheetId::A6, "a6", "A6", 105, 148, 297, 420},
    {TSheetId::B3, "b3", "JIS B3", 364, 515, 1032, 1460},
    {TSheetId::B4, "b4", "JIS B4", 257, 364, 729, 1032},
    {TSheetId::B5, "b5", "JIS B5", 182, 257, 516, 729},
    {TSheetId::Letter, "letter", "Letter / ANSI A", 215.9, 279.4, 612, 792},
    {TSheetId::Legal, "legal", "Legal", 215.9, 355.6, 612, 1008},
    {TSheetId::Tabloid, "tabloid", "Tabloid / ANSI B", 279.4, 431.8, 792, 1224},
}};

// Points to pixels as print systems round them: half a pixel up.
int PointsToPixels(int points, int dpi) {
  return static_cast<int>(std::lround(points / (72.0 / dpi)));
}

}  // namespace

const TSheetSize& SheetSize(TSheetId id) {
  for (const TSheetSize& s : kSheets) {
    if (s.id == id) return s;
  }
  return kSheets[3];  // unreachable: every id has its row
}

std::optional<TSheetId> SheetByName(std::string_view name) {
  std::string key;
  for (char c : name)
    key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  for (const TSheetSize& s : kSheets) {
    if (s.key == key) return s.id;
  }
  return std::nullopt;
}

TSheetId ASeriesSheet(int aSeries, TSheetId fallback) {
  static constexpr TSheetId kASeries[] = {TSheetId::A0, TSheetId::A1, TSheetId::A2, TSheetId::A3,
                                          TSheetId::A4};
  return aSeries >= 0 && aSeries <= 4 ? kASeries[aSeries] : fallback;
}

TSheetPixels SheetPixels(TSheetId id, TOrientation orientation, int dpi) {
  if (dpi <= 0) return {};
  const TSheetSize& s = SheetSize(id);
  const TSheetPixels upright{PointsToPixels(s.widthPt, dpi), PointsToPixels(s.heightPt, dpi)};
  if (orientation == TOrientation::Landscape) return {upright.height, upright.width};
  return upright;
}

TSheetPixels SheetPixels(const TPaperOptions& options) {
  return SheetPixels(options.paper, options.orientation, options.dpi);
}

}  // namespace tavolex
