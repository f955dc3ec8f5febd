// The system's open, save and colour dialogs. Filters are written as the Linux window writes them
// ("Jw_cad図面ファイル(*.jww)", several joined by ";;") or as "name|pattern" pairs; default
// extensions with or without their dot (".jww").
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/winwindow/WinControls.h"

namespace tavolex {

// The filter in the dialogs' own form: name NUL pattern NUL … NUL (the text ends in two NULs).
std::u16string WindowsFilter(const std::u16string& filter);

// The files an open dialog returned in its buffer: one full path, or with several files the
// folder and then each name, every part ending in NUL and the whole in two NULs.
std::vector<std::filesystem::path> SplitDialogFiles(const std::u16string& buffer);

// The chosen files (one unless multiSelect; each must exist); empty when cancelled.
std::vector<std::filesystem::path> OpenFileDialog(HWND owner, const std::u16string& folder,
                                                  const std::u16string& filter,
                                                  const std::u16string& defaultExt,
                                                  bool multiSelect);

// The file to write, asking before an existing one is replaced; empty when cancelled.
std::filesystem::path SaveFileDialog(HWND owner, const std::u16string& folder,
                                     const std::u16string& fileName, const std::u16string& filter,
                                     const std::u16string& defaultExt);

// The colour dialog, fully open, started with a colour 0x00BBGGRR; none when cancelled.
std::optional<uint32_t> ColorDialog(HWND owner, uint32_t start);

}  // namespace tavolex
