#include "support/JwwWriter.h"

#include <zlib.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "common/Func_2.h"

namespace tavolex::test {

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kLongClassTag = 0x7FFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint32_t kLongClassFlag = 0x80000000u;
constexpr uint16_t kEscapedCount = 0xFFFF;
constexpr uint16_t kUtf16Marker = 0xFFFE;

constexpr int32_t kWideAttrVersion = 351;
constexpr int32_t kDimensionPartsVersion = 420;
constexpr int32_t kStoredImagesVersion = 700;
constexpr uint8_t kMarkerPenStyle = 100;
constexpr uint16_t kOwnColorPen = 10;

const char* ClassName(const WEntity& e) {
  struct Visitor {
    const char* operator()(const WLine&) const { return "CDataSen"; }
    const char* operator()(const WEnko&) const { return "CDataEnko"; }
    const char* operator()(const WTen&) const { return "CDataTen"; }
    const char* operator()(const WMoji&) const { return "CDataMoji"; }
    const char* operator()(const WSunpo&) const { return "CDataSunpou"; }
    const char* operator()(const WSolid&) const { return "CDataSolid"; }
    const char* operator()(const WBlock&) const { return "CDataBlock"; }
    const char* operator()(const WBareTag&) const { return nullptr; }
    const char* operator()(const WForeignClass&) const { return nullptr; }
  };
  return std::visit(Visitor{}, e);
}

bool IsCountedObject(const WEntity& e) {
  return !std::holds_alternative<WBareTag>(e);
}

}  // namespace

std::array<WColor, 10> WHeader::DefaultColors() {
  // Background white; pens 1 to 8 print black in growing widths; entry 9 as Jw_cad leaves it.
  std::array<WColor, 10> c{};
  c[0] = {0xFFFFFF, 1, 0xFFFFFF, 1, 0.3};
  const int32_t screen[8] = {0x808080, 0x000000, 0x00C000, 0x00C0C0,
                             0xC000C0, 0xC00000, 0x0000C0, 0x0080FF};
  for (int i = 1; i <= 8; ++i) {
    c[i] = {screen[i - 1], i, 0x000000, 2 * i, 0.2 + 0.05 * i};
  }
  c[9] = {0x000000, 1, 0x000000, 1, 0.3};
  return c;
}

std::array<WLineType, 8> WHeader::DefaultLineTypes() {
  // Line types 2 to 9: dotted, dashed and chain patterns.
  const uint32_t bits[8] = {0xF0F0F0F0u, 0xFF00FF00u, 0xFFF0FFF0u, 0xFFFFFF00u,
                            0xFFFFF0F0u, 0xFFF0F0F0u, 0xFFFF00F0u, 0xFF18FF18u};
  std::array<WLineType, 8> t{};
  for (int i = 0; i < 8; ++i) {
    t[i] = {static_cast<int32_t>(bits[i]), 16, 1, 1};
  }
  return t;
}

JwwWriter::JwwWriter(int32_t version, JwwStringForm stringForm)
    : version_(version), stringForm_(stringForm), schema_(static_cast<uint16_t>(version)) {}

void JwwWriter::Byte(uint8_t v) {
  data_.push_back(v);
}

void JwwWriter::Word(uint16_t v) {
  data_.push_back(static_cast<uint8_t>(v & 0xFF));
  data_.push_back(static_cast<uint8_t>(v >> 8));
}

