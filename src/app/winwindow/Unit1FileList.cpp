// The drawing list: adding from the dialog, a drop or the command line, deleting, moving,
// sorting, and opening an entry in Jw_cad.
#include "app/winwindow/Unit1.h"

#include "app/winwindow/HandOver.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "app/FileListRules.h"
#include "app/JwCadLaunch.h"
#include "app/winwindow/CommonDialogs.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

std::u16string Utf16(const wchar_t* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// The text of a list entry.
std::u16string ItemText(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return Utf16(buffer.data(), static_cast<std::size_t>(length));
}

int ItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

void AddItem(HWND list, const std::u16string& text) {
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A value of the registry's classes root: the default value of a key; empty when missing.
std::u16string ClassesRootDefault(const std::u16string& key) {
  DWORD size = 0;
  const auto* name = reinterpret_cast<const wchar_t*>(key.c_str());
  if (RegGetValueW(HKEY_CLASSES_ROOT, name, nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr,
                   nullptr, &size) != ERROR_SUCCESS ||
      size < sizeof(wchar_t))
    return {};
  std::vector<wchar_t> value(size / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CLASSES_ROOT, name, nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr,
                   value.data(), &size) != ERROR_SUCCESS)
    return {};
  return std::u16string(reinterpret_cast<const char16_t*>(value.data()));
}

// The width of the longest entry in the list's font, so a long path can be scrolled to its end.
int WidestText(HWND list, const std::vector<std::u16string>& entries) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::u16string& entry : entries) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(entry.c_str()),
                          static_cast<int>(entry.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  return widest + 8;
}

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::filesystem::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

// A command line whose program path is not quoted and whose argument is, as Jw_cad is started.
std::wstring CommandLine(const TProgramStart& start) {
  std::wstring line = start.program.wstring();
  for (const std::filesystem::path& argument : start.arguments)
    line += L" \"" + argument.wstring() + L"\"";
  return line;
}

}  // namespace

std::vector<std::u16string> TForm1::ListEntries() const {
  std::vector<std::u16string> entries;
  const int count = ItemCount(ListBox1);
  for (int i = 0; i < count; ++i)
    entries.push_back(ItemText(ListBox1, i));
  return entries;
}

void TForm1::SetListEntries(const std::vector<std::u16string>& entries) {
  SendMessageW(ListBox1, WM_SETREDRAW, FALSE, 0);
  SendMessageW(ListBox1, LB_RESETCONTENT, 0, 0);
  for (const std::u16string& entry : entries)
    AddItem(ListBox1, entry);
  SendMessageW(ListBox1, LB_SETHORIZONTALEXTENT, WidestText(ListBox1, entries), 0);
  SendMessageW(ListBox1, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ListBox1, nullptr, TRUE);
}

std::vector<bool> TForm1::ListSelection() const {
  std::vector<bool> selected(static_cast<std::size_t>(ItemCount(ListBox1)), false);
  for (std::size_t i = 0; i < selected.size(); ++i)
    selected[i] = SendMessageW(ListBox1, LB_GETSEL, i, 0) > 0;
  return selected;
}

void TForm1::SetListSelection(const std::vector<bool>& selected) {
  SendMessageW(ListBox1, LB_SETSEL, FALSE, -1);
  const int count = ItemCount(ListBox1);
  for (int i = 0; i < count && i < static_cast<int>(selected.size()); ++i) {
    if (selected[static_cast<std::size_t>(i)]) SendMessageW(ListBox1, LB_SETSEL, TRUE, i);
  }
}

void TForm1::Button1Click() {
  const std::filesystem::path folder = DialogFolder(App.Settings.FFolder);
  const std::vector<std::filesystem::path> chosen =
      OpenFileDialog(form_, StrFromPath(folder), u"Jw_cad図面ファイル(*.jww)", u".jww", true);
  if (chosen.empty()) return;
  std::vector<std::u16string> names;
  for (const std::filesystem::path& file : chosen)
    names.push_back(StrFromPath(file));
  flows_->AddChosenFiles(names);
}

bool TForm1::WMCopyData(const COPYDATASTRUCT& data) {
  const std::optional<std::vector<std::u16string>> names = HandedOverNames(data);
  // Not before the window has started (its settings and list are not there yet).
  if (!names || App.JWW == nullptr || !flows_->TakeHandedOverFiles(*names)) return false;
  if (IsIconic(form_)) ShowWindow(form_, SW_RESTORE);
  SetForegroundWindow(form_);
  return true;
}

void TForm1::WMDropFiles(HDROP drop) {
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::u16string> names;
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::vector<wchar_t> name(static_cast<std::size_t>(length) + 1, L'\0');
    const UINT got = DragQueryFileW(drop, i, name.data(), length + 1);
    names.push_back(Utf16(name.data(), got));
  }
  DragFinish(drop);
  DropNames(names);
}

void TForm1::DropNames(const std::vector<std::u16string>& names) {
  flows_->DropFiles(names);
}

void TForm1::Button2Click() {
  flows_->DeleteSelected();
}

void TForm1::Button17Click() {
  flows_->MoveSelection(true);
}

void TForm1::Button18Click() {
  flows_->MoveSelection(false);
}

void TForm1::Button19Click() {
  flows_->SortList();
}

void TForm1::ListBox1DblClick() {
  const int focused = static_cast<int>(SendMessageW(ListBox1, LB_GETCARETINDEX, 0, 0));
  if (focused < 0 || focused >= ItemCount(ListBox1)) return;
  const TProgramStart start =
      OpenWithBootJww(App.BootJww, PathFromStr(ItemText(ListBox1, focused)));
  if (start.program.empty()) return;
  std::wstring line = CommandLine(start);
  const std::wstring folder = start.folder.wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // Nothing is reported when it cannot start.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return;
  WaitForInputIdle(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::filesystem::path TForm1::FindJwwExe() const {
  const std::u16string type = ClassesRootDefault(u".JWW");
  if (type.empty()) return {};
  const std::u16string command = ClassesRootDefault(type + u"\\shell\\open\\command");
  if (command.empty()) return {};
  return PathFromStr(JwwExeFromCommand(command));
}

std::filesystem::path TForm1::DialogFolder(const std::u16string& remembered) const {
  const int focused = static_cast<int>(SendMessageW(ListBox1, LB_GETCARETINDEX, 0, 0));
  return flows_->DialogFolder(remembered, focused,
                              {KnownFolder(FOLDERID_Documents), KnownFolder(FOLDERID_Profile)});
}

}  // namespace tavolex
