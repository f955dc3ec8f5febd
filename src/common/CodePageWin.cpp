// The code-page conversions through the Win32 code-page functions, with code page 932 named
// explicitly so the result does not depend on the system's own ANSI code page. One character at a
// time, so a refused character is replaced exactly as on Linux and the rest goes on.
#include <windows.h>

#include "common/CodePage.h"

namespace tavolex {
namespace {

constexpr UINT kCp932 = 932;
constexpr char16_t kReplacementChar = 0xFFFD;

UINT CodePageId(TCodePage page) {
  return page == TCodePage::Cp932 ? kCp932 : CP_UTF8;
}

// The number of bytes of the character a non-ASCII byte starts; 0 when it starts none. Windows
// maps CP932's unused single bytes 0x80, 0xA0 and 0xFD..0xFF to private characters; they are no
// characters of Shift-JIS and are refused as on Linux.
std::size_t CharLength(TCodePage page, unsigned char lead) {
  if (page == TCodePage::Cp932) {
    if (IsDBCSLeadByteEx(kCp932, lead)) return 2;
    return lead == 0x80 || lead == 0xA0 || lead >= 0xFD ? 0 : 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether the bytes behind a lead byte could all continue its character, so that only the end of
// the input cut it off.
bool CutOffAtEnd(TCodePage page, std::string_view rest) {
  for (char c : rest) {
    const auto b = static_cast<unsigned char>(c);
    const bool trails =
        page == TCodePage::Cp932 ? (b >= 0x40 && b <= 0xFC && b != 0x7F) : (b >= 0x80 && b <= 0xBF);
    if (!trails) return false;
  }
  return true;
}

// Appends the one character of `bytes`; false when the code page has no such character.
bool AppendDecoded(TCodePage page, std::string_view bytes, std::u16string& out) {
  wchar_t units[4];
  const int n = MultiByteToWideChar(CodePageId(page), MB_ERR_INVALID_CHARS, bytes.data(),
                                    static_cast<int>(bytes.size()), units, 4);
  if (n <= 0) return false;
  out.append(units, units + n);
  return true;
}

// Characters that Shift-JIS text from other systems (JIS X 0208) uses where CP932 has a
// character of its own: written as that character, as iconv's CP932 does.
struct TJisForm {
  char16_t jis;
  unsigned cp932;
};
constexpr TJisForm kJisForms[] = {
    {0x00A2, 0x8191}, {0x00A3, 0x8192}, {0x00A5, 0x5C},   {0x00AC, 0x81CA}, {0x2014, 0x815C},
    {0x2016, 0x8161}, {0x203E, 0x7E},   {0x2212, 0x817C}, {0x301C, 0x8160},
};

bool AppendJisForm(char16_t unit, std::string& out) {
  for (const TJisForm& form : kJisForms) {
    if (form.jis != unit) continue;
    if (form.cp932 > 0xFF) out += static_cast<char>(form.cp932 >> 8);
    out += static_cast<char>(form.cp932 & 0xFF);
    return true;
  }
  return false;
}

// Appends the bytes of one character (one unit or a surrogate pair); false when the code page
// cannot hold it. Best-fit look-alikes (an "a" for an "à") are not taken, nor the private
// characters Windows gives the bytes that start no character.
bool AppendEncoded(TCodePage page, std::u16string_view character, std::string& out) {
  if (page == TCodePage::Cp932 && character.size() == 1 && AppendJisForm(character[0], out)) {
    return true;
  }
  const auto* units = reinterpret_cast<const wchar_t*>(character.data());
  const int count = static_cast<int>(character.size());
  char bytes[8];
  int n = 0;
  if (page == TCodePage::Cp932) {
    BOOL usedDefault = FALSE;
    n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, units, count, bytes, sizeof bytes,
                            nullptr, &usedDefault);
    if (usedDefault) return false;
    if (n == 1 && CharLength(page, static_cast<unsigned char>(bytes[0])) == 0) return false;
  } else {
    n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, units, count, bytes, sizeof bytes,
                            nullptr, nullptr);
  }
  if (n <= 0) return false;
  out.append(bytes, static_cast<std::size_t>(n));
  return true;
}

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::u16string CodePageToUtf16(TCodePage page, std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    const std::size_t length = CharLength(page, lead);
    if (length > 0 && i + length > bytes.size() && CutOffAtEnd(page, bytes.substr(i + 1))) {
      out += kReplacementChar;
      break;
    }
    if (length == 0 || i + length > bytes.size() ||
        !AppendDecoded(page, bytes.substr(i, length), out)) {
      out += kReplacementChar;
      ++i;
      continue;
    }
    i += length;
  }
  return out;
}

std::string Utf16ToCodePage(TCodePage page, std::u16string_view text,
                            std::string_view replacement) {
  std::string out;
  out.reserve(text.size() * 2);
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t unit = text[i];
    if (unit < 0x80) {
      out += static_cast<char>(unit);
      ++i;
      continue;
    }
    std::size_t length = 1;
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) length = 2;
    const bool unpaired = length == 1 && (IsHighSurrogate(unit) || IsLowSurrogate(unit));
    if (unpaired || !AppendEncoded(page, text.substr(i, length), out)) out += replacement;
    i += length;
  }
  return out;
}

}  // namespace tavolex
