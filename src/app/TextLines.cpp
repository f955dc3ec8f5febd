#include "app/TextLines.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/Func_2.h"

namespace tavolex {

namespace {

std::u16string Utf16BigEndianToStr(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto hi = static_cast<unsigned char>(bytes[i]);
    const auto lo = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>((hi << 8) | lo));
  }
  return out;
}

std::u16string Utf16LittleEndianToStr(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[i]);
    const auto hi = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>((hi << 8) | lo));
  }
  return out;
}

bool IsWideText(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Lines of decoded text at every CR or LF, each cut to maxChars characters.
void SplitCutLines(const std::u16string& text, size_t maxChars,
                   std::vector<std::u16string>& lines) {
  std::u16string line;
  for (const char16_t c : text) {
    if (c == u'\r' || c == u'\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (line.size() < maxChars) {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
}

// Lines of byte text (CP932 or UTF-8, where CR and LF never occur inside a character), each cut
// before decoding so a long line costs no more than a short one.
void SplitCutByteLines(std::string_view bytes, bool utf8, size_t maxChars,
                       std::vector<std::u16string>& lines) {
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view raw = bytes.substr(start, std::min(end - start, maxChars * 3));
    std::u16string line = utf8 ? Utf8ToStr(raw) : Cp932ToStr(raw);
    if (line.size() > maxChars) line.resize(maxChars);
    lines.push_back(std::move(line));
    start = end + 1;
  }
}

}  // namespace

std::u16string DecodeTextFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToStr(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return Utf16LittleEndianToStr(bytes.substr(2));
  if (bytes.starts_with("\xFE\xFF")) return Utf16BigEndianToStr(bytes.substr(2));
  return Cp932ToStr(bytes);
}

std::vector<std::u16string> DecodeCutTextLines(std::string_view bytes, size_t maxLineChars) {
  std::vector<std::u16string> lines;
  if (IsWideText(bytes)) {
    SplitCutLines(DecodeTextFile(bytes), maxLineChars, lines);
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    SplitCutByteLines(bytes.substr(3), true, maxLineChars, lines);
  } else {
    SplitCutByteLines(bytes, false, maxLineChars, lines);
  }
  return lines;
}

std::vector<std::u16string> SplitTextLines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::u16string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

bool LoadTextLines(const std::filesystem::path& file, std::vector<std::u16string>& lines) {
  lines.clear();
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  lines = SplitTextLines(DecodeTextFile(bytes));
  return true;
}

std::u16string TrimStr(const std::u16string& s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && s[b] <= u' ')
    ++b;
  while (e > b && s[e - 1] <= u' ')
    --e;
  return s.substr(b, e - b);
}

}  // namespace tavolex
