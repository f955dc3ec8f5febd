// Progress of a print run on stderr. On a terminal one line is drawn over and over: drawing k of
// n, the current file, pages so far and the time taken. Otherwise each drawing that prints gets
// its own line "[k/n] file", which scripts read.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace tavolex::cli {

class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool quiet, bool terminal, int total);

  // Whether err is the process's stderr and that is a terminal.
  static bool IsTerminal(const std::ostream& err);

  // A drawing that prints: its line, when not on a terminal.
  void Record(int index, const std::string& file);
  // The drawing being printed and the pages so far, on a terminal.
  void Show(int index, const std::string& file, int pages);
  // Clears the terminal line before the summary.
  void Close();

 private:
  std::ostream& err_;
  bool quiet_;
  bool terminal_;
  int total_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace tavolex::cli
