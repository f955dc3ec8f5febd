// The entity list of written drawings: every kind at every version branch, the class tag forms
// and their index arithmetic, counts, damaged objects and the budgeted read.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "jww/JwwTestUtil.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

// EntNo lists the objects in file order with their kinds and indices.
void ExpectOrder(const TJwwData& doc, const std::vector<TEntJwwNo>& want) {
  ASSERT_GE(doc.EntNo.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(doc.EntNo[i].EntType, want[i].EntType);
    EXPECT_EQ(doc.EntNo[i].EntNo, want[i].EntNo);
  }
}

// A point sub-record of a dimension that stores no marker part reads its marker values as 0.
void ExpectDimensionPoint(const TEntJwwTen& got, const WTen& want, int32_t version) {
  ExpectTenBase(got, want, version);
  if (want.att.nPenStyle != 100) {
    EXPECT_EQ(+got.nCode, 0u);
    EXPECT_EQ(+got.radKaitenKaku, 0.0);
    EXPECT_EQ(+got.dBairitsu, 0.0);
  }
}

// Before 420 a dimension stores no extension lines or points: they take the dimension's
// attributes (points with line type 0) and zero values.
void ExpectOldDimensionParts(const TEntJwwSunpo& got, const WSunpo& want, int32_t version) {
  EXPECT_EQ(+got.bSxfMode, 0);
  WAttr att = want.att;
  if (version < 351) att.nPenWidth = 0;  // not stored
  for (const TEntJwwLine* ho : {&got.Ho1, &got.Ho2}) {
    ExpectLine(*ho, WLine{att, 0, 0, 0, 0}, 351);
  }
  att.nPenStyle = 0;
  for (const TEntJwwTen* p : {&got.Te1, &got.Te2, &got.Kt1, &got.Kt2}) {
    ExpectAttr(p->att, att, 351);
    EXPECT_EQ(+p->start_x, 0.0);
    EXPECT_EQ(+p->start_y, 0.0);
    EXPECT_EQ(+p->bKariten, 0u);
    EXPECT_EQ(+p->nCode, 0u);
    EXPECT_EQ(+p->radKaitenKaku, 0.0);
    EXPECT_EQ(+p->dBairitsu, 0.0);
  }
}

class JwwEntityVersions : public ::testing::TestWithParam<int32_t> {};

TEST_P(JwwEntityVersions, EveryKindRoundTrips) {
  const int32_t v = GetParam();
  WDrawing d = EmptyDrawing(v);
  d.entities = EveryKind();
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  const auto& e = d.entities;
  ASSERT_EQ(doc.Enthd.n1, 10);
  ASSERT_EQ(doc.EntLineN, 2);
  ASSERT_EQ(doc.EntEnkoN, 1);
  ASSERT_EQ(doc.EntTenN, 2);
  ASSERT_EQ(doc.EntMojiN, 1);
  ASSERT_EQ(doc.EntSunpoN, 1);
  ASSERT_EQ(doc.EntSolidN, 2);
  ASSERT_EQ(doc.EntBlockN, 1);
  EXPECT_EQ(doc.EntLine.size(), 2u);
  EXPECT_EQ(doc.EntSolid.size(), 2u);
  ExpectOrder(doc,
              {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {4, 0}, {5, 0}, {6, 0}, {6, 1}, {7, 0}, {1, 1}});
  ExpectLine(doc.EntLine[0], std::get<WLine>(e[0]), v);
  ExpectEnko(doc.EntEnko[0], std::get<WEnko>(e[1]), v);
  // A plain point gets the neutral marker values.
  ExpectTenBase(doc.EntTen[0], std::get<WTen>(e[2]), v);
  EXPECT_EQ(+doc.EntTen[0].nCode, 0u);
  EXPECT_EQ(+doc.EntTen[0].radKaitenKaku, 0.0);
  EXPECT_EQ(+doc.EntTen[0].dBairitsu, 1.0);
  ExpectTenBase(doc.EntTen[1], std::get<WTen>(e[3]), v);
  ExpectMoji(doc.EntMoji[0], std::get<WMoji>(e[4]), v);
  const auto& dim = std::get<WSunpo>(e[5]);
  const TEntJwwSunpo& got = doc.EntSunpo[0];
  ExpectAttr(got.att, dim.att, v);
  ExpectLine(got.Sen, dim.Sen, v);
  ExpectMoji(got.Moji, dim.Moji, v);
  if (v >= 420) {
    EXPECT_EQ(+got.bSxfMode, dim.bSxfMode);
    ExpectLine(got.Ho1, dim.Ho1, v);
    ExpectLine(got.Ho2, dim.Ho2, v);
    ExpectDimensionPoint(got.Te1, dim.Te1, v);
    ExpectDimensionPoint(got.Te2, dim.Te2, v);
    ExpectDimensionPoint(got.Kt1, dim.Kt1, v);
    ExpectDimensionPoint(got.Kt2, dim.Kt2, v);
  } else {
    ExpectOldDimensionParts(got, dim, v);
  }
  ExpectSolid(doc.EntSolid[0], std::get<WSolid>(e[6]), v);
  ExpectSolid(doc.EntSolid[1], std::get<WSolid>(e[7]), v);
  ExpectBlock(doc.EntBlock[0], std::get<WBlock>(e[8]), v);
  ExpectLine(doc.EntLine[1], std::get<WLine>(e[9]), v);
}

