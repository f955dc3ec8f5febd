// Conversions between the encodings met at the edges of the program: CP932 bytes (drawing and
// settings files), UTF-16LE bytes (drawing files), UTF-8 (paths), all through iconv.
#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "common/Func_2.h"

namespace tavolex {
namespace {

constexpr char16_t kReplacementChar = 0xFFFD;

// One open iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

enum class Direction { Cp932ToUtf16, Utf16ToCp932, Utf8ToUtf16, Utf16ToUtf8 };

Converter& ConverterFor(Direction d) {
  thread_local Converter cp932ToUtf16("UTF-16LE", "CP932");
  thread_local Converter utf16ToCp932("CP932", "UTF-16LE");
  thread_local Converter utf8ToUtf16("UTF-16LE", "UTF-8");
  thread_local Converter utf16ToUtf8("UTF-8", "UTF-16LE");
  switch (d) {
    case Direction::Cp932ToUtf16:
      return cp932ToUtf16;
    case Direction::Utf16ToCp932:
      return utf16ToCp932;
    case Direction::Utf8ToUtf16:
      return utf8ToUtf16;
    case Direction::Utf16ToUtf8:
      break;
  }
  return utf16ToUtf8;
}

bool IsHighSurrogate(unsigned u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(unsigned u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

unsigned Utf16UnitAt(const char* p) {
  return static_cast<unsigned char>(p[0]) |
         (static_cast<unsigned>(static_cast<unsigned char>(p[1])) << 8);
}

// How many input bytes a character that the converter refused takes: one byte of a byte
// encoding, or one UTF-16 character (a whole surrogate pair counts as one).
std::size_t RefusedInputLength(bool utf16Input, const char* in, std::size_t left) {
  if (!utf16Input) return 1;
  if (left >= 4 && IsHighSurrogate(Utf16UnitAt(in)) && IsLowSurrogate(Utf16UnitAt(in + 2))) {
    return 4;
  }
  return left >= 2 ? 2 : left;
}

// Runs the whole input through the converter; every refused character becomes `replacement`
// in the output encoding and conversion goes on behind it.
std::string Convert(Direction d, const char* data, std::size_t size, bool utf16Input,
                    std::string_view replacement, std::size_t bytesPerInputByte) {
  std::string out;
  Converter& conv = ConverterFor(d);
  if (!conv.valid() || size == 0) return out;
  iconv_t cd = conv.get();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);

  out.resize(size * bytesPerInputByte + 8);
  char* in = const_cast<char*>(data);
  std::size_t inLeft = size;
  std::size_t used = 0;
  while (inLeft > 0) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    used = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    const int err = errno;
    if (err == E2BIG) {
      out.resize(out.size() * 2 + 16);
      continue;
    }
    if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + 16);
    std::memcpy(out.data() + used, replacement.data(), replacement.size());
    used += replacement.size();
    if (err != EILSEQ) break;  // EINVAL: a character cut off at the end of the input
    const std::size_t skip = RefusedInputLength(utf16Input, in, inLeft);
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

std::u16string Utf16LeBytesToStr(std::string_view bytes) {
  std::u16string s(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<char16_t>(Utf16UnitAt(bytes.data() + 2 * i));
  }
  return s;
}

std::string StrToUtf16LeBytes(const std::u16string& s) {
  std::string bytes(s.size() * 2, '\0');
  for (std::size_t i = 0; i < s.size(); ++i) {
    bytes[2 * i] = static_cast<char>(s[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(s[i] >> 8);
  }
  return bytes;
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

const std::string_view kUtf16Replacement("\xFD\xFF", 2);

}  // namespace

std::u16string Cp932ToStr(std::string_view bytes) {
  // ASCII is the same in CP932; most strings of a drawing are plain ASCII.
  if (IsAscii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  return Utf16LeBytesToStr(
      Convert(Direction::Cp932ToUtf16, bytes.data(), bytes.size(), false, kUtf16Replacement, 2));
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
  const std::string wide = StrToUtf16LeBytes(s);
  return Convert(Direction::Utf16ToCp932, wide.data(), wide.size(), true, "?", 1);
}

std::u16string Utf8ToStr(std::string_view utf8) {
  if (IsAscii(utf8)) return std::u16string(utf8.begin(), utf8.end());
  return Utf16LeBytesToStr(
      Convert(Direction::Utf8ToUtf16, utf8.data(), utf8.size(), false, kUtf16Replacement, 2));
}

std::string StrToUtf8(const std::u16string& s) {
  if (IsAscii(s)) return std::string(s.begin(), s.end());
  const std::string wide = StrToUtf16LeBytes(s);
  return Convert(Direction::Utf16ToUtf8, wide.data(), wide.size(), true, "\xEF\xBF\xBD", 2);
}

std::filesystem::path PathFromStr(const std::u16string& s) {
  const std::string utf8 = StrToUtf8(s);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::u16string StrFromPath(const std::filesystem::path& p) {
  try {
    const std::u8string utf8 = p.u8string();
    return Utf8ToStr(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  } catch (...) {
    return {};
  }
}

}  // namespace tavolex
