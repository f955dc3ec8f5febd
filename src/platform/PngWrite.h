// A PNG writer for printed pages: a page of at most 256 colours (a CAD sheet nearly always)
// becomes an indexed image of 1, 2, 4 or 8 bits a pixel, any other page 24-bit RGB. Both are
// lossless and plain PNG; writing them is several times faster than a general image writer,
// and the files are smaller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavolex {

// Pixels as 0xAARRGGBB words (alpha is ignored), row after row, strideWords apart.
struct PngPage {
  const uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  size_t strideWords = 0;
  int dotsPerMeter = 0;  // 0: no resolution is stored
};

// The colours of the page in order of first appearance, 0x00RRGGBB; empty when there are more
// than 256.
std::vector<uint32_t> PagePalette(const PngPage& page);

// The PNG file of the page, whole in memory.
std::vector<unsigned char> EncodePng(const PngPage& page);

// Writes the page to file; false (and no file left) when it cannot be written.
bool WritePng(const std::filesystem::path& file, const PngPage& page);

}  // namespace tavolex
