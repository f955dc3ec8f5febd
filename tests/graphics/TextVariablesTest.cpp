#include "graphics/TextVariables.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTime t;
  t.Year = y;
  t.Month = mo;
  t.Day = d;
  t.Hour = h;
  t.Minute = mi;
  t.Second = s;
  return t;
}

class TextVariablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ZuFileName = u"C:\\work\\site\\plan.jww";
    ZuGLayScale = 1.0;
    ZuPrtScale = 1.0;
    Str2List.clear();
    Str2ListN = 0;
  }
  void TearDown() override {
    ZuFileName.clear();
    ZuGLayScale = 1.0;
    ZuPrtScale = 1.0;
    Str2List.clear();
    Str2ListN = 0;
    SetTextVarTimeSource(nullptr);
  }

  std::u16string Now(const std::u16string& name, const TDateTime& now) {
    return ExpandTextVariable(name, {now, TDateTime{}}).text;
  }
  std::u16string File(const std::u16string& name, const TDateTime& file) {
    return ExpandTextVariable(name, {TDateTime{}, file}).text;
  }
  std::u16string Value(const std::u16string& name) {
    return ExpandTextVariable(name, {At(2024, 3, 5, 9, 7, 3), At(2005, 11, 20, 15, 10, 0)}).text;
  }
};

TEST_F(TextVariablesTest, YearFormsPadByPrefix) {
  const TDateTime t = At(2005, 6, 1);
  EXPECT_EQ(Now(u"$y", t), u"5");
  EXPECT_EQ(Now(u"&y", t), u" 5");
  EXPECT_EQ(Now(u"%y", t), u"05");
  EXPECT_EQ(File(u"_y", t), u" 5");
  EXPECT_EQ(File(u"=y", t), u"05");
  EXPECT_EQ(Now(u"%y", At(2024, 1, 1)), u"24");
}

TEST_F(TextVariablesTest, MonthDayHourMinuteSecondPadding) {
  const TDateTime t = At(2024, 3, 5, 9, 7, 3);
  EXPECT_EQ(Now(u"$m", t), u"3");
  EXPECT_EQ(Now(u"&m", t), u" 3");
  EXPECT_EQ(Now(u"%m", t), u"03");
  EXPECT_EQ(File(u"_m", t), u" 3");
  EXPECT_EQ(File(u"=m", t), u"03");
  EXPECT_EQ(Now(u"&d", t), u" 5");
  EXPECT_EQ(Now(u"%H", t), u"09");
  EXPECT_EQ(Now(u"$M", t), u"7");
  EXPECT_EQ(File(u"=S", t), u"03");
  EXPECT_EQ(Now(u"%m", At(2024, 12, 25)), u"12");
}

TEST_F(TextVariablesTest, TwelveHourClockShowsNoonAsZero) {
  EXPECT_EQ(Now(u"$h", At(2024, 1, 1, 12, 30)), u"0");
  EXPECT_EQ(Now(u"$h", At(2024, 1, 1, 0, 30)), u"0");
  EXPECT_EQ(Now(u"$h", At(2024, 1, 1, 15, 10)), u"3");
  EXPECT_EQ(Now(u"%h", At(2024, 1, 1, 9, 0)), u"09");
  EXPECT_EQ(Now(u"&h", At(2024, 1, 1, 23, 0)), u"11");
  EXPECT_EQ(Now(u"$n", At(2024, 1, 1, 11, 59)), u"AM");
  EXPECT_EQ(Now(u"$n", At(2024, 1, 1, 12, 0)), u"PM");
  EXPECT_EQ(Now(u"$N", At(2024, 1, 1, 11, 59)), u"前");
  EXPECT_EQ(Now(u"%N", At(2024, 1, 1, 12, 0)), u"後");
}

