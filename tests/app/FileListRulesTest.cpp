#include "app/FileListRules.h"

#include <gtest/gtest.h>

#include "common/Func_2.h"
#include "support/RecordingPrinter.h"

namespace tavolex {
namespace {

using List = std::vector<std::u16string>;

TEST(FileListRules, MovingKeepsTheSelectionOnTheMovedEntries) {
  List list{u"a", u"b", u"c", u"d"};
  std::vector<bool> selected{true, true, false, true};
  // The first entry cannot move up: it swaps with its selected neighbour and ends unselected.
  EXPECT_EQ(MoveSelectedUp(list, selected), 3);
  EXPECT_EQ(list, (List{u"b", u"a", u"d", u"c"}));
  EXPECT_EQ(selected, (std::vector<bool>{true, false, true, false}));

  list = {u"a", u"b", u"c"};
  selected = {false, true, true};
  EXPECT_EQ(MoveSelectedDown(list, selected), 2);
  EXPECT_EQ(list, (List{u"a", u"c", u"b"}));
  EXPECT_EQ(selected, (std::vector<bool>{false, false, true}));

  List one{u"a"};
  std::vector<bool> only{true};
  EXPECT_EQ(MoveSelectedDown(one, only), 1);
  EXPECT_EQ(one, List{u"a"});
}

TEST(FileListRules, SortingFollowsTheGivenComparisonAndKeepsEqualEntriesInOrder) {
  // Letter case ignored, as the window's comparison does.
  const TListCompare ignoringCase = [](const std::u16string& a, const std::u16string& b) {
    return LowerStr(a).compare(LowerStr(b));
  };
  List list{u"/d/b.jww", u"/d/A.jww", u"/d/B.JWW", u"/d/c.jww", u"/d/a.jww"};
  SortEntries(list, ignoringCase);
  EXPECT_EQ(list, (List{u"/d/A.jww", u"/d/a.jww", u"/d/b.jww", u"/d/B.JWW", u"/d/c.jww"}));
}

TEST(FileListRules, JwCadProgramFromTheAssociationCommand) {
  EXPECT_EQ(JwwExeFromCommand(u"\"C:\\JWW\\Jw_win.exe\" \"%1\""), u"C:\\JWW\\Jw_win.exe");
  // A quoted path keeps its spaces; cutting it there would name a program that is not there.
  EXPECT_EQ(JwwExeFromCommand(u"\"C:\\Program Files\\JWW\\Jw_win.exe\" \"%1\""),
            u"C:\\Program Files\\JWW\\Jw_win.exe");
  EXPECT_EQ(JwwExeFromCommand(u"C:\\JWW\\Jw_win.exe %1"), u"C:\\JWW\\Jw_win.exe");
  EXPECT_EQ(JwwExeFromCommand(u"\"C:\\JWW\\Jw_win.exe"), u"C:\\JWW\\Jw_win.exe");
  EXPECT_EQ(JwwExeFromCommand(u""), u"");
}

TEST(FileListRules, DroppedNamesAreCutAtTheDropLimit) {
  const std::u16string longName(600, u'x');
  const List taken = DroppedNames({u"/a.jww", longName});
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0], u"/a.jww");
  EXPECT_EQ(taken[1].size(), kDroppedNameMax);
}

TEST(FileListRules, PrinterLineShowsSizesRoundedToHundredths) {
  EXPECT_EQ(PrinterInfoText(u"Office", {420.0, 297.0, 409.99499, 286.996}),
            u"プリンタ名：Office\r\n用紙サイズ：横：420.00mm　縦：297.00mm　"
            u"印刷サイズ：横：409.99mm　縦：287.00mm");
}

}  // namespace
}  // namespace tavolex
