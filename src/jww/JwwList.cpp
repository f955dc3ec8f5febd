// Tagged object lists: class tags, class references and the objects behind them.
#include <algorithm>
#include <string_view>

#include "jww/JwwReadDetail.h"

namespace tavolex {

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kLongClassTag = 0x7FFF;
constexpr uint16_t kClassTagFlag = 0x8000;
constexpr uint32_t kLongClassMask = 0x7FFFFFFF;
// Class names are taken into a work buffer of this size; a name must be shorter.
constexpr uint16_t kClassNameBuffer = 2048;

constexpr std::string_view kEntityClassNames[8] = {"",           "CDataSen",  "CDataEnko",
                                                   "CDataTen",   "CDataMoji", "CDataSunpou",
                                                   "CDataSolid", "CDataBlock"};

int32_t KindOfClassName(std::string_view name) {
  for (int32_t kind = kEntLine; kind <= kEntBlock; ++kind) {
    if (kEntityClassNames[kind] == name) return kind;
  }
  return kEntNone;
}

// A class index refers to the kind introduced with it. Kinds not yet seen hold 0, so index 0
// matches each of them and the highest one wins.
int32_t KindOfClassIndex(const TJwwLoadRun& run, uint32_t index) {
  int32_t kind = kEntNone;
  for (int32_t k = kEntLine; k <= kEntBlock; ++k) {
    if (run.classIndex[k] == index) kind = k;
  }
  return kind;
}

// The class name behind a new-class tag (schema word, length word, name bytes). False when the
// name does not fit the work buffer or is cut off by the end of the data.
bool ReadClassName(TJwwStream& s, std::string_view& name) {
  uint16_t schema = 0;
  uint16_t nameLength = 0;
  s.ReadValue(schema);
  s.ReadValue(nameLength);
  if (nameLength >= kClassNameBuffer || s.Remaining() < nameLength) return false;
  name = std::string_view(reinterpret_cast<const char*>(s.Position()), nameLength);
  name = name.substr(0, name.find('\0'));  // text ends at its first NUL
  s.Skip(nameLength);
  return true;
}

enum class TagResult { Object, NoObject, Failure };

// Reads one tag and decides the kind of the object behind it.
TagResult ReadTag(TJwwStream& s, TJwwLoadRun& run, int32_t& kind) {
  uint16_t tag = 0;
  s.ReadValue(tag);
  kind = kEntNone;
  if (tag == kNewClassTag) {
    std::string_view name;
    if (!ReadClassName(s, name)) return TagResult::Failure;
    kind = KindOfClassName(name);
    if (kind == kEntNone) return TagResult::Failure;
    run.classIndex[kind] = run.runningIndex++;
  } else if (tag == kLongClassTag) {
    uint32_t index = 0;
    s.ReadValue(index);
    kind = KindOfClassIndex(run, index & kLongClassMask);
  } else if (tag >= kClassTagFlag) {
    kind = KindOfClassIndex(run, tag - kClassTagFlag);
  }
  return kind == kEntNone ? TagResult::NoObject : TagResult::Object;
}

}  // namespace

bool ReadJwwListTag(TJwwStream& s, TJwwLoadRun& run) {
  uint16_t tag = 0;
  s.ReadValue(tag);
  if (tag == kNewClassTag) {
    std::string_view name;
    if (!ReadClassName(s, name)) return false;
    ++run.runningIndex;
  } else if (tag == kLongClassTag) {
    uint32_t ignored = 0;
    s.ReadValue(ignored);
  }
  return true;
}

bool ReadJwwListCount(TJwwStream& s, int32_t& count) {
  uint16_t shortCount = 0;
  if (!s.ReadValue(shortCount)) return false;
  count = shortCount;
  if (shortCount == 0xFFFF) {
    count = 0;
    s.ReadValue(count);
  }
  return true;
}

bool ReadJwwObjectList(TJwwStream& s, TJwwLoadRun& run, int64_t n, TJwwEntityTarget& t,
                       bool& mojiEncode) {
  size_t filled = 0;
  for (int64_t processed = 0; processed < n;) {
    // The end of the data ends the list: the objects still announced are not there.
    if (s.AtEnd() || !run.TakeTag()) break;
    int32_t kind = kEntNone;
    const TagResult tag = ReadTag(s, run, kind);
    if (tag == TagResult::Failure) return false;
    if (tag == TagResult::NoObject) continue;
    if (ReadJwwObject(s, kind, run.version, t, mojiEncode)) {
      int32_t count = 0;
      switch (kind) {
        case kEntLine:
          count = t.LineN;
          break;
        case kEntEnko:
          count = t.EnkoN;
          break;
        case kEntTen:
          count = t.TenN;
          break;
        case kEntMoji:
          count = t.MojiN;
          break;
        case kEntSunpo:
          count = t.SunpoN;
          break;
        case kEntSolid:
          count = t.SolidN;
          break;
        default:
          count = t.BlockN;
          break;
      }
      if (filled == t.No.size()) t.No.emplace_back();
      t.No[filled++] = TEntJwwNo{kind, count - 1};
    }
    ++processed;
    ++run.runningIndex;
  }
  return true;
}

}  // namespace tavolex
