#include "app/winwindow/TableTabServices.h"

#include "app/PrintSettings.h"
#include "app/winwindow/CommonDialogs.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

std::filesystem::path ChooseImportFile(const TWinTableTabServices& services, std::u16string& folder,
                                       const std::u16string& filter,
                                       const std::u16string& defaultExt) {
  if (!services.OpenFile) return {};
  const std::filesystem::path file = services.OpenFile(folder, filter, defaultExt);
  if (file.empty()) return {};
  folder = FolderOf(StrFromPath(file));
  return file;
}

}  // namespace

TWinTableTabServices DefaultWinTableTabServices(TPrintSettings& settings,
                                                std::function<TJwwData*()> JWW, HWND owner) {
  TWinTableTabServices s;
  s.settings = &settings;
  s.JWW = std::move(JWW);
  s.OpenFile = [owner](const std::u16string& folder, const std::u16string& filter,
                       const std::u16string& defaultExt) {
    const std::vector<std::filesystem::path> files =
        OpenFileDialog(owner, folder, filter, defaultExt, false);
    return files.empty() ? std::filesystem::path() : files.front();
  };
  s.PickColor = [owner](uint32_t start) { return ColorDialog(owner, start); };
  return s;
}

std::filesystem::path ChooseDrawingFile(const TWinTableTabServices& services) {
  return ChooseImportFile(services, services.settings->FFolder1, u"Jw_cad図面ファイル(*.jww)",
                          u".jww");
}

std::filesystem::path ChooseEnvironmentFile(const TWinTableTabServices& services) {
  return ChooseImportFile(services, services.settings->FFolder2, u"Jw_cad環境設定ファイル(*.jwf)",
                          u".jwf");
}

}  // namespace tavolex
