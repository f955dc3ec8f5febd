// Start-up and exit of the program apart from its window: the folders, the shared objects GAtt
// and JWW, the reference file of text variables and the automatic settings file.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/AppFolders.h"
#include "app/PrintSettings.h"

namespace tavolex {

class TJwwData;
class TgraAttribute;

class TPrintApp {
 public:
  TPrintApp();
  ~TPrintApp();
  TPrintApp(const TPrintApp&) = delete;
  TPrintApp& operator=(const TPrintApp&) = delete;

  TAppFolders Folders;
  std::filesystem::path BootJww;  // the Jw_cad program
  TPrintSettings Settings;
  std::unique_ptr<TJwwData> JWW;
  // This run's own folder inside TempFolder for unpacked images; empty when it could not be made.
  std::filesystem::path WorkFolder;

  // Fixes the folders (creating TEMP), creates the shared objects, reads the reference file, sets
  // the default tables and folders, and loads the automatic settings file when asked.
  void Start(const std::filesystem::path& programFile, const std::filesystem::path& bootJww,
             bool loadAutomatic);
  // Releases the shared objects and the images of the last drawing, removes an empty TEMP and
  // writes the automatic settings file when asked.
  void Close(bool saveAutomatic);

  // The shared objects with their start values.
  void InitApp();
  void FreeAll();

  // A fresh GAtt with the defaults of a reset; the tables follow it.
  void ResetAttributes();

 private:
  std::unique_ptr<TgraAttribute> att_;
  bool started_ = false;
};

}  // namespace tavolex
