// What is printed on a page image: the share of inked pixels and where they lie.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <filesystem>
#include <vector>

namespace tavolex::test {

struct Ink {
  double share = 0;
  QRect box;  // of every pixel that is not white
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
  ink.share = static_cast<double>(dark) / (static_cast<double>(page.width()) * page.height());
  return ink;
}

// The PNG pages of a folder in name order.
inline std::vector<std::filesystem::path> Pages(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> pages;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.path().extension() == ".png") pages.push_back(e.path());
  std::sort(pages.begin(), pages.end());
  return pages;
}

}  // namespace tavolex::test
