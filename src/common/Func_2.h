// Small free functions shared by every part of the program: strings, numbers, file names, files,
// colours and the conversions between the text encodings met at the edges (CP932 bytes of the
// drawing and settings files, UTF-16 bytes, UTF-8 for paths).
//
// Text is UTF-16 (std::u16string) and indexes are 0-based code units. No function here throws:
// failures give an empty string, 0 or false.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/UnitVal.h"

namespace tavolex {

// A 3x3 affine matrix applied to row vectors: x' = t11*x + t21*y + t31, y' = t12*x + t22*y + t32.
struct TAMatrix {
  double t11 = 0.0;
  double t12 = 0.0;
  double t13 = 0.0;
  double t21 = 0.0;
  double t22 = 0.0;
  double t23 = 0.0;
  double t31 = 0.0;
  double t32 = 0.0;
  double t33 = 0.0;
};

// ---- Encodings -------------------------------------------------------------------------------
// The "ANSI code page" is CP932 (Windows Shift-JIS) on every host, independent of the locale.
// Decoding never fails: a byte that does not start a valid character becomes U+FFFD and decoding
// goes on with the next byte; a lead byte cut off at the end becomes one U+FFFD.

// CP932 bytes to text, cut at the first NUL byte (the form strings take in the drawing files).
std::u16string AnsiBytesToStr(const void* data, std::size_t size);
std::u16string AnsiBytesToStr(std::string_view bytes);
// UTF-16 little-endian bytes to text, cut at the first NUL code unit; an odd last byte is ignored.
// Unpaired surrogates are kept as they are.
std::u16string WideBytesToStr(const void* data, std::size_t size);
std::u16string WideBytesToStr(std::string_view bytes);

// CP932 bytes to text without cutting at NUL (whole files, lines).
std::u16string Cp932ToStr(std::string_view bytes);
// Text to CP932 bytes. A character CP932 cannot hold (and an unpaired surrogate) becomes one '?'.
std::string StrToCp932(const std::u16string& s);

// UTF-8 <-> UTF-16. Invalid UTF-8 bytes and unpaired surrogates become U+FFFD.
std::u16string Utf8ToStr(std::string_view utf8);
std::string StrToUtf8(const std::u16string& s);

// File-system paths from and to text (UTF-8 file names on POSIX hosts, UTF-16 on Windows).
std::filesystem::path PathFromStr(const std::u16string& s);
std::u16string StrFromPath(const std::filesystem::path& p);

// ---- Strings ---------------------------------------------------------------------------------

// The character at index i as a one-character string; empty when i is outside the string.
std::u16string CharAt(const std::u16string& s, int i);
// Index of the first occurrence of sub in s; -1 when there is none or sub is empty.
int PosZ(const std::u16string& sub, const std::u16string& s);
// Up to count characters from index start, clipped to the string (a negative start counts as 0).
std::u16string SubStr(const std::u16string& s, int start, int count);
// The rest of s from index start.
std::u16string SubStrFrom(const std::u16string& s, int start);
// Upper / lower case by Unicode simple case mapping (ASCII, Latin, Greek, Cyrillic, full-width
// Latin and every other cased script); surrogate pairs are mapped as one character.
std::u16string UpperStr(const std::u16string& s);
std::u16string LowerStr(const std::u16string& s);
// Half-width characters replaced by their full-width forms: ASCII, half-width katakana and the
// voiced half-width pairs ("ｶﾞ" -> "ガ").
std::u16string ToFullWidth(const std::u16string& s);
// s without U+3000, U+0020 and the characters below U+0020.
std::u16string RemoveSpaces(const std::u16string& s);
// s without the characters below U+0020.
std::u16string StripCtrlChars(const std::u16string& s);
// Splits s by comma-text rules: fields are separated by commas or blanks (characters up to
// U+0020), a field in double quotes may hold both, and "" inside quotes is one quote. fields is
// replaced by the fields in order; the result is their number, -1 when splitting fails.
int SplitCsv(const std::u16string& s, std::vector<std::u16string>& fields);
// The UTF-8 bytes of s as upper-case hexadecimal, two digits per byte, stopping before a zero byte.
std::u16string StrToHexUtf8(const std::u16string& s);
// The reverse: each pair of hex digits is one byte (a malformed pair is a zero byte); the bytes
// are decoded as UTF-8 and the text ends at the first NUL.
std::u16string HexUtf8ToStr(const std::u16string& h);

// ---- Numbers ---------------------------------------------------------------------------------

// The 32-bit integer written in s: decimal, or hexadecimal after "$" (up to 8 digits, taken as
// the 32-bit pattern), an optional sign and leading blanks; 0 for anything that is not wholly a
// number or does not fit.
int StrToIntZ(const std::u16string& s);
// The real number written in s with a point as decimal separator and an optional exponent,
// leading and trailing blanks allowed; 0 for anything else, and for numbers beyond the double
// range. The result is always finite.
double StrToFloatZ(const std::u16string& s);
// n in decimal.
std::u16string IntStr(long long n);
// x in the shortest general form with up to 15 significant digits ("0.035", "1E20", "-2.5E-7").
std::u16string FloatStr(double x);
// x with exactly n decimals (n is taken within 0..20), halves rounded away from zero.
std::u16string FixedStr(int n, double x);
// True when x is neither NaN nor infinite.
bool IsFiniteNumber(double x);

// ---- File names and files --------------------------------------------------------------------
// Both '/' and '\' separate folders; "X:" at the start is a drive.

// The extension including its dot, in lower case; empty when there is none.
std::u16string ExtLower(const std::u16string& path);
// The folder of path including its trailing separator (the one the path uses); empty when the
// path names no folder.
std::u16string FolderOf(const std::u16string& path);
// The file name with extension.
std::u16string FileNameOf(const std::u16string& path);
// path with its extension replaced by ext (ext includes the dot); ext is appended when there is
// no extension.
std::u16string ChangeExt(const std::u16string& path, const std::u16string& ext);
// Whether the file exists (folders do not count).
bool FileExistsQ(const std::u16string& path);
// Creates the folder and any missing parents; true when the folder exists afterwards.
bool CreateFolder(const std::u16string& path);
// Deletes the file (never a folder); false on failure.
bool DeleteFileQ(const std::u16string& path);
// Removes the folder if it is empty; false on failure or when it is not empty.
bool RemoveFolder(const std::u16string& path);

// ---- Colours ---------------------------------------------------------------------------------
// Windows colour values are 0x00BBGGRR; ARGB values 0xAARRGGBB.

// 0x00BBGGRR -> opaque 0xFFRRGGBB.
std::uint32_t RgbToArgb(std::uint32_t v);
// 0xAARRGGBB -> 0x00BBGGRR (alpha dropped).
std::uint32_t ArgbToRgb(std::uint32_t a);
// r + g*256 + b*65536, each channel taken within 0..255.
std::uint32_t MakeRgb(int r, int g, int b);
// 0xFF000000 + r*65536 + g*256 + b, each channel taken within 0..255.
std::uint32_t MakeArgb(int r, int g, int b);

// ==== Further functions of this unit, declared by the parts that use them ======================
// Text layout (TextWidth, TextPlace, RoundDecimals):

// Length of s in drawing units, measured on its CP932 bytes: a double-byte character is full-width
// (w), any other byte half-width (w/2); after every character but the last, sp (full-width) or
// sp/2 (half-width). 0 for the empty string.
double TextWidth(const std::u16string& s, double sp, double w);

// Rounding modes of RoundDecimals.
constexpr int kRoundHalfUp = 0;
constexpr int kRoundUp = 1;
constexpr int kRoundCut = 2;
// x rounded to n decimals (n outside 1..9 counts as 0) by its magnitude, the sign kept: half up,
// up (any fraction beyond 1e-10 of the last place) or cut off. A value that is not finite is
// returned as it is.
double RoundDecimals(double x, int n, int mode);

// Line-type bits (LtypeBitsToPattern):

// Turns a line type's 32-bit dash pattern into dash and gap lengths: the shortest repeating unit
// of the bits (16, 8, 4 or 2 bits when the pattern repeats, else all 32) is walked from its top
// bit in runs of equal bits; a run of n set bits gives +pitch·n (a dash), a run of clear bits
// -pitch·n (a gap). Returns the number of values stored (1 to 32).
int LtypeBitsToPattern(std::uint32_t bits, std::array<double, 32>& values, double pitch);

}  // namespace tavolex

// Geometry (SamePoint, MinMaxSet, RotateX, RotateY, VectorAngle, LineCross, extents).
#include "common/Func_2Geometry.h"
