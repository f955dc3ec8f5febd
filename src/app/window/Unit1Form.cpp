// The controls of the main window, built with their form names and texts.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <vector>

#include "app/FileListRules.h"
#include "app/PrintSettings.h"
#include "app/window/Unit1.h"

namespace tavolex {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* NamedButton(const char* name, const QString& text) {
  return Named(new QPushButton(text), name);
}

// A threshold 0..255; its edit field gets the form name of the edit beside the up-down.
QSpinBox* ThresholdBox(const char* upDownName, const char* editName) {
  auto* box = Named(new QSpinBox, upDownName);
  box->setRange(0, kThresholdMax);
  box->setFixedWidth(56);
  if (auto* edit = box->findChild<QLineEdit*>()) edit->setObjectName(QString::fromLatin1(editName));
  return box;
}

QLineEdit* NumberEdit(const char* name, const QString& text) {
  auto* edit = Named(new QLineEdit(text), name);
  edit->setFixedWidth(64);
  return edit;
}

QVBoxLayout* Column(QWidget* owner, int spacing = 4) {
  auto* layout = new QVBoxLayout(owner);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(spacing);
  return layout;
}

}  // namespace

void TForm1::BuildForm() {
  setWindowTitle(QString::fromStdU16String(kWindowTitle));
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  PageControl1 = Named(new QTabWidget, "PageControl1");
  PageControl1->setTabPosition(QTabWidget::East);
  TabSheet1 = Named(BuildFileTab(), "TabSheet1");
  TabSheet2 = Named(BuildSettingsTab(), "TabSheet2");
  TabSheet3 = Named(BuildPenTab(), "TabSheet3");
  TabSheet4 = Named(BuildLtypeTab(), "TabSheet4");
  PageControl1->addTab(TabSheet1, QStringLiteral("ファイル指定"));
  PageControl1->addTab(TabSheet2, QStringLiteral("設　定"));
  PageControl1->addTab(TabSheet3, QStringLiteral("線色・線幅"));
  PageControl1->addTab(TabSheet4, QStringLiteral("線　種"));
  layout->addWidget(PageControl1, 1);
  layout->addWidget(BuildPanel1());
  setCentralWidget(central);

  StatusBar1 = Named(new TStatusLine(QString::fromStdU16String(kStartStatus)), "StatusBar1");
  ProgressBar1 = Named(new QProgressBar, "ProgressBar1");
  ProgressBar1->setFixedWidth(140);
  ProgressBar1->setFormat(QStringLiteral("%v / %m"));
  ProgressBar1->hide();
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(StatusBar1, 1);
  statusBar()->addPermanentWidget(ProgressBar1);

  ShareAccelerator(Qt::Key_D, {Button2, Button18});
  ShareAccelerator(Qt::Key_S, {Button19, Button14});

  // The client area keeps its pixel size: 650 x 438 without the title bar.
  setFixedSize(650, 438);
  setAcceptDrops(true);
}

void TForm1::ShareAccelerator(Qt::Key letter, std::initializer_list<QPushButton*> buttons) {
  // Buttons that share a letter would only pass the focus between them on Alt+letter; one
  // shortcut clicks the first of them that can be pressed now, so the tab on show comes before
  // the button panel. The underlined letter stays in each caption.
  const std::vector<QPushButton*> order(buttons);
  for (QPushButton* b : order)
    b->setShortcut(QKeySequence());
  auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | letter), this);
  connect(shortcut, &QShortcut::activated, this, [order] {
    for (QPushButton* b : order) {
      if (b->isVisible() && b->isEnabled()) {
        b->click();
        return;
      }
    }
  });
}

QWidget* TForm1::BuildPanel1() {
  Panel1 = Named(new QWidget, "Panel1");
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(6, 4, 6, 4);
  Button12 = NamedButton("Button12", QStringLiteral("印刷開始(&G)"));
  Button20 = NamedButton("Button20", QStringLiteral("印刷プレビュー(&V)"));
  Button13 = NamedButton("Button13", QStringLiteral("終了(&X)"));
  Button14 = NamedButton("Button14", QStringLiteral("設定保存(&S)"));
  Button15 = NamedButton("Button15", QStringLiteral("設定を開く(&O)"));
  Button16 = NamedButton("Button16", QStringLiteral("設定初期化"));
  row->addWidget(Button12);
  row->addWidget(Button20);
  row->addWidget(Button13);
  row->addStretch(1);
  row->addWidget(Button14);
  row->addWidget(Button15);
  row->addWidget(Button16);
  return Panel1;
}