TEST_F(TextVariablesTest, EraBoundaries) {
  EXPECT_EQ(Now(u"$J", At(2019, 5, 1)), u"令和元年 5月 1日");
  EXPECT_EQ(Now(u"$J", At(2019, 4, 30)), u"平成31年 4月30日");
  EXPECT_EQ(Now(u"$J", At(1989, 1, 8)), u"平成元年 1月 8日");
  EXPECT_EQ(Now(u"$J", At(1989, 1, 7)), u"昭和64年 1月 7日");
  EXPECT_EQ(Now(u"$J", At(1926, 12, 25)), u"昭和元年12月25日");
  EXPECT_EQ(Now(u"$J", At(1926, 12, 24)), u"大正15年12月24日");
  EXPECT_EQ(Now(u"$J", At(1912, 7, 30)), u"大正元年 7月30日");
  EXPECT_EQ(Now(u"$J", At(1912, 7, 29)), u"明治45年 7月29日");
  EXPECT_EQ(Now(u"$J", At(1868, 10, 23)), u"明治元年10月23日");
  // Before Meiji there is no era: every era form is empty.
  EXPECT_EQ(Now(u"$J", At(1868, 10, 22)), u"");
  EXPECT_EQ(Now(u"$Y", At(1800, 1, 1)), u"");
  EXPECT_EQ(Now(u"$GＧＥＥ", At(1800, 1, 1)), u"");
  EXPECT_EQ(File(u"=J", At(2019, 5, 1)), u"令和元年 5月 1日");
}

TEST_F(TextVariablesTest, EraYearFormsAndPadding) {
  const TDateTime t = At(2024, 6, 1);
  EXPECT_EQ(Now(u"$Y", t), u"6 ");
  EXPECT_EQ(Now(u"&Y", t), u" 6");
  EXPECT_EQ(Now(u"%Y", t), u"06");
  EXPECT_EQ(File(u"_Y", t), u" 6");
  EXPECT_EQ(File(u"=Y", t), u"06");
  EXPECT_EQ(Now(u"$G", t), u"6 ");
  EXPECT_EQ(Now(u"%GGEE", t), u"06");
  EXPECT_EQ(Now(u"$GＧ", t), u"令和");
  EXPECT_EQ(Now(u"&GＧＥ", t), u"令和 6");
  EXPECT_EQ(Now(u"$GＧＥＥ", t), u"令和6 年");
  // Year 1 is "元" in the E and G forms but a number in the Y forms.
  const TDateTime gan = At(2019, 7, 1);
  EXPECT_EQ(Now(u"$E", gan), u"元");
  EXPECT_EQ(Now(u"$Y", gan), u"1 ");
  EXPECT_EQ(Now(u"%GＧＥＥ", gan), u"令和元年");
  // Two-digit era years are never padded.
  EXPECT_EQ(Now(u"$Y", At(2018, 1, 1)), u"30");
}

TEST_F(TextVariablesTest, DateAndDateTimeForms) {
  EXPECT_EQ(Value(u"$j"), u"2024/ 3/ 5");
  EXPECT_EQ(Value(u"=j"), u"2005/11/20");
  EXPECT_EQ(File(u"_f", At(2024, 3, 5)), u"2024/ 3/ 5");
  EXPECT_EQ(File(u"=f", At(2024, 3, 5)), u"2024/03/05");
  EXPECT_EQ(File(u"_F", At(2024, 3, 5, 8, 4, 9)), u"2024/ 3/ 5 08:04:09");
  EXPECT_EQ(File(u"=F", At(2024, 3, 5, 8, 4, 9)), u"2024/03/05 08:04:09");
}

TEST_F(TextVariablesTest, WeekdayAndMonthNames) {
  // 2024-03-05 was a Tuesday; 2005-11-20 a Sunday.
  EXPECT_EQ(Value(u"$w"), u"火");
  EXPECT_EQ(Value(u"%W"), u"火");
  EXPECT_EQ(Value(u"_w"), u"日");
  EXPECT_EQ(Value(u"$wa"), u"TUE");
  EXPECT_EQ(Value(u"=wa"), u"SUN");
  EXPECT_EQ(Value(u"&ma"), u"MAR");
  EXPECT_EQ(Value(u"_ma"), u"NOV");
  EXPECT_EQ(Now(u"$wa", At(2000, 1, 1)), u"SAT");
}

