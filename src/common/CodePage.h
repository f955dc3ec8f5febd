// The host's code-page conversions: CP932 (Windows Shift-JIS, the "ANSI code page" of drawings
// and settings files, whatever the host's own) and UTF-8, to and from UTF-16. iconv does them on
// Linux, the Win32 code-page functions on Windows; both give the same text for the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace tavolex {

enum class TCodePage { Cp932, Utf8 };

// Bytes to text. A byte that starts no character becomes U+FFFD and decoding goes on with the
// next byte; a character cut off by the end of the bytes becomes one U+FFFD.
std::u16string CodePageToUtf16(TCodePage page, std::string_view bytes);

// Text to bytes. A character the code page cannot hold (a surrogate pair counts as one), and an
// unpaired surrogate, becomes `replacement`.
std::string Utf16ToCodePage(TCodePage page, std::u16string_view text, std::string_view replacement);

}  // namespace tavolex
