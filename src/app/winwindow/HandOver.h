// A later start of the program with drawings hands them to the window already open, so that
// choosing several drawings in Explorer and "Tavolexで印刷" gives one list, not a window each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win/WinHeaders.h"

namespace tavolex {

// The class of the main window, by which a later start finds it.
inline constexpr wchar_t kForm1Class[] = L"TavolexForm1";

// Marks a WM_COPYDATA as a hand-over of drawing names.
inline constexpr ULONG_PTR kHandOverTag = 0x54564C58;  // "TVLX"

// Held while a window of the program runs in this session; false when one already held it.
bool FirstWindowOfSession();

// Sends full paths to the open window, waiting a little for it to appear and to take them; false
// when there is none or it did not take them (during a run), so the caller opens its own.
bool HandOverToOpenWindow(const std::vector<std::u16string>& fullPaths);

// The names of a hand-over; none when the data is not one.
std::optional<std::vector<std::u16string>> HandedOverNames(const COPYDATASTRUCT& data);

}  // namespace tavolex
