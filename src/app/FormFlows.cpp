#include "app/FormFlows.h"

#include <algorithm>
#include <utility>

#include "app/AppFolders.h"
#include "app/JwwPrintDocument.h"
#include "app/UnitPrint.h"
#include "common/Func_2.h"
#include "common/HostSystem.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

TFormFlows::TFormFlows(TPrintApp& app, TFormView& view, TListCompare compare)
    : app_(app), view_(view), compare_(std::move(compare)) {}

void TFormFlows::Start(const std::filesystem::path& programFile,
                       const std::filesystem::path& bootJww, bool loadAutomatic,
                       const std::vector<std::u16string>& arguments) {
  app_.Start(programFile, bootJww, loadAutomatic);
  view_.ShowPrinterInfo();
  view_.SettingsToForm();
  UsePrintMode(*GAtt, app_.Settings);
  AddNamedFiles(arguments);
}

void TFormFlows::Close(const TWindowGeometry& frame) {
  view_.FormToSettings();
  app_.Settings.Window = frame;
  app_.Close(true);
}

int TFormFlows::AddFiles(const std::vector<std::u16string>& names) {
  std::vector<std::u16string> list = view_.ListEntries();
  const int added = AddDrawingFiles(list, names);
  if (added > 0) view_.SetListEntries(list);
  return added;
}

int TFormFlows::AddNamedFiles(const std::vector<std::u16string>& names) {
  // Names are taken in lower case only where file names ignore case: file systems that tell
  // letter case apart would lose the file when it was lowered.
  std::vector<std::u16string> full = FullPaths(names);
  if (FileNamesIgnoreCase()) {
    for (std::u16string& name : full)
      name = LowerStr(name);
  }
  return AddFiles(full);
}

bool TFormFlows::TakeHandedOverFiles(const std::vector<std::u16string>& names) {
  if (running_) return false;
  view_.SetStatus(AddedStatus(AddNamedFiles(names)), {});
  return true;
}

void TFormFlows::AddChosenFiles(const std::vector<std::u16string>& names) {
  if (!names.empty()) app_.Settings.FFolder = FolderOf(names.front());
  view_.SetStatus(AddedStatus(AddFiles(names)), {});
}

bool TFormFlows::DropFiles(const std::vector<std::u16string>& names) {
  if (running_) return false;
  view_.SetStatus(AddedStatus(AddFiles(DroppedNames(names))), {});
  return true;
}

void TFormFlows::DeleteSelected() {
  std::vector<std::u16string> list = view_.ListEntries();
  const std::vector<bool> selected = view_.ListSelection();
  const int n = static_cast<int>(std::count(selected.begin(), selected.end(), true));
  if (list.empty() || n == 0) return;
  if (!view_.Question(DeleteQuestion(n))) return;
  std::vector<std::u16string> kept;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i >= selected.size() || !selected[i]) kept.push_back(std::move(list[i]));
  }
  view_.SetListEntries(kept);
  view_.SetStatus(DeletedStatus(n), {});
}

void TFormFlows::MoveSelection(bool up) {
  std::vector<std::u16string> list = view_.ListEntries();
  if (list.size() < 2) return;
  std::vector<bool> selected = view_.ListSelection();
  selected.resize(list.size(), false);
  const int n = up ? MoveSelectedUp(list, selected) : MoveSelectedDown(list, selected);
  view_.SetListEntries(list);
  view_.SetListSelection(selected);
  view_.SetStatus(up ? MovedUpStatus(n) : MovedDownStatus(n), {});
}

void TFormFlows::SortList() {
  std::vector<std::u16string> list = view_.ListEntries();
  if (list.size() < 2) return;
  SortEntries(list, compare_);
  view_.SetListEntries(list);
  view_.SetStatus(SortedStatus(static_cast<int>(list.size())), {});
}

std::filesystem::path TFormFlows::DialogFolder(
    const std::u16string& remembered, int focusedIndex,
    const std::vector<std::filesystem::path>& fallbacks) const {
  const std::vector<std::u16string> list = view_.ListEntries();
  std::vector<std::filesystem::path> candidates{PathFromStr(remembered)};
  if (focusedIndex >= 0 && focusedIndex < static_cast<int>(list.size()))
    candidates.push_back(PathFromStr(FolderOf(list[static_cast<std::size_t>(focusedIndex)])));
  if (!list.empty()) candidates.push_back(PathFromStr(FolderOf(list.back())));
  candidates.insert(candidates.end(), fallbacks.begin(), fallbacks.end());
  return DialogStartFolder(candidates, app_.Folders.AppFolder);
}

