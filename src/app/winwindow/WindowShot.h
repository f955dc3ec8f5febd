// A picture of a window as it is on screen, for looking at the layout.
#pragma once

#include <filesystem>

#include "platform/win/WinHeaders.h"

namespace tavolex {

// Writes the window, frame included, as a PNG file; false when it could not.
bool SaveWindowPng(HWND window, const std::filesystem::path& file);

}  // namespace tavolex
