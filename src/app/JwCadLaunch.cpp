#include "app/JwCadLaunch.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <system_error>

#include "app/FileListRules.h"
#include "common/Func_2.h"

namespace tavolex {

namespace fs = std::filesystem;

namespace {

// A registry file larger than this is no prefix's own; it is not read.
constexpr std::uintmax_t kMaxRegistryBytes = 256u << 20;

bool IsFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

std::u16string AsciiLower(std::u16string s) {
  for (char16_t& c : s) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A text as Wine's registry files write it: backslash escapes, characters beyond ASCII as "\x"
// with up to four hex digits.
std::u16string RegistryText(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c != '\\' || i + 1 == s.size()) {
      out += static_cast<char16_t>(c);
      continue;
    }
    const char e = s[++i];
    if (e == 'n') {
      out += u'\n';
    } else if (e == 't') {
      out += u'\t';
    } else if (e == 'r') {
      out += u'\r';
    } else if (e == 'x') {
      unsigned v = 0;
      int digits = 0;
      for (; digits < 4 && i + 1 < s.size() && HexDigit(s[i + 1]) >= 0; ++digits)
        v = v * 16 + static_cast<unsigned>(HexDigit(s[++i]));
      out += digits == 0 ? u'x' : static_cast<char16_t>(v);
    } else {
      out += static_cast<char16_t>(static_cast<unsigned char>(e));
    }
  }
  return out;
}

// The default value of a key, from its line '@="..."' (or '@=str(2):"..."').
bool DefaultValue(std::string_view line, std::u16string& value) {
  if (!line.starts_with("@=")) return false;
  line.remove_prefix(2);
  if (line.starts_with("str(2):")) line.remove_prefix(7);
  const std::size_t close = line.rfind('"');
  if (!line.starts_with('"') || close == 0 || close == std::string_view::npos) return false;
  value = RegistryText(line.substr(1, close - 1));
  return true;
}

// The default values of the file classes in one registry file, by lower-case key name; a later
// file's entries replace an earlier one's.
void ReadClassDefaults(const fs::path& file, std::map<std::u16string, std::u16string>& into) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec || size > kMaxRegistryBytes) return;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  std::u16string key;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::u16string value;
    if (line.starts_with('[')) {
      const std::size_t close = line.rfind(']');
      key = close == std::string::npos ? u"" : AsciiLower(RegistryText(line.substr(1, close - 1)));
      if (!key.starts_with(u"software\\classes\\")) key.clear();
    } else if (!key.empty() && DefaultValue(line, value)) {
      into[key] = value;
    }
  }
}

// The command the prefix opens ".jww" files with; the user's classes before the machine's, as
// Windows merges them.
std::u16string AssociatedCommand(const fs::path& prefix) {
  std::map<std::u16string, std::u16string> classes;
  ReadClassDefaults(prefix / "system.reg", classes);
  ReadClassDefaults(prefix / "user.reg", classes);
  const auto type = classes.find(u"software\\classes\\.jww");
  if (type == classes.end() || type->second.empty()) return {};
  const auto command =
      classes.find(u"software\\classes\\" + AsciiLower(type->second) + u"\\shell\\open\\command");
  return command == classes.end() ? std::u16string() : command->second;
}

// The entry of the folder whose name is the given one in any letter case; empty when none.
fs::path EntryIgnoringCase(const fs::path& folder, const std::u16string& name) {
  std::error_code ec;
  const fs::path exact = folder / PathFromStr(name);
  if (fs::exists(exact, ec)) return exact;
  const std::u16string wanted = AsciiLower(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (AsciiLower(StrFromPath(it->path().filename())) == wanted) return it->path();
  }
  return {};
}

// A Windows path of the prefix ("C:\JWW\Jw_win.exe") as a path of this system; empty when a part
// of it is missing.
fs::path FileInPrefix(const fs::path& prefix, const std::u16string& windowsPath) {
  if (windowsPath.size() < 3 || windowsPath[1] != u':' || windowsPath[2] != u'\\') return {};
  const char16_t letter = AsciiLower(windowsPath.substr(0, 1))[0];
  if (letter < u'a' || letter > u'z') return {};
  std::error_code ec;
  fs::path at = prefix / "dosdevices" / (std::string(1, static_cast<char>(letter)) + ":");
  if (!fs::is_directory(at, ec)) {
    if (letter != u'c') return {};
    at = prefix / "drive_c";
  }
  std::size_t start = 3;
  while (start < windowsPath.size() && !at.empty()) {
    const std::size_t cut = windowsPath.find(u'\\', start);
    const std::u16string part = windowsPath.substr(start, cut - start);
    start = cut == std::u16string::npos ? windowsPath.size() : cut + 1;
    if (part.empty()) continue;
    if (part == u"." || part == u"..") return {};
    at = EntryIgnoringCase(at, part);
  }
  return at;
}

