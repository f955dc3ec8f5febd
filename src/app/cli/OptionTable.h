// Every option of tavolex-print in one table: how it is read, what it does and its lines of
// --help (the manual page is made from --help). Adding an option is adding a row.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolex {
class TPrintApp;
class TPrintPlatform;
}  // namespace tavolex

namespace tavolex::cli {

struct PrintOptions;

// Makes the platform when a command first needs it: printers, files, fonts.
using PlatformFactory = std::function<std::unique_ptr<TPrintPlatform>()>;

enum class OptionValue {
  None,      // a switch; a value after "=" is ignored
  Required,  // "--name=value" or "--name value"
  Optional,  // "--name" or "--name=value"
};

enum class OptionStage {
  Command,  // a command of its own when it is the first argument: --info, --help, ...
  Run,      // read into the run's options while the arguments are read
  Setting,  // a change of the print settings, made after the settings file is loaded
};

// One use of a run or setting option.
struct OptionUse {
  std::string_view name;
  std::string value;
  bool hasValue = false;     // a value was given
  PrintOptions& options;     // the run's options
  TPrintApp* app = nullptr;  // the settings and tables a setting changes
  std::ostream& err;
};

// A command with the arguments after its name.
struct CommandUse {
  std::vector<std::string> args;
  const char* argv0;
  const PlatformFactory& makePlatform;
  std::ostream& out;
  std::ostream& err;
};

struct CliOption {
  std::string_view name;  // empty in a row that is text of --help only
  OptionValue value;
  OptionStage stage;
  // Run and setting options: false, with a message on err, for a value it cannot take.
  bool (*apply)(const OptionUse& use);
  // Commands: the exit code.
  int (*run)(const CommandUse& use);
  std::string_view help;  // its lines of --help as they stand there, possibly none
};

std::span<const CliOption> CliOptions();

// The row of an option name; null for a name no row has.
const CliOption* FindOption(std::string_view name);

// "tavolex-print: bad value for NAME: VALUE" on err; false.
bool BadValue(const OptionUse& use);

}  // namespace tavolex::cli
