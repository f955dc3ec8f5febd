// Records of a Jw_cad drawing in memory.
//
// The attribute block and the fixed-size entity records are byte images of their stored form:
// packed, fields in file order, integer widths as stored. A record of that kind is filled from the
// file with one copy. Do not take the address of a field of a packed record or bind it to a
// reference (std::min, std::max, EXPECT_EQ, emplace…): it may be misaligned, and the sanitizer
// build stops on that. Copy the value first (a unary + does it in an expression).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolex {

#pragma pack(push, 1)

// Head of every entity record.
struct TEntJwwAttr {
  uint32_t lGroup = 0;     // curve/group attribute number
  uint8_t nPenStyle = 0;   // line type; 100 on a point: the point carries marker code, angle, scale
  uint16_t nPenColor = 0;  // pen number; 10 on a solid: the solid carries its own RGB colour
  uint16_t nPenWidth = 0;  // pen width (files before 351 do not store it: 0)
  uint16_t nLayer = 0;     // layer 0..15 within the group
  uint16_t nGLayer = 0;    // layer group 0..15
  uint16_t sFlg = 0;       // attribute flags
};

// The layer of an attribute as one index, group * 16 + layer, as the attribute tables count.
inline int LayerIndex(const TEntJwwAttr& att) {
  return att.nGLayer * 16 + att.nLayer;
}

// Line ("CDataSen").
struct TEntJwwLine {
  TEntJwwAttr att;
  double start_x = 0.0;
  double start_y = 0.0;
  double end_x = 0.0;
  double end_y = 0.0;
};

// Arc, circle or ellipse ("CDataEnko").
struct TEntJwwEnko {
  TEntJwwAttr att;
  double start_x = 0.0;  // centre
  double start_y = 0.0;
  double dHankei = 0.0;          // radius
  double radKaishiKaku = 0.0;    // start angle
  double radEnkoKaku = 0.0;      // sweep angle
  double radKatamukiKaku = 0.0;  // tilt of the ellipse axis
  double dHenpeiRitsu = 0.0;     // flattening ratio, 1 for a circle
  uint32_t bZenEnFlg = 0;        // non-zero: full circle or ellipse
};

// Point ("CDataTen"). The last three fields are stored only when att.nPenStyle is 100.
struct TEntJwwTen {
  TEntJwwAttr att;
  double start_x = 0.0;
  double start_y = 0.0;
  uint32_t bKariten = 0;  // 1: temporary point
  uint32_t nCode = 0;     // marker code
  double radKaitenKaku = 0.0;
  double dBairitsu = 0.0;
};

// Fixed part of a text record, stored as one block before the two strings.
struct TEntJwwMojiFixed {
  TEntJwwAttr att;
  double start_x = 0.0;
  double start_y = 0.0;
  double end_x = 0.0;
  double end_y = 0.0;
  uint32_t nMojiShu = 0;   // text type and style code
  double dSizeX = 0.0;     // character width
  double dSizeY = 0.0;     // character height
  double dKankaku = 0.0;   // character spacing
  double degKakudo = 0.0;  // angle in degrees
};

// Solid ("CDataSolid"). Color is stored only when att.nPenColor is 10.
struct TEntJwwSolid {
  TEntJwwAttr att;
  double start_x = 0.0;
  double start_y = 0.0;
  double end_x = 0.0;
  double end_y = 0.0;
  double DPoint2_x = 0.0;
  double DPoint2_y = 0.0;
  double DPoint3_x = 0.0;
  double DPoint3_y = 0.0;
  uint32_t Color = 0;  // Windows RGB value 0x00BBGGRR
};

// Block insert ("CDataBlock").
struct TEntJwwBlock {
  TEntJwwAttr att;
  double DPKijunTen_x = 0.0;  // insertion point
  double DPKijunTen_y = 0.0;
  double dBairitsuX = 0.0;
  double dBairitsuY = 0.0;
  double radKaitenKaku = 0.0;
  uint32_t nNumber = 0;  // number of the inserted block definition
};

