// tavolex.exe: the desktop window on Windows. Drawings named on the command line are listed at
// start.
#include "app/winwindow/Unit1.h"

#include "app/AppFolders.h"
#include "app/winwindow/HandOver.h"

#include <shellapi.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::filesystem::path RunningProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The command line's arguments after the program's own name.
std::vector<std::u16string> Arguments() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; i < count; ++i)
    arguments.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // The common dialogs host shell parts that want a single-threaded apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = 1;
  const std::vector<std::u16string> arguments = Arguments();
  // Drawings chosen together in Explorer start the program once each: the later starts hand
  // theirs to the first window.
  if (!tavolex::FirstWindowOfSession() && !arguments.empty() &&
      tavolex::HandOverToOpenWindow(tavolex::FullPaths(arguments))) {
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
  }
  try {
    tavolex::TForm1 form(RunningProgram());
    form.FormShow(arguments);
    ShowWindow(form.Handle(), show);
    UpdateWindow(form.Handle());
    code = form.Run();
  } catch (const std::exception&) {
    MessageBoxW(nullptr, L"ウィンドウを作成できません。", L"Tavolex", MB_OK | MB_ICONERROR);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
