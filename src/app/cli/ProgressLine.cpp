#include "app/cli/ProgressLine.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace tavolex::cli {

namespace {

// "\r" goes to the start of the line, ESC [K clears the rest of it.
constexpr const char* kClearLine = "\r\x1b[K";

// The part of a path after its last separator.
std::string LastPart(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, bool quiet, bool terminal, int total)
    : err_(err), quiet_(quiet), terminal_(terminal), total_(total) {}

bool ProgressLine::IsTerminal(const std::ostream& err) {
  return &err == &std::cerr && isatty(STDERR_FILENO) == 1;
}

void ProgressLine::Record(int index, const std::string& file) {
  if (quiet_ || terminal_) return;
  err_ << "[" << index + 1 << "/" << total_ << "] " << file << "\n";
}

void ProgressLine::Show(int index, const std::string& file, int pages) {
  if (quiet_ || !terminal_) return;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char elapsed[32];
  std::snprintf(elapsed, sizeof elapsed, "%.1f s", seconds);
  err_ << kClearLine << "[" << index + 1 << "/" << total_ << "] " << LastPart(file) << "  " << pages
       << (pages == 1 ? " page  " : " pages  ") << elapsed << std::flush;
  drawn_ = true;
}

void ProgressLine::Close() {
  if (!drawn_) return;
  err_ << kClearLine << std::flush;
  drawn_ = false;
}

}  // namespace tavolex::cli
