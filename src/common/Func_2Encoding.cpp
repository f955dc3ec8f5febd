// Conversions between the encodings met at the edges of the program: CP932 bytes (drawing and
// settings files), UTF-16LE bytes (drawing files), UTF-8 and the host's file names.
#include <type_traits>

#include "common/CodePage.h"
#include "common/Func_2.h"

namespace tavolex {
namespace {

unsigned Utf16UnitAt(const char* p) {
  return static_cast<unsigned char>(p[0]) |
         (static_cast<unsigned>(static_cast<unsigned char>(p[1])) << 8);
}

std::u16string Utf16LeBytesToStr(std::string_view bytes) {
  std::u16string s(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<char16_t>(Utf16UnitAt(bytes.data() + 2 * i));
  }
  return s;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool IsAscii(const std::u16string& s) {
  for (char16_t c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

// Whether file names are UTF-16 (Windows) rather than bytes (POSIX).
constexpr bool kWidePaths = std::is_same_v<std::filesystem::path::value_type, wchar_t>;

}  // namespace

std::u16string Cp932ToStr(std::string_view bytes) {
  // ASCII is the same in CP932; most strings of a drawing are plain ASCII.
  if (IsAscii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  return CodePageToUtf16(TCodePage::Cp932, bytes);
}

std::u16string AnsiBytesToStr(std::string_view bytes) {
  return Cp932ToStr(bytes.substr(0, bytes.find('\0')));
}

std::u16string AnsiBytesToStr(const void* data, std::size_t size) {
  if (data == nullptr) return {};
  return AnsiBytesToStr(std::string_view(static_cast<const char*>(data), size));
}

std::u16string WideBytesToStr(std::string_view bytes) {
  std::u16string s = Utf16LeBytesToStr(bytes);
  const std::size_t nul = s.find(u'\0');
  if (nul != std::u16string::npos) s.resize(nul);
  return s;
}

std::u16string WideBytesToStr(const void* data, std::size_t size) {
  if (data == nullptr) return {};
  return WideBytesToStr(std::string_view(static_cast<const char*>(data), size));
}

std::string StrToCp932(const std::u16string& s) {
  if (IsAscii(s)) return std::string(s.begin(), s.end());
  return Utf16ToCodePage(TCodePage::Cp932, s, "?");
}

std::u16string Utf8ToStr(std::string_view utf8) {
  if (IsAscii(utf8)) return std::u16string(utf8.begin(), utf8.end());
  return CodePageToUtf16(TCodePage::Utf8, utf8);
}

std::string StrToUtf8(const std::u16string& s) {
  if (IsAscii(s)) return std::string(s.begin(), s.end());
  return Utf16ToCodePage(TCodePage::Utf8, s, "\xEF\xBF\xBD");
}

// Windows file names are UTF-16 already and pass unit for unit (an unpaired surrogate too).
std::filesystem::path PathFromStr(const std::u16string& s) {
  if constexpr (kWidePaths) return std::filesystem::path(std::wstring(s.begin(), s.end()));
  const std::string utf8 = StrToUtf8(s);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::u16string StrFromPath(const std::filesystem::path& p) {
  if constexpr (kWidePaths) return std::u16string(p.native().begin(), p.native().end());
  try {
    const std::u8string utf8 = p.u8string();
    return Utf8ToStr(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  } catch (...) {
    return {};
  }
}

}  // namespace tavolex
