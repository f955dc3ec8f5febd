// Damaged drawings: every real and synthetic drawing cut at many places and with bytes changed
// loads without a crash or hang, in bounded memory, and leaves a document the drawing code can
// walk safely. Run under the sanitizer build this is the reader's safety net.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "jww/JwwTestUtil.h"
#include "support/TestPaths.h"

namespace tavolex::test {
namespace {

struct Input {
  std::string name;
  std::vector<uint8_t> bytes;
};

std::vector<Input> SampleInputs() {
  std::vector<Input> inputs;
  if (!HaveSamples()) return inputs;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(SamplesDir())) {
    if (entry.is_regular_file() && entry.path().extension() == ".jww") files.push_back(entry);
  }
  std::sort(files.begin(), files.end());
  for (const auto& f : files)
    inputs.push_back({f.filename().string(), ReadFileBytes(f)});
  return inputs;
}

std::vector<Input> SyntheticInputs() {
  std::vector<Input> inputs;
  for (int32_t v : {230, 350, 420, 700}) {
    inputs.push_back({"rich " + std::to_string(v), WriteJww(RichDrawing(v))});
  }
  inputs.push_back({"rich 700 escaped",
                    WriteJww(RichDrawing(700), {.longClassRefs = true, .escapedCounts = true})});
  return inputs;
}

// What the drawing code relies on after any load, successful or not.
void ExpectWalkable(const TJwwData& doc, size_t inputSize) {
  const int32_t counts[8] = {0,
                             doc.EntLineN,
                             doc.EntEnkoN,
                             doc.EntTenN,
                             doc.EntMojiN,
                             doc.EntSunpoN,
                             doc.EntSolidN,
                             doc.EntBlockN};
  // Every object takes at least a tag's two bytes, so nothing can outgrow the input.
  ASSERT_LE(doc.EntNo.size(), inputSize);
  for (const auto& no : doc.EntNo) {
    ASSERT_GE(no.EntType, 0);
    ASSERT_LE(no.EntType, 7);
    if (no.EntType == 0) continue;
    ASSERT_GE(no.EntNo, 0);
    ASSERT_LT(no.EntNo, counts[no.EntType]);
  }
  ASSERT_LE(doc.EntLine.size(), static_cast<size_t>(doc.EntLineN) + 1000);
  ASSERT_LE(static_cast<size_t>(doc.EntLineN), doc.EntLine.size());
  ASSERT_LE(static_cast<size_t>(doc.EntMojiN), doc.EntMoji.size());
  ASSERT_LE(static_cast<size_t>(doc.EntBlockN), doc.EntBlock.size());
  ASSERT_LE(doc.EntBlockDef.size(), inputSize);
  ASSERT_LE(static_cast<size_t>(doc.EntBlockDefN), doc.EntBlockDef.size());
  for (int32_t d = 0; d < doc.EntBlockDefN; ++d) {
    const TEntJwwBlockDef& def = doc.EntBlockDef[d];
    const int32_t members[8] = {0,          def.mLineN,  def.mEnkoN,  def.mTenN,
                                def.mMojiN, def.mSunpoN, def.mSolidN, def.mBlockN};
    ASSERT_LE(def.mNo.size(), inputSize);
    for (const auto& no : def.mNo) {
      ASSERT_GE(no.EntType, 0);
      ASSERT_LE(no.EntType, 7);
      if (no.EntType == 0) continue;
      ASSERT_GE(no.EntNo, 0);
      ASSERT_LT(no.EntNo, members[no.EntType]);
    }
    ASSERT_LE(static_cast<size_t>(def.mBlockN), def.mBlock.size());
  }
  ASSERT_LE(doc.EntBlockTreeN, kBlockTreeMaxNodes);
  ASSERT_EQ(static_cast<size_t>(doc.EntBlockTreeN), doc.EntBlockTree.size());
  ASSERT_GE(doc.EntBlockTreeN, std::min(doc.EntBlockN, kBlockTreeMaxNodes));
  for (const auto& node : doc.EntBlockTree) {
    ASSERT_LT(node.defno, doc.EntBlockDefN);
    ASSERT_LT(node.parent, doc.EntBlockTreeN);
  }
}

// Load positions: the first bytes densely, then evenly spread, then the last bytes.
std::vector<size_t> CutPoints(size_t size, size_t spread) {
  std::vector<size_t> cuts;
  for (size_t i = 0; i < std::min<size_t>(size, 24); ++i)
    cuts.push_back(i);
  for (size_t k = 1; k < spread; ++k)
    cuts.push_back(size * k / spread);
  for (size_t back = 1; back <= std::min<size_t>(size, 24); ++back)
    cuts.push_back(size - back);
  return cuts;
}

void Truncations(const Input& input, size_t spread) {
  SCOPED_TRACE(input.name);
  TJwwData doc;
  doc.BindImageExr = true;
  for (size_t cut : CutPoints(input.bytes.size(), spread)) {
    SCOPED_TRACE(cut);
    const std::vector<uint8_t> part(input.bytes.begin(), input.bytes.begin() + cut);
    LoadBytes(doc, part);
    ExpectWalkable(doc, part.size());
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// Bytes changed at random places to random values, to 0xFF (escapes, new-class tags, huge
// counts) and to 0x00; a few changes at a time so the damage stays local.
void Mutations(const Input& input, int rounds, uint32_t seed) {
  SCOPED_TRACE(input.name);
  std::mt19937 rng(seed);
  TJwwData doc;
  doc.BindImageExr = true;
  std::vector<uint8_t> bytes;
  for (int round = 0; round < rounds; ++round) {
    SCOPED_TRACE(round);
    bytes = input.bytes;
    const int changes = 1 + static_cast<int>(rng() % 6);
    for (int c = 0; c < changes; ++c) {
      // Half of the changes hit the part after the header, where the structure is denser.
      const size_t from = (rng() & 1) ? bytes.size() / 2 : 12;
      const size_t at = from + rng() % (bytes.size() - from);
      switch (rng() % 4) {
        case 0:
          bytes[at] = 0xFF;
          break;
        case 1:
          bytes[at] = 0x00;
          break;
        default:
          bytes[at] = static_cast<uint8_t>(rng());
      }
    }
    LoadBytes(doc, bytes);
    ExpectWalkable(doc, bytes.size());
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(JwwDamagedFile, SyntheticDrawingsCutAnywhere) {
  for (const auto& input : SyntheticInputs())
    Truncations(input, 1500);
}

TEST(JwwDamagedFile, SyntheticDrawingsWithChangedBytes) {
  uint32_t seed = 1;
  for (const auto& input : SyntheticInputs())
    Mutations(input, 1500, seed++);
}

TEST(JwwDamagedFile, SamplesCutAnywhere) {
  TAVOLEX_REQUIRE_SAMPLES();
  for (const auto& input : SampleInputs())
    Truncations(input, 500);
}

TEST(JwwDamagedFile, SamplesWithChangedBytes) {
  TAVOLEX_REQUIRE_SAMPLES();
  uint32_t seed = 100;
  for (const auto& input : SampleInputs())
    Mutations(input, 600, seed++);
}

// Counts that announce far more than the file holds are not taken at their word.
TEST(JwwDamagedFile, HugeAnnouncedCountsAllocateNothingLarge) {
  for (uint32_t announced : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 50000000u}) {
    SCOPED_TRACE(announced);
    WDrawing d = EmptyDrawing(700);
    d.entities = {WLine{}};
    auto bytes = WriteJww(d, {.announcedEntityCount = announced});
    TJwwData doc;
    LoadBytes(doc, bytes);
    // A count that reads as negative announces nothing.
    EXPECT_EQ(doc.EntLineN, static_cast<int32_t>(announced) > 0 ? 1 : 0);
    ExpectWalkable(doc, bytes.size());

    // The same count on a block definition's member list and on the definition list.
    JwwWriter w(700, JwwStringForm::Utf16);
    w.Header(d.header);
    w.Count(0);
    w.Count(1);
    w.ClassTag("CDataList");
    w.Attr({});
    w.Uint32(1);
    w.Uint32(0);
    w.Uint32(0);
    w.String(u"def");
    w.Count(announced);
    w.Entity(WLine{});
    LoadBytes(doc, w.Data());
    ExpectWalkable(doc, w.Data().size());

    JwwWriter defs(700, JwwStringForm::Utf16);
    defs.Header(d.header);
    defs.Count(0);
    defs.Count(announced);
    LoadBytes(doc, defs.Data());
    ExpectWalkable(doc, defs.Data().size());

    JwwWriter images(700, JwwStringForm::Utf16);
    images.Header(d.header);
    images.Count(0);
    images.Count(0);
    images.Uint32(announced);
    doc.BindImageExr = true;
    LoadBytes(doc, images.Data());
    EXPECT_LE(doc.BindImage.size(), images.Data().size());
  }
}

}  // namespace
}  // namespace tavolex::test
