// Reading the values of options: numbers and choices, whole or not at all.
#pragma once

#include <map>
#include <string>

namespace tavolex::cli {

// A finite number, the whole text.
bool ReadDouble(const std::string& text, double& value);
// A whole number from lo to hi, the whole text.
bool ReadInt(const std::string& text, int& value, int lo, int hi);
// The value of one of the named choices.
bool Choice(const std::string& text, const std::map<std::string, int>& choices, int& value);

}  // namespace tavolex::cli