// Stored head of a block definition ("CDataList").
struct TEntJwwBlockDefHead {
  TEntJwwAttr att;
  uint32_t nNumber = 0;   // number by which inserts refer to the definition
  uint32_t bRefferd = 0;  // as stored
  uint32_t dtime = 0;     // as stored, or the 1-based position when a 64-bit time is stored
};

#pragma pack(pop)

// Stored sizes for files of version 351 and later; older files store the attribute block without
// nPenWidth, two bytes shorter.
constexpr int kJwwAttrSize = 15;
constexpr int kJwwOldAttrSize = 13;
constexpr int kJwwLineSize = 47;
constexpr int kJwwEnkoSize = 75;
constexpr int kJwwTenSize = 35;      // without the marker part
constexpr int kJwwTenMarkSize = 20;  // nCode, radKaitenKaku, dBairitsu
constexpr int kJwwMojiSize = 83;     // before the two strings
constexpr int kJwwSolidSize = 79;    // without Color
constexpr int kJwwBlockSize = 59;
constexpr int kJwwBlockDefHeadSize = 27;

static_assert(sizeof(TEntJwwAttr) == kJwwAttrSize);
static_assert(sizeof(TEntJwwLine) == kJwwLineSize);
static_assert(sizeof(TEntJwwEnko) == kJwwEnkoSize);
static_assert(sizeof(TEntJwwTen) == kJwwTenSize + kJwwTenMarkSize);
static_assert(sizeof(TEntJwwMojiFixed) == kJwwMojiSize);
static_assert(sizeof(TEntJwwSolid) == kJwwSolidSize + 4);
static_assert(sizeof(TEntJwwBlock) == kJwwBlockSize);
static_assert(sizeof(TEntJwwBlockDefHead) == kJwwBlockDefHeadSize);

// Text ("CDataMoji"): the fixed part, then font name and text. A text whose str begins with
// "^@BM" is an image entity.
struct TEntJwwMoji : TEntJwwMojiFixed {
  std::u16string strFontName;
  std::u16string str;
};

// Dimension ("CDataSunpou"). The six sub-records after bSxfMode are stored from version 420 on.
struct TEntJwwSunpo {
  TEntJwwAttr att;
  TEntJwwLine Sen;   // dimension line
  TEntJwwMoji Moji;  // dimension text
  uint16_t bSxfMode = 0;
  TEntJwwLine Ho1;  // extension lines
  TEntJwwLine Ho2;
  TEntJwwTen Te1;  // end markers
  TEntJwwTen Te2;
  TEntJwwTen Kt1;  // reference points
  TEntJwwTen Kt2;
};

// Entity kinds as they appear in drawing-order lists.
enum : int32_t {
  kEntNone = 0,
  kEntLine = 1,
  kEntEnko = 2,
  kEntTen = 3,
  kEntMoji = 4,
  kEntSunpo = 5,
  kEntSolid = 6,
  kEntBlock = 7,
};

// One entry of a drawing-order list: kind and 0-based index into the array of that kind.
struct TEntJwwNo {
  int32_t EntType = kEntNone;
  int32_t EntNo = 0;
};

// One block definition with its own member entities.
struct TEntJwwBlockDef : TEntJwwBlockDefHead {
  std::u16string strName;
  int32_t N = 0;
  std::vector<TEntJwwNo> mNo;  // members in drawing order
  int32_t mLineN = 0;
  int32_t mEnkoN = 0;
  int32_t mTenN = 0;
  int32_t mMojiN = 0;
  int32_t mSunpoN = 0;
  int32_t mSolidN = 0;
  int32_t mBlockN = 0;
  std::vector<TEntJwwLine> mLine;
  std::vector<TEntJwwEnko> mEnko;
  std::vector<TEntJwwTen> mTen;
  std::vector<TEntJwwMoji> mMoji;
  std::vector<TEntJwwSunpo> mSunpo;
  std::vector<TEntJwwSolid> mSolid;
  std::vector<TEntJwwBlock> mBlock;
  bool ref_flag = false;  // some insert of the drawing reaches this definition
  int32_t ref_no = -1;    // running number among referenced definitions
};

