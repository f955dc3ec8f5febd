// The print settings of the main window, their defaults and limits, and the settings file that
// keeps them (the automatic file beside the program and the files the user saves by hand).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavolex {

class TgraAttribute;

// One entry of the program's pen table; the colour is a Windows value 0x00BBGGRR, held signed
// as the settings file writes it so that a negative value clamps to 0, not to white.
struct TPrnColor {
  int32_t color = 0;
  double width = 0.0;
  double ten_r = 0.1;
};

// One entry of the program's line-type table (millimetres).
struct TPrnLtype {
  int seg = 0;
  double amp = 0.0;
  std::array<double, 32> pa{};
  double pit = 0.0;
};

inline constexpr int kPrnColCount = 265;
inline constexpr int kPrnTypCount = 50;

// The codes of the choice settings, as the settings file stores them and as the item indexes of
// their controls. The fields stay plain integers: a file can hold any number, which the limits
// then bring into range.

// PrnStyle: where scale, origin and rotation come from.
enum TPrnStyle : int { kStyleDrawing = 0, kStyleFit = 1, kStyleScale = 2 };

// PrnDOLay: how display-only layers and groups print.
enum TPrnDOLay : int {
  kDisplayOnlyHidden = 0,
  kDisplayOnlyGrey = 1,
  kDisplayOnlyColour = 2,
  kDisplayOnlyAsIs = 3
};

// PrnOrder: the order in which a drawing's elements are drawn.
enum TPrnOrder : int { kOrderStored = 0, kOrderLayer = 1, kOrderReverseLayer = 2 };

// PrnRenLG: the group printed on every group page; codes 1..16 are groups 0..F.
enum TPrnRenLG : int { kCommonGroupNone = 0, kCommonGroup0 = 1, kCommonGroupDisplayOnly = 17 };

// The PrnRenLG code of layer group g (0..15).
constexpr int CommonGroupCode(int g) {
  return kCommonGroup0 + g;
}
// The layer group a PrnRenLG code names; -1 for none and for the display-only groups.
constexpr int CommonGroupOf(int code) {
  return code >= kCommonGroup0 && code < kCommonGroup0 + 16 ? code - kCommonGroup0 : -1;
}

// PrnColor and PrnLtype: pens and line types from each drawing or from the program's tables.
enum TPrnTableSource : int { kFromDrawing = 0, kFromTable = 1 };

// Last item index of the choice controls.
inline constexpr int kPrnRenLGMax = kCommonGroupDisplayOnly;
inline constexpr int kPrnDOLayMax = kDisplayOnlyAsIs;
inline constexpr int kPrnOrderMax = kOrderReverseLayer;
inline constexpr int kPrnTableChoiceMax = kFromTable;

// The white-to-black and monochrome thresholds run from 0 to this.
inline constexpr int kThresholdMax = 255;

// Window position kept in the automatic settings file.
struct TWindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct TPrintSettings {
  std::u16string FFolder;
  std::u16string FFolder1;
  std::u16string FFolder2;
  std::u16string FFolder3;

  int PrnStyle = 0;
  double PrnScale = 1.0;
  double PrnOfstX = 0.0;
  double PrnOfstY = 0.0;
  double PrnAngle = 0.0;
  int PrnMono = 0;
  int PrnSikii0 = 0;
  int PrnWhite1 = 0;
  int PrnSikii1 = 0;
  int PrnWhite2 = 0;
  int PrnSikii2 = 0;
  int PrnRen1 = 0;
  int PrnRen2 = 0;
  int PrnRenLG = 0;
  int PrnHojo = 0;
  int PrnDOLay = 0;
  int PrnDOLCol = 0;
  int PrnOrder = 0;
  int PrnColor = 0;
  int InpCol = 0;
  double InpWid = 0.0;
  double InpTenR = 0.1;
  int PrnLtype = 0;
  // Millimetres per dot for line types a drawing gives in dots; UseLtypeUnit hands it to the
  // attribute transfer when a run or an import begins.
  double LtypeUnit = 0.035;

  std::vector<TPrnColor> PrnCol = std::vector<TPrnColor>(kPrnColCount);
  std::vector<TPrnLtype> PrnTyp = std::vector<TPrnLtype>(kPrnTypCount);

  TWindowGeometry Window;
  // The file list, kept only in the user's settings files.
  std::vector<std::u16string> FileList;

  // The defaults of every value except the folders, the two tables, the window and the list.
  void SetDefaults();
  // Fills the pen and line-type tables from the default tables of an attribute object.
  void FillTablesFrom(const TgraAttribute& att);
  // The limits applied when the settings are read from the window, so a run never sees a value
  // outside what the controls can hold.
  void ApplyLimits();
};

// Limits shared by both front ends, the bulk input and the import of pen and line-type tables.
int LimitThreshold(int value);
double LimitScale(double value);
uint32_t LimitColor(int64_t value);
double LimitPenWidth(double value);
double LimitPointRadius(double value);
double LimitLtypeUnit(double value);
double LimitLtypeAmp(double value);
int LimitLtypeSeg(int value);
double LimitLtypeElement(double value);
int LimitChoice(int value, int lastIndex);
void LimitPen(TPrnColor& pen);
void LimitLtype(TPrnLtype& lt);

// The monochrome and white-to-black thresholds of the settings as the attribute object takes
// them (-1 where the setting is off), set on att in print mode.
void UsePrintMode(TgraAttribute& att, const TPrintSettings& s);

// Makes unit (limited) the line-type unit of the attribute transfer and of the environment-file
// reader. The one place the shared value is set: where a run or a table import begins.
void UseLtypeUnit(double unit);

// Entry n of the attribute tables as a table entry of the program, within the limits above
// (colour converted to a Windows value, pit recomputed from the elements kept).
TPrnColor PenFromAttribute(const TgraAttribute& att, int n);
TPrnLtype LtypeFromAttribute(const TgraAttribute& att, int n);

enum class SettingsForm { Automatic, Full };

struct SettingsLoadResult {
  bool refused = false;    // a full file with a foreign first line
  bool readError = false;  // the file could not be read or ends before its tables: none taken
  std::u16string status;   // the status-bar text, empty when nothing is shown
};

struct SettingsSaveResult {
  bool saved = false;
  std::u16string status;
};

// Reads a settings file into s. The defaults are set first; a missing file or one with a foreign
// first line leaves them (and the tables, list and folders as they were). An unreadable or
// cut-short file (readError) leaves s exactly as it was.
SettingsLoadResult LoadSettings(TPrintSettings& s, SettingsForm form,
                                const std::filesystem::path& file);

// Writes s to the file. The file is written beside its final name and then renamed over it, so a
// failure leaves the earlier file (or none) and never a part of the new one.
SettingsSaveResult SaveSettings(const TPrintSettings& s, SettingsForm form,
                                const std::filesystem::path& file);

// The text of a settings file as it is written (CP932 bytes, CR LF).
std::string SettingsFileBytes(const TPrintSettings& s, SettingsForm form);

// The name tests of the save and open buttons: the extension must be ".dat" and the file must
// not be the automatic settings file. An empty result lets the operation go on; otherwise it is
// the status text to show.
std::u16string CheckSaveName(const std::filesystem::path& chosen,
                             const std::filesystem::path& automaticFile);
std::u16string CheckOpenName(const std::filesystem::path& chosen,
                             const std::filesystem::path& automaticFile);

}  // namespace tavolex
