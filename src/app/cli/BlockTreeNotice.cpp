#include "app/cli/CliCommands.h"
#include "common/Func_2.h"

namespace tavolex::cli {

void ReportBlockTreeCut(std::ostream& err, const std::u16string& file) {
  err << "tavolex-print: " << StrToUtf8(file)
      << ": block inserts expand too far; only part of them is measured and printed\n";
}

}  // namespace tavolex::cli
