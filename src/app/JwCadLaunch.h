// Handing a listed drawing to Jw_cad on a double click. On Windows Jw_cad is the program of the
// ".JWW" association. Elsewhere Jw_cad runs under Wine: it is looked for in the user's Wine
// prefix and started with wine; without it the desktop's own application for drawings serves,
// unless that is Tavolex itself, which would only open a second Tavolex.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavolex {

// Where Jw_cad installs itself; BootJww when the association names no program.
inline constexpr char16_t kDefaultBootJww[] = u"C:\\JWW\\JW_WIN.EXE";

// The desktop entry of this program and the file type its package registers for drawings.
inline constexpr char kOwnDesktopEntry[] = "tavolex.desktop";
inline constexpr char kJwwMimeType[] = "application/x-jww";

// BootJww at start: the program of the association, else Jw_cad's usual place.
std::filesystem::path BootJwwOrDefault(const std::filesystem::path& found);

// A program to start: its arguments and its working folder. An empty program starts nothing.
struct TProgramStart {
  std::filesystem::path program;
  std::vector<std::filesystem::path> arguments;
  std::filesystem::path folder;
};

// Windows: BootJww with the drawing, in BootJww's folder; nothing when the drawing is gone.
TProgramStart OpenWithBootJww(const std::filesystem::path& bootJww,
                              const std::filesystem::path& drawing);

// What the double click on a desktop without Windows may ask of the system; tests give their own.
struct TDesktopLookups {
  std::filesystem::path winePrefix;  // see WinePrefix
  std::filesystem::path wine;        // the wine program; empty when it is not installed
  std::filesystem::path xdgOpen;     // the desktop's opener; empty when it is not installed
  // The desktop entry (for example "tavolex.desktop") the desktop opens the drawing with; empty
  // when it has none.
  std::function<std::string(const std::filesystem::path& drawing)> defaultApplication;
};

// The Wine prefix: WINEPREFIX when set, else ".wine" in the home folder; empty without either.
std::filesystem::path WinePrefix(const char* winePrefixVariable, const char* homeVariable);

// The first executable file of that name in the folders of a PATH value; empty when none.
std::filesystem::path FindOnPath(const std::string& name, const char* pathVariable);

// The lookups of this process's environment, with the given query for the default application.
TDesktopLookups SystemDesktopLookups(
    std::function<std::string(const std::filesystem::path&)> defaultApplication);

// Jw_win.exe in the prefix: in the folder of the program its registry associates with ".jww"
// (system.reg and user.reg, the user's entries first), else in drive_c/JWW. Letter case of the
// Windows names is ignored, as Windows does. Empty when neither exists.
std::filesystem::path FindWineJwCad(const std::filesystem::path& prefix);

// The double click elsewhere than on Windows: Jw_cad under Wine, else the desktop's default
// application when it is not this program, else nothing.
TProgramStart OpenInJwCad(const std::filesystem::path& drawing, const TDesktopLookups& system);

}  // namespace tavolex
