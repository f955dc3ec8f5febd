// Writes small starting inputs for the fuzz targets, one folder per target under the given
// folder: drawings of a few kilobytes from the project's JWW writer (one per entity kind, block
// case and stored-format variant, in old and new file versions), settings files in both forms,
// environment files and reference files. Small seeds keep each run of the drawing targets short,
// so a bounded fuzz run tries many inputs instead of a few large ones.
// Usage: make_fuzz_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/PrintSettings.h"
#include "support/HeavyDrawings.h"
#include "support/JwwWriter.h"

namespace fs = std::filesystem;
namespace t = tavolex::test;

namespace {

t::WAttr Pen(int pen, int lineType = 1, int group = 0, int layer = 0) {
  return t::WAttr{.nPenStyle = static_cast<uint8_t>(lineType),
                  .nPenColor = static_cast<uint16_t>(pen),
                  .nLayer = static_cast<uint16_t>(layer),
                  .nGLayer = static_cast<uint16_t>(group)};
}

t::WLine Line(double x1, double y1, double x2, double y2, int lineType = 1) {
  return t::WLine{.att = Pen(1, lineType), .start_x = x1, .start_y = y1, .end_x = x2, .end_y = y2};
}

t::WMoji Text(const std::u16string& s, double x = 0, double y = 0) {
  return t::WMoji{.att = Pen(2), .start_x = x, .start_y = y, .end_x = x + 20, .end_y = y, .str = s};
}

// One entity list per kind the reader and the drawing code tell apart.
std::vector<std::pair<std::string, std::vector<t::WEntity>>> EntityCases() {
  t::WSunpo dim{.att = Pen(3), .Sen = Line(0, 0, 50, 0), .Moji = Text(u"50", 20, 2)};
  dim.bSxfMode = 1;
  dim.Ho1 = Line(0, -5, 0, 0);
  dim.Ho2 = Line(50, -5, 50, 0);
  return {
      {"lines", {Line(0, 0, 100, 50), Line(0, 50, 100, 0, 2), Line(10, 10, 90, 10, 5)}},
      {"random-line", {Line(0, 0, 100, 0, 11), Line(0, 10, 100, 10, 16), Line(0, 5, 99, 5, 40)}},
      {"circle-arc-ellipse",
       {t::WEnko{.att = Pen(1), .dHankei = 20},
        t::WEnko{.att = Pen(2), .start_x = 50, .dHankei = 10, .radEnkoKaku = 1.5, .bZenEnFlg = 0},
        t::WEnko{.att = Pen(3),
                 .start_y = 40,
                 .dHankei = 15,
                 .radKatamukiKaku = 0.3,
                 .dHenpeiRitsu = 0.4}}},
      {"points",
       {t::WTen{.att = Pen(1), .start_x = 5},
        t::WTen{.att = Pen(2, 100), .start_x = 10, .nCode = 3, .dBairitsu = 2},
        t::WTen{.att = Pen(9), .start_x = 15, .bKariten = 1}}},
      {"texts",
       {Text(u"平面図 A-1"), Text(u"^u上付き^d下付き", 0, 10), Text(u"%%TITLE", 0, 20),
        t::WMoji{.att = Pen(4),
                 .end_x = 10,
                 .nMojiShu = 10005,
                 .degKakudo = 90,
                 .strFontName = u"ＭＳ 明朝",
                 .str = u"縦書き"}}},
      {"dimension", {dim}},
      {"solids",
       {t::WSolid{.att = Pen(5), .end_x = 10, .DPoint2_x = 10, .DPoint2_y = 10, .DPoint3_y = 10},
        t::WSolid{.att = Pen(10),
                  .start_x = 20,
                  .end_x = 30,
                  .DPoint2_x = 30,
                  .DPoint2_y = 10,
                  .DPoint3_x = 20,
                  .DPoint3_y = 10,
                  .Color = 0x3366CC}}},
      {"layers",
       {t::WLine{.att = Pen(1, 1, 3, 7), .end_x = 30, .end_y = 30},
        t::WLine{.att = Pen(6, 1, 15, 15), .start_x = 5, .end_x = 40},
        t::WLine{.att = Pen(120, 35, 1, 2), .end_y = 40}}},
      {"bare-tags", {Line(0, 0, 10, 10), t::WBareTag{.tag = 1}, t::WBareTag{.tag = 0}}},
      {"foreign-class", {t::WForeignClass{.name = "CDataUnknown"}, Line(0, 0, 5, 5)}},
  };
}

t::WBlockDef BlockDef(uint32_t number, std::vector<t::WEntity> entities) {
  return t::WBlockDef{.nNumber = number, .strName = u"部品", .entities = std::move(entities)};
}

t::WBlock Insert(uint32_t number, double x = 0, double scale = 1, double turn = 0) {
  return t::WBlock{.DPKijunTen_x = x,
                   .dBairitsuX = scale,
                   .dBairitsuY = scale,
                   .radKaitenKaku = turn,
                   .nNumber = number};
}

// Block cases: plain, nested, turned and mirrored, a missing definition, a 64-bit time, and a
// definition that inserts itself.
std::vector<std::pair<std::string, t::WDrawing>> BlockCases() {
  std::vector<std::pair<std::string, t::WDrawing>> cases;
  t::WDrawing plain;
  plain.blockDefs.push_back(BlockDef(1, {Line(0, 0, 10, 0), Text(u"柱")}));
  plain.entities = {Insert(1), Insert(1, 30, 2, 0.5), Insert(1, 60, -1)};
  cases.emplace_back("block", plain);

  t::WDrawing nested;
  nested.blockDefs.push_back(BlockDef(1, {Line(0, 0, 5, 5)}));
  nested.blockDefs.push_back(BlockDef(2, {Insert(1), Insert(1, 10), Line(0, 0, 0, 10)}));
  nested.blockDefs.push_back(BlockDef(3, {Insert(2, 0, 0.5), Insert(2, 20, 0.5, 1)}));
  nested.entities = {Insert(3), Insert(2, 50)};
  cases.emplace_back("block-nested", nested);

  t::WDrawing missing;
  missing.blockDefs.push_back(BlockDef(1, {Insert(7)}));
  missing.entities = {Insert(1), Insert(9)};
  cases.emplace_back("block-missing", missing);

  t::WDrawing timed;
  t::WBlockDef def = BlockDef(1, {Line(0, 0, 3, 3)});
  def.time64 = 0x0123456789ABCDEFULL;
  timed.blockDefs.push_back(def);
  timed.entities = {Insert(1)};
  cases.emplace_back("block-time64", timed);

  cases.emplace_back("block-self", t::SelfInsertingDrawing(3));
  return cases;
}

// A tiny gzip-stored picture and the text that places it.
t::WDrawing StoredImage() {
  t::WDrawing d;
  const std::vector<uint8_t> bmp = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0};
  d.images.push_back({u"seed.bmp.gz", t::GzipBytes(bmp)});
  d.entities = {Text(u"^@BM%temp%seed.bmp,40,30"), Line(0, 0, 40, 30)};
  return d;
}

