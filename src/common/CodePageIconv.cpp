// The code-page conversions through iconv (glibc).
#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "common/CodePage.h"

namespace tavolex {
namespace {

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

Converter& Decoder(TCodePage page) {
  thread_local Converter cp932("UTF-16LE", "CP932");
  thread_local Converter utf8("UTF-16LE", "UTF-8");
  return page == TCodePage::Cp932 ? cp932 : utf8;
}

Converter& Encoder(TCodePage page) {
  thread_local Converter cp932("CP932", "UTF-16LE");
  thread_local Converter utf8("UTF-8", "UTF-16LE");
  return page == TCodePage::Cp932 ? cp932 : utf8;
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
std::string Convert(Converter& conv, std::string_view input, bool utf16Input,
                    std::string_view replacement, std::size_t bytesPerInputByte) {
  std::string out;
  if (!conv.valid() || input.empty()) return out;
  iconv_t cd = conv.get();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);

  out.resize(input.size() * bytesPerInputByte + 8);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
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

}  // namespace

std::u16string CodePageToUtf16(TCodePage page, std::string_view bytes) {
  const std::string wide = Convert(Decoder(page), bytes, false, std::string_view("\xFD\xFF", 2), 2);
  std::u16string s(wide.size() / 2, u'\0');
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<char16_t>(Utf16UnitAt(wide.data() + 2 * i));
  return s;
}

std::string Utf16ToCodePage(TCodePage page, std::u16string_view text,
                            std::string_view replacement) {
  std::string wide(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    wide[2 * i] = static_cast<char>(text[i] & 0xFF);
    wide[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return Convert(Encoder(page), wide, true, replacement, 2);
}

}  // namespace tavolex
