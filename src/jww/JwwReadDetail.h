// Shared pieces of the entity-stream reader.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "jww/JwwStream.h"
#include "jww/jwwtype.h"

namespace tavolex {

// State of one load that lives across the drawing's list and the block definitions.
struct TJwwLoadRun {
  bool publish = true;  // publish the values for text variables
  bool images = true;   // read the stored-image section
  int64_t tagBudget = std::numeric_limits<int64_t>::max();
  int64_t tagsRead = 0;
  int32_t version = 0;
  // Classes and objects are numbered from 1 in order of appearance across the whole file.
  uint32_t runningIndex = 1;
  // Per entity kind (1..7): the number its class was introduced with, 0 while not yet seen.
  std::array<uint32_t, 8> classIndex{};

  // Counts one more object tag; false once the budget is spent.
  bool TakeTag() {
    if (tagsRead >= tagBudget) return false;
    ++tagsRead;
    return true;
  }
  bool BudgetLeft() const { return tagsRead < tagBudget; }
};

// The arrays one list of entities is read into: the drawing's own or a block definition's.
struct TJwwEntityTarget {
  std::vector<TEntJwwLine>& Line;
  int32_t& LineN;
  std::vector<TEntJwwEnko>& Enko;
  int32_t& EnkoN;
  std::vector<TEntJwwTen>& Ten;
  int32_t& TenN;
  std::vector<TEntJwwMoji>& Moji;
  int32_t& MojiN;
  std::vector<TEntJwwSunpo>& Sunpo;
  int32_t& SunpoN;
  std::vector<TEntJwwSolid>& Solid;
  int32_t& SolidN;
  std::vector<TEntJwwBlock>& Block;
  int32_t& BlockN;
  std::vector<TEntJwwNo>& No;
};

// The smallest stored object: a two-byte tag and at least one byte of data. An announced count
// is never allowed to allocate beyond what the remaining bytes can hold.
constexpr size_t kJwwMinObjectBytes = 3;

// Reads a fixed record of fullSize bytes (its size for files of version 351 on) into dst; older
// files store two bytes less and get nPenWidth 0. Returns the bytes that arrived.
size_t ReadJwwFixed(TJwwStream& s, void* dst, size_t fullSize, int32_t version);

// The tag in front of a block definition: the class is not checked; a new class takes a number.
// False when the class name is too long for the work buffer or cut off.
bool ReadJwwListTag(TJwwStream& s, TJwwLoadRun& run);

// Reads one object of an entity kind and appends it; false (and nothing appended) when it could
// not be read.
bool ReadJwwObject(TJwwStream& s, int32_t kind, int32_t version, TJwwEntityTarget& t,
                   bool& mojiEncode);

// Reads a list of n tagged objects. Order entries are written from index 0 of t.No, which the
// caller has sized. Returns false on a failure of the whole load (an unknown or oversized class
// name); running out of data or of the tag budget just ends the list.
bool ReadJwwObjectList(TJwwStream& s, TJwwLoadRun& run, int64_t n, TJwwEntityTarget& t,
                       bool& mojiEncode);

// An object-list count: a word, or 0xFFFF and a signed 32-bit count. False when no byte arrived.
bool ReadJwwListCount(TJwwStream& s, int32_t& count);

}  // namespace tavolex
