#include "app/cli/CliCommands.h"

namespace tavolex::cli {

void PrintUsage(std::ostream& out) {
  out << "Usage: tavolex-print --info FILE...\n"
         "  --info FILE...   describe each drawing as one JSON object per line\n";
}

}  // namespace tavolex::cli
