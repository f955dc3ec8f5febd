// The texts of the pen grid SG01 and the line-type grid SG02, the reading of their cells back
// into table entries, and the bulk input of the pen grid. The window only moves these texts.
#pragma once

#include <string>
#include <vector>

#include "app/PrintSettings.h"

namespace tavolex {

inline constexpr int kSG01ColCount = 5;
inline constexpr int kSG01RowCount = kPrnColCount + 1;
inline constexpr int kSG02ColCount = 35;
inline constexpr int kSG02RowCount = kPrnTypCount + 1;
inline constexpr int kSG01RowHeight = 24;
// Pen grid columns.
inline constexpr int kPenColorCol = 1;
inline constexpr int kPenSwatchCol = 2;
inline constexpr int kPenWidthCol = 3;
inline constexpr int kPenRadiusCol = 4;
// Line-type grid columns: amplitude, element count, then the elements P1 .. P32.
inline constexpr int kLtypeAmpCol = 1;
inline constexpr int kLtypeSegCol = 2;
inline constexpr int kLtypeFirstElementCol = 3;

// Width in pixels of a column.
int SG01ColWidth(int col);
int SG02ColWidth(int col);

// The header row (row 0) and the row names (column 0); empty for the other cells.
std::u16string SG01FixedText(int row, int col);
std::u16string SG02FixedText(int row, int col);

// The text of a data cell of a table entry: SG01 columns 1 .. 4, SG02 columns 1 .. 34.
std::u16string PenCellText(const TPrnColor& pen, int col);
std::u16string LtypeCellText(const TPrnLtype& lt, int col);

// A colour cell: an integer, negative becomes 0, above 0xFFFFFF becomes 0xFFFFFF.
uint32_t ReadColorCell(const std::u16string& text);
// A pen row from the texts of its colour, width and radius cells, within the limits.
TPrnColor ReadPenCells(const std::u16string& color, const std::u16string& width,
                       const std::u16string& radius);
// A line-type row from its cells, indexed by column (cells[1] amplitude, cells[2] count,
// cells[3 ..] elements; missing cells read empty). The count is limited to 32 and only that
// many elements are read.
TPrnLtype ReadLtypeCells(const std::vector<std::u16string>& cells);

enum class TBulkInput { Color, Width, Radius };

// The column the bulk input writes to and the text it writes there, from the text of its field.
int BulkInputColumn(TBulkInput what);
std::u16string BulkInputText(TBulkInput what, const std::u16string& field);
// The data rows of a selection from top to bottom row (either order); false when it holds none.
bool BulkInputRows(int top, int bottom, int& first, int& last);

}  // namespace tavolex
