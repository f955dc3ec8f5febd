// The drawing list: adding from the dialog, a drop or the command line, deleting, moving,
// sorting, and opening an entry in Jw_cad.
#include <QCollator>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "app/AppFolders.h"
#include "app/FileListRules.h"
#include "app/JwCadLaunch.h"
#include "app/window/Unit1.h"
#include "common/Func_2.h"
#include "platform/qt/QtPath.h"

namespace tavolex {

namespace {

// The order of the user's locale with letter case ignored, as the list control sorts.
TListCompare LocaleCompare() {
  auto collator = std::make_shared<QCollator>();
  collator->setCaseSensitivity(Qt::CaseInsensitive);
  return [collator](const std::u16string& a, const std::u16string& b) {
    return collator->compare(QString::fromStdU16String(a), QString::fromStdU16String(b));
  };
}

// The desktop entry the desktop opens the drawing with: the drawing's file type, then that
// type's default application. Empty when xdg-mime is missing or says nothing in time.
std::string DesktopDefaultApplication(const std::filesystem::path& drawing) {
  const auto ask = [](const QStringList& arguments) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), arguments);
    if (!query.waitForFinished(3000)) {
      query.kill();
      query.waitForFinished(1000);
      return QString();
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
  };
  QString type = ask({QStringLiteral("query"), QStringLiteral("filetype"), QtPathText(drawing)});
  if (type.isEmpty()) type = QString::fromLatin1(kJwwMimeType);
  return ask({QStringLiteral("query"), QStringLiteral("default"), type}).toStdString();
}

}  // namespace

std::vector<std::u16string> ToU16Strings(const QStringList& names) {
  std::vector<std::u16string> out;
  out.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names)
    out.push_back(name.toStdU16String());
  return out;
}

QStringList ToQStrings(const std::vector<std::u16string>& names) {
  QStringList out;
  for (const std::u16string& name : names)
    out << QString::fromStdU16String(name);
  return out;
}

QStringList TForm1::ListEntries() const {
  QStringList entries;
  for (int i = 0; i < ListBox1->count(); ++i)
    entries << ListBox1->item(i)->text();
  return entries;
}

void TForm1::SetListEntries(const QStringList& entries) {
  ListBox1->clear();
  ListBox1->addItems(entries);
}

std::vector<bool> TForm1::ListSelection() const {
  std::vector<bool> selected(static_cast<std::size_t>(ListBox1->count()), false);
  for (int i = 0; i < ListBox1->count(); ++i)
    selected[static_cast<std::size_t>(i)] = ListBox1->item(i)->isSelected();
  return selected;
}

void TForm1::SetListSelection(const std::vector<bool>& selected) {
  ListBox1->clearSelection();
  for (int i = 0; i < ListBox1->count() && i < static_cast<int>(selected.size()); ++i)
    ListBox1->item(i)->setSelected(selected[static_cast<std::size_t>(i)]);
}

int TForm1::AddFiles(const QStringList& names) {
  std::vector<std::u16string> list = ToU16Strings(ListEntries());
  const std::size_t before = list.size();
  const int added = AddDrawingFiles(list, ToU16Strings(names));
  for (std::size_t i = before; i < list.size(); ++i)
    ListBox1->addItem(QString::fromStdU16String(list[i]));
  return added;
}

void TForm1::Button1Click() {
  QFileDialog dialog(this);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setDirectory(DialogFolder(App.Settings.FFolder));
  dialog.setDefaultSuffix(QStringLiteral("jww"));
  dialog.setNameFilter(QStringLiteral("Jw_cad図面ファイル(*.jww)"));
  if (dialog.exec() != QDialog::Accepted) return;
  const QStringList chosen = dialog.selectedFiles();
  if (!chosen.isEmpty()) App.Settings.FFolder = FolderOf(UStr(chosen.constFirst()));
  SetStatus(AddedStatus(AddFiles(chosen)));
}