TEST_F(TextVariablesTest, FileNamesAndFolders) {
  EXPECT_EQ(Value(u"$F"), u"C:\\work\\site\\plan.jww");
  EXPECT_EQ(Value(u"$F1"), u"site");
  EXPECT_EQ(Value(u"&F2"), u"work");
  EXPECT_EQ(Value(u"%F9"), u"C:");
  EXPECT_EQ(Value(u"%f"), u"plan.jww");
  EXPECT_EQ(Value(u"$f"), u"plan");
  ZuFileName = u"/home/a//drawings/plan.jww";
  EXPECT_EQ(Value(u"$F1"), u"drawings");
  EXPECT_EQ(Value(u"$F2"), u"a");
  ZuFileName = u"C:\\\\srv\\share\\x.jww";
  EXPECT_EQ(Value(u"$F2"), u"srv");
  ZuFileName.clear();
  EXPECT_EQ(Value(u"$F1"), u"");
  EXPECT_EQ(Value(u"%f"), u"");
}

TEST_F(TextVariablesTest, FileNameWordsAndHeads) {
  ZuFileName = u"C:\\x\\A-12 first floor plan.jww";
  EXPECT_EQ(Value(u"&fs2"), u"first");
  EXPECT_EQ(Value(u"&fs7"), u"plan");
  EXPECT_EQ(Value(u"&fs10"), u"A-12 first floor plan");
  EXPECT_EQ(Value(u"&fs99999"), u"A-12 first floor plan");
  EXPECT_FALSE(ExpandTextVariable(u"&fs0", {}).substituted);
  EXPECT_FALSE(ExpandTextVariable(u"&fs100000", {}).substituted);
  EXPECT_FALSE(ExpandTextVariable(u"&fsx", {}).substituted);

  ZuFileName = u"C:\\x\\plan2024.jww";
  EXPECT_EQ(Value(u"%f3"), u"pla");
  EXPECT_EQ(Value(u"%fa"), u"plan2024");
  EXPECT_FALSE(ExpandTextVariable(u"%fg", {}).substituted);
  // A surrogate pair is one character and is never cut in half.
  ZuFileName = u"\U00020BB7野家.jww";
  EXPECT_EQ(Value(u"%f1"), u"\U00020BB7");
  EXPECT_EQ(Value(u"%f2"), u"\U00020BB7野");
}

TEST_F(TextVariablesTest, ScaleForms) {
  ZuGLayScale = 100;
  EXPECT_EQ(Value(u"%SS"), u"1/100");
  EXPECT_EQ(Value(u"%ss"), u"100");
  ZuGLayScale = 0.5;
  EXPECT_EQ(Value(u"%SS"), u"2/1");
  EXPECT_EQ(Value(u"%ss"), u"2");
  ZuGLayScale = 0.3;
  EXPECT_EQ(Value(u"%SS"), u"3.3/1");
  ZuGLayScale = 2.5;
  EXPECT_EQ(Value(u"%SS"), u"1/2.5");

  ZuGLayScale = 100;
  ZuPrtScale = 2;
  EXPECT_EQ(Value(u"%SP"), u"1/50");
  EXPECT_EQ(Value(u"%sp"), u"50");
  ZuPrtScale = 400;
  EXPECT_EQ(Value(u"%SP"), u"4/1");
  EXPECT_EQ(Value(u"%sp"), u"4");
  // A scale of zero would divide by zero: it counts as 1:1.
  ZuGLayScale = 0;
  ZuPrtScale = 1;
  EXPECT_EQ(Value(u"%SS"), u"1/1");
  ZuGLayScale = 100;
  ZuPrtScale = 0;
  EXPECT_EQ(Value(u"%SP"), u"1/100");
}

TEST_F(TextVariablesTest, MemoAndDrawingTime) {
  ZuMemo = u"一行目 二行目";
  ZuMemo1 = u"一行目";
  ZuMemo2 = u"二行目";
  ZuDrawTime = u"3 : 05";
  EXPECT_EQ(Value(u"%mm"), ZuMemo);
  EXPECT_EQ(Value(u"%m1"), ZuMemo1);
  EXPECT_EQ(Value(u"%m2"), ZuMemo2);
  EXPECT_EQ(Value(u"_T"), ZuDrawTime);
  ZuMemo.clear();
  ZuMemo1.clear();
  ZuMemo2.clear();
  ZuDrawTime.clear();
}

