// Values a load publishes for the text variables, and the document's life cycle around loads.
#include <gtest/gtest.h>

#include "common/UnitVal.h"
#include "jww/JwwTestUtil.h"
#include "support/ScopedTempDir.h"

namespace tavolex::test {
namespace {

TEST(JwwPublish, MemoDrawTimeScaleAndName) {
  ScopedTempDir dir;
  struct Case {
    std::u16string memo;
    int32_t drawTime;
    std::u16string memo1, memo2, memo0, time;
  };
  const Case cases[] = {
      {u"abc\r\ndef", 3725, u"abc", u"def", u"abc\u3000def", u"1 : 02"},
      {u"一行だけ", 59, u"一行だけ", u"", u"一行だけ", u"0 : 00"},
      {u"a\r\nb\r\nc", 36000 + 59 * 60 + 59, u"a", u"b\r\nc", u"a\u3000b\r\nc", u"10 : 59"},
      {u"\r\n", 600, u"", u"", u"\u3000", u"0 : 10"},
      {u"x\ny", 3600 * 123, u"x\ny", u"", u"x\ny", u"123 : 00"},
  };
  for (const auto& c : cases) {
    WDrawing d = EmptyDrawing(600);
    d.header.strMemo = c.memo;
    d.header.lnDrawTime = c.drawTime;
    d.header.dPrtBairitsu = 50;
    const auto path = dir / u"図面.jww";
    ASSERT_TRUE(SaveJww(path, d));
    TJwwData doc;
    ASSERT_TRUE(doc.FileIn(path));
    EXPECT_TRUE(ZuMemo1 == c.memo1);
    EXPECT_TRUE(ZuMemo2 == c.memo2);
    EXPECT_TRUE(ZuMemo == c.memo0);
    EXPECT_TRUE(ZuDrawTime == c.time);
    EXPECT_EQ(ZuPrtScale, 50.0);
    EXPECT_TRUE(ZuFileName == path.u16string());
  }
}

TEST(JwwPublish, HeaderFailurePublishesNothing) {
  WDrawing d = EmptyDrawing(600);
  d.header.strMemo = u"before";
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, d));
  d.header.jwVer = 100;
  d.header.strMemo = u"after";
  EXPECT_FALSE(LoadDrawing(doc, d));
  EXPECT_TRUE(ZuMemo == u"before");
  EXPECT_EQ(doc.EntBlockTreeN, 0);
}

// A later load starts from an empty document, and DataFree leaves it as new.
TEST(JwwPublish, ReloadAndFreeStartEmpty) {
  TJwwData doc;
  ASSERT_TRUE(LoadDrawing(doc, RichDrawing(700)));
  EXPECT_GT(doc.EntBlockTreeN, 0);
  WDrawing small = EmptyDrawing(351);
  small.entities = {WEnko{}};
  ASSERT_TRUE(LoadDrawing(doc, small));
  EXPECT_EQ(doc.EntLineN, 0);
  EXPECT_EQ(doc.EntEnkoN, 1);
  EXPECT_EQ(doc.EntBlockDefN, 0);
  EXPECT_EQ(doc.EntBlockTreeN, 0);
  EXPECT_FALSE(doc.MojiEncode);

  doc.BindImageExr = true;
  ASSERT_TRUE(LoadDrawing(doc, RichDrawing(700)));
  EXPECT_EQ(doc.BindImageN, 2);
  doc.DataFree();
  const TJwwData fresh;
  EXPECT_EQ(doc.Enthd.jwVer, fresh.Enthd.jwVer);
  EXPECT_EQ(doc.Enthd.dPrtBairitsu, 1.0);
  EXPECT_EQ(doc.Enthd.nZoomJumpGLay[7], -1);
  EXPECT_EQ(doc.EntNo.size(), 0u);
  EXPECT_EQ(doc.EntBlockDef.size(), 0u);
  EXPECT_EQ(doc.EntBlockDefN, 0);
  EXPECT_EQ(doc.BindImageN, 0);
  EXPECT_TRUE(doc.EntLgrp.empty());
  EXPECT_TRUE(doc.BindImageExr);  // the owner's switches stay
}

}  // namespace
}  // namespace tavolex::test