void JwwWriter::Uint32(uint32_t v) {
  for (int i = 0; i < 4; ++i)
    data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void JwwWriter::Int32(int32_t v) {
  Uint32(static_cast<uint32_t>(v));
}

void JwwWriter::Uint64(uint64_t v) {
  for (int i = 0; i < 8; ++i)
    data_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void JwwWriter::Double(double v) {
  Uint64(std::bit_cast<uint64_t>(v));
}

void JwwWriter::Raw(const std::vector<uint8_t>& bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void JwwWriter::Raw(const std::string& bytes) {
  data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void JwwWriter::String(const std::u16string& s) {
  if (stringForm_ == JwwStringForm::Utf16) {
    Utf16String(s);
  } else {
    AnsiString(ToCp932(s));
  }
}

void JwwWriter::AnsiString(const std::string& bytes) {
  const size_t n = bytes.size();
  // A word length of 0xFFFE announces the UTF-16 form, so that length has no byte form.
  if (n > 0xFFFF || n == kUtf16Marker) throw std::length_error("JWW string too long");
  if (n < 0xFF) {
    Byte(static_cast<uint8_t>(n));
  } else {
    Byte(0xFF);
    Word(static_cast<uint16_t>(n));
  }
  Raw(bytes);
}

void JwwWriter::Utf16String(const std::u16string& s) {
  const size_t n = s.size();
  if (n > 0xFFFF) throw std::length_error("JWW string too long");
  Byte(0xFF);
  Word(kUtf16Marker);
  if (n < 0xFF) {
    Byte(static_cast<uint8_t>(n));
  } else {
    Byte(0xFF);
    Word(static_cast<uint16_t>(n));
  }
  for (char16_t c : s)
    Word(static_cast<uint16_t>(c));
}

void JwwWriter::Count(uint32_t n) {
  if (n < kEscapedCount && !escapedCounts_) {
    Word(static_cast<uint16_t>(n));
  } else {
    Word(kEscapedCount);
    Uint32(n);
  }
}

void JwwWriter::ClassTag(const std::string& className) {
  auto known = classIndex_.find(className);
  if (known == classIndex_.end()) {
    Word(kNewClassTag);
    Word(schema_);
    Word(static_cast<uint16_t>(className.size()));
    Raw(className);
    classIndex_[className] = nextIndex_++;
    return;
  }
  const uint32_t index = known->second;
  if (index < kLongClassTag && !longClassRefs_) {
    Word(static_cast<uint16_t>(kClassTag | index));
  } else {
    Word(kLongClassTag);
    Uint32(kLongClassFlag | index);
  }
}

void JwwWriter::Entity(const WEntity& e) {
  if (const auto* bare = std::get_if<WBareTag>(&e)) {
    Word(bare->tag);
    return;
  }
  if (const auto* foreign = std::get_if<WForeignClass>(&e)) {
    Word(kNewClassTag);
    Word(schema_);
    Word(static_cast<uint16_t>(foreign->name.size()));
    Raw(foreign->name);
    nextIndex_++;
    return;
  }
  ClassTag(ClassName(e));
  nextIndex_++;  // the object itself
  std::visit(
      [this](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, WLine>) LineBody(v);
        if constexpr (std::is_same_v<T, WEnko>) EnkoBody(v);
        if constexpr (std::is_same_v<T, WTen>) TenBody(v);
        if constexpr (std::is_same_v<T, WMoji>) MojiBody(v);
        if constexpr (std::is_same_v<T, WSunpo>) SunpoBody(v);
        if constexpr (std::is_same_v<T, WSolid>) SolidBody(v);
        if constexpr (std::is_same_v<T, WBlock>) BlockBody(v);
      },
      e);
}

void JwwWriter::EntityList(const std::vector<WEntity>& list, std::optional<uint32_t> announced) {
  uint32_t n = 0;
  for (const auto& e : list)
    n += IsCountedObject(e) ? 1 : 0;
  Count(announced.value_or(n));
  for (const auto& e : list)
    Entity(e);
}

void JwwWriter::Attr(const WAttr& a) {
  Uint32(a.lGroup);
  Byte(a.nPenStyle);
  Word(a.nPenColor);
  if (version_ >= kWideAttrVersion) Word(a.nPenWidth);
  Word(a.nLayer);
  Word(a.nGLayer);
  Word(a.sFlg);
}

void JwwWriter::LineBody(const WLine& e) {
  Attr(e.att);
  Double(e.start_x);
  Double(e.start_y);
  Double(e.end_x);
  Double(e.end_y);
}

void JwwWriter::EnkoBody(const WEnko& e) {
  Attr(e.att);
  Double(e.start_x);
  Double(e.start_y);
  Double(e.dHankei);
  Double(e.radKaishiKaku);
  Double(e.radEnkoKaku);
  Double(e.radKatamukiKaku);
  Double(e.dHenpeiRitsu);
  Uint32(e.bZenEnFlg);
}

void JwwWriter::TenBody(const WTen& e) {
  Attr(e.att);
  Double(e.start_x);
  Double(e.start_y);
  Uint32(e.bKariten);
  if (e.att.nPenStyle == kMarkerPenStyle) {
    Uint32(e.nCode);
    Double(e.radKaitenKaku);
    Double(e.dBairitsu);
  }
}

void JwwWriter::MojiBody(const WMoji& e) {
  Attr(e.att);
  Double(e.start_x);
  Double(e.start_y);
  Double(e.end_x);
  Double(e.end_y);
  Uint32(e.nMojiShu);
  Double(e.dSizeX);
  Double(e.dSizeY);
  Double(e.dKankaku);
  Double(e.degKakudo);
  String(e.strFontName);
  String(e.str);
}

void JwwWriter::SunpoBody(const WSunpo& e) {
  Attr(e.att);
  LineBody(e.Sen);
  MojiBody(e.Moji);
  if (version_ < kDimensionPartsVersion) return;
  Word(e.bSxfMode);
  LineBody(e.Ho1);
  LineBody(e.Ho2);
  TenBody(e.Te1);
  TenBody(e.Te2);
  TenBody(e.Kt1);
  TenBody(e.Kt2);
}

void JwwWriter::SolidBody(const WSolid& e) {
  Attr(e.att);
  Double(e.start_x);
  Double(e.start_y);
  Double(e.end_x);
  Double(e.end_y);
  Double(e.DPoint2_x);
  Double(e.DPoint2_y);
  Double(e.DPoint3_x);
  Double(e.DPoint3_y);
  if (e.att.nPenColor == kOwnColorPen) Uint32(e.Color);
}

void JwwWriter::BlockBody(const WBlock& e) {
  Attr(e.att);
  Double(e.DPKijunTen_x);
  Double(e.DPKijunTen_y);
  Double(e.dBairitsuX);
  Double(e.dBairitsuY);
  Double(e.radKaitenKaku);
  Uint32(e.nNumber);
}

void JwwWriter::BlockDefs(const std::vector<WBlockDef>& defs) {
  Count(static_cast<uint32_t>(defs.size()));
  for (const auto& def : defs) {
    ClassTag("CDataList");
    nextIndex_++;  // the definition object, numbered before its members
    Attr(def.att);
    Uint32(def.nNumber);
    Uint32(def.bRefferd);
    if (def.time64) {
      Uint32(0xFFFFFFFFu);
      Uint64(*def.time64);
    } else {
      Uint32(def.dtime);
    }
    String(def.strName);
    EntityList(def.entities);
  }
}

void JwwWriter::Images(const std::vector<WImage>& images) {
  Int32(static_cast<int32_t>(images.size()));
  for (const auto& image : images) {
    String(image.name);
    Uint32(static_cast<uint32_t>(image.data.size()));
    if (!image.name.empty() && !image.data.empty()) Raw(image.data);
  }
}

void JwwWriter::Header(const WHeader& h) {
  std::string id = h.jwID;
  id.resize(8, '\0');
  Raw(id);
  Int32(h.jwVer);
  String(h.strMemo);
  Int32(h.nZumen);
  Int32(h.nWriteGLay);
  for (int g = 0; g < 16; ++g) {
    const WLayerGroup& grp = h.EntLgrp[g];
    Int32(grp.anGLay);
    Int32(grp.anWriteLay);
    Double(grp.adScale);
    Int32(grp.anGLayProtect);
    for (int l = 0; l < 16; ++l) {
      Int32(h.EntLay[g * 16 + l].aanLay);
      Int32(h.EntLay[g * 16 + l].aanLayProtect);
    }
  }
  Raw(std::vector<uint8_t>(h.skipped56.begin(), h.skipped56.end()));
  for (int32_t v : h.lnSunpou)
    Int32(v);
  Raw(std::vector<uint8_t>(h.skipped4.begin(), h.skipped4.end()));
  Int32(h.nMaxDrawWid);
  Double(h.DPPrtGenten_x);
  Double(h.DPPrtGenten_y);
  Double(h.dPrtBairitsu);
  Int32(h.nPrtSet);
  Int32(h.nMemoriMode);
  Double(h.dMemoriHyoujiMin);
  Double(h.dMemoriX);
  Double(h.dMemoriY);
  Double(h.DpMemoriKjTen_x);
  Double(h.DpMemoriKjTen_y);
  for (const auto& layer : h.EntLay)
    String(layer.aStrLayName);
  for (const auto& grp : h.EntLgrp)
    String(grp.aStrGLayName);
  Double(h.dKageLevel);
  Double(h.dKageIdo);
  Int32(h.nKage9_15JiFlg);
  Double(h.dKabeKageLevel);
  if (version_ >= 300) {
    Double(h.dTenkuuZuLevel);
    Double(h.dTenkuuZuEnkoR);
  }
  Int32(h.nMMTani3D);
  Double(h.dBairitsu);
  Double(h.DPGenten_x);
  Double(h.DPGenten_y);
  Double(h.dHanniBairitsu);
  Double(h.DPHanniGenten_x);
  Double(h.DPHanniGenten_y);
  if (version_ >= 231) {
    for (int i = 0; i < 8; ++i) {
      Double(h.dZoomJumpBairitsu[i]);
      Double(h.DPZoomJumpGenten_x[i]);
      Double(h.DPZoomJumpGenten_y[i]);
      Int32(h.nZoomJumpGLay[i]);
    }
    Double(h.dDm11);
    Double(h.dDm12);
    Double(h.dDm13);
    Int32(h.lnDm1);
    Double(h.dDm21);
    Double(h.dDm22);
    Double(h.dMojiBG);
    Int32(h.nMojiBG);
  } else {
    for (int i = 0; i < 4; ++i) {
      Double(h.dZoomJumpBairitsu[i]);
      Double(h.DPZoomJumpGenten_x[i]);
      Double(h.DPZoomJumpGenten_y[i]);
    }
  }
  for (double v : h.adFukusenSuuchi)
    Double(v);
  Double(h.dRyougawaFukusenTomeDe);
  for (const auto& c : h.EntCol) {
    Int32(c.aPenColor);
    Int32(c.anPenWidth);
  }
  for (const auto& c : h.EntCol) {
    Int32(c.aPrtPenColor);
    Int32(c.anPrtPenWidth);
    Double(c.adPrtTenHankei);
  }
  auto lineType = [this](const WLineType& t) {
    Int32(t.alLType);
    Int32(t.anTokushuSenUintDot);
    Int32(t.anTokushuSenPich);
    Int32(t.anPrtTokushuSenPich);
  };
  for (const auto& t : h.EntLtp1)
    lineType(t);
  for (const auto& t : h.EntLtp2) {
    Int32(t.alLType);
    Int32(t.anRandSenWide);
    Int32(t.anTokushuSenPich);
    Int32(t.anPrtRandSenWide);
    Int32(t.anPrtTokushuSenPich);
  }
  for (const auto& t : h.EntLtp3)
    lineType(t);
  for (int32_t v :
       {h.nDrawGamenTen, h.nDrawPrtTen, h.nBitMapFirstDraw, h.nGyakuDraw, h.nGyakuSearch,
        h.nColorPrint, h.nLayJunPrint, h.nColJunPrint, h.nPrtRenzoku, h.nPrtKyoutsuuGray}) {
    Int32(v);
  }
  Int32(h.nPrtDpi * 10 + h.nPrtDispOnlyNonDraw);
  if (version_ >= 223) {
    Int32(h.lnDrawTime);
    Int32(h.nEyeInit);
    Int32(h.dEye_H_Ichi_1);
    Int32(h.dEye_H_Ichi_2);
    Int32(h.dEye_H_Ichi_3);
    Double(h.dEye_Z_Ichi_1);
    Double(h.dEye_Y_Ichi_1);
    Double(h.dEye_Z_Ichi_2);
    Double(h.dEye_Y_Ichi_2);
    Double(h.dEye_V_Ichi_3);
  }
  if (version_ >= 225) {
    Double(h.dSenNagasaSnpou);
    Double(h.dBoxSunpouX);
    Double(h.dBoxSunpouY);
    Double(h.dEnHankeiSnpou);
  }
  if (version_ >= 230) {
    Int32(h.nSolidNinniColor);
    Int32(h.SolidColor);
  }
  if (version_ >= 420) {
    for (const auto& c : h.EntColS) {
      Int32(c.aPenColor);
      Int32(c.anPenWidth);
    }
    for (const auto& c : h.EntColS) {
      String(c.astrUDColorName);
      Int32(c.aPrtPenColor);
      Int32(c.anPrtPenWidth);
      Double(c.adPrtTenHankei);
    }
    for (const auto& t : h.EntLtpS)
      lineType({t.alLType, t.anTokushuSenUintDot, t.anTokushuSenPich, t.anPrtTokushuSenPich});
    for (const auto& t : h.EntLtpS) {
      String(t.astrUDLTypeName);
      Int32(t.anUDLTypeSegment);
      for (double p : t.aadUDLTypePitch)
        Double(p);
    }
  }
  for (const auto& m : h.EntMoj) {
    Double(m.adMojiX);
    Double(m.adMojiY);
    Double(m.adMojiD);
    Int32(m.anMojiCol);
  }
  Double(h.dMojiSizeX);
  Double(h.dMojiSizeY);
  Double(h.dMojiKankaku);
  Int32(h.nMojiColor);
  Int32(h.nMojiShu);
  Double(h.dMojiSeiriGyouKan);
  Double(h.dMojiSeiriSuu);
  Int32(h.nMojiKijunZureOn);
  for (double v : h.adMojiKijunZureX)
    Double(v);
  for (double v : h.adMojiKijunZureY)
    Double(v);
}

std::vector<uint8_t> WriteJww(const WDrawing& d, const WOptions& options) {
  const int32_t version = d.header.jwVer;
  const JwwStringForm form = options.stringForm.value_or(
      version >= kStoredImagesVersion ? JwwStringForm::Utf16 : JwwStringForm::Ansi);
  JwwWriter w(version, form);
  w.SetLongClassRefs(options.longClassRefs);
  w.SetEscapedCounts(options.escapedCounts);
  w.SetSchema(options.schema.value_or(static_cast<uint16_t>(version)));
  w.Header(d.header);
  w.EntityList(d.entities, options.announcedEntityCount);
  w.BlockDefs(d.blockDefs);
  if (version >= kStoredImagesVersion) w.Images(d.images);
  return w.Take();
}

bool SaveJww(const std::filesystem::path& path, const WDrawing& d, const WOptions& options) {
  return WriteFileBytes(path, WriteJww(d, options));
}

std::string ToCp932(const std::u16string& s) {
  return StrToCp932(s);
}

std::vector<uint8_t> GzipBytes(const std::vector<uint8_t>& bytes) {
  z_stream zs{};
  // Window bits 31: a gzip wrapper around the deflate data.
  if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2 failed");
  }
  std::vector<uint8_t> out(deflateBound(&zs, static_cast<uLong>(bytes.size())) + 32);
  zs.next_in = const_cast<Bytef*>(bytes.data());
  zs.avail_in = static_cast<uInt>(bytes.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&zs, Z_FINISH);
  deflateEnd(&zs);
  if (rc != Z_STREAM_END) throw std::runtime_error("deflate failed");
  out.resize(zs.total_out);
  return out;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace tavolex::test
