#include "platform/PngWrite.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

namespace tavolex {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;
constexpr uint32_t kNoColour = 0xFFFFFFFFu;
// Deflate at its fastest level: pages are mostly paper, and the long runs of one index or one
// RGB row compress nearly as well as at higher levels in a fraction of the time.
constexpr int kDeflateLevel = 1;
constexpr size_t kIdatBytes = 1u << 20;

// Colour to palette index, open addressing; at most 256 colours in 1024 slots.
class ColourIndex {
 public:
  ColourIndex() { keys_.fill(kNoColour); }

  // The index of c, given the next free one when it is new; -1 once a 257th colour appears.
  int Find(uint32_t c) {
    size_t slot = (c * 2654435761u) >> 22;
    while (keys_[slot] != kNoColour) {
      if (keys_[slot] == c) return values_[slot];
      slot = (slot + 1) & (kSlots - 1);
    }
    if (colours_.size() == 256) return -1;
    keys_[slot] = c;
    values_[slot] = static_cast<uint8_t>(colours_.size());
    colours_.push_back(c);
    return values_[slot];
  }

  const std::vector<uint32_t>& Colours() const { return colours_; }

 private:
  static constexpr size_t kSlots = 1024;
  std::array<uint32_t, kSlots> keys_{};
  std::array<uint8_t, kSlots> values_{};
  std::vector<uint32_t> colours_;
};

const uint32_t* Row(const PngPage& page, int y) {
  return page.pixels + static_cast<size_t>(y) * page.strideWords;
}

// Eight pixels at a time are compared with the last colour: a page is mostly long runs, and a
// block of one colour costs one test instead of eight.
constexpr int kBlock = 8;

bool BlockIs(const uint32_t* p, uint32_t raw) {
  uint32_t differ = 0;
  for (int k = 0; k < kBlock; ++k)
    differ |= p[k] ^ raw;
  return differ == 0;
}

constexpr int kTooManyColours = -2;
constexpr int kMixedRow = -1;

// The palette index of every pixel of a row. Returns the one index of a row of one colour,
// kMixedRow for a row of several, kTooManyColours once the page has more than a palette holds.
int IndexRow(const uint32_t* row, int width, ColourIndex& index, unsigned char* out) {
  const uint32_t first = row[0];
  uint32_t lastRaw = first;
  int lastIndex = index.Find(lastRaw & kRgbMask);
  if (lastIndex < 0) return kTooManyColours;
  bool mixed = false;
  int x = 0;
  while (x < width) {
    if (x + kBlock <= width && BlockIs(row + x, lastRaw)) {
      std::memset(out + x, lastIndex, kBlock);
      x += kBlock;
      continue;
    }
    const int end = std::min(width, x + kBlock);
    for (; x < end; ++x) {
      if (row[x] != lastRaw) {
        lastRaw = row[x];
        lastIndex = index.Find(lastRaw & kRgbMask);
        if (lastIndex < 0) return kTooManyColours;
        mixed = true;
      }
      out[x] = static_cast<unsigned char>(lastIndex);
    }
  }
  return mixed ? kMixedRow : lastIndex;
}

// The colours of the page and, for each row, its one index or kMixedRow; no colours when there
// are more than 256.
struct PageColours {
  std::vector<uint32_t> colours;
  std::vector<int> rowIndex;
};

PageColours ScanColours(const PngPage& page) {
  PageColours pc;
  if (page.pixels == nullptr || page.width <= 0 || page.height <= 0) return pc;
  ColourIndex index;
  std::vector<unsigned char> indices(static_cast<size_t>(page.width));
  pc.rowIndex.resize(static_cast<size_t>(page.height));
  for (int y = 0; y < page.height; ++y) {
    const int r = IndexRow(Row(page, y), page.width, index, indices.data());
    if (r == kTooManyColours) return {};
    pc.rowIndex[static_cast<size_t>(y)] = r;
  }
  pc.colours = index.Colours();
  return pc;
}

// Packs indices of `bits` bits each into bytes, the first pixel in the high bits; eight equal
// indices fill `bits` bytes with their repeated pattern.
void PackRow(const std::vector<unsigned char>& indices, int bits, unsigned char* out) {
  if (bits == 8) {
    std::copy(indices.begin(), indices.end(), out);
    return;
  }
  const size_t perByte = static_cast<size_t>(8 / bits);
  const size_t n = indices.size();
  size_t i = 0;
  size_t o = 0;
  while (i < n) {
    if (i + kBlock <= n) {
      uint64_t eight = 0;
      std::memcpy(&eight, &indices[i], kBlock);
      const uint64_t same = 0x0101010101010101ull * indices[i];
      if (eight == same) {
        unsigned pattern = indices[i];
        for (int w = bits; w < 8; w *= 2)
          pattern |= pattern << w;
        std::memset(out + o, static_cast<int>(pattern & 0xFFu), static_cast<size_t>(bits));
        i += kBlock;
        o += static_cast<size_t>(bits);
        continue;
      }
    }
    unsigned b = 0;
    for (size_t k = 0; k < perByte; ++k)
      b = (b << bits) | (i + k < n ? indices[i + k] : 0u);
    out[o++] = static_cast<unsigned char>(b);
    i += perByte;
  }
}

int BitsFor(size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  if (colours <= 16) return 4;
  return 8;
}

void PutU32(std::vector<unsigned char>& out, uint32_t v) {
  out.push_back(static_cast<unsigned char>(v >> 24));
  out.push_back(static_cast<unsigned char>(v >> 16));
  out.push_back(static_cast<unsigned char>(v >> 8));
  out.push_back(static_cast<unsigned char>(v));
}

void PutChunk(std::vector<unsigned char>& out, const char (&type)[5], const unsigned char* data,
              size_t size) {
  PutU32(out, static_cast<uint32_t>(size));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  if (size > 0) out.insert(out.end(), data, data + size);
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(size + 4));
  PutU32(out, static_cast<uint32_t>(crc));
}