QWidget* TForm1::BuildFileTab() {
  auto* page = new QWidget;
  auto* layout = Column(page);
  auto* top = new QHBoxLayout;
  Label1 = Named(new QLabel(QStringLiteral("▼印刷する図面ファイル一覧")), "Label1");
  top->addWidget(Label1);
  top->addStretch(1);
  Button1 = NamedButton("Button1", QStringLiteral("追加(&A)"));
  Button2 = NamedButton("Button2", QStringLiteral("削除(&D)"));
  Button17 = NamedButton("Button17", QStringLiteral("上へ(&U)"));
  Button18 = NamedButton("Button18", QStringLiteral("下へ(&D)"));
  Button19 = NamedButton("Button19", QStringLiteral("並替(&S)"));
  for (QPushButton* b : {Button1, Button2, Button17, Button18, Button19})
    top->addWidget(b);
  layout->addLayout(top);
  ListBox1 = Named(new QListWidget, "ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ShowPathsElided(ListBox1);
  layout->addWidget(ListBox1, 1);
  ListBox2 = Named(new QListWidget(page), "ListBox2");
  ListBox2->hide();
  return page;
}

QWidget* TForm1::BuildSettingsTab() {
  auto* page = new QWidget;
  auto* layout = Column(page, 3);
  Panel3 = Named(new QWidget, "Panel3");
  auto* printerRow = new QHBoxLayout(Panel3);
  printerRow->setContentsMargins(0, 0, 0, 0);
  Button3 = NamedButton("Button3", QStringLiteral("プリンタ設定(&P)"));
  LabelA1 = Named(new QLabel, "LabelA1");
  LabelA1->setFrameShape(QFrame::StyledPanel);
  LabelA1->setMinimumHeight(34);
  printerRow->addWidget(Button3);
  printerRow->addWidget(LabelA1, 1);
  layout->addWidget(Panel3);

  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildPrintStyleGroup(), 1);
  columns->addWidget(BuildLayerOptions(), 1);
  layout->addLayout(columns);
  layout->addWidget(BuildColourOptions());
  layout->addWidget(BuildDisplayOnlyGroup());
  layout->addStretch(1);
  return page;
}

QWidget* TForm1::BuildPrintStyleGroup() {
  auto* group = Named(new QGroupBox(QStringLiteral("印刷方法")), "GroupBox1");
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setVerticalSpacing(1);
  RadioButton1 = Named(new QRadioButton(QStringLiteral("図面データ倍率取得印刷")), "RadioButton1");
  RadioButton2 = Named(new QRadioButton(QStringLiteral("フィット印刷(図形範囲による自動倍率印刷)")),
                       "RadioButton2");
  RadioButton3 = Named(new QRadioButton(QStringLiteral("倍率指定印刷")), "RadioButton3");
  Edit1 = NumberEdit("Edit1", QStringLiteral("1.0"));
  Edit2 = NumberEdit("Edit2", QStringLiteral("0.0"));
  Edit3 = NumberEdit("Edit3", QStringLiteral("0.0"));
  Edit11 = NumberEdit("Edit11", QStringLiteral("0"));
  grid->addWidget(RadioButton1, 0, 0, 1, 5);
  grid->addWidget(RadioButton2, 1, 0, 1, 5);
  grid->addWidget(RadioButton3, 2, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("倍率")), 2, 2, Qt::AlignRight);
  grid->addWidget(Edit1, 2, 3);
  grid->addWidget(new QLabel(QStringLiteral("X(mm)")), 3, 0, Qt::AlignRight);
  grid->addWidget(Edit2, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("Y(mm)")), 3, 2, Qt::AlignRight);
  grid->addWidget(Edit3, 3, 3);
  auto* angleRow = new QHBoxLayout;
  angleRow->addWidget(new QLabel(QStringLiteral("回転角度")));
  angleRow->addWidget(Edit11);
  angleRow->addWidget(new QLabel(QStringLiteral("°（※時計回りが正の値）")));
  angleRow->addStretch(1);
  grid->addLayout(angleRow, 4, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  RadioButton1->setChecked(true);
  return group;
}

