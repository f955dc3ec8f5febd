// File times in the packed DOS date-time form: two-second steps, years 1980 to 2107, local time.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>

#include "common/UnitVal.h"

namespace tavolex {

// Packs a local date-time; years outside 1980..2107 are clamped to the first or last moment the
// form can hold.
uint32_t DateTimeToDos(const TDateTime& t);
TDateTime DosToDateTime(uint32_t dos);

// The local date-time of a moment in seconds since the epoch.
TDateTime LocalDateTime(std::time_t t);

// A file's modification time (links followed) as a DOS date-time; 0 when it cannot be read.
uint32_t FileDosTime(const std::filesystem::path& file);

}  // namespace tavolex