void PutChunk(std::vector<unsigned char>& out, const char (&type)[5],
              const std::vector<unsigned char>& data) {
  PutChunk(out, type, data.data(), data.size());
}

void PutHeader(std::vector<unsigned char>& out, const PngPage& page, int bits, int colourType) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.insert(out.end(), kSignature, kSignature + 8);
  std::vector<unsigned char> ihdr;
  PutU32(ihdr, static_cast<uint32_t>(page.width));
  PutU32(ihdr, static_cast<uint32_t>(page.height));
  ihdr.insert(ihdr.end(),
              {static_cast<unsigned char>(bits), static_cast<unsigned char>(colourType), 0, 0, 0});
  PutChunk(out, "IHDR", ihdr);
  if (page.dotsPerMeter > 0) {
    std::vector<unsigned char> phys;
    PutU32(phys, static_cast<uint32_t>(page.dotsPerMeter));
    PutU32(phys, static_cast<uint32_t>(page.dotsPerMeter));
    phys.push_back(1);  // the unit is the metre
    PutChunk(out, "pHYs", phys);
  }
}

// Deflates rows into IDAT chunks of the output as the compressed bytes come.
class IdatStream {
 public:
  explicit IdatStream(std::vector<unsigned char>& out) : out_(out), buffer_(kIdatBytes) {
    ok_ = deflateInit2(&z_, kDeflateLevel, Z_DEFLATED, 15, 9, Z_DEFAULT_STRATEGY) == Z_OK;
    z_.next_out = buffer_.data();
    z_.avail_out = static_cast<uInt>(buffer_.size());
  }
  ~IdatStream() {
    if (ok_) deflateEnd(&z_);
  }
  IdatStream(const IdatStream&) = delete;
  IdatStream& operator=(const IdatStream&) = delete;

  bool Add(const std::vector<unsigned char>& row) {
    return Run(row.data(), row.size(), Z_NO_FLUSH);
  }
  bool Finish() { return Run(nullptr, 0, Z_FINISH); }

 private:
  bool Run(const unsigned char* data, size_t size, int flush) {
    if (!ok_) return false;
    z_.next_in = const_cast<unsigned char*>(data);
    z_.avail_in = static_cast<uInt>(size);
    for (;;) {
      if (z_.avail_out == 0) Emit();
      const int rc = deflate(&z_, flush);
      if (rc == Z_STREAM_ERROR) return ok_ = false;
      if (flush == Z_FINISH && rc == Z_STREAM_END) {
        Emit();
        return true;
      }
      if (flush != Z_FINISH && z_.avail_in == 0 && z_.avail_out != 0) return true;
    }
  }