INSTANTIATE_TEST_SUITE_P(EveryBranch, JwwEntityVersions,
                         ::testing::Values(220, 230, 300, 350, 351, 419, 420, 600, 700));

TEST(JwwEntityRead, TextCleansStringsAndNonFiniteSizes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  WMoji text;
  text.dSizeX = nan;
  text.dSizeY = -std::numeric_limits<double>::infinity();
  text.dKankaku = nan;
  text.str = u"一\t二\r\n三";
  text.strFontName = u"";
  WSunpo dim;
  dim.Moji.dSizeX = std::numeric_limits<double>::infinity();
  dim.Moji.dKankaku = std::numeric_limits<double>::infinity();
  dim.Moji.str =
      u"12\x01"
      u"34";
  for (int32_t v : {351, 700}) {
    WDrawing d = EmptyDrawing(v);
    d.entities = {text, dim};
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d));
    ASSERT_EQ(doc.EntMojiN, 1);
    ASSERT_EQ(doc.EntSunpoN, 1);
    const TEntJwwMoji& m = doc.EntMoji[0];
    EXPECT_EQ(+m.dSizeX, 3.0);
    EXPECT_EQ(+m.dSizeY, 3.0);
    EXPECT_EQ(+m.dKankaku, 0.0);
    EXPECT_TRUE(m.str == u"一二三");
    EXPECT_TRUE(m.strFontName.empty());
    const TEntJwwMoji& dm = doc.EntSunpo[0].Moji;
    EXPECT_EQ(+dm.dSizeX, 3.0);
    EXPECT_EQ(+dm.dSizeY, 3.0);
    EXPECT_EQ(+dm.dKankaku, 0.0);
    EXPECT_TRUE(dm.str == u"1234");
  }
}

// Indices count from 1 across classes and objects; bare tags take none and are not objects.
TEST(JwwEntityRead, ClassIndexArithmetic) {
  for (bool longRefs : {false, true}) {
    SCOPED_TRACE(longRefs ? "long references" : "short references");
    JwwWriter w(600, JwwStringForm::Ansi);
    w.SetLongClassRefs(longRefs);
    w.Header(EmptyDrawing(600).header);
    w.Count(5);
    w.Entity(WLine{.start_x = 1});  // class 1, object 2
    w.Entity(WLine{.start_x = 2});  // reference to 1, object 3
    w.Entity(WBareTag{0});          // null object
    w.Entity(WBareTag{2});          // the object read before
    w.Entity(WEnko{.dHankei = 3});  // class 4, object 5
    w.Entity(WEnko{.dHankei = 4});  // reference to 4, object 6
    w.Entity(WLine{.start_x = 5});  // reference to 1, object 7
    EXPECT_EQ(w.NextIndex(), 8u);
    w.Count(0);
    TJwwData doc;
    ASSERT_TRUE(LoadBytes(doc, w.Data()));
    ASSERT_EQ(doc.EntLineN, 3);
    ASSERT_EQ(doc.EntEnkoN, 2);
    EXPECT_EQ(+doc.EntLine[2].start_x, 5.0);
    EXPECT_EQ(+doc.EntEnko[1].dHankei, 4.0);
    ExpectOrder(doc, {{1, 0}, {1, 1}, {2, 0}, {2, 1}, {1, 2}});
  }
}

// Hand-written tags: 0x8001 after a new class, and a reference matching no class is skipped.
TEST(JwwEntityRead, ReferenceTagsByHand) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.Header(EmptyDrawing(600).header);
  w.Count(2);
  w.Word(0xFFFF);
  w.Word(1);
  w.Word(8);
  w.Raw(std::string("CDataSen"));
  w.LineBody(WLine{.start_x = 1});
  w.Word(0x8063);  // class 99 was never introduced: no object follows
  w.Word(0x8001);
  w.LineBody(WLine{.start_x = 2});
  w.Count(0);
  TJwwData doc;
  ASSERT_TRUE(LoadBytes(doc, w.Data()));
  ASSERT_EQ(doc.EntLineN, 2);
  EXPECT_EQ(+doc.EntLine[1].start_x, 2.0);
}

