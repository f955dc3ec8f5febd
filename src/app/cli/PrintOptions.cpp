#include "app/cli/PrintOptions.h"

#include <algorithm>
#include <system_error>

#include "app/cli/OptionTable.h"
#include "app/cli/OptionValues.h"
#include "common/Func_2.h"

namespace tavolex::cli {

namespace {

// Reads one option at args[i] into the options; i moves past a value given as the next argument.
bool ReadOption(const std::vector<std::string>& args, size_t& i, PrintOptions& o,
                std::ostream& err) {
  const std::string& a = args[i];
  const size_t eq = a.find('=');
  const std::string name = a.substr(0, eq);
  std::string value = eq == std::string::npos ? std::string() : a.substr(eq + 1);
  const CliOption* option = FindOption(name);
  if (option == nullptr || option->stage == OptionStage::Command) {
    err << "tavolex-print: unknown option " << name << "\n";
    return false;
  }
  const bool takesValue = option->value == OptionValue::Required;
  if (takesValue && eq == std::string::npos) {
    if (i + 1 >= args.size()) {
      err << "tavolex-print: " << name << " needs a value\n";
      return false;
    }
    value = args[++i];
  }
  if (option->stage == OptionStage::Setting) {
    o.settingChanges.push_back(eq == std::string::npos && !takesValue ? name : name + "=" + value);
    return true;
  }
  return option->apply({name, value, eq != std::string::npos || takesValue, o, nullptr, err});
}

}  // namespace

bool ParsePrintOptions(const std::vector<std::string>& args, PrintOptions& o, std::ostream& err) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      o.files.insert(o.files.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    if (a.rfind("--", 0) != 0) {
      o.files.push_back(a);
    } else if (!ReadOption(args, i, o, err)) {
      return false;
    }
  }
  return true;
}

bool ApplySettingChanges(PrintOptions& o, TPrintApp& app, std::ostream& err) {
  for (const std::string& change : o.settingChanges) {
    const size_t eq = change.find('=');
    const std::string name = change.substr(0, eq);
    const bool hasValue = eq != std::string::npos;
    const CliOption* option = FindOption(name);
    if (option == nullptr || option->stage != OptionStage::Setting) {
      err << "tavolex-print: unknown option " << name << "\n";
      return false;
    }
    const std::string value = hasValue ? change.substr(eq + 1) : std::string();
    if (!option->apply({name, value, hasValue, o, &app, err})) return false;
  }
  return true;
}

std::vector<std::filesystem::path> CollectDrawings(const std::vector<std::string>& names) {
  std::vector<std::filesystem::path> list;
  for (const std::string& name : names) {
    const std::filesystem::path p = PathArg(name);
    std::error_code ec;
    if (!std::filesystem::is_directory(p, ec)) {
      list.push_back(p);
      continue;
    }
    std::vector<std::filesystem::path> found;
    for (auto it = std::filesystem::recursive_directory_iterator(
             p, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_regular_file(ec) && ExtLower(StrFromPath(it->path().extension())) == u".jww")
        found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    list.insert(list.end(), found.begin(), found.end());
  }
  return list;
}

}  // namespace tavolex::cli
