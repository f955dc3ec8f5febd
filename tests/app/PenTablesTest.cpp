// The pen and line-type tables filled from Jw_cad environment files and drawings, and the
// texts of their grid cells.
#include <gtest/gtest.h>

#include <fstream>

#include "app/JwfFile.h"
#include "app/PenGrids.h"
#include "app/PenTableImport.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "support/FileBytes.h"
#include "support/JwwWriter.h"
#include "support/ScopedTempDir.h"

namespace tavolex {
namespace {

class PenTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = GAtt;
    GAtt = &att_;
    s_.FillTablesFrom(att_);
    UseLtypeUnit(0.035);
  }
  void TearDown() override {
    GAtt = saved_;
    UseLtypeUnit(0.035);
  }

  // An environment file as Jw_cad writes one: CP932, CR LF, Japanese comments, blank-separated
  // columns.
  std::filesystem::path Jwf(const std::string& name, const std::u16string& text) {
    std::string bytes;
    for (const char16_t c : text) {
      if (c == u'\n')
        bytes += "\r\n";
      else
        bytes += test::ToCp932(std::u16string(1, c));
    }
    const std::filesystem::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }

  test::ScopedTempDir dir_;
  TgraAttribute att_;
  TgraAttribute* saved_ = nullptr;
  TPrintSettings s_;
};

TEST_F(PenTablesTest, EnvironmentPensFollowTheLineRulesAndTheFilesUnit) {
  const TPrintSettings before = s_;
  const auto file = Jwf("jw_win.jwf",
                        u"#■Jw_cad 環境設定ファイル\n"
                        u"\n"
                        u"#  線幅単位  （-1～-100: 1/n mm）\n"
                        u"S_COMM_2 = 0 -50 0 0\n"
                        u"#  色  R   G   B  線幅  点半径\n"
                        u"PCOLLOR_1 =   0   0   0  10  abc\n"
                        u"pcollor_3 = 255, 0, 0, 5, 0.5\n"
                        u"PCOLLOR_9 = 1 2 3 4 5\n"
                        u"PCOLLOR_0 = 1 2 3 4 5\n"
                        u"PCOLLOR_4 = 1 2\n"
                        u"PCOLLOR_G = 0 128 255\n"
                        u"LCOLLOR_H = 300 200 -1 99\n"
                        u"PCOLLOR_5 = 0 0 255\n"
                        u"ENDE\n"
                        u"PCOLLOR_2 = 0 255 0 1 1\n");
  const TTableImport r = ReadJwfPens(s_, file);
  ASSERT_TRUE(r.done);
  EXPECT_EQ(r.status, u"ファイル " + StrFromPath(file) + u" から線色・線幅設定を読み取りました。");
  // Width 10 × 1/50 mm; the radius "abc" reads 0 and is limited.
  EXPECT_EQ(s_.PrnCol[0].color, 0u);
  EXPECT_DOUBLE_EQ(s_.PrnCol[0].width, 0.2);
  EXPECT_DOUBLE_EQ(s_.PrnCol[0].ten_r, 0.01);
  EXPECT_EQ(s_.PrnCol[2].color, 0x0000FFu);
  EXPECT_DOUBLE_EQ(s_.PrnCol[2].width, 0.1);
  EXPECT_DOUBLE_EQ(s_.PrnCol[2].ten_r, 0.5);
  EXPECT_EQ(s_.PrnCol[4].color, 0xFF0000u);  // colour only
  EXPECT_EQ(s_.PrnCol[4].width, before.PrnCol[4].width);
  EXPECT_EQ(s_.PrnDOLCol, 0xFF8000);
  EXPECT_EQ(s_.PrnCol[8].color, 0x00C800u);  // channels outside 0..255 read 0
  EXPECT_TRUE(r.displayOnlyColour);
  // Keys with 9 or 0, a line with too few fields and everything after "END" change nothing.
  for (const int untouched : {1, 3, 5, 6, 7, 9, 264}) {
    EXPECT_EQ(s_.PrnCol[untouched].color, before.PrnCol[untouched].color) << untouched;
    EXPECT_EQ(s_.PrnCol[untouched].width, before.PrnCol[untouched].width) << untouched;
  }
  const std::vector<std::pair<int, int>> cells = {{1, 1}, {1, 3}, {1, 4}, {3, 1},
                                                  {3, 3}, {3, 4}, {9, 1}, {5, 1}};
  EXPECT_EQ(r.penCells, cells);
}

