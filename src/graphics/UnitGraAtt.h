// The attribute tables: layer states, pen colours / widths / point radii and line-type patterns,
// with the colour rules applied at print time. A plain container: no drawing, no files.
//
// Pen numbers (jn) as stored on drawing elements: 1..9 standard pens, 101..356 SXF colours.
// Line-type numbers: 1..9 standard, 11..15 random lines, 16..19 double-length, 31..62 SXF.
// Operations ending in '_' take the table index n instead of jn. Out-of-range numbers are
// absorbed: setters do nothing, getters return a fallback.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavolex {

struct TjwvLayer {
  int sta = 1;         // 1 normal, 2 display-only, 3 hidden
  double sca = 1.0;    // the layer's scale factor, > 0
  std::u16string gna;  // group label
  std::u16string nam;  // layer label
};

struct TjwvColor {
  std::uint32_t color = 0;  // ARGB
  double width = 0.0;       // line width, mm
  double ten_r = 0.0;       // point radius, mm
};

inline constexpr int kLtypeMaxSegments = 32;

struct TjwvLtype {
  int seg = 0;       // number of pattern elements, 0 = solid (kept within 0..32)
  double amp = 0.0;  // amplitude in mm; not 0 makes a random line
  // Pattern in mm: positive = drawn length, negative = gap, 0 = a dot.
  std::array<double, kLtypeMaxSegments> pa{};
  double pit = 0.0;  // period: sum of |pa[i]| for i < seg
};

class TgraAttribute {
 public:
  static constexpr int kLayerCount = 256;
  static constexpr int kColorCount = 265;
  static constexpr int kLtypeCount = 50;

  static constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
  static constexpr std::uint32_t kBlack = 0xFF000000u;

  // Sizes the tables and sets every default (DataInit).
  TgraAttribute();

  void DataInit();

  // Pen number -> pen table index (0..264), -1 for none.
  static int ColIndex(int jn);
  // Line-type number -> line-type table index (0..49), -1 for none.
  static int TypIndex(int jn);

  // ---- Modes and colours ----
  void SetDisplayMode(bool m) { DispMode = m; }
  bool GetDisplayMode() const { return DispMode; }
  void SetPrintMode(bool m, int sk0, int sk1, int sk2);
  // 0 white paper (black ink), 1 black background (white ink); anything else changes nothing.
  void SetBackColor(int n);
  std::uint32_t GetBackColor() const { return BackColor; }
  void SetGrayColor(std::uint32_t n) { GrayColor = n; }
  std::uint32_t GetGrayColor() const { return GrayColor; }
  void SetDispHojo(int n) { DispHojo = (n != 0); }
  int GetDispHojo() const { return DispHojo ? 1 : 0; }
  bool GetAll1ColorState() const { return All1ColorFlag; }
  std::uint32_t GetAll1Color() const { return All1Color; }

  // ---- Layers (n = group * 16 + layer) ----
  void SetAttrLayer(int n, int st, double sc, const std::u16string& glayname,
                    const std::u16string& layname);
  void SetAttrLayer(int n, int st);
  int GetAttrLayerState(int n) const;

  // ---- Pens ----
  void SetAttrCol(int jn, std::uint32_t col, double wid, double ten);
  void SetAttrCol_(int n, std::uint32_t col, double wid, double ten);
  // The colour to draw with, after the print rules; BackColor when there is no entry.
  std::uint32_t GetAttrColcol(int jn) const;
  std::uint32_t GetAttrColcol_(int n) const;
  double GetAttrColwid(int jn) const;  // 0 when there is no entry
  double GetAttrColwid_(int n) const;
  double GetAttrColten(int jn) const;  // 0.1 when there is no entry
  double GetAttrColten_(int n) const;

  // ---- Line types ----
  void SetAttrTypseg_(int n, int sn);  // sn is taken within 0..32
  void SetAttrTypamp_(int n, double am);
  void SetAttrTyppa1_(int n, int pn, double pa);  // only for 0 <= pn < seg
  void SetAttrTypPit_(int n);
  // The elements of a line type's 32-bit dash pattern (LtypeBitsToPattern) with the given
  // pitch, then its pit.
  void SetAttrTypBits_(int n, std::uint32_t bits, double pitch);
  int GetAttrTypseg(int jn) const;
  int GetAttrTypseg_(int n) const;
  double GetAttrTypamp(int jn) const;
  double GetAttrTypamp_(int n) const;
  // Copies the first seg elements into pat (as many as it holds) and returns seg; 0 when there
  // is no entry.
  int GetAttrTyppat(int jn, std::span<double> pat) const;
  int GetAttrTyppat_(int n, std::span<double> pat) const;
  double GetAttrTyppa1_(int n, int pn) const;
  double GetAttrTyppit(int jn) const;
  double GetAttrTyppit_(int n) const;

  // ---- Default tables ----
  void SetDefaultLayer();
  void SetDefaultColor();
  void SetDefaultWidth();
  void SetDefaultTenR();
  void SetDefaultLtype();

  // Fields.
  bool DispMode = false;
  bool PrintMode = false;
  int Sikii0 = -1;  // monochrome threshold 0..255, -1 off
  int Sikii1 = -1;  // white-to-black threshold for standard pens, -1 off
  int Sikii2 = -1;  // white-to-black threshold for SXF pens, -1 off
  int BkColor = 0;  // 0 white paper, 1 black background
  std::uint32_t BackColor = kWhite;
  std::uint32_t ForeColor = kBlack;
  std::uint32_t GrayColor = 0xFF808080u;
  bool DispHojo = false;
  bool All1ColorFlag = false;
  std::uint32_t All1Color = kWhite;
  std::vector<TjwvLayer> jwvLay;
  int jwvLayN = 0;
  std::vector<TjwvColor> jwvCol;
  int jwvColN = 0;
  std::vector<TjwvLtype> jwvTyp;
  int jwvTypN = 0;

 private:
  // The counts are public fields; an index must be within both the count and the array.
  template <typename T>
  static bool InTable(int n, int count, const std::vector<T>& table) {
    return n >= 0 && n < count && static_cast<std::size_t>(n) < table.size();
  }
  bool HasLayer(int n) const { return InTable(n, jwvLayN, jwvLay); }
  bool HasColor(int n) const { return InTable(n, jwvColN, jwvCol); }
  bool HasLtype(int n) const { return InTable(n, jwvTypN, jwvTyp); }
  std::uint32_t PrintColor(int n, std::uint32_t c) const;
};

}  // namespace tavolex
