// tavolex-window-shot: the window on screen, one picture a tab (PREFIX-1.png .. PREFIX-4.png),
// with the drawings of the command line listed. For looking at the layout under Wine and Xvfb.
#include <string>
#include <vector>

#include "app/winwindow/Unit1.h"
#include "app/winwindow/WindowShot.h"

namespace {

// Lets the window paint what it has to.
void Settle(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (GetTickCount() < end) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::vector<std::u16string> drawings;
  for (int i = 2; i < argc; ++i)
    drawings.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  tavolex::TForm1 form(program, false);
  form.FormShow(drawings);
  ShowWindow(form.Handle(), SW_SHOW);
  SetForegroundWindow(form.Handle());
  // The status line as a run shows it while the last drawing named prints.
  if (!drawings.empty())
    form.SetStatus(u"印刷中：" + drawings.back() + u"　[ESC:中断]", drawings.back());
  int failed = 0;
  for (int tab = 0; tab < 4; ++tab) {
    form.ShowTab(tab);
    Settle(700);
    const std::wstring file = std::wstring(argv[1]) + L"-" + std::to_wstring(tab + 1) + L".png";
    if (!tavolex::SaveWindowPng(form.Handle(), file)) failed = 1;
  }
  return failed;
}