bool TForm1::DropMime(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || running_) return false;
  QStringList names;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) names << url.toLocalFile();
  }
  const QStringList taken = ToQStrings(DroppedNames(ToU16Strings(names)));
  SetStatus(AddedStatus(AddFiles(taken)));
  return true;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!running_ && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  if (DropMime(event->mimeData())) event->acceptProposedAction();
}

void TForm1::Button2Click() {
  const std::vector<bool> selected = ListSelection();
  const int n = static_cast<int>(std::count(selected.begin(), selected.end(), true));
  if (ListBox1->count() == 0 || n == 0) return;
  if (!Question(QString::fromStdU16String(DeleteQuestion(n)))) return;
  for (int i = ListBox1->count() - 1; i >= 0; --i) {
    if (selected[static_cast<std::size_t>(i)]) delete ListBox1->takeItem(i);
  }
  SetStatus(DeletedStatus(n));
}

void TForm1::MoveSelection(bool up) {
  if (ListBox1->count() < 2) return;
  std::vector<std::u16string> list = ToU16Strings(ListEntries());
  std::vector<bool> selected = ListSelection();
  const int n = up ? MoveSelectedUp(list, selected) : MoveSelectedDown(list, selected);
  SetListEntries(ToQStrings(list));
  SetListSelection(selected);
  SetStatus(up ? MovedUpStatus(n) : MovedDownStatus(n));
}

void TForm1::Button17Click() {
  MoveSelection(true);
}

void TForm1::Button18Click() {
  MoveSelection(false);
}

void TForm1::Button19Click() {
  if (ListBox1->count() < 2) return;
  // Through the hidden list, as the form sorts.
  std::vector<std::u16string> entries = ToU16Strings(ListEntries());
  SortEntries(entries, LocaleCompare());
  ListBox2->addItems(ToQStrings(entries));
  ListBox1->clear();
  for (int i = 0; i < ListBox2->count(); ++i)
    ListBox1->addItem(ListBox2->item(i)->text());
  ListBox2->clear();
  SetStatus(SortedStatus(ListBox1->count()));
}

void TForm1::ListBox1DblClick() {
  QListWidgetItem* focused = ListBox1->currentItem();
  if (focused == nullptr) return;
  const std::filesystem::path drawing = PathFromQtText(focused->text());
#ifdef _WIN32
  const TProgramStart start = OpenWithBootJww(App.BootJww, drawing);
#else
  const TProgramStart start = OpenInJwCad(drawing, SystemDesktopLookups(DesktopDefaultApplication));
#endif
  if (start.program.empty()) return;
  QStringList arguments;
  for (const std::filesystem::path& argument : start.arguments)
    arguments << QtPathText(argument);
  // Nothing is reported when it cannot start.
  QProcess::startDetached(QtPathText(start.program), arguments, QtPathText(start.folder));
}

QString TForm1::DialogFolder(const std::u16string& remembered) const {
  std::vector<std::filesystem::path> candidates{PathFromStr(remembered)};
  if (const QListWidgetItem* focused = ListBox1->currentItem())
    candidates.push_back(PathFromStr(FolderOf(UStr(focused->text()))));
  if (ListBox1->count() > 0)
    candidates.push_back(
        PathFromStr(FolderOf(UStr(ListBox1->item(ListBox1->count() - 1)->text()))));
  candidates.push_back(
      PathFromStr(UStr(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))));
  candidates.push_back(PathFromStr(UStr(QDir::homePath())));
  return QString::fromStdU16String(
      StrFromPath(DialogStartFolder(candidates, App.Folders.AppFolder)));
}

std::filesystem::path TForm1::FindJwwExe() const {
#ifdef _WIN32
  const QSettings root(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
  const QString type = root.value(QStringLiteral(".JWW/."), QString()).toString();
  if (type.isEmpty()) return {};
  const QString command =
      root.value(type + QStringLiteral("/shell/open/command/."), QString()).toString();
  if (command.isEmpty()) return {};
  return PathFromStr(JwwExeFromCommand(UStr(command)));
#else
  return {};
#endif
}

}  // namespace tavolex