QWidget* TForm1::BuildColourOptions() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(1);
  CheckBox1 =
      Named(new QCheckBox(QStringLiteral("モノクロ印刷を行う　　　モノクロ印刷時のしきい値")),
            "CheckBox1");
  CheckBox2 =
      Named(new QCheckBox(QStringLiteral("通常線色の白色を黒色にする　白色判定時のしきい値")),
            "CheckBox2");
  CheckBox3 =
      Named(new QCheckBox(QStringLiteral("SXF線色の白色を黒色にする 　白色判定時のしきい値")),
            "CheckBox3");
  UpDown1 = ThresholdBox("UpDown1", "Edit4");
  UpDown2 = ThresholdBox("UpDown2", "Edit5");
  UpDown3 = ThresholdBox("UpDown3", "Edit6");
  grid->addWidget(CheckBox1, 0, 0);
  grid->addWidget(UpDown1, 0, 1);
  grid->addWidget(CheckBox2, 1, 0);
  grid->addWidget(UpDown2, 1, 1);
  grid->addWidget(CheckBox3, 2, 0);
  grid->addWidget(UpDown3, 2, 1);
  grid->setColumnStretch(2, 1);
  return box;
}

QWidget* TForm1::BuildLayerOptions() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  CheckBox4 = Named(new QCheckBox(QStringLiteral("レイヤグループ毎連続印刷")), "CheckBox4");
  CheckBox5 = Named(new QCheckBox(QStringLiteral("１文書として印刷")), "CheckBox5");
  layout->addWidget(CheckBox4);
  layout->addWidget(CheckBox5);

  auto* comboRow = new QHBoxLayout;
  ComboBox1 = Named(new QComboBox, "ComboBox1");
  ComboBox1->addItem(QStringLiteral("なし"));
  for (int g = 0; g < 16; ++g)
    ComboBox1->addItem(QStringLiteral("[%1]レイヤグループ").arg(QString::number(g, 16).toUpper()));
  ComboBox1->addItem(QStringLiteral("表示のみレイヤグループ"));
  comboRow->addWidget(new QLabel(QStringLiteral("共通印刷レイヤグループ")));
  comboRow->addWidget(ComboBox1, 1);
  layout->addLayout(comboRow);
  CheckBox6 = Named(new QCheckBox(QStringLiteral("補助線を印刷する")), "CheckBox6");
  layout->addWidget(CheckBox6);

  RadioGroup2 = Named(new QGroupBox(QStringLiteral("図面データの印刷順序")), "RadioGroup2");
  RadioGroup2Items = new QButtonGroup(this);
  auto* row2 = new QHBoxLayout(RadioGroup2);
  row2->setContentsMargins(6, 0, 6, 0);
  const QString items2[] = {QStringLiteral("通常"), QStringLiteral("レイヤ順"),
                            QStringLiteral("レイヤ逆順")};
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(items2[i]);
    RadioGroup2Items->addButton(item, i);
    row2->addWidget(item);
  }
  layout->addWidget(RadioGroup2);
  layout->addWidget(new QLabel(QStringLiteral("※ソリッド任意色は\nカラー出力されます")));
  layout->addStretch(1);
  return box;
}

QWidget* TForm1::BuildDisplayOnlyGroup() {
  RadioGroup1 =
      Named(new QGroupBox(QStringLiteral("表示のみレイヤ・レイヤグループ")), "RadioGroup1");
  RadioGroup1Items = new QButtonGroup(this);
  auto* grid = new QGridLayout(RadioGroup1);
  grid->setContentsMargins(6, 0, 6, 2);
  grid->setVerticalSpacing(1);
  const QString items1[] = {QStringLiteral("印刷しない"), QStringLiteral("グレー色で印刷"),
                            QStringLiteral("設定色で印刷"), QStringLiteral("そのまま印刷")};
  for (int i = 0; i < 4; ++i) {
    auto* item = new QRadioButton(items1[i]);
    RadioGroup1Items->addButton(item, i);
    grid->addWidget(item, 0, i);
  }
  grid->setColumnStretch(4, 1);
  LabelA2 = Named(new QLabel, "LabelA2");
  LabelA2->setFixedSize(36, 18);
  LabelA2->setFrameShape(QFrame::Box);
  ColorLabel(LabelA2, QColor(Qt::gray));
  Button4 = NamedButton("Button4", QStringLiteral("設定"));
  Button4->setFixedWidth(48);
  auto* swatchRow = new QHBoxLayout;
  swatchRow->addWidget(new QLabel(QStringLiteral("表示のみレイヤ設定色：")));
  swatchRow->addWidget(LabelA2);
  swatchRow->addWidget(Button4);
  swatchRow->addStretch(1);
  grid->addLayout(swatchRow, 1, 0, 1, 5);
  return RadioGroup1;
}

}  // namespace tavolex
