// The commands of tavolex-print.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/OptionTable.h"

namespace tavolex::cli {

// The whole command line after the program name: a command of the option table when the first
// argument names one, else the print run. The platform is made only when a command needs it.
// Returns the exit code.
int RunCommandLine(const std::vector<std::string>& args, const char* argv0,
                   const PlatformFactory& makePlatform, std::ostream& out, std::ostream& err);

void PrintUsage(std::ostream& out);
// "tavolex-print VERSION".
void PrintVersion(std::ostream& out);

// The stderr line for a drawing whose block tree was cut at its limits.
void ReportBlockTreeCut(std::ostream& err, const std::u16string& file);

// --info FILE...: one JSON object per file, one per line. Exit code 0 when every file loaded,
// 1 when some did not, 2 when no file was named.
int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

// [options] FILE|FOLDER...: the print run. Exit code 0 when every drawing printed, 1 when some
// were passed over or the output failed, 2 for a usage error.
int RunPrintCommand(const std::vector<std::string>& args, const char* argv0,
                    TPrintPlatform& platform, std::ostream& out, std::ostream& err);

// --thumbnail SIZE INPUT OUTPUT: the drawing fitted into a PNG of SIZE x SIZE pixels. Exit code 0
// when written, 1 when INPUT is not a readable drawing or OUTPUT could not be written (no file is
// left then), 2 for a usage error.
int RunThumbnailCommand(const std::vector<std::string>& args, const char* argv0,
                        TPrintPlatform& platform, std::ostream& err);

}  // namespace tavolex::cli
