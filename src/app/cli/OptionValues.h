// Reading the values of options: numbers and choices, whole or not at all.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tavolex::cli {

// A finite number, the whole text.
bool ReadDouble(const std::string& text, double& value);
// A whole number from lo to hi, the whole text.
bool ReadInt(const std::string& text, int& value, int lo, int hi);
// The value of one of the named choices.
bool Choice(const std::string& text, const std::map<std::string, int>& choices, int& value);

// A file or folder named on the command line. The arguments are the system's file names as bytes
// (Linux) or in UTF-8 (Windows, converted from its UTF-16 command line), so a name in any
// encoding reaches the file system unchanged.
std::filesystem::path PathArg(const std::string& arg);

}  // namespace tavolex::cli
