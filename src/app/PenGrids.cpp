#include "app/PenGrids.h"

#include <algorithm>
#include <array>

#include "common/Func_2.h"

namespace tavolex {

namespace {

constexpr std::array<const char16_t*, kSG01ColCount> kSG01Header = {u"線色名", u"色コード", u"",
                                                                    u"線幅", u"点半径"};
constexpr std::array<int, kSG01ColCount> kSG01Widths = {120, 92, 34, 74, 80};

constexpr std::array<const char16_t*, 16> kSxfColorNames = {
    u"SXF 1:black",     u"SXF 2:red",      u"SXF 3:green",     u"SXF 4:blue",
    u"SXF 5:yellow",    u"SXF 6:magenta",  u"SXF 7:cyan",      u"SXF 8:white",
    u"SXF 9:deeppink",  u"SXF10:brown",    u"SXF11:orange",    u"SXF12:lightgreen",
    u"SXF13:lightblue", u"SXF14:lavender", u"SXF15:lightgray", u"SXF16:darkgray"};

constexpr std::array<const char16_t*, 8> kLtypeNames = {
    u"線種1:実線",       u"線種2:点線１",     u"線種3:点線２",     u"線種4:点線３",
    u"線種5:一点鎖線１", u"線種6:一点鎖線２", u"線種7:二点鎖線１", u"線種8:二点鎖線２"};

constexpr std::array<const char16_t*, 5> kFullWidthDigits = {u"１", u"２", u"３", u"４", u"５"};

constexpr std::array<const char16_t*, 16> kSxfLtypeNames = {
    u"SXF 1:実線",         u"SXF 2:破線",       u"SXF 3:跳び破線",     u"SXF 4:一点長鎖線",
    u"SXF 5:二点長鎖線",   u"SXF 6:三点長鎖線", u"SXF 7:点線",         u"SXF 8:一点鎖線",
    u"SXF 9:二点鎖線",     u"SXF10:一点短鎖線", u"SXF11:一点二短鎖線", u"SXF12:二点短鎖線",
    u"SXF13:二点二短鎖線", u"SXF14:三点短鎖線", u"SXF15:三点二短鎖線", u"SXF16:(予約)"};

std::u16string PenRowName(int row) {
  if (row <= 8) return u"線色" + IntStr(row);
  if (row == 9) return u"補助線色";
  if (row <= 25) return kSxfColorNames[static_cast<size_t>(row - 10)];
  return u"SXF USER色" + IntStr(row - 9);
}

std::u16string LtypeRowName(int row) {
  if (row <= 8) return kLtypeNames[static_cast<size_t>(row - 1)];
  if (row == 9) return u"補助線種";
  if (row <= 14) return std::u16string(u"ランダム線") + kFullWidthDigits[row - 10];
  if (row <= 18) return std::u16string(u"倍長線種") + kFullWidthDigits[row - 15];
  if (row <= 34) return kSxfLtypeNames[static_cast<size_t>(row - 19)];
  return u"SXF USER線種" + IntStr(row - 18);
}

}  // namespace

int SG01ColWidth(int col) {
  return col >= 0 && col < kSG01ColCount ? kSG01Widths[static_cast<size_t>(col)] : 0;
}

int SG02ColWidth(int col) {
  if (col < 0 || col >= kSG02ColCount) return 0;
  return col == 0 ? 150 : 40;
}

std::u16string SG01FixedText(int row, int col) {
  if (row == 0 && col >= 0 && col < kSG01ColCount) return kSG01Header[static_cast<size_t>(col)];
  if (col == 0 && row > 0 && row < kSG01RowCount) return PenRowName(row);
  return {};
}

std::u16string SG02FixedText(int row, int col) {
  if (row == 0) {
    if (col == 0) return u"線種名";
    if (col == kLtypeAmpCol) return u"振幅";
    if (col == kLtypeSegCol) return u"数";
    if (col >= kLtypeFirstElementCol && col < kSG02ColCount)
      return u"P" + IntStr(col - kLtypeFirstElementCol + 1);
    return {};
  }
  if (col == 0 && row > 0 && row < kSG02RowCount) return LtypeRowName(row);
  return {};
}

std::u16string PenCellText(const TPrnColor& pen, int col) {
  switch (col) {
    case kPenColorCol:
      return IntStr(pen.color);
    case kPenWidthCol:
      return FloatStr(pen.width);
    case kPenRadiusCol:
      return FloatStr(pen.ten_r);
    default:
      return {};
  }
}

std::u16string LtypeCellText(const TPrnLtype& lt, int col) {
  if (col == kLtypeAmpCol) return FloatStr(lt.amp);
  if (col == kLtypeSegCol) return IntStr(lt.seg);
  const int j = col - kLtypeFirstElementCol;
  if (j >= 0 && j < LimitLtypeSeg(lt.seg)) return FloatStr(lt.pa[static_cast<size_t>(j)]);
  return {};
}

uint32_t ReadColorCell(const std::u16string& text) {
  return LimitColor(StrToIntZ(text));
}

TPrnColor ReadPenCells(const std::u16string& color, const std::u16string& width,
                       const std::u16string& radius) {
  TPrnColor pen;
  pen.color = ReadColorCell(color);
  pen.width = LimitPenWidth(StrToFloatZ(width));
  pen.ten_r = LimitPointRadius(StrToFloatZ(radius));
  return pen;
}

TPrnLtype ReadLtypeCells(const std::vector<std::u16string>& cells) {
  const auto cell = [&](size_t col) { return col < cells.size() ? cells[col] : std::u16string(); };
  TPrnLtype lt;
  lt.amp = StrToFloatZ(cell(kLtypeAmpCol));
  lt.seg = LimitLtypeSeg(StrToIntZ(cell(kLtypeSegCol)));
  for (int j = 0; j < lt.seg; ++j)
    lt.pa[static_cast<size_t>(j)] =
        StrToFloatZ(cell(static_cast<size_t>(j) + kLtypeFirstElementCol));
  LimitLtype(lt);
  return lt;
}

int BulkInputColumn(TBulkInput what) {
  switch (what) {
    case TBulkInput::Color:
      return kPenColorCol;
    case TBulkInput::Width:
      return kPenWidthCol;
    case TBulkInput::Radius:
      break;
  }
  return kPenRadiusCol;
}

std::u16string BulkInputText(TBulkInput what, const std::u16string& field) {
  switch (what) {
    case TBulkInput::Color:
      return IntStr(ReadColorCell(field));
    case TBulkInput::Width:
      return FloatStr(LimitPenWidth(StrToFloatZ(field)));
    case TBulkInput::Radius:
      break;
  }
  return FloatStr(LimitPointRadius(StrToFloatZ(field)));
}

bool BulkInputRows(int top, int bottom, int& first, int& last) {
  first = std::max(std::min(top, bottom), 1);
  last = std::min(std::max(top, bottom), kSG01RowCount - 1);
  return first <= last;
}

}  // namespace tavolex
