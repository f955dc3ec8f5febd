// Feeds arbitrary bytes to the settings-file reader, as the user's file ("設定を開く") and as the
// automatic file. Besides crashes and sanitizer reports, a fault is a file the program writes
// that does not read back as itself: what is loaded and saved again must load and save the same.
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "app/PrintSettings.h"

namespace {

using namespace tavolex;

void LoadSaveLoad(std::string_view bytes, SettingsForm form) {
  TPrintSettings first;
  LoadSettings(first, form, fuzz::FuzzFile("fuzz.dat", bytes));
  const std::string written = SettingsFileBytes(first, form);
  TPrintSettings second;
  const SettingsLoadResult again = LoadSettings(second, form, fuzz::FuzzFile("again.dat", written));
  if (again.refused || again.readError) std::abort();
  if (SettingsFileBytes(second, form) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadSaveLoad(fuzz::Bytes(data, size), SettingsForm::Full);
  LoadSaveLoad(fuzz::Bytes(data, size), SettingsForm::Automatic);
  return 0;
}
