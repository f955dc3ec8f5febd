#include "app/cli/OptionValues.h"

#include <cmath>
#include <cstdlib>

namespace tavolex::cli {

bool ReadDouble(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end != nullptr && *end == '\0' && std::isfinite(value);
}

bool ReadInt(const std::string& text, int& value, int lo, int hi) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end == nullptr || *end != '\0' || v < lo || v > hi) return false;
  value = static_cast<int>(v);
  return true;
}

bool Choice(const std::string& text, const std::map<std::string, int>& choices, int& value) {
  const auto it = choices.find(text);
  if (it == choices.end()) return false;
  value = it->second;
  return true;
}

std::filesystem::path PathArg(const std::string& arg) {
  return std::filesystem::path(std::u8string(arg.begin(), arg.end()));
}

}  // namespace tavolex::cli
