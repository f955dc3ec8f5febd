// The JSON form of a drawing's description.
#pragma once

#include <nlohmann/json.hpp>

#include "jww/JwwInfo.h"

namespace tavolex::cli {

nlohmann::ordered_json InfoToJson(const TJwwInfo& info);

}  // namespace tavolex::cli
