// File names between the program's paths and Qt's texts, converted as everywhere else in the
// program (UTF-8 file names on POSIX hosts).
#pragma once

#include <QString>
#include <filesystem>

#include "common/Func_2.h"

namespace tavolex {

inline QString QtPathText(const std::filesystem::path& p) {
  return QString::fromStdU16String(StrFromPath(p));
}

inline std::filesystem::path PathFromQtText(const QString& text) {
  return PathFromStr(text.toStdU16String());
}

}  // namespace tavolex