void TFormFlows::SaveSettingsTo(const std::filesystem::path& file) {
  app_.Settings.FFolder3 = FolderOf(StrFromPath(file));
  const std::u16string refused = CheckSaveName(file, app_.Folders.SettingsFile);
  if (!refused.empty()) {
    view_.SetStatus(refused, {});
    return;
  }
  view_.FormToSettings();
  app_.Settings.FileList = view_.ListEntries();
  view_.SetStatus(SaveSettings(app_.Settings, SettingsForm::Full, file).status, {});
}

void TFormFlows::OpenSettingsFrom(const std::filesystem::path& file) {
  app_.Settings.FFolder3 = FolderOf(StrFromPath(file));
  const std::u16string refused = CheckOpenName(file, app_.Folders.SettingsFile);
  if (!refused.empty()) {
    view_.SetStatus(refused, {});
    return;
  }
  const SettingsLoadResult r = LoadSettings(app_.Settings, SettingsForm::Full, file);
  view_.SetStatus(r.status, {});
  // A file that cannot be read or ends early takes nothing: the list and the controls stay as
  // they are on screen (the fields may still hold what was last saved or opened).
  if (r.readError) return;
  if (!r.refused) view_.SetListEntries(app_.Settings.FileList);
  view_.ShowPrinterInfo();
  view_.SettingsToForm();
}

void TFormFlows::AskReset() {
  if (view_.Question(kResetQuestion)) ResetSettings();
}

void TFormFlows::ResetSettings() {
  view_.SetListEntries({});
  app_.ResetAttributes();
  view_.ShowPrinterInfo();
  view_.SettingsToForm();
}

bool TFormFlows::AskExit() {
  return view_.Question(kExitQuestion);
}

bool TFormFlows::ListReady() {
  if (!view_.ListEntries().empty()) return true;
  view_.Notice(kEmptyListMessage);
  view_.SetStatus(kEmptyListMessage, {});
  return false;
}

TPrintRunResult TFormFlows::RunDriver(TPrinter& printer, bool interactive) {
  const std::vector<std::u16string> entries = view_.ListEntries();
  JwwPrintDocument document(*app_.JWW);
  TPrintDriver driver(app_.Settings, document, printer);
  driver.AppFolder = app_.Folders.AppFolder;
  if (interactive) {
    driver.EscPressed = [this] { return view_.EscPressed(); };
    driver.OnFileStart = [this, &entries](int index, const std::u16string& status) {
      view_.FileBegins(index);
      view_.SetStatus(status, entries[static_cast<std::size_t>(index)]);
    };
    driver.OnFileEnd = [this](int index) { view_.FileEnds(index); };
  }
  return driver.Run({entries.begin(), entries.end()});
}

void TFormFlows::PrintRun(const std::function<TPrinter*()>& openPrinter) {
  if (!ListReady()) return;
  if (!view_.Question(kStartQuestion)) return;
  view_.FormToSettings();
  TPrinter* printer = openPrinter();
  if (printer == nullptr) return;

  running_ = true;
  view_.RunBegins(static_cast<int>(view_.ListEntries().size()));
  TPrintRunResult result = RunDriver(*printer, true);
  // A file the run wrote is complete only once it is closed; a printer that cannot finish it
  // fails the run as a refused page does.
  if (!printer->PrnFinish()) result.printerFailed = true;
  view_.RunEnds();
  running_ = false;
  view_.SetStatus(result.printerFailed ? std::u16string(kPrinterFailedStatus) : result.status, {});
}

TPrintRunResult TFormFlows::PrintListTo(TPrinter& printer) {
  TPrintRunResult result = RunDriver(printer, false);
  if (!printer.PrnFinish()) result.printerFailed = true;
  if (result.printerFailed) view_.SetStatus(kPrinterFailedStatus, {});
  return result;
}

}  // namespace tavolex
