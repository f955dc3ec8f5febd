#include "app/PrintApp.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "app/DosTime.h"
#include "app/JwwPrintDocument.h"
#include "app/RefFile.h"
#include "app/RunFolder.h"
#include "common/Func_2.h"
#include "common/HostSystem.h"
#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

void ClearTextValues() {
  ZuFileName.clear();
  ZuDrawTime.clear();
  ZuMemo.clear();
  ZuMemo1.clear();
  ZuMemo2.clear();
  ZuPrtScale = 1.0;
  ZuGLayScale = 1.0;
  ZuFileTime = LocalDateTime(std::time(nullptr));
}

}  // namespace

TPrintApp::TPrintApp() = default;

TPrintApp::~TPrintApp() {
  if (started_) FreeAll();
}

void TPrintApp::InitApp() {
  Str2List.clear();
  Str2ListN = 0;
  ZuBackKind = 0;
  JWW = std::make_unique<TJwwData>();
  att_ = std::make_unique<TgraAttribute>();
  GAtt = att_.get();
  GAtt->SetDisplayMode(true);
  GAtt->SetBackColor(0);
  GAtt->SetDefaultColor();
  GAtt->SetDefaultLayer();
  GAtt->SetDefaultColor();
  GAtt->SetDefaultWidth();
  GAtt->SetDefaultTenR();
  GAtt->SetDefaultLtype();
  GAtt->SetDispHojo(0);
  GAtt->SetGrayColor(0xFF808080);
  ClearTextValues();
  RefFileName.clear();
  GetRefFileName(Folders.AppFolder, BootJww);
  RefFileOpen(Folders.AppFolder);
  JWW->BindImageExp = true;
  JWW->BindImageExr = true;
  WorkFolder = MakeRunFolder(Folders.TempFolder);
  JWW->BindImageFolder = WorkFolder;
  GraImageWorkFolder = WorkFolder;
  started_ = true;
}

void TPrintApp::FreeAll() {
  Str2List.clear();
  Str2ListN = 0;
  GAtt = nullptr;
  att_.reset();
  if (JWW) JwwDataFree(*JWW);
  JWW.reset();
  RemoveRunFolder(WorkFolder);
  WorkFolder.clear();
  GraImageWorkFolder.clear();
  started_ = false;
}

void TPrintApp::ResetAttributes() {
  att_ = std::make_unique<TgraAttribute>();
  GAtt = att_.get();
  GAtt->SetDisplayMode(true);
  GAtt->SetBackColor(0);
  GAtt->SetDefaultColor();
  GAtt->SetDispHojo(Settings.PrnHojo);
  Settings.FillTablesFrom(*GAtt);
  Settings.SetDefaults();
}

void TPrintApp::Start(const std::filesystem::path& programFile,
                      const std::filesystem::path& bootJww, bool loadAutomatic) {
  Folders = ChooseAppFolders(programFile, UserConfigFolder());
  CreateTempFolder(Folders);
  BootJww = bootJww;
  InitApp();
  const std::u16string appFolder = StrFromPath(Folders.AppFolder);
  Settings.FFolder = appFolder;
  Settings.FFolder1 = appFolder;
  Settings.FFolder3 = appFolder;
  const std::u16string bootFolder = FolderOf(StrFromPath(BootJww));
  std::error_code ec;
  Settings.FFolder2 =
      !bootFolder.empty() && std::filesystem::is_directory(PathFromStr(bootFolder), ec) ? bootFolder
                                                                                        : appFolder;
  Settings.FillTablesFrom(*GAtt);
  Settings.SetDefaults();
  if (loadAutomatic) LoadSettings(Settings, SettingsForm::Automatic, Folders.SettingsFile);
  GAtt->SetDispHojo(Settings.PrnHojo);
}

void TPrintApp::Close(bool saveAutomatic) {
  std::error_code ec;
  std::filesystem::remove(Folders.AppFolder / "tmp.bmp", ec);
  std::filesystem::remove(Folders.AppFolder / "$IMGTEMP.BMP", ec);
  FreeAll();
  RemoveTempFolder(Folders);
  if (saveAutomatic) SaveSettings(Settings, SettingsForm::Automatic, Folders.SettingsFile);
}

}  // namespace tavolex
