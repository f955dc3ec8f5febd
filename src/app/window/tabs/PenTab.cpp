#include "app/window/tabs/PenTab.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/PenTableImport.h"
#include "app/window/tabs/TabWidgets.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

// Column 2 of a data row is filled with the colour of column 1 of that row.
class TSwatchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QModelIndex colour = index.siblingAtColumn(kPenColorCol);
    const uint32_t c = ReadColorCell(UStr(colour.data().toString()));
    painter->fillRect(option.rect, WinColorToQColor(c));
  }
};

}  // namespace

TPenTab::TPenTab(TTableTabServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
  // The choice and the bulk input above the grid, the imports below it, so the five columns
  // fit the window's width.
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(MakeTableSourceGroup(QStringLiteral("RadioGroup3"), RadioGroup3, this));
  top->addWidget(MakeBulkInput(), 1);
  layout->addLayout(top);
  SG01 = new QTableWidget(this);
  SG01->setObjectName(QStringLiteral("SG01"));
  SetUpGrid(SG01, kSG01RowCount, kSG01ColCount, SG01FixedText, SG01ColWidth);
  SG01->verticalHeader()->setDefaultSectionSize(kSG01RowHeight);
  SG01->setSelectionMode(QAbstractItemView::ContiguousSelection);
  SG01->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::SelectedClicked);
  SG01->setItemDelegateForColumn(kPenSwatchCol, new TSwatchDelegate(SG01));
  for (int r = 1; r < kSG01RowCount; ++r) {
    QTableWidgetItem* swatch = SG01->item(r - 1, kPenSwatchCol);
    swatch->setFlags(swatch->flags() & ~Qt::ItemIsEditable);
  }
  // The swatch follows a colour typed into column 1 once the cell is left.
  connect(SG01, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == kPenColorCol) SG01->viewport()->update();
  });
  connect(SG01, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int col) { SG01DblClick(row + 1, col); });
  // All five columns in view.
  int width = 2 * SG01->frameWidth() + SG01->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < kSG01ColCount; ++c)
    width += SG01ColWidth(c);
  SG01->setMinimumWidth(width);
  layout->addWidget(SG01, 1);

  auto* bottom = new QHBoxLayout;
  Button8 =
      MakeButton(QStringLiteral("Button8"), QStringLiteral("JWW形式ファイル設定内容を流用"), this);
  Button9 = MakeButton(QStringLiteral("Button9"),
                       QStringLiteral("JWF環境設定ファイル設定内容を流用"), this);
  bottom->addWidget(Button8);
  bottom->addWidget(Button9);
  bottom->addWidget(new QLabel(QStringLiteral("※線幅・点半径は mm値指定"), this));
  bottom->addStretch(1);
  layout->addLayout(bottom);
  connect(Button8, &QPushButton::clicked, this, &TPenTab::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TPenTab::Button9Click);
}

QWidget* TPenTab::MakeBulkInput() {
  auto* box = new QGroupBox(QStringLiteral("選択範囲の一括入力(&T)"), this);
  auto* grid = new QGridLayout(box);
  Edit7 = MakeEdit(QStringLiteral("Edit7"), box);
  Edit8 = MakeEdit(QStringLiteral("Edit8"), box);
  Edit9 = MakeEdit(QStringLiteral("Edit9"), box);
  LabelA3 = new QLabel(box);
  LabelA3->setObjectName(QStringLiteral("LabelA3"));
  LabelA3->setFixedSize(24, 20);
  Button5 = MakeButton(QStringLiteral("Button5"), QStringLiteral("設定"), box);
  Button6 = MakeButton(QStringLiteral("Button6"), QStringLiteral("設定"), box);
  Button7 = MakeButton(QStringLiteral("Button7"), QStringLiteral("設定"), box);
  grid->addWidget(new QLabel(QStringLiteral("色"), box), 0, 0);
  grid->addWidget(Edit7, 0, 1);
  grid->addWidget(LabelA3, 0, 2);
  grid->addWidget(Button5, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("線幅"), box), 1, 0);
  grid->addWidget(Edit8, 1, 1);
  grid->addWidget(Button6, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("点半径"), box), 2, 0);
  grid->addWidget(Edit9, 2, 1);
  grid->addWidget(Button7, 2, 3);
  Edit7->installEventFilter(this);
  connect(Button5, &QPushButton::clicked, this, &TPenTab::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TPenTab::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TPenTab::Button7Click);
  return box;
}

