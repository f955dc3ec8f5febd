// Little-endian cursor over a drawing file held in memory.
//
// A read copies what is there: at the end of the data it delivers fewer bytes (or none) and leaves
// the rest of the destination untouched, as a short read of a file stream would. Callers decide
// which reads must deliver something.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tavolex {

// Values are copied as they are stored; the hosts we build for are little-endian.
static_assert(std::endian::native == std::endian::little);

class TJwwStream {
 public:
  TJwwStream(const uint8_t* data, size_t size) : pos_(data), end_(data + size) {}

  size_t Remaining() const { return static_cast<size_t>(end_ - pos_); }
  bool AtEnd() const { return pos_ == end_; }
  const uint8_t* Position() const { return pos_; }

  // Copies up to n bytes into dst; returns how many arrived.
  size_t Read(void* dst, size_t n) {
    const size_t got = n <= Remaining() ? n : Remaining();
    if (got > 0) std::memcpy(dst, pos_, got);
    pos_ += got;
    return got;
  }

  // Moves past up to n bytes; returns how many were there.
  size_t Skip(size_t n) {
    const size_t got = n <= Remaining() ? n : Remaining();
    pos_ += got;
    return got;
  }

  // A number of the file. On a short read the value keeps the bytes it had beyond those that
  // arrived; the result says whether any byte arrived.
  template <typename T>
  bool ReadValue(T& value) {
    if (Remaining() >= sizeof(T)) {
      std::memcpy(&value, pos_, sizeof(T));
      pos_ += sizeof(T);
      return true;
    }
    return Read(&value, sizeof(T)) > 0;
  }

 private:
  const uint8_t* pos_;
  const uint8_t* end_;
};

}  // namespace tavolex
