// The commands that stand first on the command line, and the print run otherwise.
#include "app/PrintPlatform.h"
#include "app/cli/CliCommands.h"
#include "app/cli/OptionHandlers.h"

namespace tavolex::cli {

int InfoCommand(const CommandUse& use) {
  return RunInfoCommand(use.args, use.out, use.err);
}

int ThumbnailCommand(const CommandUse& use) {
  const std::unique_ptr<TPrintPlatform> platform = use.makePlatform();
  return RunThumbnailCommand(use.args, use.argv0, *platform, use.err);
}

int VersionCommand(const CommandUse& use) {
  PrintVersion(use.out);
  return 0;
}

int HelpCommand(const CommandUse& use) {
  PrintUsage(use.out);
  return 0;
}

int RunCommandLine(const std::vector<std::string>& args, const char* argv0,
                   const PlatformFactory& makePlatform, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return 2;
  }
  const CliOption* command = FindOption(args[0]);
  if (command != nullptr && command->stage == OptionStage::Command)
    return command->run({{args.begin() + 1, args.end()}, argv0, makePlatform, out, err});
  const std::unique_ptr<TPrintPlatform> platform = makePlatform();
  return RunPrintCommand(args, argv0, *platform, out, err);
}

}  // namespace tavolex::cli
