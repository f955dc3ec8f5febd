// The main window on the offscreen platform: the list, the run into a recording printer, the
// settings through the form and the settings-file buttons.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "app/FileListRules.h"
#include "app/JwwPrintDocument.h"
#include "app/window/Unit1.h"
#include "app/window/tabs/LtypeTab.h"
#include "app/window/tabs/PenTab.h"
#include "common/Func_2.h"
#include "support/RecordingPrinter.h"
#include "support/ScopedTempDir.h"
#include "support/TestPaths.h"

namespace tavolex {
namespace {

QString Q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

QString Q(const char16_t* s) {
  return QString::fromStdU16String(s);
}

// A printer that looks at the window while the run prints, and can press Esc after a file.
class WatchingPrinter : public test::RecordingPrinter {
 public:
  explicit WatchingPrinter(TForm1& form) : form_(form) {}
  bool PrnTitle(const std::u16string& title) override {
    seen.push_back({form_.Button12->isEnabled() || form_.PenTab->Button8->isEnabled() ||
                        form_.LtypeTab->Button11->isEnabled(),
                    form_.StatusText(), form_.StatusBar1->text(),
                    form_.ListBox1->selectedItems().size()});
    return RecordingPrinter::PrnTitle(title);
  }
  bool PrnEndDoc() override {
    if (escAfterFirst && seen.size() == 1)
      QCoreApplication::postEvent(&form_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    if (afterFirst && seen.size() == 1) afterFirst();
    return RecordingPrinter::PrnEndDoc();
  }
  struct Seen {
    bool runButtonsEnabled;  // Button12 or an import button
    QString status;
    QString shown;  // the status as the line shows it
    qsizetype selected;
  };
  std::vector<Seen> seen;
  bool escAfterFirst = false;
  std::function<void()> afterFirst;

 private:
  TForm1& form_;
};

// Presses Esc in the message box about to open; should Esc not answer it, Yes is clicked
// later so the test fails instead of waiting forever.
void PressEscInTheNextMessageBox() {
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Escape);
  });
  QTimer::singleShot(1000, [] {
    if (auto* still = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      still->button(QMessageBox::Yes)->click();
  });
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  // The window's per-user settings of this test run.
  test::ScopedTempDir userSettings_;
  std::unique_ptr<test::ScopedTempDir> dir_;
  std::unique_ptr<TForm1> form_;
  bool answer_ = true;
  QStringList asked_;
  QStringList notices_;

  std::filesystem::path Drawing(const std::string& name, const std::string& folder = "d") {
    const std::filesystem::path p = *dir_ / folder / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
    return p;
  }

  // The folder the file dialog opened by open starts in; the dialog is cancelled.
  static QString FolderOfNextFileDialog(const std::function<void()>& open) {
    QString folder;
    QTimer::singleShot(0, [&folder] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        folder = dialog->directory().absolutePath();
        dialog->reject();
      }
    });
    open();
    return folder;
  }

  std::unique_ptr<TForm1> NewForm(bool loadAutomatic) {
    auto form = std::make_unique<TForm1>(*dir_ / "prog" / "tavolex", loadAutomatic);
    form->Ask = [this](const QString& q) {
      asked_ << q;
      return answer_;
    };
    form->Notify = [this](const QString& n) { notices_ << n; };
    form->FormShow({});
    return form;
  }

 private slots:
  void initTestCase() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Q(userSettings_.path()));
  }
  void init() {
    dir_ = std::make_unique<test::ScopedTempDir>();
    std::filesystem::create_directories(*dir_ / "prog");
    answer_ = true;
    asked_.clear();
    notices_.clear();
    form_ = NewForm(false);
  }
  void cleanup() {
    form_.reset();
    dir_.reset();
  }

  void startsWithTheFormTexts() {
    QCOMPARE(form_->windowTitle(), Q(kWindowTitle));
    QCOMPARE(form_->size(), QSize(650, 438));
    QCOMPARE(form_->StatusText(), Q(kStartStatus));
    QCOMPARE(form_->ComboBox1->count(), 18);
    QCOMPARE(form_->ComboBox1->itemText(16), QStringLiteral("[F]レイヤグループ"));
    QVERIFY(form_->findChild<QLineEdit*>(QStringLiteral("Edit4")) != nullptr);
    QCOMPARE(form_->UpDown1->maximum(), 255);
    QVERIFY(form_->LabelA1->text().startsWith(QStringLiteral("プリンタ名：")));
    SetWindowFont();
    QVERIFY(QFontInfo(QApplication::font()).family().startsWith(QStringLiteral("IPA")));
  }

  void printerLineShowsThePaperInMillimetres() {
    const auto line = [](QPageSize::PageSizeId paper, const QMarginsF& margins) {
      const QPageLayout layout(QPageSize(paper), QPageLayout::Landscape, margins,
                               QPageLayout::Millimeter);
      return QString::fromStdU16String(PrinterInfoText(u"P", PaperMmOf(layout))).split("\n")[1];
    };
    QCOMPARE(line(QPageSize::A3, {}), QStringLiteral("用紙サイズ：横：420.00mm　縦：297.00mm　"
                                                     "印刷サイズ：横：420.00mm　縦：297.00mm"));
    QCOMPARE(line(QPageSize::A4, {5, 4, 5, 6}),
             QStringLiteral("用紙サイズ：横：297.00mm　縦：210.00mm　"
                            "印刷サイズ：横：287.00mm　縦：200.00mm"));
    if (SystemPrinterNames().isEmpty())
      QVERIFY(form_->LabelA1->text().startsWith(QStringLiteral(
          "プリンタ名：<標準プリンタ>（PDFファイルに出力）\n用紙サイズ：横：420.00mm")));
  }

  void dropAddsOnlyNewDrawingsThatExist() {
    const auto listed = Drawing("plan.jww");
    QVERIFY(form_->AddFiles({Q(listed)}) == 1);
    const auto upper = Drawing("SECTION.JWW");
    const auto dxf = Drawing("site.dxf");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Q(listed)), QUrl::fromLocalFile(Q(dxf)),
                  QUrl::fromLocalFile(Q(upper)), QUrl::fromLocalFile(Q(*dir_ / "gone.jww"))});
    QVERIFY(form_->DropMime(&mime));
    QCOMPARE(form_->StatusText(), QStringLiteral("1個のファイルを一覧に追加しました。"));
    QCOMPARE(form_->ListEntries(), QStringList({Q(listed), Q(upper)}));
    // A file whose name differs only in letter case counts as listed.
    QCOMPARE(form_->AddFiles({Q(Drawing("PLAN.jww"))}), 0);
    QCOMPARE(form_->ListBox1->count(), 2);
  }

  void listButtonsMoveSortAndDelete() {
    QStringList names;
    for (const char* n : {"b.jww", "A.jww", "c.jww"})
      names << Q(Drawing(n));
    form_->AddFiles(names);
    QListWidget* list = form_->ListBox1;
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    form_->Button17->click();
    QCOMPARE(form_->ListEntries(), QStringList({names[1], names[0], names[2]}));
    QCOMPARE(list->selectedItems().size(), 1);
    QVERIFY(list->item(0)->isSelected());
    QCOMPARE(form_->StatusText(), QStringLiteral("2個のファイルを上に移動しました。"));

    list->clearSelection();
    list->item(2)->setSelected(true);
    form_->Button18->click();
    QCOMPARE(list->item(2)->text(), names[2]);
    QVERIFY(list->selectedItems().isEmpty());

    form_->Button19->click();
    QCOMPARE(form_->ListEntries(), QStringList({names[1], names[0], names[2]}));
    QCOMPARE(form_->StatusText(), QStringLiteral("3個のファイルを並べ替えました。"));

    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    answer_ = false;
    form_->Button2->click();
    QCOMPARE(list->count(), 3);
    answer_ = true;
    form_->Button2->click();
    QCOMPARE(asked_.last(),
             QStringLiteral("選択した2個のファイルを一覧から削除します。よろしいですか？"));
    QCOMPARE(form_->ListEntries(), QStringList({names[0]}));
    QCOMPARE(form_->StatusText(), QStringLiteral("2個のファイルを一覧から削除しました。"));
  }

  void sharedAcceleratorsClickOneButton() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    std::vector<QPushButton*> clicked;
    for (QPushButton* b : {form_->Button2, form_->Button18, form_->Button19, form_->Button14}) {
      b->disconnect();
      connect(b, &QPushButton::clicked, this, [&clicked, b] { clicked.push_back(b); });
    }
    const auto press = [&](Qt::Key letter) {
      clicked.clear();
      QTest::keyClick(form_.get(), letter, Qt::AltModifier);
      return clicked;
    };
    using Buttons = std::vector<QPushButton*>;
    QCOMPARE(press(Qt::Key_D), Buttons{form_->Button2});
    QCOMPARE(press(Qt::Key_S), Buttons{form_->Button19});
    form_->Button2->setEnabled(false);
    QCOMPARE(press(Qt::Key_D), Buttons{form_->Button18});
    form_->PageControl1->setCurrentWidget(form_->TabSheet2);
    QCOMPARE(press(Qt::Key_S), Buttons{form_->Button14});
    QCOMPARE(press(Qt::Key_D), Buttons{});
  }

  void runPrintsTheListAndStopsOnEsc() {
    form_->Button12->click();
    QCOMPARE(notices_, QStringList({Q(kEmptyListMessage)}));
    QCOMPARE(form_->StatusText(), Q(kEmptyListMessage));

    const std::filesystem::path examples = test::SourceDir() / "examples";
    const QString first = Q(examples / "floor-plan.jww");
    const QString second = Q(examples / "layer-groups.jww");
    form_->AddFiles({first, second});
    form_->ListBox1->insertItem(1, Q(*dir_ / "missing.jww"));
    WatchingPrinter printer(*form_);
    form_->RunPrinterOverride = [&printer]() -> TPrinter* { return &printer; };

    answer_ = false;
    form_->Button12->click();
    QVERIFY(printer.seen.empty());

    answer_ = true;
    form_->Button12->click();
    QCOMPARE(asked_.last(), Q(kStartQuestion));
    QCOMPARE(printer.seen.size(), std::size_t{2});
    for (const auto& s : printer.seen) {
      QVERIFY(!s.runButtonsEnabled);
      QCOMPARE(s.selected, qsizetype{1});
    }
    QCOMPARE(printer.seen[1].status,
             QStringLiteral("印刷中：") + second + QStringLiteral("　[ESC:中断]"));
    QVERIFY(form_->Button12->isEnabled());
    QVERIFY(form_->ListBox1->selectedItems().isEmpty());
    QCOMPARE(form_->StatusText(), QStringLiteral("印刷終了しました。"));

    printer.seen.clear();
    printer.escAfterFirst = true;
    form_->Button12->click();
    QCOMPARE(printer.seen.size(), std::size_t{1});
    QCOMPARE(form_->StatusText(),
             QStringLiteral("[Esc]キーを押しましたので印刷を途中終了します。"));
    QVERIFY(form_->Button12->isEnabled());

    // Esc inside a question that comes up during the run answers the question (No to the exit
    // question) and leaves the run going.
    printer.seen.clear();
    printer.escAfterFirst = false;
    printer.afterFirst = [this] {
      form_->Ask = nullptr;
      PressEscInTheNextMessageBox();
      QVERIFY(!form_->close());
    };
    form_->Button12->click();
    QCOMPARE(printer.seen.size(), std::size_t{2});
    QCOMPARE(form_->StatusText(), QStringLiteral("印刷終了しました。"));
    printer.afterFirst = nullptr;

    printer.refuseDocuments = true;
    form_->Button12->click();
    QCOMPARE(form_->StatusText(), Q(kPrinterFailedStatus));
  }

  void longPathsKeepTheFileNameInView() {
    std::filesystem::path deep = *dir_ / "d";
    for (int i = 0; i < 6; ++i)
      deep /= "a folder with a rather long name " + std::to_string(i);
    std::filesystem::create_directories(deep);
    std::filesystem::copy_file(test::SourceDir() / "examples" / "floor-plan.jww",
                               deep / "floor-plan.jww");
    const QString path = Q(deep / "floor-plan.jww");
    form_->AddFiles({path});
    QCOMPARE(form_->ListEntries(), QStringList({path}));
    QCOMPARE(form_->ListBox1->item(0)->data(Qt::ToolTipRole).toString(), path);
    form_->show();
    WatchingPrinter printer(*form_);
    form_->RunPrinterOverride = [&printer]() -> TPrinter* { return &printer; };
    form_->Button12->click();
    QCOMPARE(printer.seen.size(), std::size_t{1});
    const QString status = QStringLiteral("印刷中：") + path + QStringLiteral("　[ESC:中断]");
    QCOMPARE(printer.seen[0].status, status);
    const QString shown = printer.seen[0].shown;
    QVERIFY2(shown.startsWith(QStringLiteral("印刷中：/")) && shown.contains(QChar(0x2026)) &&
                 shown.endsWith(QStringLiteral("/floor-plan.jww　[ESC:中断]")),
             qPrintable(shown));
    QVERIFY(form_->StatusBar1->fontMetrics().horizontalAdvance(shown) <=
            form_->StatusBar1->contentsRect().width());
  }

  void dialogsStartWhereTheUsersFilesAreAndPdfOutputIsKept() {
    // Not in the program's folder, where the settings file and TEMP are kept.
    const QString appFolder = Q(form_->App.Folders.AppFolder.parent_path());
    for (QPushButton* add_or_save : {form_->Button1, form_->Button14}) {
      const QString folder = FolderOfNextFileDialog([add_or_save] { add_or_save->click(); });
      QVERIFY2(!folder.isEmpty() && !folder.startsWith(appFolder), qPrintable(folder));
    }

    if (!SystemPrinterNames().isEmpty()) QSKIP("a system printer is installed");
    form_->AddFiles({Q(test::SourceDir() / "examples" / "floor-plan.jww")});
    const QString pdf = Q(*dir_ / "out" / "plans");
    std::filesystem::create_directories(*dir_ / "out");
    QTimer::singleShot(0, [&pdf] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->selectFile(pdf);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    form_->Button12->click();
    QCOMPARE(form_->StatusText(), QStringLiteral("印刷終了しました。"));
    QVERIFY(std::filesystem::file_size((pdf + ".pdf").toStdString()) > 1000);

    // The next start asks in the folder last written to, on the paper kept.
    QSettings kept(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavolex"),
                   QStringLiteral("Tavolex"));
    kept.setValue(QStringLiteral("PdfOutput/Paper"), static_cast<int>(QPageSize::A4));
    kept.setValue(QStringLiteral("PdfOutput/Orientation"), static_cast<int>(QPageLayout::Portrait));
    kept.sync();
    form_.reset();
    form_ = NewForm(true);
    QVERIFY(form_->LabelA1->text().contains(QStringLiteral("横：210.00mm　縦：297.00mm")));
    form_->AddFiles({Q(test::SourceDir() / "examples" / "floor-plan.jww")});
    QCOMPARE(FolderOfNextFileDialog([this] { form_->Button12->click(); }), Q(*dir_ / "out"));
  }

  void previewDrawsEveryPageIntoOneJob() {
    const std::filesystem::path examples = test::SourceDir() / "examples";
    form_->AddFiles({Q(examples / "floor-plan.jww"), Q(examples / "layer-groups.jww")});
    form_->CheckBox4->setChecked(true);  // one page per layer group
    form_->FormToSettings();
    test::RecordingPrinter expected;
    JwwPrintDocument document(*form_->App.JWW);
    TPrintDriver(form_->App.Settings, document, expected)
        .Run({form_->ListEntries()[0].toStdU16String(), form_->ListEntries()[1].toStdU16String()});
    const auto pages = std::count(expected.events.begin(), expected.events.end(), "end");
    QVERIFY(pages > 2);

    const std::filesystem::path pdf = *dir_ / "preview.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(pdf));
    form_->PaintPreview(&printer);
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long found = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
      ++found;
    QCOMPARE(found, static_cast<long>(pages));
  }

  void settingsRoundTripThroughFormFileAndReset() {
    form_->RadioButton3->setChecked(true);
    form_->Edit1->setText(QStringLiteral("0.5"));
    form_->Edit2->setText(QStringLiteral("12.5"));
    form_->Edit3->setText(QStringLiteral("-3"));
    form_->Edit11->setText(QStringLiteral("90"));
    for (QCheckBox* box : {form_->CheckBox1, form_->CheckBox2, form_->CheckBox3, form_->CheckBox4,
                           form_->CheckBox5, form_->CheckBox6})
      box->setChecked(true);
    form_->UpDown1->setValue(10);
    form_->UpDown2->setValue(200);
    form_->UpDown3->setValue(255);
    form_->ComboBox1->setCurrentIndex(17);
    form_->RadioGroup1Items->button(2)->setChecked(true);
    form_->RadioGroup2Items->button(1)->setChecked(true);
    ColorLabel(form_->LabelA2, QColor(0x12, 0x34, 0x56));
    const QString drawing = Q(Drawing("ひらがな.jww", "図面"));
    form_->AddFiles({drawing});

    const QString file = Q(*dir_ / "my.dat");
    form_->SettingsSaveTo(file);
    QCOMPARE(form_->StatusText(), QStringLiteral("Tavolex設定ファイルを保存しました。"));
    const TPrintSettings saved = form_->App.Settings;
    QCOMPARE(saved.PrnDOLCol, 0x563412);
    QCOMPARE(saved.PrnRenLG, 17);

    form_->ResetSettings();
    QVERIFY(form_->RadioButton1->isChecked());
    QVERIFY(!form_->CheckBox6->isChecked());
    QCOMPARE(form_->UpDown2->value(), 0);
    QCOMPARE(form_->ListBox1->count(), 0);
    QCOMPARE(LabelColor(form_->LabelA2), QColor(Qt::black));

    form_->SettingsOpenFrom(file);
    QCOMPARE(form_->StatusText(), QStringLiteral("Tavolex設定ファイルを開きました。"));
    QCOMPARE(form_->ListEntries(), QStringList({drawing}));
    form_->FormToSettings();
    const TPrintSettings& s = form_->App.Settings;
    QCOMPARE(s.PrnStyle, 2);
    QCOMPARE(s.PrnScale, 0.5);
    QCOMPARE(s.PrnOfstX, 12.5);
    QCOMPARE(s.PrnOfstY, -3.0);
    QCOMPARE(s.PrnAngle, 90.0);
    QVERIFY(s.PrnMono == 1 && s.PrnWhite1 == 1 && s.PrnWhite2 == 1 && s.PrnRen1 == 1 &&
            s.PrnRen2 == 1 && s.PrnHojo == 1);
    QVERIFY(s.PrnSikii0 == 10 && s.PrnSikii1 == 200 && s.PrnSikii2 == 255);
    QVERIFY(s.PrnRenLG == 17 && s.PrnDOLay == 2 && s.PrnOrder == 1);
    QCOMPARE(s.PrnDOLCol, 0x563412);

    // Values outside the controls' range are limited when the form is filled and read.
    form_->App.Settings.PrnDOLay = 9;
    form_->App.Settings.PrnRenLG = -4;
    form_->SettingsToForm();
    form_->Edit1->setText(QStringLiteral("abc"));
    form_->FormToSettings();
    QVERIFY(s.PrnDOLay == 3 && s.PrnRenLG == 0 && s.PrnScale == 1e-6);
  }

  void settingsFileNamesAndUnreadableFiles() {
    const QString automatic = Q(form_->App.Folders.SettingsFile);
    const QString upper = automatic.left(automatic.size() - 11) + QStringLiteral("TAVOLEX.DAT");
    form_->SettingsSaveTo(upper);
    QCOMPARE(form_->StatusText(),
             QStringLiteral("このファイル名では設定保存出来ません。設定保存を再度行って下さい。"));
    QVERIFY(!std::filesystem::exists(upper.toStdString()));
    form_->SettingsOpenFrom(upper);
    QCOMPARE(form_->StatusText(),
             QStringLiteral("このファイル名では設定を開く事は出来ません。再度行って下さい。"));
    for (const bool save : {true, false}) {
      const QString txt = Q(*dir_ / "notes.txt");
      save ? form_->SettingsSaveTo(txt) : form_->SettingsOpenFrom(txt);
      QCOMPARE(form_->StatusText(), QStringLiteral("設定ファイルの拡張子は「.dat」にして下さい。"));
    }
    std::ofstream(*dir_ / "other.dat") << "something else\r\n";
    form_->CheckBox1->setChecked(true);
    form_->SettingsOpenFrom(Q(*dir_ / "other.dat"));
    QCOMPARE(form_->StatusText(),
             QStringLiteral("このファイルは Tavolex設定ファイルではありません"));
    QVERIFY(!form_->CheckBox1->isChecked());
    // A file that ends early takes nothing: the list and the controls stay as they are shown.
    std::ofstream(*dir_ / "short.dat") << StrToCp932(u"【Tavolex設定ファイル】\r\n");
    form_->AddFiles({Q(Drawing("a.jww"))});
    form_->CheckBox1->setChecked(true);
    form_->SettingsOpenFrom(Q(*dir_ / "short.dat"));
    QCOMPARE(form_->StatusText(), QStringLiteral("Tavolex設定ファイルが開けませんでした。"));
    QVERIFY(form_->ListBox1->count() == 1 && form_->CheckBox1->isChecked());
  }

  void exitKeepsSettingsAndPosition() {
    form_->CheckBox5->setChecked(true);
    form_->move(40, 30);
    form_->show();
    answer_ = false;
    form_->Button13->click();
    QVERIFY(!form_->close());  // the title bar asks the same question
    QCOMPARE(asked_, QStringList({Q(kExitQuestion), Q(kExitQuestion)}));
    QVERIFY(form_->isVisible() && !std::filesystem::exists(form_->App.Folders.SettingsFile));
    answer_ = true;
    form_->Button13->click();
    QCOMPARE(asked_.size(), 3);  // asked once, not again by the closing window
    QVERIFY(!form_->isVisible());
    QVERIFY(std::filesystem::exists(form_->App.Folders.SettingsFile));
    QVERIFY(!std::filesystem::exists(form_->App.Folders.TempFolder));
    form_.reset();

    form_ = NewForm(true);
    QVERIFY(form_->CheckBox5->isChecked());
    QCOMPARE(form_->pos(), QPoint(40, 30));
    form_.reset();

    // A damaged automatic file: the window stays in reach and the settings read as they can.
    std::ofstream(*dir_ / "prog" / "tavolex.dat", std::ios::binary)
        << "2147483647\r\n5\r\n2147483647\r\n300\r\n\xff\xfe\r\n-7\r\n";
    form_ = NewForm(true);
    QCOMPARE(form_->pos(), QPoint(0, 0));
    QVERIFY(form_->RadioButton1->isChecked());
  }
};

}  // namespace tavolex

QTEST_MAIN(tavolex::WindowTest)
#include "WindowTest.moc"
