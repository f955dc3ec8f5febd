// The host's Unicode simple case mapping of one character, for UpperStr and LowerStr.
#pragma once

#include <optional>

namespace tavolex {

// The upper- or lower-case form of c; nullopt when the host has no case tables, so the caller
// maps with its own.
std::optional<char32_t> HostCaseMap(char32_t c, bool upper);

}  // namespace tavolex