  void Emit() {
    const size_t used = buffer_.size() - z_.avail_out;
    if (used > 0) PutChunk(out_, "IDAT", buffer_.data(), used);
    z_.next_out = buffer_.data();
    z_.avail_out = static_cast<uInt>(buffer_.size());
  }

  std::vector<unsigned char>& out_;
  std::vector<unsigned char> buffer_;
  z_stream z_{};
  bool ok_ = false;
};

bool EncodeIndexed(const PngPage& page, const PageColours& pc, std::vector<unsigned char>& out) {
  const int bits = BitsFor(pc.colours.size());
  PutHeader(out, page, bits, 3);
  std::vector<unsigned char> plte;
  for (const uint32_t c : pc.colours) {
    plte.insert(plte.end(), {static_cast<unsigned char>(c >> 16),
                             static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c)});
  }
  PutChunk(out, "PLTE", plte);
  IdatStream idat(out);
  std::vector<unsigned char> line(1 + (static_cast<size_t>(page.width) * bits + 7) / 8, 0);
  std::vector<unsigned char> indices(static_cast<size_t>(page.width));
  ColourIndex index;
  for (const uint32_t c : pc.colours)
    index.Find(c);
  int lineOf = kMixedRow;  // the one index the packed line holds, if it is a row of one colour
  const size_t rowBytes = static_cast<size_t>(page.width) * sizeof(uint32_t);
  for (int y = 0; y < page.height; ++y) {
    // Rows of one colour (the paper around the drawing) are known from the scan: their pixels
    // need not be read again. A row of several colours that repeats the row above (lines
    // across it) keeps the packed line as it is.
    const int one = pc.rowIndex[static_cast<size_t>(y)];
    const bool repeatsAbove = one == kMixedRow && lineOf == kMixedRow && y > 0 &&
                              std::memcmp(Row(page, y), Row(page, y - 1), rowBytes) == 0;
    if (!repeatsAbove && (one == kMixedRow || one != lineOf)) {
      if (one == kMixedRow) {
        if (IndexRow(Row(page, y), page.width, index, indices.data()) == kTooManyColours)
          return false;
      } else {
        std::fill(indices.begin(), indices.end(), static_cast<unsigned char>(one));
      }
      PackRow(indices, bits, line.data() + 1);
      lineOf = one;
    }
    if (!idat.Add(line)) return false;
  }
  return idat.Finish();
}

bool EncodeRgb(const PngPage& page, std::vector<unsigned char>& out) {
  PutHeader(out, page, 8, 2);
  IdatStream idat(out);
  // Each row is filtered against the one above ("Up"), which costs little and shrinks the
  // paper between the lines and photos alike.
  std::vector<unsigned char> line(1 + static_cast<size_t>(page.width) * 3);
  std::vector<unsigned char> above(line.size(), 0);
  std::vector<unsigned char> raw(line.size(), 0);
  line[0] = 2;
  for (int y = 0; y < page.height; ++y) {
    const uint32_t* row = Row(page, y);
    for (int x = 0; x < page.width; ++x) {
      unsigned char* p = &raw[1 + static_cast<size_t>(x) * 3];
      p[0] = static_cast<unsigned char>(row[x] >> 16);
      p[1] = static_cast<unsigned char>(row[x] >> 8);
      p[2] = static_cast<unsigned char>(row[x]);
    }
    for (size_t i = 1; i < line.size(); ++i)
      line[i] = static_cast<unsigned char>(raw[i] - above[i]);
    if (!idat.Add(line)) return false;
    above.swap(raw);
  }
  return idat.Finish();
}

}  // namespace

std::vector<uint32_t> PagePalette(const PngPage& page) {
  return ScanColours(page).colours;
}

std::vector<unsigned char> EncodePng(const PngPage& page) {
  std::vector<unsigned char> out;
  if (page.pixels == nullptr || page.width <= 0 || page.height <= 0) return out;
  const PageColours pc = ScanColours(page);
  const bool ok = pc.colours.empty() ? EncodeRgb(page, out) : EncodeIndexed(page, pc, out);
  if (!ok) return {};
  PutChunk(out, "IEND", nullptr, 0);
  return out;
}

bool WritePng(const std::filesystem::path& file, const PngPage& page) {
  const std::vector<unsigned char> png = EncodePng(page);
  if (png.empty()) return false;
  bool written = false;
  {
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    f.close();
    written = !f.fail();
  }
  if (written) return true;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return false;
}

}  // namespace tavolex
