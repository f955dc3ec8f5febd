// The options that serve the desktop and the package: the program's version and thumbnails.
#include "app/cli/CliCommands.h"

namespace tavolex::cli {

void PrintVersion(std::ostream& out) {
  out << "tavolex-print " << TAVOLEX_VERSION << "\n";
}

void PrintDesktopUsage(std::ostream& out) {
  out << R"(  --thumbnail SIZE INPUT OUTPUT  the drawing INPUT fitted into SIZE x SIZE pixels (1 to 2048)
                           on white paper, as the PNG file OUTPUT; exit code 0 written,
                           1 not a readable drawing or not written (no file is left), 2 usage
                           error
  --version                the program's version
  --help                   this text
)";
}

}  // namespace tavolex::cli
