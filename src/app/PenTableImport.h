// Filling the program's pen and line-type tables from Jw_cad's own files: the pens or the line
// types of a JWW drawing, and those of a Jw_cad environment file (.jwf). Each import writes the
// table entries; the window then shows the grid cells the result names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/PrintSettings.h"

namespace tavolex {

class TJwwData;

// Why an import changed nothing.
enum class TImportRefusal {
  None,
  NotAccepted,  // wrong extension, not a drawing, a file that cannot be opened: no status text
  NoSettings,   // the environment file holds no line of the kind asked for
  Unreadable,   // the drawing passed the signature test but its settings could not be read
};

struct TTableImport {
  // False when the file was refused: nothing changed, and refusal says why.
  bool done = false;
  TImportRefusal refusal = TImportRefusal::NotAccepted;
  // The status text: what was taken, or why nothing was (empty when nothing is reported).
  std::u16string status;
  // The pen-grid cells (row, column) written; rows are pen entry + 1, columns 1, 3 and 4.
  std::vector<std::pair<int, int>> penCells;
  // The line-type grid rows written whole (line-type entry + 1).
  std::vector<int> ltypeRows;
  // The display-only colour PrnDOLCol was set (its swatch follows).
  bool displayOnlyColour = false;
  // The new value of the line-type unit field, when the import sets one.
  std::optional<double> ltypeUnit;
};

// The status texts of the two kinds of import.
std::u16string PenImportStatus(const std::u16string& path);
std::u16string LtypeImportStatus(const std::u16string& path);
// The status texts of an import that changed nothing.
std::u16string NoPenSettingsStatus(const std::u16string& path);
std::u16string NoLtypeSettingsStatus(const std::u16string& path);
std::u16string UnreadableDrawingStatus(const std::u16string& path);

// The result of an import that changed nothing, with its reason and status text.
TTableImport RefusedImport(TImportRefusal why, std::u16string status);

// Pens 1..8 with width and point radius, the auxiliary pen and the display-only colour from an
// environment file. The file must have the extension ".jwf"; one without a pen line changes
// nothing.
TTableImport ReadJwfPens(TPrintSettings& s, const std::filesystem::path& FName);

// Line types 1..9, the random lines and the double-length types (entries 0..17) from an
// environment file, built in GAtt and copied into PrnTyp. ltypeUnitField is the value of the
// line-type unit field; the result gives the unit of the file for it. A file without a line-type
// line changes nothing, the unit included.
TTableImport ReadJwfLtypes(TPrintSettings& s, const std::filesystem::path& FName,
                           double ltypeUnitField);

// Every pen entry from a JWW drawing, read into JW (emptied again afterwards) and taken over
// through GAtt. A drawing whose settings cannot be read changes nothing.
TTableImport ImportJwwPens(TPrintSettings& s, TJwwData& JW, const std::filesystem::path& FName);

// Every line-type entry from a JWW drawing. The drawing's line types are scaled by
// ltypeUnitField where the drawing states no unit; the result gives the unit the drawing states.
TTableImport ImportJwwLtypes(TPrintSettings& s, TJwwData& JW, const std::filesystem::path& FName,
                             double ltypeUnitField);

}  // namespace tavolex