// A reference to class 0 before any class was introduced matches every kind not seen yet, and
// the highest kind (the block insert) wins.
TEST(JwwEntityRead, ClassZeroMeansHighestUnseenKind) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.Header(EmptyDrawing(600).header);
  w.Count(2);
  w.Word(0x8000);
  w.BlockBody(WBlock{.DPKijunTen_x = 9, .nNumber = 4});
  w.Entity(WLine{.start_x = 1});
  w.Count(0);
  TJwwData doc;
  ASSERT_TRUE(LoadBytes(doc, w.Data()));
  ASSERT_EQ(doc.EntBlockN, 1);
  EXPECT_EQ(+doc.EntBlock[0].DPKijunTen_x, 9.0);
  EXPECT_EQ(+doc.EntBlock[0].nNumber, 4u);
  ASSERT_EQ(doc.EntLineN, 1);
  EXPECT_EQ(+doc.EntLine[0].start_x, 1.0);
}

TEST(JwwEntityRead, ForeignClassFailsTheLoad) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WLine{.start_x = 1}, WForeignClass{"CDataKeisen"}, WLine{}};
  TJwwData doc;
  EXPECT_FALSE(LoadDrawing(doc, d));
  ASSERT_EQ(doc.EntLineN, 1);
  EXPECT_EQ(+doc.EntLine[0].start_x, 1.0);
}

// A class name longer than the work buffer fails the load instead of overrunning it.
TEST(JwwEntityRead, OverlongClassNameFails) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WForeignClass{std::string(5000, 'C')}};
  TJwwData doc;
  EXPECT_FALSE(LoadDrawing(doc, d));
  EXPECT_EQ(doc.EntLineN, 0);
}

// 70000 objects need the escaped count; classes introduced after index 0x7FFF are referred to
// with the long tag form.
TEST(JwwEntityRead, LargeListsUseEscapedCountsAndLongReferences) {
  WDrawing d = EmptyDrawing(600);
  for (int i = 0; i < 40000; ++i)
    d.entities.push_back(WLine{.start_x = double(i)});
  for (int i = 0; i < 30000; ++i)
    d.entities.push_back(WEnko{.dHankei = double(i)});
  const auto bytes = WriteJww(d);
  TJwwData doc;
  ASSERT_TRUE(LoadBytes(doc, bytes));
  EXPECT_EQ(doc.Enthd.n1, 70000);
  ASSERT_EQ(doc.EntLineN, 40000);
  ASSERT_EQ(doc.EntEnkoN, 30000);
  EXPECT_EQ(doc.EntLine.size(), 40000u);
  EXPECT_EQ(+doc.EntEnko[29999].dHankei, 29999.0);
  ASSERT_EQ(doc.EntNo.size(), 70000u);
  EXPECT_EQ(doc.EntNo[69999].EntType, 2);
  EXPECT_EQ(doc.EntNo[69999].EntNo, 29999);
}

TEST(JwwEntityRead, EveryCountMayBeEscaped) {
  WDrawing d = RichDrawing(700);
  TJwwData plain;
  TJwwData escaped;
  ASSERT_TRUE(LoadDrawing(plain, d));
  ASSERT_TRUE(LoadDrawing(escaped, d, {.escapedCounts = true}));
  EXPECT_EQ(escaped.Enthd.n1, plain.Enthd.n1);
  EXPECT_EQ(escaped.EntBlockDefN, 2);
  EXPECT_EQ(escaped.EntBlockDef[0].N, plain.EntBlockDef[0].N);
  EXPECT_EQ(escaped.EntBlockDef[1].mBlockN, 2);
  EXPECT_EQ(escaped.BindImageN, 0);  // images are read only when the owner asks for them
}

// A list that announces more objects than the file holds keeps the announced number, reads
// what is there and ends at the end of the data.
TEST(JwwEntityRead, AnnouncedCountBeyondTheData) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WLine{.start_x = 1}, WEnko{}, WLine{.start_x = 3}};
  const auto bytes = WriteJww(d, {.announcedEntityCount = 70000});
  // Drop the block-definition count so that the data ends inside the list.
  const std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 2);
  TJwwData doc;
  LoadBytes(doc, cut);
  EXPECT_EQ(doc.Enthd.n1, 70000);
  EXPECT_EQ(doc.EntLineN, 2);
  EXPECT_EQ(doc.EntEnkoN, 1);
  EXPECT_LE(doc.EntNo.size(), cut.size());
  ExpectOrder(doc, {{1, 0}, {2, 0}, {1, 1}});
  for (size_t i = 3; i < doc.EntNo.size(); ++i)
    EXPECT_EQ(doc.EntNo[i].EntType, 0);
}

