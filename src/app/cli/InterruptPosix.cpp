#include <atomic>
#include <csignal>

#include "app/cli/Interrupt.h"

namespace tavolex::cli {

namespace {

std::atomic<bool> gInterrupted{false};

extern "C" void OnInterrupt(int) {
  gInterrupted = true;
  std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void CatchInterrupt() {
  gInterrupted = false;
  std::signal(SIGINT, OnInterrupt);
}

void ReleaseInterrupt() {
  std::signal(SIGINT, SIG_DFL);
}

bool Interrupted() {
  return gInterrupted.load();
}

}  // namespace tavolex::cli
