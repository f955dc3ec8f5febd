// The pens and the line types of a Jw_cad environment file into the program's tables.
#include <algorithm>
#include <array>

#include "app/JwfFile.h"
#include "app/PenGrids.h"
#include "app/PenTableImport.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

constexpr int kAuxiliaryPen = 8;  // entry of the auxiliary pen, row 9

bool IsEnvironmentFile(const std::filesystem::path& FName) {
  return ExtLower(StrFromPath(FName)) == u".jwf";
}

// R, G and B from the first three fields; a channel outside 0..255 reads 0.
uint32_t FieldColour(const TJwfEntry& e) {
  const auto channel = [&](size_t f) {
    const int v = JwfInt(e, f);
    return (v < 0 || v > 255) ? 0 : v;
  };
  return LimitColor(MakeRgb(channel(0), channel(1), channel(2)));
}

void SetPenColour(TPrintSettings& s, TTableImport& r, int entry, uint32_t colour) {
  s.PrnCol[entry].color = colour;
  r.penCells.emplace_back(entry + 1, kPenColorCol);
}

bool IsAuxiliaryPenLine(const TJwfEntry& e) {
  return e.fields.size() >= 3 && e.key.starts_with(u"LCOLLOR_H");
}

// "PCOLLOR_1" .. "PCOLLOR_8" and "PCOLLOR_G" (the display-only colour).
bool IsPenLine(const TJwfEntry& e) {
  if (e.fields.size() < 3 || !e.key.starts_with(u"PCOLLOR_") || e.key.size() < 9) return false;
  const char16_t c = e.key[8];
  return c == u'G' || (c >= u'1' && c <= u'8');
}

// A pen with optional width (in the file's unit) and point radius, or the display-only colour.
void ReadPenLine(TPrintSettings& s, TTableImport& r, const TJwfEntry& e, double u) {
  const char16_t c = e.key[8];
  const uint32_t colour = FieldColour(e);
  if (c == u'G') {
    s.PrnDOLCol = static_cast<int>(colour);
    r.displayOnlyColour = true;
    return;
  }
  const int entry = c - u'1';
  SetPenColour(s, r, entry, colour);
  if (e.fields.size() > 3) {
    s.PrnCol[entry].width = LimitPenWidth(JwfReal(e, 3) * u);
    r.penCells.emplace_back(entry + 1, kPenWidthCol);
  }
  if (e.fields.size() >= 5) {
    s.PrnCol[entry].ten_r = LimitPointRadius(JwfReal(e, 4));
    r.penCells.emplace_back(entry + 1, kPenRadiusCol);
  }
}

// The line-type records of an environment file, all 0 until a line sets them.
struct TJwfLtype {
  uint32_t bits = 0;
  double width = 0.0;  // random lines only
  double unitDots = 0.0;
  double pitch = 0.0;
  double printWidth = 0.0;  // random lines only
  double printPitch = 0.0;
};

struct TJwfLtypes {
  std::array<TJwfLtype, 8> standard;  // line types 2 .. 9
  std::array<TJwfLtype, 5> random;    // random lines 1 .. 5
  std::array<TJwfLtype, 4> doubled;   // double-length types 1 .. 4
};

// Fields 2 .. 4 of a standard or double-length type: unit dots, pitch, print pitch.
void ReadPlainLtype(const TJwfEntry& e, TJwfLtype& t) {
  t.bits = JwfHex(e, 0);
  double* next[] = {&t.unitDots, &t.pitch, &t.printPitch};
  for (size_t f = 1; f < 4 && f < e.fields.size(); ++f)
    *next[f - 1] = JwfReal(e, f);
}

// Fields 2 .. 5 of a random line: width, pitch, print width, print pitch.
void ReadRandomLtype(const TJwfEntry& e, TJwfLtype& t) {
  t.bits = JwfHex(e, 0);
  double* next[] = {&t.width, &t.pitch, &t.printWidth, &t.printPitch};
  for (size_t f = 1; f < 5 && f < e.fields.size(); ++f)
    *next[f - 1] = JwfReal(e, f);
}

