#include "app/cli/InfoJson.h"

#include "common/Func_2.h"

namespace tavolex::cli {

namespace {

std::string Utf8(const std::u16string& s) {
  return StrToUtf8(s);
}

nlohmann::ordered_json CountsToJson(const TJwwEntityCounts& c) {
  return nlohmann::ordered_json{{"lines", c.lines},
                                {"arcs", c.arcs},
                                {"points", c.points},
                                {"temporaryPoints", c.temporaryPoints},
                                {"texts", c.texts},
                                {"images", c.images},
                                {"dimensions", c.dimensions},
                                {"solids", c.solids},
                                {"blockInserts", c.blockInserts}};
}

nlohmann::ordered_json ExtentsToJson(const TJwwMeasure& m) {
  return nlohmann::ordered_json{{"myMinWx", m.myMinWx},
                                {"myMinWy", m.myMinWy},
                                {"myMaxWx", m.myMaxWx},
                                {"myMaxWy", m.myMaxWy}};
}

nlohmann::ordered_json ElementNumToJson(const TJwwMeasure& m) {
  return nlohmann::ordered_json{{"n1", m.n1},   {"n2", m.n2},   {"n3", m.n3},   {"n4", m.n4},
                                {"n5", m.n5},   {"n6", m.n6},   {"n7", m.n7},   {"n8", m.n8},
                                {"n1a", m.n1a}, {"n2a", m.n2a}, {"n3a", m.n3a}, {"n4a", m.n4a},
                                {"n5a", m.n5a}, {"n6a", m.n6a}, {"n7a", m.n7a}};
}

}  // namespace

nlohmann::ordered_json InfoToJson(const TJwwInfo& info) {
  nlohmann::ordered_json j;
  j["path"] = Utf8(StrFromPath(info.path));
  j["fileCheck"] = info.fileCheck;
  j["fileIn"] = info.fileIn;
  if (!info.fileCheck) return j;
  j["jwVer"] = info.jwVer;
  j["memo"] = Utf8(info.memo);
  j["utf16Strings"] = info.utf16Strings;
  j["printScale"] = info.printScale;
  j["announcedEntities"] = info.announcedEntities;
  j["entities"] = CountsToJson(info.entities);
  nlohmann::ordered_json blocks = nlohmann::ordered_json::array();
  for (const TJwwBlockInfo& b : info.blocks) {
    blocks.push_back({{"number", b.number},
                      {"name", Utf8(b.name)},
                      {"members", b.members},
                      {"referenced", b.referenced}});
  }
  j["blockDefinitions"] = info.blocks.size();
  j["blocks"] = blocks;
  j["blockTreeNodes"] = info.blockTreeNodes;
  j["blockTreeTruncated"] = info.blockTreeTruncated;
  j["referencedBlocks"] = info.referencedBlocks;
  nlohmann::ordered_json images = nlohmann::ordered_json::array();
  for (const TJwwStoredImageInfo& image : info.storedImages) {
    images.push_back({{"name", Utf8(image.name)}, {"size", image.size}});
  }
  j["storedImages"] = images;
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (const std::u16string& name : info.layerGroupNames)
    groups.push_back(Utf8(name));
  j["layerGroupNames"] = groups;
  j["extents"] = ExtentsToJson(info.measure);
  j["elementNum"] = ElementNumToJson(info.measure);
  return j;
}

}  // namespace tavolex::cli
