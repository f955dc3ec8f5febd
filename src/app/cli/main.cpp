// tavolex-print: the print run without a window. The first argument picks the command.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    tavolex::cli::PrintUsage(std::cout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--info") {
    return tavolex::cli::RunInfoCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
  }
  std::cerr << "tavolex-print: unknown option " << args[0] << "\n";
  tavolex::cli::PrintUsage(std::cerr);
  return 2;
}
