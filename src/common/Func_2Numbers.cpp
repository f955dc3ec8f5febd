// Number reading and writing. Independent of the C locale: the GUI toolkit may switch it, and the
// settings files must read the same everywhere.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/Func_2.h"

namespace tavolex {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int HexValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

std::u16string Widen(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// Decimal digits and the decimal exponent of |x| rounded to `digits` significant digits:
// x = 0.d1d2d3... * 10^(exponent + 1). x must be finite and not zero.
void SignificantDigits(double x, int digits, std::string& mantissa, int& exponent) {
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, digits - 1);
  const std::string text(buf, res.ptr);
  const std::size_t e = text.find('e');
  mantissa.clear();
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') mantissa += text[i];
  }
  exponent = std::stoi(text.substr(e + 1));
}

std::u16string NonFiniteText(double x) {
  if (std::isnan(x)) return u"NAN";
  return x < 0 ? u"-INF" : u"INF";
}

}  // namespace

bool IsFiniteNumber(double x) {
  return std::isfinite(x);
}

int StrToIntZ(const std::u16string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i]))
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  if (i < s.size() && s[i] == u'$') {
    ++i;
    if (i == s.size() || s.size() - i > 8) return 0;
    std::uint32_t value = 0;
    for (; i < s.size(); ++i) {
      const int digit = HexValue(s[i]);
      if (digit < 0) return 0;
      value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    // Hexadecimal text gives the 32-bit pattern, so $FFFFFFFF is -1.
    const auto pattern = static_cast<std::int32_t>(value);
    return negative ? static_cast<int>(0u - static_cast<std::uint32_t>(pattern)) : pattern;
  }
  if (i == s.size()) return 0;
  std::int64_t value = 0;
  for (; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return 0;
    value = value * 10 + (s[i] - u'0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  return static_cast<int>(value);
}

double StrToFloatZ(const std::u16string& s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsBlank(s[begin]))
    ++begin;
  while (end > begin && IsBlank(s[end - 1]))
    --end;
  // Only [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit.
  std::string ascii;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  int mantissaDigits = 0;
  for (; i < end && IsDigit(s[i]); ++i, ++mantissaDigits)
    ascii += static_cast<char>(s[i]);
  if (i < end && s[i] == u'.') {
    ascii += '.';
    for (++i; i < end && IsDigit(s[i]); ++i, ++mantissaDigits)
      ascii += static_cast<char>(s[i]);
  }
  if (mantissaDigits == 0) return 0.0;
  if (i < end && (s[i] == u'e' || s[i] == u'E')) {
    ascii += 'e';
    ++i;
    if (i < end && (s[i] == u'+' || s[i] == u'-')) ascii += static_cast<char>(s[i++]);
    int exponentDigits = 0;
    for (; i < end && IsDigit(s[i]); ++i, ++exponentDigits)
      ascii += static_cast<char>(s[i]);
    if (exponentDigits == 0) return 0.0;
  }
  if (i != end) return 0.0;
  if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
  double value = 0.0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small is zero; too large is not a number this program can use.
    return 0.0;
  }
  if (res.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return negative ? -value : value;
}

std::u16string IntStr(long long n) {
  return Widen(std::to_string(n));
}

std::u16string FloatStr(double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0.0) return u"0";
  std::string digits;
  int exponent = 0;
  SignificantDigits(x, 15, digits, exponent);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  std::string out;
  if (x < 0) out.push_back('-');
  if (exponent >= 15 || exponent < -5) {
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back('.');
      out.append(digits, 1);
    }
    out.push_back('E');
    out.append(std::to_string(exponent));
  } else if (exponent < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
  } else {
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out.append(digits);
      out.append(intDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, intDigits);
      out.push_back('.');
      out.append(digits, intDigits);
    }
  }
  return Widen(out);
}

std::u16string FixedStr(int n, double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  const int decimals = n < 0 ? 0 : (n > 20 ? 20 : n);
  if (std::fabs(x) >= 1e21) {
    // Beyond 21 digits the value is written as it is held.
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    return Widen(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
  }
  // Round the 17-digit decimal form, so that 0.125 with two decimals gives 0.13 and 2.675 (held
  // as 2.67499999...) gives 2.67, as a reader of the decimal text expects.
  std::string digits = "0";
  int exponent = 0;
  if (x != 0.0) SignificantDigits(x, 17, digits, exponent);
  // Integer value of |x| * 10^decimals as a decimal string, rounded half away from zero.
  const int keep = exponent + 1 + decimals;  // digits of `digits` that stay
  std::string kept;
  if (keep > 0) {
    kept = digits.substr(0, std::min<std::size_t>(digits.size(), static_cast<std::size_t>(keep)));
    if (kept.size() < static_cast<std::size_t>(keep)) {
      kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
    }
  }
  const bool roundUp = keep >= 0 && static_cast<std::size_t>(keep) < digits.size() &&
                       digits[static_cast<std::size_t>(keep)] >= '5';
  if (kept.empty()) kept.push_back('0');
  if (roundUp) {
    int pos = static_cast<int>(kept.size()) - 1;
    while (pos >= 0 && kept[static_cast<std::size_t>(pos)] == '9') {
      kept[static_cast<std::size_t>(pos--)] = '0';
    }
    if (pos < 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[static_cast<std::size_t>(pos)];
    }
  }
  if (kept.size() <= static_cast<std::size_t>(decimals)) {
    kept.insert(0, static_cast<std::size_t>(decimals) + 1 - kept.size(), '0');
  }
  std::string out;
  const bool allZero = kept.find_first_not_of('0') == std::string::npos;
  if (x < 0 && !allZero) out += '-';
  const std::size_t intDigits = kept.size() - static_cast<std::size_t>(decimals);
  out.append(kept, 0, intDigits);
  if (decimals > 0) {
    out.push_back('.');
    out.append(kept, intDigits);
  }
  return Widen(out);
}

}  // namespace tavolex
