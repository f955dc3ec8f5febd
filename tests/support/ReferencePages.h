// The reference pages kept in the repository: per printed page its title, size, number of calls,
// a hash of all its calls and one of every run of kReferenceChunk calls, so that a test can name
// the first run of calls that changed and show it. Files: one line per page, fields separated by
// tabs, lines beginning with "#" are comments.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ReferencePrint.h"

namespace tavolex::test {

inline constexpr size_t kReferenceChunk = 64;

struct PageReference {
  std::string drawing;  // relative to its folder, '/'-separated
  std::string setting;
  int page = 0;  // from 1 within the drawing and setting
  std::string title;
  int width = 0;
  int height = 0;
  size_t calls = 0;
  uint32_t hash = 0;
  std::vector<uint32_t> chunks;
};

// A folder of drawings that has a reference file.
struct DrawingSet {
  std::string name;
  std::filesystem::path folder;
  std::filesystem::path references;
};

// The project's examples and the shared sample drawings (which may be absent).
std::vector<DrawingSet> DrawingSets();

// The .jww files under the folder and its subfolders, relative, sorted; none when it is absent.
std::vector<std::string> DrawingsIn(const std::filesystem::path& folder);

PageReference ReferenceOf(const std::string& drawing, const std::string& setting, int page,
                          const PrintedPage& printed);

// Reads a reference file; a missing file has no references, a line that cannot be read is left out.
std::vector<PageReference> ReadReferences(const std::filesystem::path& file);
bool WriteReferences(const std::filesystem::path& file, const std::vector<PageReference>& refs);

// Empty when the page prints as its reference; otherwise what differs, with the printed calls of
// the first run of calls whose hash differs.
std::string PageDifference(const PageReference& expected, const PrintedPage& printed);

}  // namespace tavolex::test
