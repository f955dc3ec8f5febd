// Compares two PNG pages of the same drawing by their ink: the share of a page's ink pixels with
// no ink within 2 pixels on the other page, each way. Prints the larger share and its two parts;
// pages of different sizes, or both without ink, print 1. For pages printed on two platforms, where
// fonts and anti-aliasing differ but every line must be where it was.
//
//   compare_pages [--turn-first DEG] A.png B.png
//
// --turn-first turns A clockwise by DEG (0, 90, 180 or 270) degrees first: a print system may
// lay a landscape job across an upright sheet where another marks the page as turned.
#include <QColor>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kReach = 2;  // pixels a stroke may move between platforms

using Mask = std::vector<unsigned char>;

// Not white: what the light grey of anti-aliased edges is not counted as.
Mask InkMask(const QImage& page) {
  Mask ink(static_cast<size_t>(page.width()) * page.height());
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      ink[static_cast<size_t>(y) * page.width() + x] = QColor(page.pixel(x, y)).lightness() <= 240;
  return ink;
}

// The ink grown by kReach pixels in every direction (a square), one axis at a time.
Mask Grown(const Mask& ink, int width, int height) {
  Mask rows(ink.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool any = false;
      for (int dx = -kReach; dx <= kReach && !any; ++dx) {
        const int nx = x + dx;
        any = nx >= 0 && nx < width && ink[static_cast<size_t>(y) * width + nx];
      }
      rows[static_cast<size_t>(y) * width + x] = any;
    }
  Mask grown(ink.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool any = false;
      for (int dy = -kReach; dy <= kReach && !any; ++dy) {
        const int ny = y + dy;
        any = ny >= 0 && ny < height && rows[static_cast<size_t>(ny) * width + x];
      }
      grown[static_cast<size_t>(y) * width + x] = any;
    }
  return grown;
}

// The share of `ink` pixels outside `near`; 0 for a page without ink.
double Unmatched(const Mask& ink, const Mask& near) {
  size_t total = 0;
  size_t alone = 0;
  for (size_t i = 0; i < ink.size(); ++i) {
    if (!ink[i]) continue;
    ++total;
    if (!near[i]) ++alone;
  }
  return total == 0 ? 0.0 : static_cast<double>(alone) / static_cast<double>(total);
}

}  // namespace

int main(int argc, char** argv) {
  long turn = 0;
  bool turnRead = true;
  if (argc == 5 && std::strcmp(argv[1], "--turn-first") == 0) {
    char* end = nullptr;
    turn = std::strtol(argv[2], &end, 10);
    turnRead = end != argv[2] && *end == '\0';
    argv += 2;
    argc -= 2;
  }
  if (argc != 3 || !turnRead || turn % 90 != 0 || turn < 0 || turn > 270) {
    std::fprintf(stderr, "usage: compare_pages [--turn-first 0|90|180|270] A.png B.png\n");
    return 2;
  }
  QImage a(QString::fromLocal8Bit(argv[1]));
  const QImage b(QString::fromLocal8Bit(argv[2]));
  if (a.isNull() || b.isNull()) {
    std::fprintf(stderr, "compare_pages: cannot read %s\n", a.isNull() ? argv[1] : argv[2]);
    return 2;
  }
  // With y downwards a positive angle turns clockwise.
  if (turn != 0) a = a.transformed(QTransform().rotate(static_cast<qreal>(turn)));
  if (a.size() != b.size()) {
    std::printf("1 (sizes %dx%d and %dx%d)\n", a.width(), a.height(), b.width(), b.height());
    return 0;
  }
  const Mask inkA = InkMask(a);
  const Mask inkB = InkMask(b);
  // Two blank pages agree on nothing: a drawing gives ink, so both builds lost it.
  const auto inked = [](const Mask& ink) {
    return std::find(ink.begin(), ink.end(), 1) != ink.end();
  };
  if (!inked(inkA) && !inked(inkB)) {
    std::printf("1 (no ink on either page)\n");
    return 0;
  }
  const double aAlone = Unmatched(inkA, Grown(inkB, b.width(), b.height()));
  const double bAlone = Unmatched(inkB, Grown(inkA, a.width(), a.height()));
  std::printf("%.4f (%.4f %.4f)\n", aAlone > bAlone ? aAlone : bAlone, aAlone, bAlone);
  return 0;
}
