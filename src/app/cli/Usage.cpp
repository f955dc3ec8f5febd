#include "app/cli/CliCommands.h"
#include "app/cli/OptionTable.h"

namespace tavolex::cli {

void PrintUsage(std::ostream& out) {
  for (const CliOption& option : CliOptions())
    out << option.help;
}

void PrintVersion(std::ostream& out) {
  out << "tavolex-print " << TAVOLEX_VERSION << "\n";
}

}  // namespace tavolex::cli