// False when the line is not one of the line types.
bool ReadLtypeLine(TJwfLtypes& w, const TJwfEntry& e) {
  if (e.key.size() < 8) return false;
  const std::u16string head = e.key.substr(0, 7);
  const char16_t c = e.key[7];
  if (head == u"LTYPE_0" && c >= u'2' && c <= u'9') {
    TJwfLtype& t = w.standard[static_cast<size_t>(c - u'2')];
    ReadPlainLtype(e, t);
    if (c == u'9') t.printPitch = 10;
  } else if (head == u"LTYPE_R" && c >= u'1' && c <= u'5') {
    ReadRandomLtype(e, w.random[static_cast<size_t>(c - u'1')]);
  } else if (head == u"LTYPE_L" && c >= u'1' && c <= u'4') {
    ReadPlainLtype(e, w.doubled[static_cast<size_t>(c - u'1')]);
  } else {
    return false;
  }
  return true;
}

// The line-type records of the file; false when it holds no line-type line.
bool ReadLtypeLines(TJwfLtypes& w, const std::vector<TJwfEntry>& entries) {
  bool any = false;
  for (const TJwfEntry& e : entries)
    any = ReadLtypeLine(w, e) || any;
  return any;
}

void SetLtypeEntry(TgraAttribute& att, int n, double amp, const TJwfLtype& t, double q) {
  att.SetAttrTypamp_(n, amp);
  att.SetAttrTypBits_(n, t.bits, t.printPitch * q);
}

// Entries 0 .. 17 of GAtt from the records: solid, standard, random, double-length.
void BuildLtypes(TgraAttribute& att, const TJwfLtypes& w, double q) {
  att.SetAttrTypamp_(0, 0.0);
  att.SetAttrTypseg_(0, 0);
  att.SetAttrTypPit_(0);
  int n = 1;
  for (const TJwfLtype& t : w.standard)
    SetLtypeEntry(att, n++, 0.0, t, q);
  for (const TJwfLtype& t : w.random)
    SetLtypeEntry(att, n++, t.printWidth * q, t, q);
  for (const TJwfLtype& t : w.doubled)
    SetLtypeEntry(att, n++, 0.0, t, q);
}

}  // namespace

TTableImport ReadJwfPens(TPrintSettings& s, const std::filesystem::path& FName) {
  TTableImport r;
  std::vector<TJwfEntry> entries;
  if (!IsEnvironmentFile(FName) || !ReadJwfEntries(FName, entries)) return r;
  // A file that ends before its pens (Jw_cad's sample has "END" near the top) keeps the table.
  if (std::none_of(entries.begin(), entries.end(),
                   [](const TJwfEntry& e) { return IsAuxiliaryPenLine(e) || IsPenLine(e); }))
    return RefusedImport(TImportRefusal::NoSettings, NoPenSettingsStatus(StrFromPath(FName)));
  const double u = JwfUnit(false, entries);
  s.PrnCol.resize(kPrnColCount);
  for (const TJwfEntry& e : entries) {
    if (IsAuxiliaryPenLine(e)) {
      SetPenColour(s, r, kAuxiliaryPen, FieldColour(e));
    } else if (IsPenLine(e)) {
      ReadPenLine(s, r, e, u);
    }
  }
  r.done = true;
  r.refusal = TImportRefusal::None;
  r.status = PenImportStatus(StrFromPath(FName));
  return r;
}

TTableImport ReadJwfLtypes(TPrintSettings& s, const std::filesystem::path& FName,
                           double ltypeUnitField) {
  TTableImport r;
  std::vector<TJwfEntry> entries;
  if (GAtt == nullptr || !IsEnvironmentFile(FName) || !ReadJwfEntries(FName, entries)) return r;
  // Without a line-type line every pattern would be built empty and print solid.
  TJwfLtypes work;
  if (!ReadLtypeLines(work, entries))
    return RefusedImport(TImportRefusal::NoSettings, NoLtypeSettingsStatus(StrFromPath(FName)));
  UseLtypeUnit(ltypeUnitField);
  const double q = JwfUnit(true, entries);
  r.ltypeUnit = q;
  BuildLtypes(*GAtt, work, q);
  s.PrnTyp.resize(kPrnTypCount);
  for (int i = 0; i <= 17; ++i) {
    s.PrnTyp[i] = LtypeFromAttribute(*GAtt, i);
    r.ltypeRows.push_back(i + 1);
  }
  r.done = true;
  r.refusal = TImportRefusal::None;
  r.status = LtypeImportStatus(StrFromPath(FName));
  return r;
}

}  // namespace tavolex
