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
  return j;
}

}  // namespace tavolex::cli