bool Write(const fs::path& file, const std::string& bytes) {
  return t::WriteFileBytes(file, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

bool WriteDrawings(const fs::path& folder) {
  bool ok = true;
  const auto save = [&](const std::string& name, t::WDrawing d, int version,
                        const t::WOptions& options = {}) {
    d.header.jwVer = version;
    const std::string file = name + "-" + std::to_string(version) + ".jww";
    ok = t::WriteFileBytes(folder / file, t::WriteJww(d, options)) && ok;
  };
  for (auto& [name, entities] : EntityCases()) {
    t::WDrawing d;
    d.entities = entities;
    for (int version : {230, 351, 600, 700})
      save(name, d, version);
  }
  for (auto& [name, d] : BlockCases()) {
    save(name, d, 351);
    save(name, d, 420);
    save(name, d, 700);
  }
  save("stored-image", StoredImage(), 700);
  t::WDrawing forms;
  forms.entities = {Text(u"ＡＢＣ"), Line(0, 0, 1, 1)};
  save("ansi-strings", forms, 700, t::WOptions{.stringForm = t::JwwStringForm::Ansi});
  save("escaped-counts", forms, 600, t::WOptions{.longClassRefs = true, .escapedCounts = true});
  save("announced-more", forms, 600, t::WOptions{.announcedEntityCount = 40});
  return ok;
}

bool WriteSettingsFiles(const fs::path& folder) {
  tavolex::TPrintSettings s;
  s.FFolder = u"/home/設計/図面";
  s.FileList = {u"/home/設計/図面/平面.jww", u"C:\\JWW\\立面.jww"};
  s.PrnTyp[1].seg = 4;
  s.PrnTyp[1].pa = {1.5, -0.5, 0, -0.5};
  const bool full = Write(folder / "full.dat", SettingsFileBytes(s, tavolex::SettingsForm::Full));
  return Write(folder / "automatic.dat", SettingsFileBytes(s, tavolex::SettingsForm::Automatic)) &&
         full;
}

bool WriteEnvironmentFiles(const fs::path& folder) {
  const std::string pens =
      "# pens\r\nS_COMM_2 = 1, -50\r\nP_DPI = 600\r\nPCOLLOR_1 = 0, 0, 0, 5, 0.5\r\n"
      "PCOLLOR_3 = 255, 0, 0, 5, 0.5\r\npcollor_g = 128,128,128\r\nLCOLLOR_H = 0,255,255\r\n";
  const std::string ltypes =
      "LTYPE_02 = FF00FF00, 1, 1, 2\r\nLTYPE_09 = \"F0F0F0F0\", 2, 2\r\n"
      "LTYPE_R1 = 0x33333333, 10, 1, 5, 1\r\nLTYPE_L4 = $FFFF0000, 1, 2, 3\r\n"
      "END\r\nLTYPE_03 = FFFFFFFF, 1, 1, 1\r\n";
  const bool ok = Write(folder / "pens.jwf", pens);
  return Write(folder / "ltypes.jwf", "\xEF\xBB\xBF" + ltypes) && ok;
}

// The reference-file target reads a Jw_win.jwf and a reference file from one input: the two
// parts are joined by a NUL byte.
bool WriteReferenceFiles(const fs::path& folder) {
  const std::string jwf = "# Jw_cad\r\nREF_FILE = ref.txt\r\nEND\r\n";
  const std::string ref = "%%TITLE\t\x95\xBD\x96\xCA\x90\x7D\r\n%%DATE\t2026.1.1\r\nX\tno\r\n";
  return Write(folder / "ref.bin", jwf + std::string(1, '\0') + ref);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  const std::pair<const char*, bool (*)(const fs::path&)> writers[] = {
      {"jww", WriteDrawings},
      {"settings", WriteSettingsFiles},
      {"jwf", WriteEnvironmentFiles},
      {"ref", WriteReferenceFiles},
  };
  bool ok = true;
  for (const auto& [name, write] : writers) {
    std::error_code ec;
    fs::create_directories(root / name, ec);
    ok = !ec && write(root / name) && ok;
  }
  if (!ok) std::fprintf(stderr, "make_fuzz_seeds: could not write every seed under %s\n", argv[1]);
  return ok ? 0 : 1;
}
