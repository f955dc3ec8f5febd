// The main window on Windows: the drawing list, the print settings, the printer and the print run.
// It moves values between its controls and the core and shows what the core reports; every step
// of its buttons is a flow of TFormFlows, every rule lives in the core.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/FormFlows.h"
#include "app/PrintApp.h"
#include "app/winwindow/PrinterSetupDialog.h"
#include "app/winwindow/WinControls.h"
#include "platform/win/WinHeaders.h"
#include "platform/win/WinPrintPlatform.h"

// The drop of files from the shell.
#include <shellapi.h>

namespace tavolex {

class SpoolerPrinter;
class TPenTab;
class TLtypeTab;
struct TWinTableTabServices;

// Control ids; each control's id is unique over the whole window, so one handler serves the
// pages and the panel.
enum TForm1Id : int {
  kIdButton1 = 101,
  kIdButton2,
  kIdButton17,
  kIdButton18,
  kIdButton19,
  kIdListBox1,
  kIdListBox2,
  kIdLabel1,
  kIdButton3 = 201,
  kIdLabelA1,
  kIdRadioButton1,
  kIdRadioButton2,
  kIdRadioButton3,
  kIdEdit1,
  kIdEdit2,
  kIdEdit3,
  kIdEdit11,
  kIdCheckBox1,
  kIdCheckBox2,
  kIdCheckBox3,
  kIdCheckBox4,
  kIdCheckBox5,
  kIdCheckBox6,
  kIdEdit4,
  kIdEdit5,
  kIdEdit6,
  kIdUpDown1,
  kIdUpDown2,
  kIdUpDown3,
  kIdComboBox1,
  kIdRadioGroup1,                       // its items follow: 4 of them
  kIdRadioGroup2 = kIdRadioGroup1 + 4,  // 3 items
  kIdLabelA2 = kIdRadioGroup2 + 3,
  kIdButton4,
  kIdButton12 = 301,
  kIdButton20,
  kIdButton13,
  kIdButton14,
  kIdButton15,
  kIdButton16,
  kIdPageControl1,
  kIdStatusBar1,
  kIdProgressBar1,
};

class TForm1 : public TFormView, public TPageHandler {
 public:
  // The window is made hidden; Show puts it on screen. The automatic settings file is read at
  // FormShow when loadAutomatic is set (tests start from the defaults).
  explicit TForm1(const std::filesystem::path& programFile, bool loadAutomatic = true);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Handle() const { return form_; }
  // Start-up once the window exists: settings into the controls, the command-line drawings.
  void FormShow(const std::vector<std::u16string>& arguments);
  // The message loop of the program; returns the exit code.
  int Run();
  // Whether the loop should not dispatch the message: it was a key of the window's dialog
  // navigation, a mnemonic or the Esc of a run.
  bool PreTranslate(MSG& message);

  // The drop of file names, as WM_DROPFILES hands them over.
  void DropNames(const std::vector<std::u16string>& names);
  // Drawings a later start of the program handed over (WM_COPYDATA); false when not taken.
  bool WMCopyData(const COPYDATASTRUCT& data);

  TPrintApp App;
  TFormFlows& Flows() { return *flows_; }

  // TFormView
  std::vector<std::u16string> ListEntries() const override;
  void SetListEntries(const std::vector<std::u16string>& entries) override;
  std::vector<bool> ListSelection() const override;
  void SetListSelection(const std::vector<bool>& selected) override;
  void SetStatus(const std::u16string& text, const std::u16string& drawing) override;
  bool Question(const std::u16string& text) override;
  void Notice(const std::u16string& text) override;
  void FormToSettings() override;
  void SettingsToForm() override;
  void ShowPrinterInfo() override;
  void RunBegins(int count) override;
  void RunEnds() override;
  void FileBegins(int index) override;
  void FileEnds(int index) override;
  bool EscPressed() override;

  std::u16string StatusText() const { return status_; }
  // Questions and notices are answered without a message box when set (tests).
  bool (*AutoAnswer)(const std::u16string& text) = nullptr;

