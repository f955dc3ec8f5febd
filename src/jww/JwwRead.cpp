// Loading a whole drawing: header, the drawing's entity list, block definitions, stored images.
#include <fstream>
#include <memory>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "jww/JwwReadDetail.h"
#include "jww/JwwStrings.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr int32_t kFirstStoredImageVersion = 700;

// The whole file in memory; parsing from memory is much faster than many small reads.
bool ReadWholeFile(const std::filesystem::path& name, std::vector<uint8_t>& bytes) {
  // A folder opens too, with a size that means nothing.
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return false;
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  const uintmax_t size = std::filesystem::file_size(name, error);
  if (error) return false;
  bytes.resize(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<size_t>(in.gcount()) == bytes.size();
}

std::u16string DecimalText(int64_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

// Accumulated drawing time as hours " : " minutes, minutes with two digits.
std::u16string DrawTimeText(int32_t seconds) {
  std::u16string minutes = DecimalText((seconds / 60) % 60);
  if (minutes.size() == 1) minutes.insert(minutes.begin(), u'0');
  return DecimalText(seconds / 3600) + u" : " + minutes;
}

TJwwEntityTarget DrawingTarget(TJwwData& d) {
  return TJwwEntityTarget{d.EntLine,  d.EntLineN,  d.EntEnko,  d.EntEnkoN,  d.EntTen,
                          d.EntTenN,  d.EntMoji,   d.EntMojiN, d.EntSunpo,  d.EntSunpoN,
                          d.EntSolid, d.EntSolidN, d.EntBlock, d.EntBlockN, d.EntNo};
}

TJwwEntityTarget DefinitionTarget(TEntJwwBlockDef& b) {
  return TJwwEntityTarget{b.mLine,  b.mLineN,  b.mEnko,  b.mEnkoN,  b.mTen,
                          b.mTenN,  b.mMoji,   b.mMojiN, b.mSunpo,  b.mSunpoN,
                          b.mSolid, b.mSolidN, b.mBlock, b.mBlockN, b.mNo};
}

// Order entries for an announced count, never more than the remaining bytes can hold.
size_t BoundedOrderLength(int64_t announced, const TJwwStream& s) {
  if (announced <= 0) return 0;
  const size_t fits = s.Remaining() / kJwwMinObjectBytes;
  return static_cast<uint64_t>(announced) < fits ? static_cast<size_t>(announced) : fits;
}

}  // namespace

bool TJwwData::FileIn(const std::filesystem::path& FName) {
  TJwwLoadRun run;
  return LoadFile(FName, run);
}

bool TJwwData::FileInBuffer(std::span<const uint8_t> data, const std::filesystem::path& FName) {
  TJwwLoadRun run;
  try {
    return LoadFromBuffer(data, FName, run);
  } catch (...) {
    // Out of memory or a file-system error while writing images: what was read stays.
    return false;
  }
}

bool TJwwData::FilePrevIn(const std::filesystem::path& FName, int ZMaxN) {
  TJwwLoadRun run;
  run.publish = false;
  run.images = false;
  run.tagBudget = ZMaxN > 0 ? ZMaxN : 0;
  return LoadFile(FName, run);
}

bool TJwwData::LoadFile(const std::filesystem::path& FName, TJwwLoadRun& run) {
  try {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(FName, bytes)) {
      DataInit();
      return false;
    }
    return LoadFromBuffer(bytes, FName, run);
  } catch (...) {
    return false;
  }
}

bool TJwwData::LoadFromBuffer(std::span<const uint8_t> data, const std::filesystem::path& FName,
                              TJwwLoadRun& run) {
  DataInit();
  TJwwStream s(data.data(), data.size());
  if (!ReadJwwHeader(s)) return false;
  run.version = Enthd.jwVer;
  if (run.publish) PublishTextValues(FName);

  bool ok = ReadEntityList(s, run) && ReadBlockDefs(s, run);
  if (ok && run.images && run.version >= kFirstStoredImageVersion) ok = ReadBindImages(s);
  MakeBlockTree();
  return ok;
}

void TJwwData::PublishTextValues(const std::filesystem::path& FName) const {
  ZuFileName = StrFromPath(FName);
  ZuDrawTime = DrawTimeText(Enthd.lnDrawTime);
  const std::u16string& memo = Enthd.strMemo;
  const size_t lineBreak = memo.find(u"\r\n");
  if (lineBreak == std::u16string::npos) {
    ZuMemo1 = memo;
    ZuMemo = memo;
    ZuMemo2.clear();
  } else {
    ZuMemo1 = memo.substr(0, lineBreak);
    ZuMemo2 = memo.substr(lineBreak + 2);
    ZuMemo = ZuMemo1 + u"\u3000" + ZuMemo2;
  }
  ZuPrtScale = Enthd.dPrtBairitsu;
}

bool TJwwData::ReadEntityList(TJwwStream& s, TJwwLoadRun& run) {
  int32_t n = 0;
  if (!ReadJwwListCount(s, n)) return false;  // "File I/O Error"
  Enthd.n1 = n;
  Enthd.n2 = 0;
  EntBlockDefN = 0;
  EntNo.assign(BoundedOrderLength(n, s), TEntJwwNo{});
  run.runningIndex = 1;
  run.classIndex.fill(0);
  TJwwEntityTarget target = DrawingTarget(*this);
  return ReadJwwObjectList(s, run, n, target, MojiEncode);
}

bool TJwwData::ReadBlockDefs(TJwwStream& s, TJwwLoadRun& run) {
  int32_t m = 0;
  ReadJwwListCount(s, m);
  Enthd.n2 = m;
  if (m <= 0 || !run.BudgetLeft()) return true;
  for (int32_t d = 0; d < m && run.BudgetLeft(); ++d) {
    if (!ReadJwwListTag(s, run)) return false;
    TEntJwwBlockDef& def = EntBlockDef.emplace_back();
    TEntJwwBlockDefHead& head = def;
    if (ReadJwwFixed(s, &head, kJwwBlockDefHeadSize, run.version) == 0) {
      EntBlockDef.pop_back();
      return false;  // "File I/O Error"
    }
    EntBlockDefN = static_cast<int32_t>(EntBlockDef.size());
    if (static_cast<int32_t>(def.dtime) < 0) {
      // A 64-bit time is stored instead; the definition is known by its position.
      s.Skip(8);
      def.dtime = static_cast<uint32_t>(d + 1);
    }
    def.strName = ReadJwwName(s, MojiEncode);
    int32_t members = 0;
    ReadJwwListCount(s, members);
    def.mNo.assign(BoundedOrderLength(members, s), TEntJwwNo{});
    def.N = static_cast<int32_t>(def.mNo.size());
    ++run.runningIndex;
    TJwwEntityTarget target = DefinitionTarget(def);
    if (!ReadJwwObjectList(s, run, members, target, MojiEncode)) return false;
  }
  return true;
}

}  // namespace tavolex