// One node of the flattened insert tree. A definition point (px, py) lands at
// (x + r1·px + r2·py, y + r3·px + r4·py).
struct TEntJwwBlockTree {
  TEntJwwAttr att;
  int32_t level = 0;    // nesting depth, 0 for an insert of the drawing itself
  int32_t parent = -1;  // index of the parent node, -1 at the top
  uint32_t no = 0;      // the insert's nNumber
  int32_t defno = -1;   // index into EntBlockDef, -1 if no definition has that number
  std::u16string name;
  double x = 0.0;
  double y = 0.0;
  double r1 = 0.0;
  double r2 = 0.0;
  double r3 = 0.0;
  double r4 = 0.0;
  // The layer that shows or hides this node and its members: for an insert without own layers,
  // the layer of the outermost insert of its chain of such inserts; -1 with own layers.
  int32_t chainLayer = -1;
};

// Settings records, filled field by field.

struct TEntJwwLayerGroup {
  int32_t anGLay = 0;  // group state
  int32_t anWriteLay = 0;
  double adScale = 0.0;  // scale denominator
  int32_t anGLayProtect = 0;
  std::u16string aStrGLayName;
};

struct TEntJwwLayer {
  int32_t aanLay = 0;  // layer state, coded as anGLay
  int32_t aanLayProtect = 0;
  std::u16string aStrLayName;
};

struct TEntJwwColorNo {
  int32_t aPenColor = 0;  // screen colour, Windows RGB
  int32_t anPenWidth = 0;
  int32_t aPrtPenColor = 0;  // printer colour, Windows RGB
  int32_t anPrtPenWidth = 0;
  double adPrtTenHankei = 0.0;  // printed point radius
};

struct TEntJwwLineTypeNo {
  int32_t alLType = 0;  // dash bit pattern
  int32_t anTokushuSenUintDot = 0;
  int32_t anTokushuSenPich = 0;
  int32_t anPrtTokushuSenPich = 0;
};

struct TEntJwwRandomLineNo {
  int32_t alLType = 0;
  int32_t anRandSenWide = 0;
  int32_t anTokushuSenPich = 0;
  int32_t anPrtRandSenWide = 0;
  int32_t anPrtTokushuSenPich = 0;
};

struct TEntJwwColorExNo {
  int32_t aPenColor = 0;
  int32_t anPenWidth = 0;
  std::u16string astrUDColorName;
  int32_t aPrtPenColor = 0;
  int32_t anPrtPenWidth = 0;
  double adPrtTenHankei = 0.0;
};

struct TEntJwwLineTypeExNo {
  int32_t alLType = 0;
  int32_t anTokushuSenUintDot = 0;
  int32_t anTokushuSenPich = 0;
  int32_t anPrtTokushuSenPich = 0;
  std::u16string astrUDLTypeName;
  int32_t anUDLTypeSegment = 0;  // number of pitch values used, 0..10
  // Stored values 1..10 at elements 0..9: odd-numbered ones are dashes, even-numbered gaps.
  std::array<double, 10> aadUDLTypePitch{};
};

struct TEntJwwMojiType {
  double adMojiX = 0.0;
  double adMojiY = 0.0;
  double adMojiD = 0.0;
  int32_t anMojiCol = 0;
};

// One image stored in the file.
struct TBindImageType {
  std::u16string Fname;  // file name without folder
  int32_t Fsize = 0;     // stored byte length
  bool exf = false;
};

