#include "app/winwindow/CommonDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

namespace tavolex {

namespace {

// Room for many names chosen at once in the multi-select open dialog.
constexpr std::size_t kFileBufferChars = 32768;

wchar_t* WritableWide(std::u16string& text) {
  return reinterpret_cast<wchar_t*>(text.data());
}

std::u16string Trimmed(const std::u16string& text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

std::vector<std::u16string> Split(const std::u16string& text, const std::u16string& separator) {
  std::vector<std::u16string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::u16string::npos) return parts;
    start = at + separator.size();
  }
}

// "名前(*.a *.b)" → its patterns "*.a;*.b"; every file when there are none.
std::u16string PatternOf(const std::u16string& entry) {
  const std::size_t open = entry.rfind(u'(');
  const std::size_t close = entry.rfind(u')');
  if (open == std::u16string::npos || close == std::u16string::npos || close < open) return u"*.*";
  std::u16string pattern;
  for (const std::u16string& part : Split(entry.substr(open + 1, close - open - 1), u" ")) {
    if (part.empty()) continue;
    if (!pattern.empty()) pattern += u';';
    pattern += part;
  }
  return pattern.empty() ? u"*.*" : pattern;
}

void AddFilterEntry(std::u16string& out, const std::u16string& name,
                    const std::u16string& pattern) {
  out += name;
  out += u'\0';
  out += pattern;
  out += u'\0';
}

std::u16string WithoutDot(const std::u16string& ext) {
  return !ext.empty() && ext.front() == u'.' ? ext.substr(1) : ext;
}

// The dialog structure shared by open and save; the strings it points to live in the caller.
OPENFILENAMEW FileDialogBase(HWND owner, const std::u16string& folder, const std::u16string& filter,
                             const std::u16string& defaultExt, std::u16string& buffer) {
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = Wide(filter);
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = WritableWide(buffer);
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : Wide(folder);
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : Wide(defaultExt);
  // The program's own folder stays its working folder whatever the user browses to.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  return ofn;
}

}  // namespace

std::u16string WindowsFilter(const std::u16string& filter) {
  std::u16string out;
  if (filter.find(u'|') != std::u16string::npos) {
    const std::vector<std::u16string> parts = Split(filter, u"|");
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
      AddFilterEntry(out, parts[i], parts[i + 1]);
  } else {
    for (const std::u16string& entry : Split(filter, u";;")) {
      const std::u16string name = Trimmed(entry);
      if (!name.empty()) AddFilterEntry(out, name, PatternOf(name));
    }
  }
  out += u'\0';
  if (out.size() == 1) out += u'\0';
  return out;
}

std::vector<std::filesystem::path> SplitDialogFiles(const std::u16string& buffer) {
  std::vector<std::u16string> parts;
  for (std::size_t start = 0; start < buffer.size();) {
    const std::size_t end = std::min(buffer.find(u'\0', start), buffer.size());
    if (end == start) break;
    parts.push_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::filesystem::path> files;
  if (parts.empty()) return files;
  if (parts.size() == 1) {
    files.emplace_back(parts.front());
  } else {
    const std::filesystem::path folder(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i)
      files.push_back(folder / std::filesystem::path(parts[i]));
  }
  return files;
}

std::vector<std::filesystem::path> OpenFileDialog(HWND owner, const std::u16string& folder,
                                                  const std::u16string& filter,
                                                  const std::u16string& defaultExt,
                                                  bool multiSelect) {
  const std::u16string filters = WindowsFilter(filter);
  const std::u16string ext = WithoutDot(defaultExt);
  std::u16string buffer(kFileBufferChars, u'\0');
  OPENFILENAMEW ofn = FileDialogBase(owner, folder, filters, ext, buffer);
  ofn.Flags |= OFN_FILEMUSTEXIST | (multiSelect ? OFN_ALLOWMULTISELECT : 0);
  if (!GetOpenFileNameW(&ofn)) return {};
  return SplitDialogFiles(buffer);
}

std::filesystem::path SaveFileDialog(HWND owner, const std::u16string& folder,
                                     const std::u16string& fileName, const std::u16string& filter,
                                     const std::u16string& defaultExt) {
  const std::u16string filters = WindowsFilter(filter);
  const std::u16string ext = WithoutDot(defaultExt);
  std::u16string buffer(kFileBufferChars, u'\0');
  buffer.replace(0, std::min(fileName.size(), kFileBufferChars - 1), fileName);
  OPENFILENAMEW ofn = FileDialogBase(owner, folder, filters, ext, buffer);
  ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameW(&ofn)) return {};
  const std::vector<std::filesystem::path> files = SplitDialogFiles(buffer);
  return files.empty() ? std::filesystem::path() : files.front();
}

std::optional<uint32_t> ColorDialog(HWND owner, uint32_t start) {
  // The user's custom colours stay for the rest of the session, as one dialog kept them.
  static std::array<COLORREF, 16> customColours = [] {
    std::array<COLORREF, 16> white{};
    white.fill(RGB(255, 255, 255));
    return white;
  }();
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = start & 0xFFFFFFu;
  cc.lpCustColors = customColours.data();
  cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return static_cast<uint32_t>(cc.rgbResult & 0xFFFFFFu);
}

}  // namespace tavolex