// An object whose data ends right after its tag is dropped with no order entry; one that ends
// inside its record keeps the bytes that arrived.
TEST(JwwEntityRead, ObjectCutByTheEnd) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WLine{.start_x = 1}, WSolid{.start_x = 2, .start_y = 3}};
  const auto bytes = WriteJww(d);
  const size_t solidBytes = 79;
  const size_t blockCount = 2;
  const std::vector<uint8_t> afterTag(bytes.begin(), bytes.end() - blockCount - solidBytes);
  TJwwData doc;
  LoadBytes(doc, afterTag);
  EXPECT_EQ(doc.EntLineN, 1);
  EXPECT_EQ(doc.EntSolidN, 0);
  EXPECT_EQ(doc.EntNo[0].EntType, 1);
  if (doc.EntNo.size() > 1) {
    EXPECT_EQ(doc.EntNo[1].EntType, 0);
  }
  const std::vector<uint8_t> inRecord(bytes.begin(), bytes.end() - blockCount - 40);
  LoadBytes(doc, inRecord);
  ASSERT_EQ(doc.EntSolidN, 1);
  EXPECT_EQ(+doc.EntSolid[0].start_x, 2.0);
  EXPECT_EQ(+doc.EntSolid[0].start_y, 3.0);
  EXPECT_EQ(doc.EntNo[1].EntType, 6);
}

TEST(JwwEntityRead, BlockDefinitions) {
  for (int32_t v : {350, 420, 700}) {
    SCOPED_TRACE(v);
    WDrawing d = RichDrawing(v);
    TJwwData doc;
    ASSERT_TRUE(LoadDrawing(doc, d));
    ASSERT_EQ(doc.EntBlockDefN, 2);
    EXPECT_EQ(doc.Enthd.n2, 2);
    const TEntJwwBlockDef& inner = doc.EntBlockDef[0];
    const TEntJwwBlockDef& outer = doc.EntBlockDef[1];
    ExpectAttr(inner.att, d.blockDefs[0].att, v);
    EXPECT_EQ(+inner.nNumber, 1u);
    EXPECT_EQ(+inner.bRefferd, 1u);
    EXPECT_EQ(+inner.dtime, 0x5F000000u);
    // The 64-bit time form stores the definition's 1-based position instead.
    EXPECT_EQ(+outer.dtime, 2u);
    EXPECT_EQ(+outer.nNumber, 2u);
    EXPECT_TRUE(inner.strName == u"内側");
    EXPECT_TRUE(outer.strName == u"外側");
    // The inner definition holds one of every kind, read like the drawing's own list.
    const auto& members = d.blockDefs[0].entities;
    ASSERT_EQ(inner.N, 10);
    ASSERT_EQ(inner.mNo.size(), 10u);
    EXPECT_EQ(inner.mLineN, 2);
    EXPECT_EQ(inner.mTenN, 2);
    EXPECT_EQ(inner.mSolidN, 2);
    ASSERT_EQ(inner.mSunpoN, 1);
    ASSERT_EQ(inner.mMojiN, 1);
    ASSERT_EQ(inner.mBlockN, 1);
    EXPECT_EQ(inner.mLine.size(), 2u);
    EXPECT_EQ(inner.mMoji.size(), 1u);
    ExpectLine(inner.mLine[1], std::get<WLine>(members[9]), v);
    ExpectEnko(inner.mEnko[0], std::get<WEnko>(members[1]), v);
    ExpectTenBase(inner.mTen[1], std::get<WTen>(members[3]), v);
    ExpectMoji(inner.mMoji[0], std::get<WMoji>(members[4]), v);
    ExpectMoji(inner.mSunpo[0].Moji, std::get<WSunpo>(members[5]).Moji, v);
    ExpectSolid(inner.mSolid[1], std::get<WSolid>(members[7]), v);
    ExpectBlock(inner.mBlock[0], std::get<WBlock>(members[8]), v);
    EXPECT_EQ(inner.mNo[5].EntType, 5);
    EXPECT_EQ(inner.mNo[9].EntType, 1);
    EXPECT_EQ(inner.mNo[9].EntNo, 1);
    ASSERT_EQ(outer.N, 3);
    EXPECT_EQ(outer.mLineN, 1);
    EXPECT_EQ(outer.mBlockN, 2);
    ExpectBlock(outer.mBlock[1], std::get<WBlock>(d.blockDefs[1].entities[2]), v);
    // The drawing's own list is untouched by the definitions.
    EXPECT_EQ(doc.EntLineN, 2);
    EXPECT_EQ(doc.EntBlockN, 2);
  }
}