// The file header. Arrays that the file numbers from 1 hold entry i at element i - 1.
struct TEntJwwHeader {
  std::u16string jwID;
  int32_t jwVer = 0;
  std::u16string strMemo;
  int32_t nZumen = 0;
  int32_t nWriteGLay = 0;
  int32_t lnSunpou1 = 0;
  int32_t lnSunpou2 = 0;
  int32_t lnSunpou3 = 0;
  int32_t lnSunpou4 = 0;
  int32_t lnSunpou5 = 0;
  int32_t nMaxDrawWid = 0;
  bool bSenHaba100 = false;
  int32_t nMaxDrawWidBak = 0;
  double DPPrtGenten_x = 0.0;
  double DPPrtGenten_y = 0.0;
  double dPrtBairitsu = 1.0;
  int32_t nPrtSet = 0;
  int32_t nMemoriMode = 0;
  double dMemoriHyoujiMin = 1.0;
  double dMemoriX = 1.0;
  double dMemoriY = 1.0;
  double DpMemoriKjTen_x = 0.0;
  double DpMemoriKjTen_y = 0.0;
  double dKageLevel = 0.0;
  double dKageIdo = 0.0;
  int32_t nKage9_15JiFlg = 0;
  double dKabeKageLevel = 0.0;
  double dTenkuuZuLevel = 0.0;
  double dTenkuuZuEnkoR = 0.0;
  int32_t nMMTani3D = 0;
  double dBairitsu = 1.0;
  double DPGenten_x = 0.0;
  double DPGenten_y = 0.0;
  double dHanniBairitsu = 1.0;
  double DPHanniGenten_x = 0.0;
  double DPHanniGenten_y = 0.0;
  std::array<double, 8> dZoomJumpBairitsu{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
  std::array<double, 8> DPZoomJumpGenten_x{};
  std::array<double, 8> DPZoomJumpGenten_y{};
  std::array<int32_t, 8> nZoomJumpGLay{-1, -1, -1, -1, -1, -1, -1, -1};
  double dDm11 = 0.0;
  double dDm12 = 0.0;
  double dDm13 = 0.0;
  int32_t lnDm1 = 0;
  double dDm21 = 0.0;
  double dDm22 = 0.0;
  double dMojiBG = 0.0;
  int32_t nMojiBG = 0;
  std::array<double, 10> adFukusenSuuchi{};
  double dRyougawaFukusenTomeDe = 0.0;
  int32_t nDrawGamenTen = 0;
  int32_t nDrawPrtTen = 0;
  int32_t nBitMapFirstDraw = 0;
  int32_t nGyakuDraw = 0;
  int32_t nGyakuSearch = 0;
  int32_t nColorPrint = 0;
  int32_t nLayJunPrint = 0;
  int32_t nColJunPrint = 0;
  int32_t nPrtRenzoku = 0;
  int32_t nPrtKyoutsuuGray = 0;
  int32_t nPrtDispOnlyNonDraw = 0;
  int32_t nPrtDpi = 0;
  int32_t lnDrawTime = 0;  // accumulated drawing time in seconds
  int32_t nEyeInit = 0;
  int32_t dEye_H_Ichi_1 = 0;
  int32_t dEye_H_Ichi_2 = 0;
  int32_t dEye_H_Ichi_3 = 0;
  double dEye_Z_Ichi_1 = 0.0;
  double dEye_Y_Ichi_1 = 0.0;
  double dEye_Z_Ichi_2 = 0.0;
  double dEye_Y_Ichi_2 = 0.0;
  double dEye_V_Ichi_3 = 0.0;
  double dSenNagasaSnpou = 0.0;
  double dBoxSunpouX = 0.0;
  double dBoxSunpouY = 0.0;
  double dEnHankeiSnpou = 0.0;
  int32_t nSolidNinniColor = 0;
  int32_t SolidColor = 0;
  double dMojiSizeX = 0.0;
  double dMojiSizeY = 0.0;
  double dMojiKankaku = 0.0;
  int32_t nMojiColor = 0;
  int32_t nMojiShu = 0;
  double dMojiSeiriGyouKan = 0.0;
  double dMojiSeiriSuu = 0.0;
  int32_t nMojiKijunZureOn = 0;
  double adMojiKijunZureX0 = 0.0;
  double adMojiKijunZureX1 = 0.0;
  double adMojiKijunZureX2 = 0.0;
  double adMojiKijunZureY0 = 0.0;
  double adMojiKijunZureY1 = 0.0;
  double adMojiKijunZureY2 = 0.0;
  int32_t n1 = 0;  // objects announced for the drawing's entity list
  int32_t n2 = 0;  // block definitions announced
};

}  // namespace tavolex
