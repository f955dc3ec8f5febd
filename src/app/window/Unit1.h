// The main window: the drawing list, the print settings, the printer and the print run. It moves
// values between its controls and the core and shows what the core reports; the rules live in
// the core (TPrintApp, TPrintSettings, TPrintDriver, the list rules).
#pragma once

#include <QMainWindow>
#include <QPageLayout>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/FileListRules.h"
#include "app/FormFlows.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"
#include "app/UnitPrint.h"
#include "app/window/ElidedPaths.h"
#include "app/window/PdfOutputMemory.h"
#include "app/window/tabs/TabWidgets.h"
#include "platform/qt/QtPrinters.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMimeData;
class QPrinter;
class QPrintPreviewDialog;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tavolex {

class TPenTab;
class TLtypeTab;
struct TTableTabServices;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The automatic settings file is read when loadAutomatic is set (tests start from defaults).
  explicit TForm1(const std::filesystem::path& programFile, bool loadAutomatic = true,
                  QWidget* parent = nullptr);
  ~TForm1() override;

  // Start-up once the window exists: settings into the controls, the command-line drawings.
  void FormShow(const QStringList& arguments);
  // The exit steps; runs once, from the title bar or from "終了(&X)".
  void FormClose();
  // Closes the window through the exit steps without the exit question (it was answered, or the
  // session ends).
  void CloseWithoutQuestion();

  // Questions (Yes/No) and notices (OK); message boxes unless a test answers them.
  std::function<bool(const QString&)> Ask;
  std::function<void(const QString&)> Notify;
  // The printer of the run; the selected printer, or the PDF file asked for, when unset.
  std::function<TPrinter*()> RunPrinterOverride;

  TPrintApp App;

  // The list operations behind the buttons, the drop and the command line.
  int AddFiles(const QStringList& names);
  bool DropMime(const QMimeData* mime);
  void SettingsSaveTo(const QString& path);
  void SettingsOpenFrom(const QString& path);
  void ResetSettings();
  void PrintRun();
  // Pages of the listed drawings with the current settings onto a printer Qt hands over.
  void PaintPreview(QPrinter* printer);
  // The preview of the listed drawings on the selected printer, not yet shown.
  QPrintPreviewDialog* PreviewDialog();

  void FormToSettings();
  void SettingsToForm();
  void ShowPrinterInfo();
  QString StatusText() const;
  QStringList ListEntries() const;
  bool Running() const { return flows_->Running(); }

  // Controls, named as on the form.
  TStatusLine* StatusBar1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QWidget* Panel1 = nullptr;
  QPushButton* Button12 = nullptr;
  QPushButton* Button20 = nullptr;  // print preview
  QPushButton* Button13 = nullptr;
  QPushButton* Button14 = nullptr;
  QPushButton* Button15 = nullptr;
  QPushButton* Button16 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;
  QWidget* TabSheet2 = nullptr;
  QWidget* TabSheet3 = nullptr;
  QWidget* TabSheet4 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button17 = nullptr;
  QPushButton* Button18 = nullptr;
  QPushButton* Button19 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QWidget* Panel3 = nullptr;
  QPushButton* Button3 = nullptr;
  QLabel* LabelA1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLineEdit* Edit11 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QCheckBox* CheckBox6 = nullptr;
  QSpinBox* UpDown1 = nullptr;  // its edit field is Edit4
  QSpinBox* UpDown2 = nullptr;  // Edit5
  QSpinBox* UpDown3 = nullptr;  // Edit6
  QComboBox* ComboBox1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QGroupBox* RadioGroup2 = nullptr;
  QButtonGroup* RadioGroup1Items = nullptr;
  QButtonGroup* RadioGroup2Items = nullptr;
  QLabel* LabelA2 = nullptr;
  QPushButton* Button4 = nullptr;
  // Tabs "線色・線幅" (SG01, Button5 .. Button9) and "線　種" (SG02, Edit10, Button10, Button11).
  TPenTab* PenTab = nullptr;
  TLtypeTab* LtypeTab = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Form building, one part per tab.
  void BuildForm();
  QWidget* BuildPanel1();
  QWidget* BuildFileTab();
  QWidget* BuildSettingsTab();
  QWidget* BuildPrintStyleGroup();
  QWidget* BuildColourOptions();
  QWidget* BuildLayerOptions();
  QWidget* BuildDisplayOnlyGroup();
  QWidget* BuildPenTab();
  QWidget* BuildLtypeTab();
  // The dialogs, status bar and shared objects the two table tabs use.
  TTableTabServices TableTabServices();
  void ConnectHandlers();
  // One Alt+letter for buttons whose captions underline the same letter.
  void ShareAccelerator(Qt::Key letter, std::initializer_list<QPushButton*> buttons);

  // Settings of the print tab to and from the fields; the table tabs move their own.
  void PrintTabToSettings();
  void SettingsToPrintTab();

  // Event handlers as on the form.
  void Button1Click();
  void Button2Click();
  void Button17Click();
  void Button18Click();
  void Button19Click();
  void ListBox1DblClick();
  void Button3Click();
  void Button4Click();
  void Button12Click();
  void Button13Click();
  void Button14Click();
  void Button15Click();
  void Button16Click();
  void Button20Click();

  // The settings-file dialog in FFolder3; the chosen path, empty when cancelled.
  QString ChooseSettingsFile(int acceptMode, const QString& filter);
  std::filesystem::path FindJwwExe() const;
  // The folder a file dialog opens in: remembered when it is one of the user's, else the folder
  // of the selected or last listed drawing, else the user's documents.
  QString DialogFolder(const std::u16string& remembered) const;
  // The status line; path, when given, is the drawing the text names.
  void SetStatus(const std::u16string& text, const QString& path = {});
  bool Question(const QString& text);
  void Notice(const QString& text);
  void SetListEntries(const QStringList& entries);
  std::vector<bool> ListSelection() const;
  void SetListSelection(const std::vector<bool>& selected);
  void SetRunControlsEnabled(bool enabled);
  // Whether an Esc press sent to watched is the one that stops the run.
  bool EscForTheRun(QObject* watched) const;
  void ApplyWindowGeometry();

  // The printer of the run: the selected system printer, or the PDF printer when there is none.
  bool HasSystemPrinter() const { return systemPrinter_ && systemPrinter_->Valid(); }
  std::unique_ptr<PdfPrinter> AskPdfPrinter();

  // The window as the flows see it, and the flows over it.
  class View;
  friend class View;
  std::unique_ptr<TFormFlows> MakeFlows();

  std::unique_ptr<SystemPrinter> systemPrinter_;
  TPdfOutput pdfOutput_;
  std::unique_ptr<QPrinter> previewLayout_;  // the PDF printer's layout for the preview
  bool loadAutomatic_;
  std::filesystem::path programFile_;
  bool escPressed_ = false;
  bool closed_ = false;
  bool exitConfirmed_ = false;
  bool closeAfterRun_ = false;
  std::unique_ptr<TPrintPlatform> platform_;  // the locale order of the list
  std::unique_ptr<TFormView> view_;
  std::unique_ptr<TFormFlows> flows_;
};

// Paper and printable sizes of a page layout in millimetres, for the printer line.
TPaperMm PaperMmOf(const QPageLayout& layout);

// The interface font: the IPA Japanese fonts the project installs.
void SetWindowFont();
// Qt's own dialog texts in Japanese.
void LoadQtJapaneseTexts();

// Names between the list control and the core.
std::vector<std::u16string> ToU16Strings(const QStringList& names);
QStringList ToQStrings(const std::vector<std::u16string>& names);

}  // namespace tavolex
