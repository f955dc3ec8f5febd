// What the pen and line-type tabs need from the window around them: the dialogs, the status bar
// and the shared objects. Tests replace the dialogs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/win/WinHeaders.h"

namespace tavolex {

class TJwwData;
struct TPrintSettings;

struct TWinTableTabServices {
  TPrintSettings* settings = nullptr;
  // The window's document, which exists only once the program has started.
  std::function<TJwwData*()> JWW;
  // An open dialog in folder with a filter ("名前(*.ext)") and a default extension (".ext");
  // empty when cancelled.
  std::function<std::filesystem::path(const std::u16string& folder, const std::u16string& filter,
                                      const std::u16string& defaultExt)>
      OpenFile;
  // The colour dialog started with a colour 0x00BBGGRR; none when cancelled.
  std::function<std::optional<uint32_t>(uint32_t start)> PickColor;
  std::function<void(const std::u16string& text)> ShowStatus;
  // The display-only colour (PrnDOLCol) was set by an import; its swatch on another tab follows.
  std::function<void(int colour)> DisplayOnlyColourChanged;
};

// The services with the system's dialogs over owner and no status bar.
TWinTableTabServices DefaultWinTableTabServices(TPrintSettings& settings,
                                                std::function<TJwwData*()> JWW, HWND owner);

// The import dialogs: drawings in FFolder1, environment files in FFolder2. The chosen file, its
// folder kept; empty when cancelled.
std::filesystem::path ChooseDrawingFile(const TWinTableTabServices& services);
std::filesystem::path ChooseEnvironmentFile(const TWinTableTabServices& services);

}  // namespace tavolex
