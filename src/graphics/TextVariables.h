// Text variables: a text entity whose whole content is a variable name prints as its value (file
// name and folders, dates and times in Western and Japanese era forms, drawing time, memo, scale,
// user values).
#pragma once

#include <string>

#include "common/UnitVal.h"

namespace tavolex {

// The two moments a variable can print: the current local time and the drawing file's time.
struct TextVarTimes {
  TDateTime now;
  TDateTime file;
};

// Where those moments come from. The default reads the system clock and `ZuFileTime`; tests
// install a source with fixed times. nullptr restores the default.
using TextVarTimeSource = TextVarTimes (*)();
void SetTextVarTimeSource(TextVarTimeSource source);
TextVarTimes CurrentTextVarTimes();

struct TextVarResult {
  bool substituted = false;  // the text was a variable: it is drawn plainly, without "^" codes
  std::u16string text;       // the value, or the text unchanged
  int dateDigit = 0;         // 1..9 when a date name carried a digit that widens its spacing
};

// False when the text cannot be a variable name (every name begins with "$", "&", "%", "_" or
// "="), so that ordinary texts skip the clock.
bool MayBeTextVariable(const std::u16string& s);

// Looks the whole text up as a variable name (exact, case-sensitive).
TextVarResult ExpandTextVariable(const std::u16string& s, const TextVarTimes& times);

// Spacing for a date value printed with a trailing digit n: the value is spread as though it had
// n more half cells of (w + sp)/2 each. Returns sp unchanged when the value has nothing to spread.
double DateDigitSpacing(const std::u16string& value, int n, double w, double sp);

// Pieces of a date used by the era forms.
struct JapaneseEra {
  std::u16string name;  // empty before the Meiji era
  int year = 0;         // 0 when the name is empty
};
JapaneseEra EraOf(const TDateTime& t);

}  // namespace tavolex
