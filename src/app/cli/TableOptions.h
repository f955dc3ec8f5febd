// The options of tavolex-print that fill the pen and line-type tables from Jw_cad's files and
// save the resulting settings.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tavolex {
class TPrintApp;
}

namespace tavolex::cli {

// Writes the settings with the list as a full settings file. 0 when saved; with a message, 2 for a
// name the window would refuse too, 1 when the file could not be written.
int SaveSettingsOption(const std::filesystem::path& file, TPrintApp& app,
                       const std::vector<std::u16string>& list, std::ostream& err);

}  // namespace tavolex::cli
