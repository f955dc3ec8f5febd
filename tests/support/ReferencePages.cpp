#include "support/ReferencePages.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/Func_2.h"
#include "support/TestPaths.h"

namespace tavolex::test {

namespace {

namespace fs = std::filesystem;

std::string Utf8Of(const fs::path& p) {
  const std::u8string s = p.generic_u8string();
  return std::string(s.begin(), s.end());
}

uint32_t HashOf(const std::vector<std::string>& calls, size_t from, size_t to) {
  uLong crc = crc32(0L, Z_NULL, 0);
  for (size_t i = from; i < to; ++i) {
    crc = crc32(crc, reinterpret_cast<const Bytef*>(calls[i].data()),
                static_cast<uInt>(calls[i].size()));
    crc = crc32(crc, reinterpret_cast<const Bytef*>("\n"), 1);
  }
  return static_cast<uint32_t>(crc);
}

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(v));
  return buf;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string f;
  while (std::getline(in, f, '\t'))
    fields.push_back(f);
  return fields;
}

bool ParseReference(const std::string& line, PageReference& r) {
  const std::vector<std::string> f = SplitTabs(line);
  if (f.size() < 7) return false;
  try {
    r.drawing = f[0];
    r.setting = f[1];
    r.page = std::stoi(f[2]);
    r.title = f[3];
    const size_t x = f[4].find('x');
    if (x == std::string::npos) return false;
    r.width = std::stoi(f[4].substr(0, x));
    r.height = std::stoi(f[4].substr(x + 1));
    r.calls = std::stoul(f[5]);
    r.hash = static_cast<uint32_t>(std::stoul(f[6], nullptr, 16));
    std::stringstream chunks(f.size() > 7 ? f[7] : std::string());
    std::string c;
    while (chunks >> c)
      r.chunks.push_back(static_cast<uint32_t>(std::stoul(c, nullptr, 16)));
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

std::string FormatReference(const PageReference& r) {
  std::string chunks;
  for (uint32_t c : r.chunks) {
    if (!chunks.empty()) chunks += ' ';
    chunks += Hex(c);
  }
  return r.drawing + "\t" + r.setting + "\t" + std::to_string(r.page) + "\t" + r.title + "\t" +
         std::to_string(r.width) + "x" + std::to_string(r.height) + "\t" + std::to_string(r.calls) +
         "\t" + Hex(r.hash) + "\t" + chunks;
}

// The printed calls of one run, numbered from the page's first call.
std::string ShowChunk(const PrintedPage& printed, size_t chunk) {
  std::string out;
  const size_t from = chunk * kReferenceChunk;
  const size_t to = std::min(printed.calls.size(), from + kReferenceChunk);
  for (size_t i = from; i < to; ++i)
    out += "  " + std::to_string(i) + ": " + printed.calls[i] + "\n";
  return out;
}

}  // namespace

std::vector<DrawingSet> DrawingSets() {
  const fs::path refs = SourceDir() / "tests" / "reference";
  return {{"examples", SourceDir() / "examples", refs / "examples.txt"},
          {"samples", SamplesDir(), refs / "samples.txt"}};
}

std::vector<std::string> DrawingsIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file() && LowerStr(StrFromPath(it->path().extension())) == u".jww") {
      names.push_back(Utf8Of(fs::relative(it->path(), folder)));
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

PageReference ReferenceOf(const std::string& drawing, const std::string& setting, int page,
                          const PrintedPage& printed) {
  PageReference r{
      drawing, setting, page, printed.title, printed.width, printed.height, printed.calls.size()};
  r.hash = HashOf(printed.calls, 0, printed.calls.size());
  for (size_t from = 0; from < printed.calls.size(); from += kReferenceChunk) {
    r.chunks.push_back(
        HashOf(printed.calls, from, std::min(printed.calls.size(), from + kReferenceChunk)));
  }
  return r;
}

std::vector<PageReference> ReadReferences(const fs::path& file) {
  std::vector<PageReference> refs;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    PageReference r;
    if (!line.empty() && line[0] != '#' && ParseReference(line, r)) refs.push_back(std::move(r));
  }
  return refs;
}

bool WriteReferences(const fs::path& file, const std::vector<PageReference>& refs) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "# What each drawing prints: drawing, setting, page, title, sheet in pixels at "
      << kReferenceDpi << " dpi, calls, hash of the calls, hash of every " << kReferenceChunk
      << " calls.\n# Written by scripts/update-reference-pages.sh; do not edit.\n";
  for (const PageReference& r : refs)
    out << FormatReference(r) << "\n";
  return static_cast<bool>(out.flush());
}

std::string PageDifference(const PageReference& expected, const PrintedPage& printed) {
  const PageReference now = ReferenceOf(expected.drawing, expected.setting, expected.page, printed);
  std::string out;
  if (now.title != expected.title)
    out += "title \"" + now.title + "\", was \"" + expected.title + "\"\n";
  if (now.width != expected.width || now.height != expected.height) {
    out += "sheet " + std::to_string(now.width) + "x" + std::to_string(now.height) + ", was " +
           std::to_string(expected.width) + "x" + std::to_string(expected.height) + "\n";
  }
  if (now.calls == expected.calls && now.hash == expected.hash) return out;
  out += std::to_string(now.calls) + " calls, were " + std::to_string(expected.calls) + "\n";
  size_t chunk = 0;
  while (chunk < now.chunks.size() && chunk < expected.chunks.size() &&
         now.chunks[chunk] == expected.chunks[chunk]) {
    ++chunk;
  }
  if (chunk >= now.chunks.size()) return out + "the page ends before its reference did\n";
  return out + "first difference in chunk " + std::to_string(chunk) + " (calls from " +
         std::to_string(chunk * kReferenceChunk) + "); printed now:\n" + ShowChunk(printed, chunk);
}

}  // namespace tavolex::test
