// Jw_cad environment files (.jwf): the "KEY = value" lines the pen and line-type readers use,
// and the millimetre unit of the widths and pitches a file states.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavolex {

// A real environment file is some hundred kilobytes; anything far larger is read only up to this
// many bytes, and each line only up to kJwfMaxLineChars characters, so a binary file cannot hang
// the reading.
inline constexpr size_t kJwfMaxFileBytes = size_t{8} * 1024 * 1024;
inline constexpr size_t kJwfMaxLineChars = 4096;
inline constexpr size_t kJwfMaxFields = 100;

// One setting line: the key in upper case and the fields of its value (1 .. kJwfMaxFields).
struct TJwfEntry {
  std::u16string key;
  std::vector<std::u16string> fields;
};

// The setting lines of the file in order, up to the first line that begins with "END". Blank
// lines, "#" comments and lines without a key, a value or fields are left out. False when the
// file cannot be read; entries is then empty.
bool ReadJwfEntries(const std::filesystem::path& FName, std::vector<TJwfEntry>& entries);

// Lenient field readers: text that is not a number reads 0.
int JwfInt(const TJwfEntry& e, size_t field);
double JwfReal(const TJwfEntry& e, size_t field);
// The field as a hexadecimal bit pattern (up to 8 digits, an optional "0x" or "$" in front).
uint32_t JwfHex(const TJwfEntry& e, size_t field);

// The unit in mm of the widths (ForLtype false) or line-type pitches (true) of the file: from
// "S_COMM_2" when it is negative (for line types then the global LtypeUnit), otherwise by the
// printer resolution "P_DPI". 0.035 when the file cannot be read.
double JwfUnit(bool ForLtype, const std::filesystem::path& FName);
double JwfUnit(bool ForLtype, const std::vector<TJwfEntry>& entries);

}  // namespace tavolex
