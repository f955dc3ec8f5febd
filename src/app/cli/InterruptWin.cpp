#include <windows.h>

#include <atomic>

#include "app/cli/Interrupt.h"

namespace tavolex::cli {

namespace {

std::atomic<bool> gInterrupted{false};

// The console calls this on a thread of its own. The first Ctrl-C is noted; a second one goes to
// the default handler, which ends the program.
BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  return gInterrupted.exchange(true) ? FALSE : TRUE;
}

}  // namespace

void CatchInterrupt() {
  gInterrupted = false;
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void ReleaseInterrupt() {
  SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}

bool Interrupted() {
  return gInterrupted.load();
}

}  // namespace tavolex::cli
