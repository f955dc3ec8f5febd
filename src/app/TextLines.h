// Text files read as lines, as the platform's text loading does: a byte-order mark decides the
// encoding (UTF-8, UTF-16 LE or BE), otherwise the bytes are CP932.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavolex {

// Splits decoded text at CR LF, LF or CR. A last line without an end is kept.
std::vector<std::u16string> SplitTextLines(const std::u16string& text);

// Decodes the bytes of a whole text file by its byte-order mark.
std::u16string DecodeTextFile(std::string_view bytes);

// The lines of a text file's bytes, decoded as DecodeTextFile does, for files that may be
// damaged or binary: every CR or LF ends a line (CR LF gives an empty line between) and each line
// is cut to maxLineChars characters, long byte lines before they are decoded.
std::vector<std::u16string> DecodeCutTextLines(std::string_view bytes, size_t maxLineChars);

// False when the file cannot be read; lines is then empty.
bool LoadTextLines(const std::filesystem::path& file, std::vector<std::u16string>& lines);

// The text without leading and trailing characters up to U+0020 (spaces and controls).
std::u16string TrimStr(const std::u16string& s);

}  // namespace tavolex