  // Controls, named as on the form.
  HWND StatusBar1 = nullptr;
  HWND ProgressBar1 = nullptr;
  HWND Panel1 = nullptr;
  HWND Button12 = nullptr;
  HWND Button20 = nullptr;  // print preview
  HWND Button13 = nullptr;
  HWND Button14 = nullptr;
  HWND Button15 = nullptr;
  HWND Button16 = nullptr;
  HWND PageControl1 = nullptr;
  HWND TabSheet1 = nullptr;
  HWND TabSheet2 = nullptr;
  HWND TabSheet3 = nullptr;
  HWND TabSheet4 = nullptr;
  HWND Label1 = nullptr;
  HWND Button1 = nullptr;
  HWND Button2 = nullptr;
  HWND Button17 = nullptr;
  HWND Button18 = nullptr;
  HWND Button19 = nullptr;
  HWND ListBox1 = nullptr;
  HWND ListBox2 = nullptr;
  HWND Panel3 = nullptr;
  HWND Button3 = nullptr;
  HWND LabelA1 = nullptr;
  HWND RadioButton1 = nullptr;
  HWND RadioButton2 = nullptr;
  HWND RadioButton3 = nullptr;
  HWND Edit1 = nullptr;
  HWND Edit2 = nullptr;
  HWND Edit3 = nullptr;
  HWND Edit11 = nullptr;
  HWND CheckBox1 = nullptr;
  HWND CheckBox2 = nullptr;
  HWND CheckBox3 = nullptr;
  HWND CheckBox4 = nullptr;
  HWND CheckBox5 = nullptr;
  HWND CheckBox6 = nullptr;
  HWND Edit4 = nullptr;
  HWND Edit5 = nullptr;
  HWND Edit6 = nullptr;
  HWND UpDown1 = nullptr;
  HWND UpDown2 = nullptr;
  HWND UpDown3 = nullptr;
  HWND ComboBox1 = nullptr;
  HWND RadioGroup1 = nullptr;
  HWND RadioGroup2 = nullptr;
  HWND RadioGroup1Items[4] = {};
  HWND RadioGroup2Items[3] = {};
  HWND LabelA2 = nullptr;
  HWND Button4 = nullptr;
  // Tabs "線色・線幅" (SG01, Button5 .. Button9) and "線　種" (SG02, Edit10, Button10, Button11).
  std::unique_ptr<TPenTab> PenTab;
  std::unique_ptr<TLtypeTab> LtypeTab;

  // The colour shown by LabelA2, 0x00BBGGRR.
  COLORREF DisplayOnlyColour() const { return labelA2Colour_; }
  // Shows the page of a tab (0 .. 3).
  void ShowTab(int index);

  // TPageHandler: the controls of the pages and of the panel.
  bool OnCommand(int id, int code, HWND control) override;
  HBRUSH OnStaticColor(HDC dc, HWND control) override;

 private:
  static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  // Form building, one part per area.
  void BuildForm();
  void BuildPanel1(int top);
  void BuildPageControl1(int height);
  void BuildFileTab();
  void BuildSettingsTab();
  void BuildPrintStyleGroup();
  void BuildColourOptions();
  void BuildLayerOptions();
  void BuildDisplayOnlyGroup();
  void BuildTableTabs();
  // The dialogs, status bar and shared objects the two table tabs use.
  TWinTableTabServices TableTabServices();
  void BuildStatusBar();
  // Status bar parts: the text alone, or the text and the progress bar.
  void LayOutStatusBar(bool withProgress);
  void DrawTabCaption(const DRAWITEMSTRUCT& item);
  // The status text as it fits the bar.
  std::u16string FitStatus(const std::u16string& text, const std::u16string& drawing) const;

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
  void WMDropFiles(HDROP drop);
  // The close box and Alt+F4 ask as "終了(&X)" does; a run is stopped before the window goes.
  void FormCloseQuery();
  void CloseWindow();

  // The print tab to and from the settings; the table tabs move their own.
  void PrintTabToSettings();
  void SettingsToPrintTab();
  void PaintSwatch(COLORREF colour);

  std::filesystem::path FindJwwExe() const;
  std::filesystem::path DialogFolder(const std::u16string& remembered) const;
  // The printer the run prints on; null when there is none or the user cancelled.
  TPrinter* OpenRunPrinter();
  void SetRunControlsEnabled(bool enabled);
  bool ClickMnemonic(wchar_t letter);

  std::filesystem::path programFile_;
  bool loadAutomatic_;
  WinPrintPlatform platform_;
  std::unique_ptr<TFormFlows> flows_;
  HWND form_ = nullptr;
  TLayoutScale scale_;
  HFONT font_ = nullptr;
  std::u16string status_;
  COLORREF labelA2Colour_ = RGB(128, 128, 128);
  HBRUSH swatchBrush_ = nullptr;

  // The printer chosen in the set-up dialog, with the settings its dialog gave (DEVMODE).
  TPrinterChoice printer_;
  std::unique_ptr<TPrinter> runPrinter_;
  TPageForward penPage_;
  TPageForward ltypePage_;

  bool escPressed_ = false;
  bool closeAfterRun_ = false;
  bool closed_ = false;
};

}  // namespace tavolex
