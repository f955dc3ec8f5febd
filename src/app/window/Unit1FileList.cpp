// The drawing list: adding from the dialog, a drop or the command line, deleting, moving,
// sorting, and opening an entry in Jw_cad.
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
  return flows_->AddFiles(ToU16Strings(names));
}

void TForm1::Button1Click() {
  QFileDialog dialog(this);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setDirectory(DialogFolder(App.Settings.FFolder));
  dialog.setDefaultSuffix(QStringLiteral("jww"));
  dialog.setNameFilter(QStringLiteral("Jw_cad図面ファイル(*.jww)"));
  if (dialog.exec() != QDialog::Accepted) return;
  flows_->AddChosenFiles(ToU16Strings(dialog.selectedFiles()));
}

bool TForm1::DropMime(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return false;
  QStringList names;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) names << url.toLocalFile();
  }
  return flows_->DropFiles(ToU16Strings(names));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!flows_->Running() && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  if (DropMime(event->mimeData())) event->acceptProposedAction();
}

void TForm1::Button2Click() {
  flows_->DeleteSelected();
}

void TForm1::Button17Click() {
  flows_->MoveSelection(true);
}

void TForm1::Button18Click() {
  flows_->MoveSelection(false);
}

void TForm1::Button19Click() {
  flows_->SortList();
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
  const std::vector<std::filesystem::path> fallbacks{
      PathFromStr(UStr(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))),
      PathFromStr(UStr(QDir::homePath()))};
  return QString::fromStdU16String(
      StrFromPath(flows_->DialogFolder(remembered, ListBox1->currentRow(), fallbacks)));
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
