// Writes JWW drawings of any file version from 220 to 700, byte for byte as Jw_cad stores them:
// the header with every settings table, the entity list with class tags and references, block
// definitions and stored images. Tests build drawings with it; the example drawings of the
// project are written with it too.
//
// Typical use:
//   WDrawing d;                       // header defaults give a plain drawing of version 700
//   d.header.jwVer = 600;
//   d.entities.push_back(WLine{.start_x = 0, .start_y = 0, .end_x = 100, .end_y = 50});
//   SaveJww("plan.jww", d);
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavolex::test {

// How counted strings are stored: single bytes in CP932, or the UTF-16 escape form.
enum class JwwStringForm { Ansi, Utf16 };

// The attribute block at the head of every object.
struct WAttr {
  uint32_t lGroup = 0;
  uint8_t nPenStyle = 1;
  uint16_t nPenColor = 1;
  uint16_t nPenWidth = 0;  // not stored before version 351
  uint16_t nLayer = 0;
  uint16_t nGLayer = 0;
  uint16_t sFlg = 0;
};

struct WLine {
  WAttr att;
  double start_x = 0, start_y = 0, end_x = 0, end_y = 0;
};

struct WEnko {
  WAttr att;
  double start_x = 0, start_y = 0;  // centre
  double dHankei = 1;
  double radKaishiKaku = 0;
  double radEnkoKaku = 0;
  double radKatamukiKaku = 0;
  double dHenpeiRitsu = 1;
  uint32_t bZenEnFlg = 1;
};

// The marker part (nCode, radKaitenKaku, dBairitsu) is stored only when att.nPenStyle is 100.
struct WTen {
  WAttr att;
  double start_x = 0, start_y = 0;
  uint32_t bKariten = 0;
  uint32_t nCode = 0;
  double radKaitenKaku = 0;
  double dBairitsu = 1;
};

struct WMoji {
  WAttr att;
  double start_x = 0, start_y = 0, end_x = 0, end_y = 0;
  uint32_t nMojiShu = 0;
  double dSizeX = 3, dSizeY = 3, dKankaku = 0, degKakudo = 0;
  std::u16string strFontName = u"ＭＳ ゴシック";
  std::u16string str;
};

// Ho1 … Kt2 and bSxfMode are stored from version 420 on.
struct WSunpo {
  WAttr att;
  WLine Sen;
  WMoji Moji;
  uint16_t bSxfMode = 0;
  WLine Ho1, Ho2;
  WTen Te1, Te2, Kt1, Kt2;
};

// Color is stored only when att.nPenColor is 10.
struct WSolid {
  WAttr att;
  double start_x = 0, start_y = 0, end_x = 0, end_y = 0;
  double DPoint2_x = 0, DPoint2_y = 0, DPoint3_x = 0, DPoint3_y = 0;
  uint32_t Color = 0;
};

struct WBlock {
  WAttr att;
  double DPKijunTen_x = 0, DPKijunTen_y = 0;
  double dBairitsuX = 1, dBairitsuY = 1;
  double radKaitenKaku = 0;
  uint32_t nNumber = 0;
};

// A bare tag without object data in a list: the null tag 0 or a reference to an object read
// before (below 0x8000). It is not counted in the list's announced count.
struct WBareTag {
  uint16_t tag = 0;
};

// A new-class tag for a class that is not an entity class; nothing follows it.
struct WForeignClass {
  std::string name;
};

using WEntity =
    std::variant<WLine, WEnko, WTen, WMoji, WSunpo, WSolid, WBlock, WBareTag, WForeignClass>;

struct WBlockDef {
  WAttr att;
  uint32_t nNumber = 0;
  uint32_t bRefferd = 0;
  uint32_t dtime = 0;
  // When set, the definition stores a 64-bit time: dtime is written as 0xFFFFFFFF and these
  // 8 bytes follow.
  std::optional<uint64_t> time64;
  std::u16string strName;
  std::vector<WEntity> entities;
};

// An image stored in the file (version 700 on). An empty name or empty data stores no bytes.
struct WImage {
  std::u16string name;
  std::vector<uint8_t> data;
};

struct WLayerGroup {
  int32_t anGLay = 2;
  int32_t anWriteLay = 0;
  double adScale = 1.0;
  int32_t anGLayProtect = 0;
  std::u16string aStrGLayName;
};

struct WLayer {
  int32_t aanLay = 2;
  int32_t aanLayProtect = 0;
  std::u16string aStrLayName;
};

struct WColor {
  int32_t aPenColor = 0;
  int32_t anPenWidth = 1;
  int32_t aPrtPenColor = 0;
  int32_t anPrtPenWidth = 1;
  double adPrtTenHankei = 0.3;
};

struct WLineType {
  int32_t alLType = -1;
  int32_t anTokushuSenUintDot = 16;
  int32_t anTokushuSenPich = 1;
  int32_t anPrtTokushuSenPich = 1;
};

struct WRandomLine {
  int32_t alLType = -1;
  int32_t anRandSenWide = 0;
  int32_t anTokushuSenPich = 1;
  int32_t anPrtRandSenWide = 0;
  int32_t anPrtTokushuSenPich = 1;
};

struct WColorEx {
  int32_t aPenColor = 0;
  int32_t anPenWidth = 1;
  std::u16string astrUDColorName;
  int32_t aPrtPenColor = 0;
  int32_t anPrtPenWidth = 25;
  double adPrtTenHankei = 0.3;
};

struct WLineTypeEx {
  int32_t alLType = -1;
  int32_t anTokushuSenUintDot = 16;
  int32_t anTokushuSenPich = 1;
  int32_t anPrtTokushuSenPich = 1;
  std::u16string astrUDLTypeName;
  int32_t anUDLTypeSegment = 0;
  std::array<double, 10> aadUDLTypePitch{};
};

struct WMojiType {
  double adMojiX = 3.0;
  double adMojiY = 3.0;
  double adMojiD = 0.0;
  int32_t anMojiCol = 1;
};

// Everything before the entity list, in file order. Fields that a version does not store are
// simply not written for it. The defaults describe a plain drawing of version 700.
struct WHeader {
  std::string jwID = "JwwData.";  // written as exactly 8 bytes (cut or padded with NUL)
  int32_t jwVer = 700;
  std::u16string strMemo;
  int32_t nZumen = 3;
  int32_t nWriteGLay = 0;
  std::array<WLayerGroup, 16> EntLgrp{};
  std::array<WLayer, 256> EntLay{};
  std::array<uint8_t, 56> skipped56{};
  std::array<int32_t, 5> lnSunpou{};
  std::array<uint8_t, 4> skipped4{};
  int32_t nMaxDrawWid = 1;
  double DPPrtGenten_x = 0, DPPrtGenten_y = 0;
  double dPrtBairitsu = 1.0;
  int32_t nPrtSet = 0;
  int32_t nMemoriMode = 0;
  double dMemoriHyoujiMin = 1.0, dMemoriX = 1.0, dMemoriY = 1.0;
  double DpMemoriKjTen_x = 0, DpMemoriKjTen_y = 0;
  double dKageLevel = 0, dKageIdo = 0;
  int32_t nKage9_15JiFlg = 0;
  double dKabeKageLevel = 0;
  double dTenkuuZuLevel = 0, dTenkuuZuEnkoR = 0;  // 300
  int32_t nMMTani3D = 0;
  double dBairitsu = 1.0, DPGenten_x = 0, DPGenten_y = 0;
  double dHanniBairitsu = 1.0, DPHanniGenten_x = 0, DPHanniGenten_y = 0;
  // Entries 0..3 are stored by every version, 4..7 and the layer groups from 231 on.
  std::array<double, 8> dZoomJumpBairitsu{1, 1, 1, 1, 1, 1, 1, 1};
  std::array<double, 8> DPZoomJumpGenten_x{};
  std::array<double, 8> DPZoomJumpGenten_y{};
  std::array<int32_t, 8> nZoomJumpGLay{-1, -1, -1, -1, -1, -1, -1, -1};
  double dDm11 = 0, dDm12 = 0, dDm13 = 0;  // 231
  int32_t lnDm1 = 0;
  double dDm21 = 0, dDm22 = 0;
  double dMojiBG = 0;
  int32_t nMojiBG = 0;
  std::array<double, 10> adFukusenSuuchi{};
  double dRyougawaFukusenTomeDe = 0;
  std::array<WColor, 10> EntCol = DefaultColors();
  std::array<WLineType, 8> EntLtp1 = DefaultLineTypes();
  std::array<WRandomLine, 5> EntLtp2{};
  std::array<WLineType, 4> EntLtp3{};
  int32_t nDrawGamenTen = 0, nDrawPrtTen = 0, nBitMapFirstDraw = 0;
  int32_t nGyakuDraw = 0, nGyakuSearch = 0, nColorPrint = 0;
  int32_t nLayJunPrint = 0, nColJunPrint = 0, nPrtRenzoku = 0, nPrtKyoutsuuGray = 0;
  // Stored together as nPrtDpi * 10 + nPrtDispOnlyNonDraw.
  int32_t nPrtDpi = 0;
  int32_t nPrtDispOnlyNonDraw = 0;
  int32_t lnDrawTime = 0;  // 223
  int32_t nEyeInit = 0;
  int32_t dEye_H_Ichi_1 = 0, dEye_H_Ichi_2 = 0, dEye_H_Ichi_3 = 0;
  double dEye_Z_Ichi_1 = 0, dEye_Y_Ichi_1 = 0, dEye_Z_Ichi_2 = 0, dEye_Y_Ichi_2 = 0;
  double dEye_V_Ichi_3 = 0;
  double dSenNagasaSnpou = 0, dBoxSunpouX = 0, dBoxSunpouY = 0, dEnHankeiSnpou = 0;  // 225
  int32_t nSolidNinniColor = 0, SolidColor = 0;                                      // 230
  std::array<WColorEx, 257> EntColS{};                                               // 420
  std::array<WLineTypeEx, 33> EntLtpS{};
  std::array<WMojiType, 10> EntMoj{};
  double dMojiSizeX = 3.0, dMojiSizeY = 3.0, dMojiKankaku = 0;
  int32_t nMojiColor = 1, nMojiShu = 0;
  double dMojiSeiriGyouKan = 0, dMojiSeiriSuu = 0;
  int32_t nMojiKijunZureOn = 0;
  std::array<double, 3> adMojiKijunZureX{};
  std::array<double, 3> adMojiKijunZureY{};

  static std::array<WColor, 10> DefaultColors();
  static std::array<WLineType, 8> DefaultLineTypes();
};

struct WDrawing {
  WHeader header;
  std::vector<WEntity> entities;
  std::vector<WBlockDef> blockDefs;
  std::vector<WImage> images;  // written from version 700 on
};

struct WOptions {
  // Default: UTF-16 from version 700 on, CP932 before.
  std::optional<JwwStringForm> stringForm;
  // Refer to known classes with the long 0x7FFF form even when the short form would do.
  bool longClassRefs = false;
  // Store every list count with the 0xFFFF escape.
  bool escapedCounts = false;
  // Announce this many objects for the drawing's entity list instead of the real number.
  std::optional<uint32_t> announcedEntityCount;
  // Schema number written in new-class tags; Jw_cad writes the file version.
  std::optional<uint16_t> schema;
};

// The byte stream of one file, with the archive's class bookkeeping. The high-level
// WriteJww drives it; tests that need odd files can drive it by hand.
class JwwWriter {
 public:
  JwwWriter(int32_t version, JwwStringForm stringForm);

  void SetLongClassRefs(bool on) { longClassRefs_ = on; }
  void SetEscapedCounts(bool on) { escapedCounts_ = on; }
  void SetSchema(uint16_t schema) { schema_ = schema; }
  void SetStringForm(JwwStringForm form) { stringForm_ = form; }

  void Byte(uint8_t v);
  void Word(uint16_t v);
  void Int32(int32_t v);
  void Uint32(uint32_t v);
  void Uint64(uint64_t v);
  void Double(double v);
  void Raw(const std::vector<uint8_t>& bytes);
  void Raw(const std::string& bytes);

  // A counted string in the current form; the Ansi form stores CP932 bytes.
  void String(const std::u16string& s);
  void AnsiString(const std::string& bytes);
  void Utf16String(const std::u16string& s);
  // A list count: a word, or 0xFFFF and an int32 for large (or escaped) counts.
  void Count(uint32_t n);

  // A class tag before an object: the new-class form the first time a class is named, a short
  // or long reference later. Takes the indices that a reading archive will assign.
  void ClassTag(const std::string& className);
  // The tag and the object data of one list element (bare tags write just the tag).
  void Entity(const WEntity& e);
  // A count followed by the tagged objects; bare tags are not counted.
  void EntityList(const std::vector<WEntity>& list, std::optional<uint32_t> announced = {});

  void Header(const WHeader& h);
  void Attr(const WAttr& a);
  void LineBody(const WLine& e);
  void EnkoBody(const WEnko& e);
  void TenBody(const WTen& e);
  void MojiBody(const WMoji& e);
  void SunpoBody(const WSunpo& e);
  void SolidBody(const WSolid& e);
  void BlockBody(const WBlock& e);
  void BlockDefs(const std::vector<WBlockDef>& defs);
  void Images(const std::vector<WImage>& images);

  // The index the next class or object will take (a reading archive counts from 1).
  uint32_t NextIndex() const { return nextIndex_; }
  int32_t Version() const { return version_; }
  const std::vector<uint8_t>& Data() const { return data_; }
  std::vector<uint8_t> Take() { return std::move(data_); }

 private:
  int32_t version_;
  JwwStringForm stringForm_;
  bool longClassRefs_ = false;
  bool escapedCounts_ = false;
  uint16_t schema_ = 0;
  uint32_t nextIndex_ = 1;
  std::map<std::string, uint32_t> classIndex_;
  std::vector<uint8_t> data_;
};

std::vector<uint8_t> WriteJww(const WDrawing& d, const WOptions& options = {});
// Writes the drawing to a file; false when the file cannot be written.
bool SaveJww(const std::filesystem::path& path, const WDrawing& d, const WOptions& options = {});

// Text in CP932 bytes (characters without a CP932 form become '?').
std::string ToCp932(const std::u16string& s);
// The gzip form (as stored images carry it) of some bytes.
std::vector<uint8_t> GzipBytes(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

}  // namespace tavolex::test
