// tavolex-print: the print run without a window, on the platform the program is linked with.
#include <iostream>
#include <string>
#include <vector>

#include "app/PrintPlatform.h"
#include "app/cli/CliCommands.h"

int main(int argc, char** argv) {
  // The arguments as given, before the platform takes any of its own out of argv.
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tavolex::cli::RunCommandLine(
      args, argv[0], [&] { return tavolex::MakePrintPlatform(argc, argv); }, std::cout, std::cerr);
}