// The drawing as programs under Wine name it: on the drive that maps the root folder.
fs::path WineDrawingName(const fs::path& prefix, const fs::path& drawing) {
  char letter = 'Z';
  std::error_code ec;
  if (fs::read_symlink(prefix / "dosdevices" / "z:", ec) != "/") {
    for (fs::directory_iterator it(prefix / "dosdevices", ec), end; !ec && it != end;
         it.increment(ec)) {
      const std::string name = it->path().filename().string();
      std::error_code linkError;
      if (name.size() == 2 && name[1] == ':' && fs::read_symlink(it->path(), linkError) == "/")
        letter =
            static_cast<char>(name[0] >= 'a' && name[0] <= 'z' ? name[0] - 'a' + 'A' : name[0]);
    }
  }
  std::string text = std::string(1, letter) + ":" + fs::absolute(drawing, ec).string();
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  return fs::path(text);
}

std::string Trimmed(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

fs::path BootJwwOrDefault(const fs::path& found) {
  return found.empty() ? PathFromStr(kDefaultBootJww) : found;
}

TProgramStart OpenWithBootJww(const fs::path& bootJww, const fs::path& drawing) {
  if (bootJww.empty() || !IsFile(drawing)) return {};
  return {bootJww, {drawing}, PathFromStr(FolderOf(StrFromPath(bootJww)))};
}

fs::path WinePrefix(const char* winePrefixVariable, const char* homeVariable) {
  if (winePrefixVariable != nullptr && *winePrefixVariable != '\0') return winePrefixVariable;
  if (homeVariable != nullptr && *homeVariable != '\0') return fs::path(homeVariable) / ".wine";
  return {};
}

fs::path FindOnPath(const std::string& name, const char* pathVariable) {
  if (pathVariable == nullptr) return {};
  constexpr auto kExecutable =
      fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  std::string_view rest(pathVariable);
  for (;;) {
    const std::size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    if (!folder.empty()) {
      const fs::path candidate = fs::path(std::string(folder)) / name;
      std::error_code ec;
      if (IsFile(candidate) &&
          (fs::status(candidate, ec).permissions() & kExecutable) != fs::perms::none)
        return candidate;
    }
    if (colon == std::string_view::npos) return {};
    rest.remove_prefix(colon + 1);
  }
}

TDesktopLookups SystemDesktopLookups(
    std::function<std::string(const fs::path&)> defaultApplication) {
  const char* path = std::getenv("PATH");
  return {WinePrefix(std::getenv("WINEPREFIX"), std::getenv("HOME")), FindOnPath("wine", path),
          FindOnPath("xdg-open", path), std::move(defaultApplication)};
}

fs::path FindWineJwCad(const fs::path& prefix) {
  if (prefix.empty()) return {};
  std::vector<std::u16string> candidates;
  const std::u16string associated = JwwExeFromCommand(AssociatedCommand(prefix));
  const std::size_t cut = associated.rfind(u'\\');
  if (cut != std::u16string::npos)
    candidates.push_back(associated.substr(0, cut + 1) + u"Jw_win.exe");
  candidates.push_back(u"C:\\JWW\\Jw_win.exe");
  for (const std::u16string& candidate : candidates) {
    const fs::path found = FileInPrefix(prefix, candidate);
    std::error_code ec;
    // Through the drive links to the folder itself, as wine is then given it.
    if (!found.empty() && IsFile(found)) return fs::canonical(found, ec);
  }
  return {};
}

TProgramStart OpenInJwCad(const fs::path& drawing, const TDesktopLookups& system) {
  if (!IsFile(drawing)) return {};
  if (!system.wine.empty()) {
    const fs::path jwcad = FindWineJwCad(system.winePrefix);
    if (!jwcad.empty())
      return {
          system.wine, {jwcad, WineDrawingName(system.winePrefix, drawing)}, jwcad.parent_path()};
  }
  if (system.xdgOpen.empty() || !system.defaultApplication) return {};
  const std::string application = Trimmed(system.defaultApplication(drawing));
  if (application.empty() || application == kOwnDesktopEntry) return {};
  return {system.xdgOpen, {drawing}, drawing.parent_path()};
}

}  // namespace tavolex
