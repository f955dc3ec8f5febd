// Class names of new-class tags are text: they end at their first NUL.
#include <gtest/gtest.h>

#include <string>

#include "jww/JwwUnit.h"
#include "support/JwwWriter.h"

namespace tavolex {
namespace {

using namespace test;

std::vector<uint8_t> OneLineWithClassName(const std::string& className) {
  JwwWriter w(600, JwwStringForm::Ansi);
  w.Header([] {
    WDrawing d;
    d.header.jwVer = 600;
    return d.header;
  }());
  w.Count(1);
  w.Word(0xFFFF);
  w.Word(0);
  w.Word(static_cast<uint16_t>(className.size()));
  w.Raw(className);
  w.LineBody(WLine{.start_x = 4});
  w.Count(0);
  return w.Take();
}

TEST(JwwClassName, NamePaddedWithNulIsRecognised) {
  TJwwData jww;
  const auto padded = OneLineWithClassName(std::string("CDataSen\0\0", 10));
  ASSERT_TRUE(jww.FileInBuffer(padded, "a.jww"));
  ASSERT_EQ(jww.EntLineN, 1);
  EXPECT_EQ(+jww.EntLine[0].start_x, 4.0);

  const auto longer = OneLineWithClassName("CDataSenX");
  EXPECT_FALSE(jww.FileInBuffer(longer, "a.jww"));
  EXPECT_EQ(jww.EntLineN, 0);
}

}  // namespace
}  // namespace tavolex