bool TPenTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit7 && event->type() == QEvent::MouseButtonDblClick) {
    Edit7DblClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TPenTab::FormToSettings(TPrintSettings& s) const {
  s.PrnColor = CheckedIndex(RadioGroup3);
  s.InpCol = static_cast<int>(ReadColorCell(UStr(Edit7->text())));
  s.InpWid = LimitPenWidth(StrToFloatZ(UStr(Edit8->text())));
  s.InpTenR = LimitPointRadius(StrToFloatZ(UStr(Edit9->text())));
  s.PrnCol.resize(kPrnColCount);
  for (int i = 0; i < kPrnColCount; ++i) {
    s.PrnCol[i] = ReadPenCells(UStr(GridText(SG01, i + 1, kPenColorCol)),
                               UStr(GridText(SG01, i + 1, kPenWidthCol)),
                               UStr(GridText(SG01, i + 1, kPenRadiusCol)));
  }
}

void TPenTab::SettingsToForm(const TPrintSettings& s) {
  CheckIndex(RadioGroup3, LimitChoice(s.PrnColor, kPrnTableChoiceMax));
  Edit7->setText(QStr(IntStr(s.InpCol)));
  Edit8->setText(QStr(FloatStr(s.InpWid)));
  Edit9->setText(QStr(FloatStr(s.InpTenR)));
  PaintSwatch(LabelA3, LimitColor(s.InpCol));
  for (int i = 0; i < kPrnColCount && i < static_cast<int>(s.PrnCol.size()); ++i) {
    TPrnColor pen = s.PrnCol[i];
    LimitPen(pen);
    for (const int col : {kPenColorCol, kPenWidthCol, kPenRadiusCol})
      SetGridText(SG01, i + 1, col, PenCellText(pen, col));
  }
  SG01->viewport()->update();
}

void TPenTab::SG01DblClick(int row, int col) {
  if (row < 1 || (col != kPenColorCol && col != kPenSwatchCol)) {
    if (row >= 1 && col > 0) SG01->editItem(SG01->item(row - 1, col));
    return;
  }
  if (!services_.PickColor) return;
  const uint32_t current = ReadColorCell(UStr(GridText(SG01, row, kPenColorCol)));
  const std::optional<QColor> chosen = services_.PickColor(WinColorToQColor(current));
  if (!chosen) return;
  SetGridText(SG01, row, kPenColorCol, IntStr(QColorToWinColor(*chosen)));
  SG01->viewport()->update();
}

void TPenTab::Edit7DblClick() {
  const uint32_t current = ReadColorCell(UStr(Edit7->text()));
  if (!services_.PickColor) return;
  const std::optional<QColor> chosen = services_.PickColor(WinColorToQColor(current));
  if (!chosen) return;
  const uint32_t colour = QColorToWinColor(*chosen);
  Edit7->setText(QStr(IntStr(colour)));
  PaintSwatch(LabelA3, colour);
  if (services_.settings) services_.settings->InpCol = static_cast<int>(colour);
}

void TPenTab::BulkInput(TBulkInput what, const QLineEdit* field) {
  int top = SG01->currentRow() + 1;
  int bottom = top;
  const QList<QTableWidgetSelectionRange> ranges = SG01->selectedRanges();
  if (!ranges.isEmpty()) {
    top = ranges.first().topRow() + 1;
    bottom = ranges.first().bottomRow() + 1;
  }
  int first = 0;
  int last = 0;
  if (!BulkInputRows(top, bottom, first, last)) return;
  const std::u16string text = BulkInputText(what, UStr(field->text()));
  for (int r = first; r <= last; ++r)
    SetGridText(SG01, r, BulkInputColumn(what), text);
  SG01->viewport()->update();
}

void TPenTab::Button5Click() {
  BulkInput(TBulkInput::Color, Edit7);
}

void TPenTab::Button6Click() {
  BulkInput(TBulkInput::Width, Edit8);
}

void TPenTab::Button7Click() {
  BulkInput(TBulkInput::Radius, Edit9);
}

void TPenTab::ShowImport(const TTableImport& r) {
  // What was taken, or why nothing was (a file without pens, a drawing that cannot be read).
  if (!r.status.empty() && services_.ShowStatus) services_.ShowStatus(QStr(r.status));
  if (!r.done) return;
  const TPrintSettings& s = *services_.settings;
  for (const auto& [row, col] : r.penCells)
    SetGridText(SG01, row, col, PenCellText(s.PrnCol[static_cast<size_t>(row - 1)], col));
  SG01->viewport()->update();
  if (r.displayOnlyColour && services_.DisplayOnlyColourChanged)
    services_.DisplayOnlyColourChanged(s.PrnDOLCol);
}

void TPenTab::Button8Click() {
  TJwwData* JW = services_.JWW ? services_.JWW() : nullptr;
  if (!services_.settings || JW == nullptr) return;
  const std::filesystem::path file = ChooseDrawingFile(services_);
  if (!file.empty()) ShowImport(ImportJwwPens(*services_.settings, *JW, file));
}

void TPenTab::Button9Click() {
  if (!services_.settings) return;
  const std::filesystem::path file = ChooseEnvironmentFile(services_);
  if (!file.empty()) ShowImport(ReadJwfPens(*services_.settings, file));
}

}  // namespace tavolex
