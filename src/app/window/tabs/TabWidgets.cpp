#include "app/window/tabs/TabWidgets.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/PrintSettings.h"
#include "app/window/tabs/TableTabServices.h"
#include "common/Func_2.h"

namespace tavolex {

QColor WinColorToQColor(uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

uint32_t QColorToWinColor(const QColor& colour) {
  return MakeRgb(colour.red(), colour.green(), colour.blue());
}

QString QStr(const std::u16string& s) {
  return QString::fromStdU16String(s);
}

std::u16string UStr(const QString& s) {
  return s.toStdU16String();
}

QGroupBox* MakeRadioGroup(const QString& objectName, const QString& title, const QStringList& items,
                          QButtonGroup*& buttons, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(objectName);
  auto* layout = new QVBoxLayout(box);
  buttons = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], box);
    buttons->addButton(b, i);
    layout->addWidget(b);
  }
  CheckIndex(buttons, 0);
  return box;
}

QGroupBox* MakeTableSourceGroup(const QString& objectName, QButtonGroup*& buttons,
                                QWidget* parent) {
  return MakeRadioGroup(objectName, QString(),
                        {QStringLiteral("図面データから取得"), QStringLiteral("下記で手動設定")},
                        buttons, parent);
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}

QPushButton* MakeButton(const QString& name, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}

int CheckedIndex(const QButtonGroup* buttons) {
  const int id = buttons->checkedId();
  return id < 0 ? 0 : id;
}

void CheckIndex(QButtonGroup* buttons, int index) {
  if (QAbstractButton* b = buttons->button(index)) b->setChecked(true);
}

QString GridText(const QTableWidget* grid, int row, int col) {
  const QTableWidgetItem* item = grid->item(row - 1, col);
  return item ? item->text() : QString();
}

void SetGridText(QTableWidget* grid, int row, int col, const std::u16string& text) {
  QTableWidgetItem* item = grid->item(row - 1, col);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid->setItem(row - 1, col, item);
  }
  item->setText(QStr(text));
}

void SetUpGrid(QTableWidget* grid, int rows, int cols,
               std::u16string (*fixedText)(int row, int col), int (*colWidth)(int col)) {
  grid->setRowCount(rows - 1);
  grid->setColumnCount(cols);
  QStringList columns;
  for (int c = 0; c < cols; ++c)
    columns << QStr(fixedText(0, c));
  grid->setHorizontalHeaderLabels(columns);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  for (int c = 0; c < cols; ++c)
    grid->setColumnWidth(c, colWidth(c));
  const QBrush fixedBrush = grid->palette().button();
  for (int r = 1; r < rows; ++r) {
    auto* name = new QTableWidgetItem(QStr(fixedText(r, 0)));
    name->setFlags(Qt::ItemIsEnabled);
    name->setBackground(fixedBrush);
    grid->setItem(r - 1, 0, name);
    for (int c = 1; c < cols; ++c)
      grid->setItem(r - 1, c, new QTableWidgetItem);
  }
}

namespace {

std::filesystem::path ChooseImportFile(const TTableTabServices& services, std::u16string& folder,
                                       const QString& filter, const QString& defaultExt) {
  if (!services.OpenFile) return {};
  const QString file = services.OpenFile(QStr(folder), filter, defaultExt);
  if (file.isEmpty()) return {};
  folder = FolderOf(UStr(file));
  return PathFromStr(UStr(file));
}

}  // namespace

std::filesystem::path ChooseDrawingFile(const TTableTabServices& services) {
  return ChooseImportFile(services, services.settings->FFolder1,
                          QStringLiteral("Jw_cad図面ファイル(*.jww)"), QStringLiteral(".jww"));
}

std::filesystem::path ChooseEnvironmentFile(const TTableTabServices& services) {
  return ChooseImportFile(services, services.settings->FFolder2,
                          QStringLiteral("Jw_cad環境設定ファイル(*.jwf)"), QStringLiteral(".jwf"));
}

void ColorLabel(QWidget* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::Window, colour);
  label->setAutoFillBackground(true);
  label->setPalette(p);
}

QColor LabelColor(const QWidget* label) {
  return label->palette().color(QPalette::Window);
}

void PaintSwatch(QWidget* label, uint32_t colour) {
  ColorLabel(label, WinColorToQColor(colour));
}

TTableTabServices DefaultTableTabServices(TPrintSettings& settings, std::function<TJwwData*()> JWW,
                                          QWidget* parent) {
  TTableTabServices s;
  s.settings = &settings;
  s.JWW = std::move(JWW);
  s.OpenFile = [parent](const QString& folder, const QString& filter, const QString& defaultExt) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultExt.mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
  };
  s.PickColor = [parent](const QColor& start) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(start, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  return s;
}

}  // namespace tavolex
