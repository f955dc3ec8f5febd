// One Jw_cad drawing in memory and its reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "jww/jwwtype.h"

namespace tavolex {

class TJwwStream;
struct TJwwLoadRun;

// Limits of the flattened insert tree: a definition that inserts itself, or inserts another
// many times over many levels, must not expand without end. Measuring, counting and drawing
// visit every member of every node's definition, so the tree is also cut when the members of
// its nodes together would pass kBlockTreeMaxWork (a node without members costs 1). A page of a
// million members takes a second or two to print; real drawings expand to far fewer.
constexpr int32_t kBlockTreeMaxLevel = 32;
constexpr int32_t kBlockTreeMaxNodes = 200000;
constexpr int64_t kBlockTreeMaxWork = 1000000;

// Most bytes that one stored image may unpack to.
constexpr uint64_t kBindImageMaxUnpacked = uint64_t{256} * 1024 * 1024;

// The last part of a stored image name (behind any '/', '\\' or drive colon); empty when that
// is "." or ".." or holds control characters. Stored images are only ever written, unpacked and
// deleted under this name inside BindImageFolder.
std::u16string BindImageLeafName(const std::u16string& stored);

// The millimetres per dot of line-type pitches that the header states (by its printer
// resolution); none when the drawing leaves them to LtypeUnit.
std::optional<double> DrawingLineTypeUnit(const TEntJwwHeader& h);

class TJwwData {
 public:
  TJwwData();   // Create: an empty document
  ~TJwwData();  // Destroy
  TJwwData(const TJwwData&) = delete;
  TJwwData& operator=(const TJwwData&) = delete;

  // Empties the document; BindImageFolder, BindImageExp and BindImageExr are kept.
  void DataInit();
  // Releases the block definitions' members, then DataInit.
  void DataFree();

  // True when the file starts with "JwwData." and a version from 220 to 700. Does not touch the
  // document.
  static bool FileCheck(const std::filesystem::path& FName);

  // Loads the whole file. True when the header was read and the rest was read to its end without
  // a failure outside single objects; the document holds what was read in either case.
  bool FileIn(const std::filesystem::path& FName);
  // As FileIn for a file already in memory; FName is what the text variables publish.
  bool FileInBuffer(std::span<const uint8_t> data, const std::filesystem::path& FName);
  // Reads header and at most ZMaxN object tags, for taking over a drawing's settings. Publishes
  // nothing and reads no stored images.
  bool FilePrevIn(const std::filesystem::path& FName, int ZMaxN);

  // Rebuilds the flattened insert tree and the reference marks of the definitions.
  void MakeBlockTree();

  // The drawing's pens, line types and layer states into GAtt.
  void FileColorSet();
  void FileLtypeSet();
  void SetGAttLayer();

  // Stored images.
  void BindImageInit();
  void BindImageExplode(uint64_t maxUnpackedBytes = kBindImageMaxUnpacked);
  void BindImageDeleteGzFile();
  void BindImageDeleteNonGzFile();

  // ---- Extents and element counts ----------------------------------------------------------
  // Measures every entity, block contents included, into myMinWx .. myMaxWy.
  void GetMinMaxZahyo();
  // Counts per kind of the elements on group lay1 and layer lay2 (-1: all): n1 lines, n2 arcs,
  // n3 points, n4 temporary points, n5 texts, n6 dimensions, n7 solids, n8 block inserts, and
  // n1a .. n7a the same inside block inserts.
  void GetElementNum(int lay1, int lay2, int& n1, int& n2, int& n3, int& n4, int& n5, int& n6,
                     int& n7, int& n8, int& n1a, int& n2a, int& n3a, int& n4a, int& n5a, int& n6a,
                     int& n7a) const;

  // ---- Drawing onto GGraph with GAtt -------------------------------------------------------
  // dsporder 0 stored order, 1 layer order, 2 reverse layer order; lay1/lay2 group and layer
  // (-1 all); flg1 leave hidden layers out, flg2 honour the auxiliary switch, flg3 draw
  // temporary points; rot turns the drawing about the origin (radians).
  void GLDrawALL3(int dsporder, int lay1, int lay2, bool flg1, bool flg2, bool flg3, double rot);
  // One entity through the block placement X = (bx + b1·x + b2·y) / sc,
  // Y = (by + b3·x + b4·y) / sc; lf: the entity keeps its own layer inside a block (sc is 1).
  void GLDrawLine2(bool dispmode, uint32_t dcol, const TEntJwwLine& e, bool lf, double sc,
                   double bx, double by, double b1, double b2, double b3, double b4);
  void GLDrawEnko2(bool dispmode, uint32_t dcol, const TEntJwwEnko& e, bool lf, double sc,
                   double bx, double by, double b1, double b2, double b3, double b4);
  void GLDrawTen2(bool dispmode, uint32_t dcol, const TEntJwwTen& e, bool lf, double sc, double bx,
                  double by, double b1, double b2, double b3, double b4);
  void GLDrawSolid2(bool dispmode, uint32_t dcol, const TEntJwwSolid& e, bool lf, double sc,
                    double bx, double by, double b1, double b2, double b3, double b4);
  void GLDrawImage2(bool dispmode, uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc,
                    double bx, double by, double b1, double b2, double b3, double b4);
  void GLDrawMoji2(bool dispmode, uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc,
                   double bx, double by, double b1, double b2, double b3, double b4);
  // As GLDrawMoji2, drawing sm instead of the stored string, centred where that one was.
  void GLDrawMoji3(bool dispmode, uint32_t dcol, const std::u16string& sm, const TEntJwwMoji& e,
                   bool lf, double sc, double bx, double by, double b1, double b2, double b3,
                   double b4);
  // hojof: leave the auxiliary parts out.
  void GLDrawSunpo2(bool dispmode, bool hojof, uint32_t dcol, const TEntJwwSunpo& e, bool lf,
                    double sc, double bx, double by, double b1, double b2, double b3, double b4);
  // Placed position and marker settings (kind, code, angle, scale) of a point.
  void TenMarkerParam(const TEntJwwTen& e, bool lf, double sc, double bx, double by, double b1,
                      double b2, double b3, double b4, double& X, double& Y, int& kf, int& pc,
                      double& a, double& ba) const;
  // The scale of a layer group; 1 for a group number outside the table.
  double GroupScale(int group) const;
  // The layer whose state an entity is drawn with: its own, or while the members of an insert
  // without own layers are drawn, the layer that insert was tested with (InsertLayer).
  int DrawLayer(const TEntJwwAttr& att) const {
    return InsertLayer >= 0 ? InsertLayer : LayerIndex(att);
  }
  int32_t InsertLayer = -1;  // set by GLDrawALL3 only while it draws such members

