// Runs the built tavolex-print (or any command) through the shell and collects what it printed.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace tavolex::test {

struct CliOutcome {
  int exitCode = -1;
  std::string output;
};

// What a shell command writes on stdout, and its exit code.
inline CliOutcome RunShell(const std::string& command) {
  CliOutcome o;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return o;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    o.output.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return o;
}

// stdout, and stderr too unless dropStderr.
inline CliOutcome RunCli(const std::string& exe, const std::string& args, bool dropStderr = false) {
  return RunShell("'" + exe + "' " + args + (dropStderr ? " 2>/dev/null" : " 2>&1"));
}

// A path as one shell word.
inline std::string Quote(const std::filesystem::path& p) {
  return "'" + p.native() + "'";
}

}  // namespace tavolex::test
