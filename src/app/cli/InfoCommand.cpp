#include <filesystem>

#include "app/cli/CliCommands.h"
#include "app/cli/InfoJson.h"
#include "app/cli/OptionValues.h"
#include "common/Func_2.h"
#include "jww/JwwInfo.h"
#include "jww/JwwUnit.h"

namespace tavolex::cli {

int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  if (files.empty()) {
    err << "tavolex-print: --info needs at least one file\n";
    return 2;
  }
  TJwwData jww;
  bool allLoaded = true;
  for (const std::string& file : files) {
    const std::filesystem::path path = PathArg(file);
    const TJwwInfo info = CollectJwwInfo(path, jww);
    allLoaded = allLoaded && info.fileIn;
    if (info.blockTreeTruncated) ReportBlockTreeCut(err, StrFromPath(path));
    // Invalid UTF-8 in names is replaced rather than stopping the listing.
    out << InfoToJson(info).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
        << "\n";
  }
  return allLoaded ? 0 : 1;
}

}  // namespace tavolex::cli