// Classes introduced inside one definition are referred to by later definitions.
TEST(JwwEntityRead, ClassesCarryAcrossDefinitions) {
  WDrawing d = EmptyDrawing(600);
  d.entities = {WLine{}};
  d.blockDefs.push_back(WBlockDef{.nNumber = 1, .entities = {WEnko{.dHankei = 2}, WLine{}}});
  d.blockDefs.push_back(WBlockDef{.nNumber = 2, .entities = {WEnko{.dHankei = 5}}});
  d.blockDefs.push_back(WBlockDef{.nNumber = 3, .entities = {WTen{.start_x = 4}, WEnko{}}});
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  ASSERT_EQ(doc.EntBlockDefN, 3);
  ASSERT_EQ(doc.EntBlockDef[1].mEnkoN, 1);
  EXPECT_EQ(+doc.EntBlockDef[1].mEnko[0].dHankei, 5.0);
  EXPECT_EQ(doc.EntBlockDef[2].mTenN, 1);
  EXPECT_EQ(doc.EntBlockDef[2].mEnkoN, 1);
}

TEST(JwwEntityRead, PreviewReadStopsAfterItsBudget) {
  ScopedTempDir dir;
  WDrawing d = EmptyDrawing(600);
  for (int i = 0; i < 300; ++i)
    d.entities.push_back(WLine{.start_x = double(i)});
  d.blockDefs.push_back(WBlockDef{.nNumber = 1, .entities = {WLine{}}});
  d.header.EntCol[3].aPrtPenColor = 0x123456;
  ASSERT_TRUE(SaveJww(dir / "big.jww", d));
  TJwwData doc;
  ASSERT_TRUE(doc.FilePrevIn(dir / "big.jww", 100));
  EXPECT_EQ(doc.EntLineN, 100);
  EXPECT_EQ(doc.EntBlockDefN, 0);
  EXPECT_EQ(doc.EntCol[3].aPrtPenColor, 0x123456);

  // Bare tags count against the budget too.
  WDrawing tagged = EmptyDrawing(600);
  tagged.entities = {WLine{}, WBareTag{0}, WBareTag{0}, WLine{}, WLine{}};
  ASSERT_TRUE(SaveJww(dir / "tagged.jww", tagged));
  ASSERT_TRUE(doc.FilePrevIn(dir / "tagged.jww", 4));
  EXPECT_EQ(doc.EntLineN, 2);

  // With budget to spare the definitions are read as well.
  ASSERT_TRUE(doc.FilePrevIn(dir / "big.jww", 1000));
  EXPECT_EQ(doc.EntLineN, 300);
  EXPECT_EQ(doc.EntBlockDefN, 1);
}

// The budget runs on into the block definitions: each member tag counts, and a definition is
// begun only while budget is left.
TEST(JwwEntityRead, PreviewBudgetReachesIntoDefinitions) {
  ScopedTempDir dir;
  WDrawing d = EmptyDrawing(600);
  for (int i = 0; i < 5; ++i)
    d.entities.push_back(WLine{.start_x = double(i)});
  for (uint32_t n = 1; n <= 3; ++n) {
    d.blockDefs.push_back(WBlockDef{
        .nNumber = n, .entities = {WLine{.start_x = 10.0 * n}, WEnko{}, WLine{.end_x = 1}}});
  }
  ASSERT_TRUE(SaveJww(dir / "defs.jww", d));
  TJwwData doc;
  ASSERT_TRUE(doc.FilePrevIn(dir / "defs.jww", 9));
  EXPECT_EQ(doc.EntLineN, 5);
  ASSERT_GE(doc.EntBlockDefN, 2);
  EXPECT_EQ(doc.EntBlockDef[0].mLineN, 2);
  EXPECT_EQ(doc.EntBlockDef[0].mEnkoN, 1);
  ASSERT_EQ(doc.EntBlockDef[1].mLineN, 1);
  EXPECT_EQ(doc.EntBlockDef[1].mEnkoN, 0);
  EXPECT_EQ(+doc.EntBlockDef[1].mLine[0].start_x, 20.0);
  if (doc.EntBlockDefN > 2) {
    EXPECT_EQ(doc.EntBlockDef[2].mLineN, 0);
  }
}

}  // namespace
}  // namespace tavolex::test
