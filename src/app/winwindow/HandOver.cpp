#include "app/winwindow/HandOver.h"

namespace tavolex {

namespace {

// Long enough for a window being started at the same moment (Explorer starts one program per
// chosen drawing) to come up and read its settings.
constexpr DWORD kFindWindowMs = 10000;
constexpr UINT kTakeNamesMs = 15000;

HWND WaitForOpenWindow() {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindWindowW(kForm1Class, nullptr)) return window;
    if (GetTickCount() - start > kFindWindowMs) return nullptr;
    Sleep(100);
  }
}

}  // namespace

bool FirstWindowOfSession() {
  // Never closed: it is released when the program ends.
  CreateMutexW(nullptr, FALSE, L"Local\\TavolexWindow");
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

bool HandOverToOpenWindow(const std::vector<std::u16string>& fullPaths) {
  HWND window = WaitForOpenWindow();
  if (window == nullptr) return false;
  // The names one after another, each ended by a NUL.
  std::u16string payload;
  for (const std::u16string& name : fullPaths)
    payload.append(name).push_back(u'\0');
  COPYDATASTRUCT data{};
  data.dwData = kHandOverTag;
  data.cbData = static_cast<DWORD>(payload.size() * sizeof(char16_t));
  data.lpData = payload.data();
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  // The window may then come to the front, as the user started it.
  AllowSetForegroundWindow(owner);
  DWORD_PTR taken = FALSE;
  const LRESULT sent = SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                           SMTO_ABORTIFHUNG, kTakeNamesMs, &taken);
  return sent != 0 && taken == TRUE;
}

std::optional<std::vector<std::u16string>> HandedOverNames(const COPYDATASTRUCT& data) {
  if (data.dwData != kHandOverTag || data.lpData == nullptr || data.cbData % sizeof(char16_t) != 0)
    return std::nullopt;
  const auto* text = static_cast<const char16_t*>(data.lpData);
  const std::u16string_view all(text, data.cbData / sizeof(char16_t));
  std::vector<std::u16string> names;
  std::size_t begin = 0;
  while (begin < all.size()) {
    const std::size_t end = std::min(all.find(u'\0', begin), all.size());
    if (end > begin) names.emplace_back(all.substr(begin, end - begin));
    begin = end + 1;
  }
  return names;
}

}  // namespace tavolex
