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

// Last item index of the choice controls.
inline constexpr int kPrnRenLGMax = 17;
inline constexpr int kPrnDOLayMax = 3;
inline constexpr int kPrnOrderMax = 2;
inline constexpr int kPrnTableChoiceMax = 1;

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
  // Mirrors the global LtypeUnit; the window copies it there before the tables are read.
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

// Limits shared with the bulk input and the import of pen and line-type tables.
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
