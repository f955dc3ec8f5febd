// The window's start and exit, its questions and its status line.
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>

#include "app/AppFolders.h"
#include "app/FileListRules.h"
#include "app/JwCadLaunch.h"
#include "app/WindowPlacement.h"
#include "app/window/Unit1.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

void SetWindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  font.setPointSize(9);
  QApplication::setFont(font);
}

void LoadQtJapaneseTexts() {
  // The buttons and captions of Qt's own message boxes and dialogs in Japanese, as the rest of
  // the window is; without the translation files they stay in English.
  auto* translator = new QTranslator(qApp);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  else
    delete translator;
}

TForm1::TForm1(const std::filesystem::path& programFile, bool loadAutomatic, QWidget* parent)
    : QMainWindow(parent), loadAutomatic_(loadAutomatic), programFile_(programFile) {
  flows_ = MakeFlows();
  BuildForm();
  ConnectHandlers();
  if (!SystemPrinterNames().isEmpty()) {
    systemPrinter_ = std::make_unique<SystemPrinter>();
    // No default printer: the first one of the list.
    if (!systemPrinter_->Valid())
      systemPrinter_ = std::make_unique<SystemPrinter>(SystemPrinterNames().constFirst());
  }
  qApp->installEventFilter(this);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  FormClose();
}

void TForm1::ConnectHandlers() {
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button17, &QPushButton::clicked, this, &TForm1::Button17Click);
  connect(Button18, &QPushButton::clicked, this, &TForm1::Button18Click);
  connect(Button19, &QPushButton::clicked, this, &TForm1::Button19Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm1::ListBox1DblClick);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
  connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
  connect(Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
  connect(Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
  connect(Button16, &QPushButton::clicked, this, &TForm1::Button16Click);
  connect(Button20, &QPushButton::clicked, this, &TForm1::Button20Click);
}

void TForm1::FormShow(const QStringList& arguments) {
#ifdef _WIN32
  const std::filesystem::path boot = BootJwwOrDefault(FindJwwExe());
#else
  // Jw_cad under Wine is looked for when a drawing is opened in it.
  const std::filesystem::path boot;
#endif
  if (loadAutomatic_) LoadPdfOutput(pdfOutput_);
  flows_->Start(programFile_, boot, loadAutomatic_, ToU16Strings(arguments));
  ApplyWindowGeometry();
}

void TForm1::FormClose() {
  if (closed_ || GAtt == nullptr) return;
  closed_ = true;
  const QRect frame = frameGeometry();
  flows_->Close({frame.left(), frame.top(), frame.width(), frame.height()});
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The title bar asks as "終了(&X)" does; answering No keeps the window and its settings.
  if (!exitConfirmed_ && !flows_->AskExit()) {
    event->ignore();
    return;
  }
  exitConfirmed_ = true;
  if (flows_->Running()) {
    // The file being printed is finished first; the window closes when the run has stopped.
    escPressed_ = true;
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TForm1::CloseWithoutQuestion() {
  exitConfirmed_ = true;
  close();
}

void TForm1::Button13Click() {
  if (flows_->AskExit()) CloseWithoutQuestion();
}

void TForm1::ApplyWindowGeometry() {
  std::vector<TWindowGeometry> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    screens.push_back({area.left(), area.top(), area.width(), area.height()});
  }
  const TWindowGeometry& kept = App.Settings.Window;
  if (KeptPositionUsable(kept, screens)) move(kept.left, kept.top);
}

void TForm1::SetStatus(const std::u16string& text, const QString& path) {
  StatusBar1->SetStatus(QString::fromStdU16String(text), path);
}

QString TForm1::StatusText() const {
  return StatusBar1->FullText();
}

bool TForm1::Question(const QString& text) {
  if (Ask) return Ask(text);
  return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void TForm1::Notice(const QString& text) {
  if (Notify) {
    Notify(text);
    return;
  }
  QMessageBox box(QMessageBox::Question, windowTitle(), text, QMessageBox::Ok, this);
  box.exec();
}

}  // namespace tavolex