TEST_F(TextVariablesTest, OnlyWholeTextsAreVariables) {
  for (const std::u16string s : {u"$F1 ", u"x$J", u"$x", u"%F", u"=F1", u"$", u"", u"$mm"}) {
    const TextVarResult r = ExpandTextVariable(s, {});
    if (s == u"%F") {
      EXPECT_TRUE(r.substituted);
      continue;
    }
    EXPECT_FALSE(r.substituted) << std::string(s.begin(), s.end());
    EXPECT_EQ(r.text, s);
  }
}

TEST_F(TextVariablesTest, UserVariables) {
  Str2List = {{u"%%site", u"東京"}, {u"%%site", u"second"}, {u"%%x", u"y"}};
  Str2ListN = 2;
  TextVarResult r = ExpandTextVariable(u"%%site", {});
  EXPECT_TRUE(r.substituted);
  EXPECT_EQ(r.text, u"東京");
  // Entries past the count are not looked at; an unknown name prints as written, plainly.
  r = ExpandTextVariable(u"%%x", {});
  EXPECT_TRUE(r.substituted);
  EXPECT_EQ(r.text, u"%%x");
  // A count larger than the list is not trusted.
  Str2ListN = 50;
  EXPECT_EQ(ExpandTextVariable(u"%%x", {}).text, u"y");
}

TEST_F(TextVariablesTest, DateDigitSuffix) {
  const TextVarTimes t{At(2019, 5, 1), {}};
  TextVarResult r = ExpandTextVariable(u"$J3", t);
  EXPECT_TRUE(r.substituted);
  EXPECT_EQ(r.text, u"令和元年 5月 1日");
  EXPECT_EQ(r.dateDigit, 3);
  r = ExpandTextVariable(u"$Jx", t);
  EXPECT_EQ(r.text, u"令和元年 5月 1日");
  EXPECT_EQ(r.dateDigit, 0);
  r = ExpandTextVariable(u"_j123456", {{}, At(2024, 3, 5)});
  EXPECT_EQ(r.text, u"2024/ 3/ 5");
  EXPECT_EQ(r.dateDigit, 0);
  EXPECT_FALSE(ExpandTextVariable(u"$j1234567", t).substituted);
  EXPECT_EQ(ExpandTextVariable(u"%j05", t).dateDigit, 5);
}

TEST_F(TextVariablesTest, DateDigitSpacingSpreadsAllButTheLastCharacter) {
  // "2024/ 3/ 5": nine half-width characters before the last: W = 4.5, U = 9.
  EXPECT_DOUBLE_EQ(DateDigitSpacing(u"2024/ 3/ 5", 3, 1.0, 0.2), 2 * (4.5 + 3 * 0.6) / 9);
  // Full-width characters count twice; control characters not at all.
  EXPECT_DOUBLE_EQ(DateDigitSpacing(u"年\t月日", 1, 2.0, 0.0), 2 * (4.0 + 1.0) / 4);
  EXPECT_DOUBLE_EQ(DateDigitSpacing(u"年", 4, 2.0, 0.5), 0.5);
  EXPECT_DOUBLE_EQ(DateDigitSpacing(u"", 4, 2.0, 0.5), 0.5);
}

TDateTime FixedNow() {
  return At(2030, 1, 2, 3, 4, 5);
}

TEST_F(TextVariablesTest, TimeSourceSeam) {
  ZuFileTime = At(2001, 2, 3);
  SetTextVarTimeSource([] { return TextVarTimes{FixedNow(), ZuFileTime}; });
  const TextVarTimes t = CurrentTextVarTimes();
  EXPECT_EQ(ExpandTextVariable(u"%j", t).text, u"2030/ 1/ 2");
  EXPECT_EQ(ExpandTextVariable(u"=j", t).text, u"2001/ 2/ 3");
  SetTextVarTimeSource(nullptr);
  EXPECT_GE(CurrentTextVarTimes().now.Year, 2024);
  ZuFileTime = TDateTime{};
}

}  // namespace
}  // namespace tavolex