TEST_F(PenTablesTest, EnvironmentUnitFromTheCommentAndPrinterResolution) {
  struct Case {
    std::u16string lines;
    bool forLtype;
    double unit;
  };
  UseLtypeUnit(0.05);
  const Case cases[] = {
      {u"S_COMM_2 = 0 -101\n", false, 0.01},
      {u"S_COMM_2 = 0 -4\n", false, 0.25},
      {u"S_COMM_2 = 0 -4\n", true, 0.05},  // line types keep the unit field
      {u"S_COMM_2 = 0 0\n", false, 0.085},
      {u"S_COMM_2 = 0 0\nP_DPI = 600\n", false, 0.042},
      {u"P_DPI = 600\nP_DPI = 720\n", false, 0.042},  // only 300 and 600 count
      {u"S_COMM_2 = 0 -102\nP_DPI = 600\n", false, 0.042},
      {u"S_COMM_2 = 0 -4\nS_COMM_2 = 0 -20\n", false, 0.05},  // the last one wins
      {u"END\nS_COMM_2 = 0 -4\n", false, 0.085},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(JwfUnit(c.forLtype, Jwf("u.jwf", c.lines)), c.unit) << StrToUtf8(c.lines);
  EXPECT_DOUBLE_EQ(JwfUnit(false, dir_ / "missing.jwf"), 0.035);
}

TEST_F(PenTablesTest, EnvironmentLineTypesComeOutOfTheirBitPatterns) {
  s_.PrnTyp[20].seg = 1;
  s_.PrnTyp[20].pa[0] = 7;
  const auto file = Jwf("lt.jwf",
                        u"#  線種 パターン  ドット単位  ピッチ  プリンタ出力ピッチ\n"
                        u"S_COMM_2 = 0 -1\n"
                        u"LTYPE_02 = FF00FF00 1 4 1\n"
                        u"LTYPE_03 = CCCCCCCC 1 4 2\n"
                        u"LTYPE_09 = AAAAAAAA 1 4 3\n"
                        u"#  ランダム線 パターン 振幅 ピッチ プリンタ振幅 プリンタピッチ\n"
                        u"LTYPE_R2 = E4E4E4E4 5 4 3 1\n"
                        u"ltype_l1 = FFFFFFFF 1 4 1\n"
                        u"LTYPE_L4 = 0 1 4 1\n");
  const TTableImport r = ReadJwfLtypes(s_, file, 2.0);
  ASSERT_TRUE(r.done);
  EXPECT_EQ(r.status, u"ファイル " + StrFromPath(file) + u" から線種設定を読み取りました。");
  ASSERT_TRUE(r.ltypeUnit.has_value());
  EXPECT_DOUBLE_EQ(*r.ltypeUnit, 2.0);  // a negative comment unit keeps the field's value
  const auto pattern = [&](int entry) {
    const TPrnLtype& lt = s_.PrnTyp[entry];
    return std::vector<double>(lt.pa.begin(), lt.pa.begin() + lt.seg);
  };
  EXPECT_EQ(s_.PrnTyp[0].seg, 0);
  EXPECT_EQ(pattern(1), (std::vector<double>{16, -16}));
  EXPECT_EQ(pattern(2), (std::vector<double>{8, -8}));
  EXPECT_EQ(pattern(8), (std::vector<double>{20, -20}));  // type 9 prints at pitch 10
  EXPECT_EQ(pattern(10), (std::vector<double>{6, -4, 2, -4}));
  EXPECT_DOUBLE_EQ(s_.PrnTyp[10].amp, 6.0);
  EXPECT_DOUBLE_EQ(s_.PrnTyp[10].pit, 16.0);
  EXPECT_EQ(pattern(14), (std::vector<double>{64}));
  EXPECT_EQ(pattern(17), (std::vector<double>{-4}));
  // Only entries 0 .. 17 are written.
  EXPECT_EQ(r.ltypeRows.size(), 18u);
  EXPECT_EQ(pattern(20), (std::vector<double>{7}));
}

// Everything an import may change: the program's tables, the attribute tables, the line-type unit.
std::string ImportTargets(const TPrintSettings& s, const TgraAttribute& att) {
  TPrintSettings fromAttribute;
  fromAttribute.FillTablesFrom(att);
  return SettingsFileBytes(s, SettingsForm::Full) +
         SettingsFileBytes(fromAttribute, SettingsForm::Full) + std::to_string(LtypeUnit);
}

TEST_F(PenTablesTest, RefusedEmptyAndDamagedFilesChangeNothingAndEndPromptly) {
  LtypeUnit = 0.05;
  const std::string before = ImportTargets(s_, att_);
  const auto txt = Jwf("pens.txt", u"PCOLLOR_3 = 255 0 0\n");
  EXPECT_FALSE(ReadJwfPens(s_, txt).done);
  EXPECT_FALSE(ReadJwfPens(s_, dir_ / "missing.jwf").done);
  EXPECT_FALSE(ReadJwfLtypes(s_, dir_ / "missing.jwf", 0.035).done);
  TJwwData jw;
  EXPECT_FALSE(ImportJwwPens(s_, jw, dir_ / "missing.jww").done);
  EXPECT_FALSE(ImportJwwLtypes(s_, jw, Jwf("text.jww", u"JwwData."), 0.035).done);
  EXPECT_EQ(ImportTargets(s_, att_), before);

  // Files without the settings asked for, and drawings cut short, change nothing and say so.
  ASSERT_TRUE(test::SaveJww(dir_ / "whole.jww", test::WDrawing{}));
  const std::string drawing = test::FileBytes(dir_ / "whole.jww");
  std::ofstream(dir_ / "cut12.jww") << drawing.substr(0, 12);
  std::ofstream(dir_ / "cut3000.jww") << drawing.substr(0, 3000);
  std::ofstream(dir_ / "binary.jwf") << drawing;
  Jwf("empty.jwf", u"");
  // Jw_cad's own sample ends near its top; what follows "END" is never read.
  Jwf("end.jwf", u"# 環境設定\nEND\nPCOLLOR_3 = 255 0 0\nLTYPE_02 = FF00FF00 1 4 1\n");
  for (const char* name : {"end.jwf", "empty.jwf", "binary.jwf", "cut12.jww", "cut3000.jww"}) {
    const std::filesystem::path file = dir_ / name;
    const std::u16string path = u"ファイル " + StrFromPath(file);
    const bool jww = file.extension() == ".jww";
    const TTableImport pens = jww ? ImportJwwPens(s_, jw, file) : ReadJwfPens(s_, file);
    const TTableImport lts =
        jww ? ImportJwwLtypes(s_, jw, file, 3.0) : ReadJwfLtypes(s_, file, 3.0);
    EXPECT_FALSE(pens.done || lts.done || lts.ltypeUnit) << name;
    EXPECT_EQ(pens.status, path + (jww ? u" の設定を読み取れませんでした。"
                                       : u" には線色・線幅設定がありません。"));
    EXPECT_EQ(lts.status,
              path + (jww ? u" の設定を読み取れませんでした。" : u" には線種設定がありません。"));
    EXPECT_EQ(ImportTargets(s_, att_), before) << name;
  }
  // Each kind is asked for on its own: pens alone are no line types, and the other way round.
  EXPECT_FALSE(ReadJwfLtypes(s_, Jwf("pens.jwf", u"PCOLLOR_3 = 255 0 0\n"), 3.0).done);
  EXPECT_FALSE(ReadJwfPens(s_, Jwf("lt.jwf", u"LTYPE_R1 = FF00FF00 1 4 1 1\n")).done);

  // A huge binary file: one line far longer than is kept, then a line with thousands of fields.
  std::string bytes(kJwfMaxFileBytes + 1000, '\x81');
  bytes += "\r\nPCOLLOR_3 = 255 0 0\r\n";
  std::string many = "\nPCOLLOR_3 = 0 255 0";
  for (int i = 0; i < 5000; ++i)
    many += " 1";
  bytes.replace(200, many.size(), many);
  std::ofstream(dir_ / "big.jwf", std::ios::binary) << bytes;
  std::vector<TJwfEntry> entries;
  ASSERT_TRUE(ReadJwfEntries(dir_ / "big.jwf", entries));
  ASSERT_EQ(entries.size(), 1u);  // the line after the byte limit is never reached
  EXPECT_EQ(entries[0].fields.size(), kJwfMaxFields);
  EXPECT_TRUE(ReadJwfPens(s_, dir_ / "big.jwf").done);
  EXPECT_EQ(s_.PrnCol[2].color, 0x00FF00u);

  // A byte-order mark decides the encoding: UTF-16 in either byte order, UTF-8.
  const std::u16string line = u"# 線色\r\nPCOLLOR_3 = 0 0 255\r\n";
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (const char16_t c : line) {
    le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    be += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  }
  for (const std::string& bom : {le, be, "\xEF\xBB\xBF" + StrToUtf8(line)}) {
    s_.PrnCol[2].color = 0;
    std::ofstream(dir_ / "bom.jwf", std::ios::binary) << bom;
    ASSERT_TRUE(ReadJwfPens(s_, dir_ / "bom.jwf").done);
    EXPECT_EQ(s_.PrnCol[2].color, 0xFF0000u);
  }
}

TEST_F(PenTablesTest, DrawingPensAndLineTypesWithTheirUnits) {
  test::WDrawing d;
  d.header.nMaxDrawWid = -50;
  d.header.EntCol[3].aPrtPenColor = 0x0000FF;
  d.header.EntCol[3].anPrtPenWidth = 10;
  d.header.EntCol[3].adPrtTenHankei = 0.7;
  d.header.EntLtp1[0].alLType = static_cast<int32_t>(0xFF00FF00u);
  d.header.EntLtp1[0].anPrtTokushuSenPich = 2;
  const auto file = dir_ / "図面.jww";
  ASSERT_TRUE(test::SaveJww(file, d));
  TJwwData jw;
  const TTableImport pens = ImportJwwPens(s_, jw, file);
  ASSERT_TRUE(pens.done);
  EXPECT_EQ(pens.status,
            u"ファイル " + StrFromPath(file) + u" から線色・線幅設定を読み取りました。");
  EXPECT_EQ(s_.PrnCol[2].color, 0x0000FFu);
  EXPECT_DOUBLE_EQ(s_.PrnCol[2].width, 0.2);
  EXPECT_DOUBLE_EQ(s_.PrnCol[2].ten_r, 0.7);
  EXPECT_EQ(pens.penCells.size(), 3u * kPrnColCount);
  EXPECT_TRUE(jw.EntCol.empty());  // the document is emptied again

  // Not stating a resolution, the drawing's pitches use the unit field; the field keeps it.
  TTableImport lts = ImportJwwLtypes(s_, jw, file, 0.5);
  ASSERT_TRUE(lts.done);
  EXPECT_FALSE(lts.ltypeUnit.has_value());
  EXPECT_DOUBLE_EQ(s_.PrnTyp[1].pa[0], 8.0);
  // A version 600 drawing at printer resolution 1: pitch 0.085 mm per dot, shown in the field.
  d.header.nMaxDrawWid = 1;
  d.header.jwVer = 600;
  d.header.nPrtDpi = 1;
  ASSERT_TRUE(test::SaveJww(file, d));
  lts = ImportJwwLtypes(s_, jw, file, 0.5);
  ASSERT_TRUE(lts.ltypeUnit.has_value());
  EXPECT_DOUBLE_EQ(*lts.ltypeUnit, 0.085);
  EXPECT_DOUBLE_EQ(s_.PrnTyp[1].pa[0], 8 * 2 * 0.085);
  EXPECT_EQ(lts.ltypeRows.size(), static_cast<size_t>(kPrnTypCount));
}

TEST_F(PenTablesTest, ImportedColoursAreTheStoredOnesEvenAfterAMonochromeRun) {
  att_.SetPrintMode(true, 0, -1, -1);  // as a monochrome run leaves it
  test::WDrawing d;
  d.header.EntCol[3].aPrtPenColor = 0x0000FF;
  const auto file = dir_ / "red.jww";
  ASSERT_TRUE(test::SaveJww(file, d));
  TJwwData jw;
  ASSERT_TRUE(ImportJwwPens(s_, jw, file).done);
  EXPECT_EQ(s_.PrnCol[2].color, 0x0000FFu);
}

TEST_F(PenTablesTest, GridTextsAndCellsReadBackWithinTheLimits) {
  EXPECT_EQ(SG01FixedText(0, 1), u"色コード");
  EXPECT_EQ(SG01FixedText(9, 0), u"補助線色");
  EXPECT_EQ(SG01FixedText(25, 0), u"SXF16:darkgray");
  EXPECT_EQ(SG01FixedText(26, 0), u"SXF USER色17");
  EXPECT_EQ(SG01FixedText(265, 0), u"SXF USER色256");
  EXPECT_EQ(SG02FixedText(0, 34), u"P32");
  EXPECT_EQ(SG02FixedText(14, 0), u"ランダム線５");
  EXPECT_EQ(SG02FixedText(18, 0), u"倍長線種４");
  EXPECT_EQ(SG02FixedText(34, 0), u"SXF16:(予約)");
  EXPECT_EQ(SG02FixedText(50, 0), u"SXF USER線種32");

  EXPECT_EQ(ReadColorCell(u"-5"), 0u);
  EXPECT_EQ(ReadColorCell(u"16777216"), 0xFFFFFFu);
  EXPECT_EQ(ReadColorCell(u"赤"), 0u);
  const TPrnColor pen = ReadPenCells(u"255", u"-1", u"0");
  EXPECT_EQ(PenCellText(pen, 1), u"255");
  EXPECT_EQ(PenCellText(pen, 3), u"0");
  EXPECT_EQ(PenCellText(pen, 4), u"0.01");

  std::vector<std::u16string> cells(kSG02ColCount + 10, u"1.5");
  cells[1] = u"-3";
  cells[2] = u"40";
  cells[4] = u"-900";
  const TPrnLtype lt = ReadLtypeCells(cells);
  EXPECT_EQ(lt.seg, 32);
  EXPECT_EQ(lt.amp, 0.0);
  EXPECT_EQ(lt.pa[1], -500.0);
  EXPECT_DOUBLE_EQ(lt.pit, 31 * 1.5 + 500);
  EXPECT_EQ(LtypeCellText(lt, 2), u"32");
  EXPECT_EQ(LtypeCellText(lt, 34), u"1.5");
  TPrnLtype shortType;
  shortType.seg = 2;
  shortType.pa = {1, -2, 3};
  EXPECT_EQ(LtypeCellText(shortType, 5), u"");  // beyond the count the cells are empty

  EXPECT_EQ(BulkInputText(TBulkInput::Width, u"-1"), u"0");
  EXPECT_EQ(BulkInputText(TBulkInput::Radius, u"0"), u"0.01");
  EXPECT_EQ(BulkInputText(TBulkInput::Color, u"99999999"), u"16777215");
  int first = 0, last = 0;
  EXPECT_TRUE(BulkInputRows(300, 0, first, last));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 265);
}

}  // namespace
}  // namespace tavolex
