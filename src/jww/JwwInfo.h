// A short description of one drawing file: what was read and how much of each kind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavolex {

class TJwwData;

struct TJwwEntityCounts {
  int32_t lines = 0;
  int32_t arcs = 0;  // arcs, circles and ellipses
  int32_t points = 0;
  int32_t temporaryPoints = 0;
  int32_t texts = 0;
  int32_t images = 0;  // texts that show a picture ("^@BM…")
  int32_t dimensions = 0;
  int32_t solids = 0;
  int32_t blockInserts = 0;
};

// The drawing's extents and its element counts over every layer, as the print run measures them.
struct TJwwMeasure {
  double myMinWx = 0.0;
  double myMinWy = 0.0;
  double myMaxWx = 0.0;
  double myMaxWy = 0.0;
  // GetElementNum(-1, -1): n1 … n8, then n1a … n7a.
  int n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0, n6 = 0, n7 = 0, n8 = 0;
  int n1a = 0, n2a = 0, n3a = 0, n4a = 0, n5a = 0, n6a = 0, n7a = 0;
};

struct TJwwBlockInfo {
  uint32_t number = 0;
  std::u16string name;
  int32_t members = 0;
  bool referenced = false;
};

struct TJwwStoredImageInfo {
  std::u16string name;
  int32_t size = 0;
};

struct TJwwInfo {
  std::filesystem::path path;
  bool fileCheck = false;
  bool fileIn = false;
  int32_t jwVer = 0;
  std::u16string memo;
  bool utf16Strings = false;
  double printScale = 1.0;
  TJwwEntityCounts entities;
  int32_t announcedEntities = 0;
  std::vector<TJwwBlockInfo> blocks;
  int32_t blockTreeNodes = 0;
  bool blockTreeTruncated = false;  // the inserts expand further than measuring and drawing go
  int32_t referencedBlocks = 0;
  std::vector<TJwwStoredImageInfo> storedImages;
  std::vector<std::u16string> layerGroupNames;  // 16, index = group
  TJwwMeasure measure;
};

// Counts of a loaded document's own entities (block contents not included).
TJwwEntityCounts CountJwwEntities(const TJwwData& jww);

// Extents and element counts of a loaded document (GetMinMaxZahyo, GetElementNum(-1, -1)).
TJwwMeasure MeasureJww(TJwwData& jww);

// Checks and loads the file into jww (stored images are read through, not written) and describes
// it. A file that FileCheck refuses is not loaded.
TJwwInfo CollectJwwInfo(const std::filesystem::path& file, TJwwData& jww);

}  // namespace tavolex
