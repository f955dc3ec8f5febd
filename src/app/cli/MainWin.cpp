// tavolex-print on Windows: the UTF-16 command line becomes UTF-8 arguments, which the command
// line turns back into the same file names; the console shows UTF-8.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/PrintPlatform.h"
#include "app/cli/CliCommands.h"
#include "common/Func_2.h"

int wmain(int argc, wchar_t** wargv) {
  SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> all;
  for (int i = 0; i < argc; ++i) {
    const auto* arg = reinterpret_cast<const char16_t*>(wargv[i]);
    all.push_back(tavolex::StrToUtf8(std::u16string(arg)));
  }
  std::vector<char*> argv;
  for (std::string& arg : all)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  const std::vector<std::string> args(all.begin() + (argc > 0 ? 1 : 0), all.end());
  const char* argv0 = argc > 0 ? argv[0] : "tavolex-print";
  return tavolex::cli::RunCommandLine(
      args, argv0, [&] { return tavolex::MakePrintPlatform(argc, argv.data()); }, std::cout,
      std::cerr);
}
