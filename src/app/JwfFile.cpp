#include "app/JwfFile.h"

#include <algorithm>
#include <fstream>

#include "app/TextLines.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"

namespace tavolex {

namespace {

bool ReadBoundedLines(const std::filesystem::path& FName, std::vector<std::u16string>& lines) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(FName, ec)) return false;
  const uintmax_t size = std::filesystem::file_size(FName, ec);
  if (ec) return false;
  std::ifstream in(FName, std::ios::binary);
  if (!in) return false;
  // Only as much as the file holds: a cap-sized buffer for every small file costs more than
  // reading it.
  std::string bytes(static_cast<size_t>(std::min<uintmax_t>(size, kJwfMaxFileBytes)), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return false;
  bytes.resize(static_cast<size_t>(in.gcount()));
  lines = DecodeCutTextLines(bytes, kJwfMaxLineChars);
  return true;
}

// False for lines that carry no setting; ended is set at the "END" line.
bool ParseLine(const std::u16string& raw, TJwfEntry& entry, bool& ended) {
  const std::u16string line = TrimStr(raw);
  if (line.empty() || line[0] == u'#') return false;
  if (UpperStr(line.substr(0, 3)) == u"END") {
    ended = true;
    return false;
  }
  const size_t eq = line.find(u'=');
  if (eq == std::u16string::npos) return false;
  entry.key = UpperStr(TrimStr(line.substr(0, eq)));
  const std::u16string value = TrimStr(line.substr(eq + 1));
  if (entry.key.empty() || value.empty()) return false;
  if (SplitCsv(value, entry.fields) <= 0) return false;
  if (entry.fields.size() > kJwfMaxFields) entry.fields.resize(kJwfMaxFields);
  return true;
}

}  // namespace

bool ReadJwfEntries(const std::filesystem::path& FName, std::vector<TJwfEntry>& entries) {
  entries.clear();
  std::vector<std::u16string> lines;
  if (!ReadBoundedLines(FName, lines)) return false;
  bool ended = false;
  for (const std::u16string& line : lines) {
    TJwfEntry entry;
    if (ParseLine(line, entry, ended)) entries.push_back(std::move(entry));
    if (ended) break;
  }
  return true;
}

int JwfInt(const TJwfEntry& e, size_t field) {
  return field < e.fields.size() ? StrToIntZ(e.fields[field]) : 0;
}

double JwfReal(const TJwfEntry& e, size_t field) {
  return field < e.fields.size() ? StrToFloatZ(e.fields[field]) : 0.0;
}

uint32_t JwfHex(const TJwfEntry& e, size_t field) {
  if (field >= e.fields.size()) return 0;
  std::u16string digits = e.fields[field];
  if (digits.starts_with(u"0x") || digits.starts_with(u"0X")) {
    digits.erase(0, 2);
  } else if (digits.starts_with(u"$")) {
    digits.erase(0, 1);
  }
  if (digits.empty() || digits[0] == u'+' || digits[0] == u'-') return 0;
  return static_cast<uint32_t>(StrToIntZ(u"$" + digits));
}

double JwfUnit(bool ForLtype, const std::vector<TJwfEntry>& entries) {
  int s = 0;
  int dpi = 0;
  for (const TJwfEntry& e : entries) {
    if (e.key == u"S_COMM_2" && e.fields.size() >= 2) {
      s = JwfInt(e, 1);
      if (s == -101) {
        s = -100;
      } else if (s == 0 || s < -100 || s > 100) {
        s = 100;
      }
    } else if (e.key == u"P_DPI") {
      const int d = JwfInt(e, 0);
      if (d == 300 || d == 600) dpi = d;
    }
  }
  if (s < 0) return ForLtype ? LtypeUnit : -1.0 / s;
  return dpi == 600 ? 0.042 : 0.085;
}

double JwfUnit(bool ForLtype, const std::filesystem::path& FName) {
  std::vector<TJwfEntry> entries;
  if (!ReadJwfEntries(FName, entries)) return 0.035;
  return JwfUnit(ForLtype, entries);
}

}  // namespace tavolex
