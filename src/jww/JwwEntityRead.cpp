// Reading single entity objects in their stored forms.
#include <cstring>

#include "common/Func_2.h"
#include "jww/JwwReadDetail.h"
#include "jww/JwwStrings.h"

namespace tavolex {

namespace {

// Files before 351 store the attribute block without nPenWidth: the stored form is two bytes
// shorter and every field behind offset 7 sits two bytes earlier.
constexpr int32_t kFirstWidthVersion = 351;
constexpr int32_t kFirstSxfDimensionVersion = 420;
constexpr size_t kWidthOffset = 7;
constexpr size_t kWidthBytes = 2;

}  // namespace

size_t ReadJwwFixed(TJwwStream& s, void* dst, size_t fullSize, int32_t version) {
  if (version >= kFirstWidthVersion) return s.Read(dst, fullSize);
  uint8_t buffer[kJwwMojiSize] = {};
  const size_t got = s.Read(buffer, fullSize - kWidthBytes);
  auto* out = static_cast<uint8_t*>(dst);
  std::memcpy(out, buffer, kWidthOffset);
  std::memset(out + kWidthOffset, 0, kWidthBytes);
  std::memcpy(out + kWidthOffset + kWidthBytes, buffer + kWidthOffset,
              fullSize - kWidthOffset - kWidthBytes);
  return got;
}

namespace {

size_t ReadFixed(TJwwStream& s, void* dst, size_t fullSize, int32_t version) {
  return ReadJwwFixed(s, dst, fullSize, version);
}

// The marker part of a point; present only on points of style 100.
constexpr uint8_t kMarkedPointStyle = 100;

void ReadPointMark(TJwwStream& s, TEntJwwTen& ten) {
  uint8_t mark[kJwwTenMarkSize];
  static_assert(offsetof(TEntJwwTen, dBairitsu) + sizeof(double) == kJwwTenSize + kJwwTenMarkSize);
  const size_t got = s.Read(mark, sizeof mark);
  std::memcpy(reinterpret_cast<uint8_t*>(&ten) + kJwwTenSize, mark, got);
}

void SanitizeTextSizes(TEntJwwMojiFixed& m) {
  if (!IsFiniteNumber(m.dSizeX)) m.dSizeX = 3.0;
  if (!IsFiniteNumber(m.dSizeY)) m.dSizeY = 3.0;
  if (!IsFiniteNumber(m.dKankaku)) m.dKankaku = 0.0;
}

bool ReadText(TJwwStream& s, int32_t version, TEntJwwMoji& moji, bool& mojiEncode) {
  TEntJwwMojiFixed& fixed = moji;
  if (ReadFixed(s, &fixed, kJwwMojiSize, version) == 0) return false;
  moji.strFontName = ReadJwwName(s, mojiEncode);
  moji.str = ReadJwwName(s, mojiEncode);
  SanitizeTextSizes(moji);
  return true;
}

bool ReadPoint(TJwwStream& s, int32_t version, TEntJwwTen& ten) {
  if (ReadFixed(s, &ten, kJwwTenSize, version) == 0) return false;
  if (ten.att.nPenStyle == kMarkedPointStyle) {
    ReadPointMark(s, ten);
  } else {
    ten.nCode = 0;
    ten.radKaitenKaku = 0.0;
    ten.dBairitsu = 1.0;
  }
  return true;
}

// A point inside a dimension: without its marker part all three marker values are 0.
size_t ReadDimensionPoint(TJwwStream& s, TEntJwwTen& ten) {
  const size_t got = s.Read(&ten, kJwwTenSize);
  if (ten.att.nPenStyle == kMarkedPointStyle) ReadPointMark(s, ten);
  return got;
}

bool ReadDimension(TJwwStream& s, int32_t version, TEntJwwSunpo& d, bool& mojiEncode) {
  ReadFixed(s, &d.att, kJwwAttrSize, version);
  ReadFixed(s, &d.Sen, kJwwLineSize, version);
  if (!ReadText(s, version, d.Moji, mojiEncode)) return false;
  if (version >= kFirstSxfDimensionVersion) {
    s.ReadValue(d.bSxfMode);
    s.Read(&d.Ho1, kJwwLineSize);
    s.Read(&d.Ho2, kJwwLineSize);
    ReadDimensionPoint(s, d.Te1);
    ReadDimensionPoint(s, d.Te2);
    ReadDimensionPoint(s, d.Kt1);
    return ReadDimensionPoint(s, d.Kt2) > 0;
  }
  d.bSxfMode = 0;
  d.Ho1 = TEntJwwLine{};
  d.Ho1.att = d.att;
  d.Ho2 = d.Ho1;
  TEntJwwTen marker{};
  marker.att = d.att;
  marker.att.nPenStyle = 0;
  d.Te1 = d.Te2 = d.Kt1 = d.Kt2 = marker;
  return true;
}

bool ReadSolid(TJwwStream& s, int32_t version, TEntJwwSolid& solid) {
  if (ReadFixed(s, &solid, kJwwSolidSize, version) == 0) return false;
  constexpr uint16_t kOwnColourPen = 10;
  uint32_t colour = 0;  // read apart: a packed field must not be bound to a reference
  if (solid.att.nPenColor == kOwnColourPen) s.ReadValue(colour);
  solid.Color = colour;
  return true;
}

// Appends a fresh element, lets read fill it, and takes it back when the read failed.
template <typename T, typename ReadFn>
bool ReadInto(std::vector<T>& items, int32_t& count, ReadFn read) {
  items.emplace_back();
  if (!read(items.back())) {
    items.pop_back();
    return false;
  }
  count = static_cast<int32_t>(items.size());
  return true;
}

}  // namespace

bool ReadJwwObject(TJwwStream& s, int32_t kind, int32_t version, TJwwEntityTarget& t,
                   bool& mojiEncode) {
  switch (kind) {
    case kEntLine:
      return ReadInto(t.Line, t.LineN,
                      [&](TEntJwwLine& e) { return ReadFixed(s, &e, kJwwLineSize, version) > 0; });
    case kEntEnko:
      return ReadInto(t.Enko, t.EnkoN,
                      [&](TEntJwwEnko& e) { return ReadFixed(s, &e, kJwwEnkoSize, version) > 0; });
    case kEntTen:
      return ReadInto(t.Ten, t.TenN, [&](TEntJwwTen& e) { return ReadPoint(s, version, e); });
    case kEntMoji:
      return ReadInto(t.Moji, t.MojiN,
                      [&](TEntJwwMoji& e) { return ReadText(s, version, e, mojiEncode); });
    case kEntSunpo:
      return ReadInto(t.Sunpo, t.SunpoN,
                      [&](TEntJwwSunpo& e) { return ReadDimension(s, version, e, mojiEncode); });
    case kEntSolid:
      return ReadInto(t.Solid, t.SolidN, [&](TEntJwwSolid& e) { return ReadSolid(s, version, e); });
    case kEntBlock:
      return ReadInto(t.Block, t.BlockN, [&](TEntJwwBlock& e) {
        return ReadFixed(s, &e, kJwwBlockSize, version) > 0;
      });
    default:
      return false;
  }
}

}  // namespace tavolex
