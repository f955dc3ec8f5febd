// What the main window does when its buttons are pressed, apart from the window itself: the
// drawing list, the settings files, the reset, the print run, the start and the exit. The Linux
// and the Windows window both hand their controls to these flows through TFormView, so each step
// and each status text exists once.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/FileListRules.h"
#include "app/PrintApp.h"
#include "app/PrintDriver.h"

namespace tavolex {

class TPrinter;

// The window as the flows see it: its drawing list, its status line, its questions and the
// moving of its controls' values to and from the settings.
class TFormView {
 public:
  virtual ~TFormView() = default;

  virtual std::vector<std::u16string> ListEntries() const = 0;
  virtual void SetListEntries(const std::vector<std::u16string>& entries) = 0;
  virtual std::vector<bool> ListSelection() const = 0;
  virtual void SetListSelection(const std::vector<bool>& selected) = 0;
  // The status line; drawing, when given, is the path the text names (shown in full elsewhere).
  virtual void SetStatus(const std::u16string& text, const std::u16string& drawing) = 0;
  // A Yes/No question; true for Yes.
  virtual bool Question(const std::u16string& text) = 0;
  // A notice with OK.
  virtual void Notice(const std::u16string& text) = 0;

  // The controls' values into the settings and back (all tabs).
  virtual void FormToSettings() = 0;
  virtual void SettingsToForm() = 0;
  virtual void ShowPrinterInfo() = 0;

  // The print run: the controls that change the list, the settings or the printer are locked and
  // the progress shows count drawings; then unlocked again.
  virtual void RunBegins(int count) = 0;
  virtual void RunEnds() = 0;
  // The entry being printed is selected and shown; once done, it is unselected and counted.
  virtual void FileBegins(int index) = 0;
  virtual void FileEnds(int index) = 0;
  // Lets the window handle what is waiting (painting, keys); true once Esc stopped the run.
  virtual bool EscPressed() = 0;
};

class TFormFlows {
 public:
  // compare orders the list when it is sorted (the platform's locale order, case ignored).
  TFormFlows(TPrintApp& app, TFormView& view, TListCompare compare);

  // Start-up once the window exists: folders, shared objects and the automatic settings file,
  // the settings into the controls, then the drawings named on the command line.
  void Start(const std::filesystem::path& programFile, const std::filesystem::path& bootJww,
             bool loadAutomatic, const std::vector<std::u16string>& arguments);
  // The exit: the controls into the settings, the window's frame kept, the automatic file written.
  void Close(const TWindowGeometry& frame);

  // Drawings appended to the list, leaving out what is listed or not a drawing; the number added.
  int AddFiles(const std::vector<std::u16string>& names);
  // Drawings named on a command line, taken as full paths, in lower case where file names ignore
  // case; the number added.
  int AddNamedFiles(const std::vector<std::u16string>& names);
  // Drawings a later start of the program hands to this window (already full paths); the status
  // tells the count. Refused (false) during a run.
  bool TakeHandedOverFiles(const std::vector<std::u16string>& names);
  // The files chosen in the open dialog: their folder is remembered, the status tells the count.
  void AddChosenFiles(const std::vector<std::u16string>& names);
  // A drop of file names (each cut to its longest length); refused (false) during a run.
  bool DropFiles(const std::vector<std::u16string>& names);
  // The selected entries, after the question.
  void DeleteSelected();
  void MoveSelection(bool up);
  void SortList();

  // The folder a file dialog opens in: the remembered one when usable, else the folder of the
  // focused (index, -1 for none) or the last listed drawing, else the fallbacks in order.
  std::filesystem::path DialogFolder(const std::u16string& remembered, int focusedIndex,
                                     const std::vector<std::filesystem::path>& fallbacks) const;

  // The settings-file buttons with a chosen path; the folder of the path is remembered.
  void SaveSettingsTo(const std::filesystem::path& file);
  void OpenSettingsFrom(const std::filesystem::path& file);
  // The reset button: after the question, the list is emptied and the defaults shown.
  void AskReset();
  void ResetSettings();
  bool AskExit();

  // The print button: an empty list is noticed, the start is asked, the settings are taken from
  // the controls, then openPrinter gives the printer of the run (the window keeps it; nullptr
  // when the user cancelled) and the listed drawings are printed, each entry shown while it
  // prints, Esc noticed between files. The closing status tells how it ended.
  void PrintRun(const std::function<TPrinter*()>& openPrinter);
  // An empty list is noticed; false then.
  bool ListReady();
  // The listed drawings onto a printer without the run's window steps (the print preview).
  TPrintRunResult PrintListTo(TPrinter& printer);
  bool Running() const { return running_; }

 private:
  TPrintRunResult RunDriver(TPrinter& printer, bool interactive);

  TPrintApp& app_;
  TFormView& view_;
  TListCompare compare_;
  bool running_ = false;
};

}  // namespace tavolex
