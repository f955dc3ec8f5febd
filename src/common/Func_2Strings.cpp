// String functions: indexing, cutting, blank removal, comma text and the hex form of UTF-8.
#include <algorithm>

#include "common/Func_2.h"

namespace tavolex {
namespace {

bool IsCommaTextBlank(char16_t c) {
  return c >= 1 && c <= u' ';
}

// Reads a quoted field starting at the opening quote; "" inside stands for one quote. Returns the
// index behind the closing quote (or the end of the text when the quote is never closed).
std::size_t ReadQuotedField(const std::u16string& s, std::size_t i, std::u16string& field) {
  ++i;
  while (i < s.size()) {
    if (s[i] == u'"') {
      if (i + 1 < s.size() && s[i + 1] == u'"') {
        field += u'"';
        i += 2;
        continue;
      }
      return i + 1;
    }
    field += s[i++];
  }
  return i;
}

int HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

std::u16string CharAt(const std::u16string& s, int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= s.size()) return {};
  return std::u16string(1, s[static_cast<std::size_t>(i)]);
}

int PosZ(const std::u16string& sub, const std::u16string& s) {
  if (sub.empty()) return -1;
  const std::size_t pos = s.find(sub);
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

std::u16string SubStr(const std::u16string& s, int start, int count) {
  if (count <= 0) return {};
  const std::size_t from = static_cast<std::size_t>(std::max(start, 0));
  if (from >= s.size()) return {};
  return s.substr(from, static_cast<std::size_t>(count));
}

std::u16string SubStrFrom(const std::u16string& s, int start) {
  const std::size_t from = static_cast<std::size_t>(std::max(start, 0));
  if (from >= s.size()) return {};
  return s.substr(from);
}

std::u16string RemoveSpaces(const std::u16string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (c > u' ' && c != u'\u3000') out += c;
  }
  return out;
}

std::u16string StripCtrlChars(const std::u16string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (c >= u' ') out += c;
  }
  return out;
}

int SplitCsv(const std::u16string& text, std::vector<std::u16string>& fields) {
  try {
    fields.clear();
    // The text ends at its first NUL, as a C string would.
    const std::u16string s = text.substr(0, text.find(u'\0'));
    std::size_t i = 0;
    auto skipBlanks = [&] {
      while (i < s.size() && IsCommaTextBlank(s[i]))
        ++i;
    };
    skipBlanks();
    while (i < s.size()) {
      std::u16string field;
      if (s[i] == u'"') {
        i = ReadQuotedField(s, i, field);
      } else {
        const std::size_t begin = i;
        while (i < s.size() && s[i] > u' ' && s[i] != u',')
          ++i;
        field = s.substr(begin, i - begin);
      }
      fields.push_back(std::move(field));
      skipBlanks();
      if (i < s.size() && s[i] == u',') {
        if (i + 1 == s.size()) fields.emplace_back();  // a trailing comma ends with an empty field
        ++i;
        skipBlanks();
      }
    }
    return static_cast<int>(fields.size());
  } catch (...) {
    fields.clear();
    return -1;
  }
}

std::u16string StrToHexUtf8(const std::u16string& s) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  const std::string utf8 = StrToUtf8(s);
  std::u16string hex;
  hex.reserve(utf8.size() * 2);
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) break;
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

std::u16string HexUtf8ToStr(const std::u16string& h) {
  std::string bytes;
  bytes.reserve(h.size() / 2);
  for (std::size_t i = 0; i + 1 < h.size(); i += 2) {
    const int high = HexDigitValue(h[i]);
    const int low = HexDigitValue(h[i + 1]);
    if (high < 0 || low < 0) break;  // a malformed pair is a zero byte, which ends the text
    const int byte = high * 16 + low;
    if (byte == 0) break;
    bytes += static_cast<char>(byte);
  }
  return Utf8ToStr(bytes);
}

}  // namespace tavolex
