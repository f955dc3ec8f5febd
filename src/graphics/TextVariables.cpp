#include "graphics/TextVariables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <string_view>
#include <vector>

#include "common/Func_2.h"
#include "common/HostSystem.h"
#include "graphics/TextCells.h"

namespace tavolex {

namespace {

TextVarTimes SystemTimes() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  LocalTimeOf(t, tm);
  TDateTime now;
  now.Year = tm.tm_year + 1900;
  now.Month = tm.tm_mon + 1;
  now.Day = tm.tm_mday;
  now.Hour = tm.tm_hour;
  now.Minute = tm.tm_min;
  now.Second = tm.tm_sec;
  return {now, ZuFileTime};
}

TextVarTimeSource gTimeSource = nullptr;

std::u16string Widen(std::string_view s) {
  return std::u16string(s.begin(), s.end());
}

std::u16string Number(long long v) {
  return Widen(std::to_string(v));
}

// How a prefix pads a number of one digit to two characters.
enum class Pad { None, Space, Zero };

Pad PadOf(char16_t prefix) {
  switch (prefix) {
    case u'&':
    case u'_':
      return Pad::Space;
    case u'%':
    case u'=':
      return Pad::Zero;
    default:
      return Pad::None;
  }
}

std::u16string Padded(int v, Pad pad) {
  std::u16string s = Number(v);
  if (s.size() == 1 && pad != Pad::None) s.insert(s.begin(), pad == Pad::Space ? u' ' : u'0');
  return s;
}

bool IsPrefix(char16_t c) {
  return c == u'$' || c == u'&' || c == u'%' || c == u'_' || c == u'=';
}

// "$", "&" and "%" print the current time, "_" and "=" the file's.
const TDateTime& TimeFor(char16_t prefix, const TextVarTimes& times) {
  return (prefix == u'_' || prefix == u'=') ? times.file : times.now;
}

int WeekdayIndex(const TDateTime& t) {
  // Days from civil (proleptic Gregorian); 1970-01-01 was a Thursday.
  const int y = t.Year - (t.Month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (t.Month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + t.Day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = static_cast<long long>(era) * 146097 + doe - 719468;
  return static_cast<int>(((days % 7) + 7 + 4) % 7);  // 0 Sunday
}

// The short weekday name of the Japanese locale, which the drawings are made for.
std::u16string WeekdayShort(const TDateTime& t) {
  static constexpr std::array<char16_t, 7> kNames = {u'日', u'月', u'火', u'水',
                                                     u'木', u'金', u'土'};
  const int i = WeekdayIndex(t);
  if (i < 0 || i > 6) return {};
  return std::u16string(1, kNames[static_cast<std::size_t>(i)]);
}

std::u16string WeekdayLatin(const TDateTime& t) {
  static constexpr std::array<std::u16string_view, 7> kNames = {u"SUN", u"MON", u"TUE", u"WED",
                                                                u"THU", u"FRI", u"SAT"};
  const std::u16string jp = WeekdayShort(t);
  static constexpr std::u16string_view kJp = u"日月火水木金土";
  const std::size_t i = jp.empty() ? std::u16string_view::npos : kJp.find(jp[0]);
  if (i == std::u16string_view::npos) return jp;
  return std::u16string(kNames[i]);
}

std::u16string MonthLatin(const TDateTime& t) {
  static constexpr std::array<std::u16string_view, 12> kNames = {u"JAN", u"FEB", u"MAR", u"APR",
                                                                 u"MAY", u"JUN", u"JUL", u"AUG",
                                                                 u"SEP", u"OCT", u"NOV", u"DEC"};
  if (t.Month < 1 || t.Month > 12) return {};
  return std::u16string(kNames[static_cast<std::size_t>(t.Month - 1)]);
}

int Hour12(const TDateTime& t) {
  // "h AM/PM" prints 12 for noon and midnight; the variable shows that hour as 0.
  return ((t.Hour % 12) + 12) % 12;
}

// "yyyy/" + month + "/" + day, month and day padded with a space or a zero.
std::u16string DateText(const TDateTime& t, Pad pad) {
  return Number(t.Year) + u"/" + Padded(t.Month, pad) + u"/" + Padded(t.Day, pad);
}

std::u16string TimeText(const TDateTime& t) {
  return Padded(t.Hour, Pad::Zero) + u":" + Padded(t.Minute, Pad::Zero) + u":" +
         Padded(t.Second, Pad::Zero);
}

// Era year alone: a one-digit year gets a space after it ("$"), a space before it ("&", "_") or
// a zero before it ("%", "="). With gan, year 1 prints as "元".
std::u16string EraYearText(const JapaneseEra& era, char16_t prefix, bool gan) {
  if (era.name.empty()) return {};
  if (gan && era.year == 1) return u"元";
  std::u16string s = Number(era.year);
  if (s.size() != 1) return s;
  switch (PadOf(prefix)) {
    case Pad::None:
      return s + u" ";
    case Pad::Space:
      return u" " + s;
    case Pad::Zero:
      return u"0" + s;
  }
  return s;
}

std::u16string JapaneseDateText(const TDateTime& t) {
  const JapaneseEra era = EraOf(t);
  if (era.name.empty()) return {};
  const std::u16string year = era.year == 1 ? std::u16string(u"元") : Number(era.year);
  return era.name + year + u"年" + Padded(t.Month, Pad::Space) + u"月" + Padded(t.Day, Pad::Space) +
         u"日";
}

// Splits a path at "\" and "/" (a run of separators counts as one) into at most 81 parts.
std::vector<std::u16string> PathParts(const std::u16string& path) {
  constexpr std::size_t kMaxParts = 81;
  std::vector<std::u16string> parts(1);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char16_t c = path[i];
    const bool separator = c == u'\\' || c == u'/';
    if (separator && parts.size() < kMaxParts) {
      while (i + 1 < path.size() && (path[i + 1] == u'\\' || path[i + 1] == u'/'))
        ++i;
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

std::u16string FolderAbove(const std::u16string& path, int n) {
  const std::vector<std::u16string> parts = PathParts(path);
  const long long index = static_cast<long long>(parts.size()) - 1 - n;
  return parts[index < 0 ? 0 : static_cast<std::size_t>(index)];
}

std::u16string FileNameWithExt(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string FileNameNoExt(const std::u16string& path) {
  std::u16string name = FileNameWithExt(path);
  const std::size_t dot = name.find_last_of(u'.');
  if (dot != std::u16string::npos) name.erase(dot);
  return name;
}

// The first n characters (a surrogate pair is one character and is never cut).
std::u16string FirstChars(const std::u16string& s, int n) {
  std::size_t end = 0;
  for (int k = 0; k < n && end < s.size(); ++k)
    end += CharUnitsAt(s, end);
  return s.substr(0, end);
}

// "&fs" + n: the n-th word (1..9) of the file name without extension, words separated by single
// spaces, the last word when there are fewer; 10..99999 the whole name. False for any other n.
bool FileNameWord(const std::u16string& digits, std::u16string& out) {
  if (digits.empty() || digits.size() > 9) return false;
  long n = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') return false;
    n = n * 10 + (c - u'0');
  }
  const std::u16string name = FileNameNoExt(ZuFileName);
  if (n >= 10 && n <= 99999) {
    out = name;
    return true;
  }
  if (n < 1 || n > 9) return false;
  std::vector<std::u16string> words(1);
  for (char16_t c : name) {
    if (c == u' ') {
      words.emplace_back();
    } else {
      words.back().push_back(c);
    }
  }
  out = words[std::min<std::size_t>(static_cast<std::size_t>(n), words.size()) - 1];
  return true;
}

std::u16string GeneralNumber(double v) {
  return std::isfinite(v) ? FloatStr(v) : std::u16string();
}

double Round1(double v) {
  return std::trunc(v * 10 + 0.5) / 10;
}

// A scale of 0, below 0 or not a number would divide by zero; it counts as 1:1.
double UsableScale(double v) {
  return (std::isfinite(v) && v > 0) ? v : 1.0;
}

// "1/" + G for reductions, round1(1/G) + "/1" for enlargements; bare numbers without "1/".
std::u16string ScaleText(double g, double inverse, bool ratio) {
  if (g >= 1) return ratio ? u"1/" + GeneralNumber(g) : GeneralNumber(g);
  const std::u16string up = GeneralNumber(Round1(inverse));
  return ratio ? up + u"/1" : up;
}

bool IsEraYearKey(std::u16string_view key) {
  static constexpr std::array<std::u16string_view, 12> kKeys = {
      u"E",      u"G",     u"GＧE",   u"GGＥ",  u"GGE",   u"GＧＥE",
      u"GＧEＥ", u"GＧEE", u"GGＥＥ", u"GGＥE", u"GGEＥ", u"GGEE"};
  for (std::u16string_view k : kKeys) {
    if (k == key) return true;
  }
  return false;
}

// Names usable with every prefix: dates, times, era forms, drawing time.
bool ExpandDated(char16_t p, std::u16string_view key, const TextVarTimes& times,
                 std::u16string& out) {
  const TDateTime& t = TimeFor(p, times);
  const Pad pad = PadOf(p);
  const JapaneseEra era = EraOf(t);
  if (key == u"j") {
    out = DateText(t, Pad::Space);
  } else if (key == u"J") {
    out = JapaneseDateText(t);
  } else if (key == u"y") {
    out = Padded(((t.Year % 100) + 100) % 100, pad);
  } else if (key == u"Y") {
    out = EraYearText(era, p, false);
  } else if (IsEraYearKey(key)) {
    out = EraYearText(era, p, true);
  } else if (key == u"GＧ") {
    out = era.name;
  } else if (key == u"GＧＥ") {
    out = era.name + EraYearText(era, p, true);
  } else if (key == u"GＧＥＥ") {
    out = era.name.empty() ? std::u16string() : era.name + EraYearText(era, p, true) + u"年";
  } else if (key == u"m") {
    out = Padded(t.Month, pad);
  } else if (key == u"d") {
    out = Padded(t.Day, pad);
  } else if (key == u"w" || key == u"W") {
    out = WeekdayShort(t);
  } else if (key == u"ma") {
    out = MonthLatin(t);
  } else if (key == u"wa") {
    out = WeekdayLatin(t);
  } else if (key == u"n") {
    out = t.Hour < 12 ? u"AM" : u"PM";
  } else if (key == u"N") {
    out = t.Hour < 12 ? u"前" : u"後";
  } else if (key == u"h") {
    out = Padded(Hour12(t), pad);
  } else if (key == u"H") {
    out = Padded(t.Hour, pad);
  } else if (key == u"M") {
    out = Padded(t.Minute, pad);
  } else if (key == u"S") {
    out = Padded(t.Second, pad);
  } else if (key == u"T") {
    out = ZuDrawTime;
  } else {
    return false;
  }
  return true;
}

// File names and folders: "F" and "f" read differently by prefix.
bool ExpandFileNames(char16_t p, std::u16string_view key, const TextVarTimes& times,
                     std::u16string& out) {
  const bool current = p == u'$' || p == u'&' || p == u'%';
  if (key == u"F") {
    if (current) {
      out = ZuFileName;
    } else {
      const Pad pad = p == u'_' ? Pad::Space : Pad::Zero;
      out = DateText(times.file, pad) + u" " + TimeText(times.file);
    }
    return true;
  }
  if (key.size() == 2 && key[0] == u'F' && key[1] >= u'1' && key[1] <= u'9' && current) {
    out = FolderAbove(ZuFileName, key[1] - u'0');
    return true;
  }
  if (key == u"f") {
    if (p == u'%') {
      out = FileNameWithExt(ZuFileName);
    } else if (current) {
      out = FileNameNoExt(ZuFileName);
    } else {
      out = DateText(times.file, p == u'_' ? Pad::Space : Pad::Zero);
    }
    return true;
  }
  return false;
}

// Names that exist with "%" only: memo, scales and name heads.
bool ExpandPercentOnly(std::u16string_view key, std::u16string& out) {
  if (key == u"mm") {
    out = ZuMemo;
  } else if (key == u"m1") {
    out = ZuMemo1;
  } else if (key == u"m2") {
    out = ZuMemo2;
  } else if (key == u"SS" || key == u"ss") {
    const double g = UsableScale(ZuGLayScale);
    out = ScaleText(g, 1 / g, key == u"SS");
  } else if (key == u"SP" || key == u"sp") {
    const double g = UsableScale(ZuGLayScale);
    const double prt = UsableScale(ZuPrtScale);
    out = ScaleText(g / prt, prt / g, key == u"SP");
  } else if (key.size() == 2 && key[0] == u'f') {
    const char16_t h = key[1];
    int n = 0;
    if (h >= u'1' && h <= u'9') {
      n = h - u'0';
    } else if (h >= u'a' && h <= u'f') {
      n = h - u'a' + 10;
    } else {
      return false;
    }
    out = FirstChars(FileNameNoExt(ZuFileName), n);
  } else {
    return false;
  }
  return true;
}

bool IsDateDigitName(std::u16string_view s) {
  return s.size() >= 2 && IsPrefix(s[0]) && (s[1] == u'J' || s[1] == u'j');
}

// A date name may carry 1 to 6 more characters; a digit 1..9 among them widens the spacing.
std::u16string TakeDateSuffix(const std::u16string& s, int& digit) {
  digit = 0;
  if (!IsDateDigitName(s) || s.size() < 3 || s.size() > 8) return s;
  const std::u16string suffix = s.substr(2);
  long n = 0;
  bool numeric = true;
  for (char16_t c : suffix) {
    if (c < u'0' || c > u'9') {
      numeric = false;
      break;
    }
    n = n * 10 + (c - u'0');
  }
  if (numeric && n >= 1 && n <= 9) digit = static_cast<int>(n);
  return s.substr(0, 2);
}

}  // namespace

bool MayBeTextVariable(const std::u16string& s) {
  return s.size() >= 2 && IsPrefix(s[0]);
}

void SetTextVarTimeSource(TextVarTimeSource source) {
  gTimeSource = source;
}

TextVarTimes CurrentTextVarTimes() {
  return gTimeSource ? gTimeSource() : SystemTimes();
}

JapaneseEra EraOf(const TDateTime& t) {
  const long long d = static_cast<long long>(t.Year) * 10000 + t.Month * 100 + t.Day;
  if (d > 20190500) return {u"令和", t.Year - 2018};
  if (d >= 19890108) return {u"平成", t.Year - 1988};
  if (d >= 19261225) return {u"昭和", t.Year - 1925};
  if (d > 19120729) return {u"大正", t.Year - 1911};
  if (d > 18681022) return {u"明治", t.Year - 1867};
  return {};
}

TextVarResult ExpandTextVariable(const std::u16string& text, const TextVarTimes& times) {
  TextVarResult r;
  r.text = text;
  int digit = 0;
  const std::u16string s = TakeDateSuffix(text, digit);
  if (s.size() >= 2 && IsPrefix(s[0])) {
    const char16_t p = s[0];
    const std::u16string_view key = std::u16string_view(s).substr(1);
    std::u16string value;
    bool found = ExpandFileNames(p, key, times, value) || ExpandDated(p, key, times, value);
    if (!found && p == u'%') found = ExpandPercentOnly(key, value);
    if (!found && p == u'&' && key.size() > 2 && key.substr(0, 2) == u"fs") {
      found = FileNameWord(std::u16string(key.substr(2)), value);
    }
    if (found) {
      r.substituted = true;
      r.text = value;
      r.dateDigit = digit;
      return r;
    }
  }
  if (text.size() >= 2 && text[0] == u'%' && text[1] == u'%') {
    r.substituted = true;
    const std::size_t count =
        std::min(Str2List.size(), static_cast<std::size_t>(Str2ListN < 0 ? 0 : Str2ListN));
    for (std::size_t i = 0; i < count; ++i) {
      if (Str2List[i].s1 == text) {
        r.text = Str2List[i].s2;
        break;
      }
    }
  }
  return r;
}

double DateDigitSpacing(const std::u16string& value, int n, double w, double sp) {
  double widths = 0.0;
  int units = 0;
  const std::u16string_view v = value;
  std::size_t lastStart = 0;
  ForEachChar(v, [&](std::size_t i, std::size_t) { lastStart = i; });
  ForEachChar(v.substr(0, lastStart), [&](std::size_t i, std::size_t k) {
    const std::u16string_view ch = v.substr(i, k);
    if (ch.size() == 1 && ch[0] < 0x20) return;
    const bool half = IsHalfWidthChar(ch);
    widths += half ? w / 2 : w;
    units += half ? 1 : 2;
  });
  if (units == 0) return sp;
  return 2 * (widths + n * (w + sp) / 2) / units;
}

}  // namespace tavolex
