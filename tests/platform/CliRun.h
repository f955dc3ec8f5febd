// Runs tavolex-print as a program for the tests that look at what a user sees: exit code, messages
// and the pages written.
#pragma once

#include <sys/wait.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#ifdef TAVOLEX_PRINT_EXE

namespace tavolex {

struct Outcome {
  int exitCode = -1;
  std::string output;  // stdout, and stderr unless sent elsewhere
};

// stderr goes with stdout unless stderrTo names another target ("/dev/null", a file).
inline Outcome RunPrint(const std::string& args, const std::string& stderrTo = "&1") {
  std::string cmd = "'";
  cmd += TAVOLEX_PRINT_EXE;
  cmd += "' ";
  cmd += args;
  cmd += " 2>" + stderrTo;
  Outcome o;
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return o;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0)
    o.output.append(buf, n);
  const int status = pclose(p);
  o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return o;
}

inline std::string Quote(const std::filesystem::path& p) {
  std::ostringstream q;
  q << '\'' << p.native() << '\'';
  return q.str();
}

// Share of pixels of a greyscale page image (PGM) darker than mid-grey.
inline double InkShare(const std::filesystem::path& pgm) {
  std::ifstream in(pgm, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxv = 0;
  in >> magic >> w >> h >> maxv;
  in.get();
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (magic != "P5" || w <= 0 || h <= 0 || data.size() < static_cast<size_t>(w) * h) return 0;
  size_t dark = 0;
  for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
    if (static_cast<unsigned char>(data[i]) < 200) ++dark;
  }
  return static_cast<double>(dark) / (static_cast<double>(w) * h);
}

// Non-white pixels of a page image: their share and their bounding box.
struct Ink {
  double share = 0;
  QRect box;
};

inline Ink InkOf(const QImage& page) {
  Ink ink;
  long dark = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (page.pixelColor(x, y).lightness() > 240) continue;
      ++dark;
      ink.box |= QRect(x, y, 1, 1);
    }
  }
  ink.share = static_cast<double>(dark) / (page.width() * page.height());
  return ink;
}

inline std::vector<std::filesystem::path> Pages(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> pages;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.path().extension() == ".png") pages.push_back(e.path());
  std::sort(pages.begin(), pages.end());
  return pages;
}

}  // namespace tavolex

#endif