  // --- the header and the settings tables
  TEntJwwHeader Enthd;
  std::vector<TEntJwwLayerGroup> EntLgrp;    // 16, index = group
  std::vector<TEntJwwLayer> EntLay;          // 256, index = group * 16 + layer
  std::vector<TEntJwwColorNo> EntCol;        // 10: 0 background, 1..8 standard pens
  std::vector<TEntJwwLineTypeNo> EntLtp1;    // line types 2..9
  std::vector<TEntJwwRandomLineNo> EntLtp2;  // random lines 11..15
  std::vector<TEntJwwLineTypeNo> EntLtp3;    // double-length types 16..19
  std::vector<TEntJwwColorExNo> EntColS;     // SXF colours, 1..256 used
  std::vector<TEntJwwLineTypeExNo> EntLtpS;  // SXF line types, 1..32 used
  std::vector<TEntJwwMojiType> EntMoj;       // text types 1..10 at 0..9

  // --- the drawing's entities
  // Drawing order. Enthd.n1 keeps the announced count; the list itself is never longer than the
  // file could hold, so walk it by its own size. Entries behind the ones read are empty (kind 0).
  std::vector<TEntJwwNo> EntNo;
  std::vector<TEntJwwLine> EntLine;
  int32_t EntLineN = 0;
  std::vector<TEntJwwEnko> EntEnko;
  int32_t EntEnkoN = 0;
  std::vector<TEntJwwTen> EntTen;
  int32_t EntTenN = 0;
  std::vector<TEntJwwMoji> EntMoji;
  int32_t EntMojiN = 0;
  std::vector<TEntJwwSunpo> EntSunpo;
  int32_t EntSunpoN = 0;
  std::vector<TEntJwwSolid> EntSolid;
  int32_t EntSolidN = 0;
  std::vector<TEntJwwBlock> EntBlock;
  int32_t EntBlockN = 0;
  std::vector<TEntJwwBlockDef> EntBlockDef;
  int32_t EntBlockDefN = 0;
  std::vector<TEntJwwBlockTree> EntBlockTree;
  int32_t EntBlockTreeN = 0;
  int32_t EntBlockNum = 0;                       // definitions reached by some insert
  bool BlockTreeTruncated = false;               // MakeBlockTree stopped at one of its limits
  int64_t BlockTreeMaxWork = kBlockTreeMaxWork;  // set by the owner; kept by DataInit

  // --- stored images
  std::filesystem::path BindImageFolder;  // set by the owner
  std::vector<TBindImageType> BindImage;
  int32_t BindImageN = 0;
  bool BindImageExp = false;  // write the stored images out while loading
  bool BindImageExr = false;  // read through the image section while loading

  int32_t FileOutOpt = 0;
  int32_t FontNameN = 0;
  std::vector<std::u16string> FontNames;
  bool MojiEncode = false;  // some string of the file was stored in UTF-16

  // Extents of the drawing, kept by the measuring code.
  double myMinWx = 0.0;
  double myMinWy = 0.0;
  double myMaxWx = 0.0;
  double myMaxWy = 0.0;

 private:
  bool LoadFile(const std::filesystem::path& FName, TJwwLoadRun& run);
  bool LoadFromBuffer(std::span<const uint8_t> data, const std::filesystem::path& FName,
                      TJwwLoadRun& run);
  bool ReadJwwHeader(TJwwStream& s);
  void PublishTextValues(const std::filesystem::path& FName) const;
  bool ReadEntityList(TJwwStream& s, TJwwLoadRun& run);
  bool ReadBlockDefs(TJwwStream& s, TJwwLoadRun& run);
  bool ReadBindImages(TJwwStream& s);
  void WriteBindImage(const TBindImageType& image, TJwwStream& s) const;
};

}  // namespace tavolex
