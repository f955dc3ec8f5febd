// The window's controls as the flows see them.
#include <QApplication>
#include <QListWidget>
#include <QProgressBar>

#include "app/window/Unit1.h"

namespace tavolex {

class TForm1::View : public TFormView {
 public:
  explicit View(TForm1& form) : form_(form) {}

  std::vector<std::u16string> ListEntries() const override {
    return ToU16Strings(form_.ListEntries());
  }
  void SetListEntries(const std::vector<std::u16string>& entries) override {
    form_.SetListEntries(ToQStrings(entries));
  }
  std::vector<bool> ListSelection() const override { return form_.ListSelection(); }
  void SetListSelection(const std::vector<bool>& selected) override {
    form_.SetListSelection(selected);
  }
  void SetStatus(const std::u16string& text, const std::u16string& drawing) override {
    form_.SetStatus(text, QString::fromStdU16String(drawing));
  }
  bool Question(const std::u16string& text) override {
    return form_.Question(QString::fromStdU16String(text));
  }
  void Notice(const std::u16string& text) override {
    form_.Notice(QString::fromStdU16String(text));
  }
  void FormToSettings() override { form_.FormToSettings(); }
  void SettingsToForm() override { form_.SettingsToForm(); }
  void ShowPrinterInfo() override { form_.ShowPrinterInfo(); }

  void RunBegins(int count) override {
    form_.escPressed_ = false;
    form_.SetRunControlsEnabled(false);
    form_.ListBox1->clearSelection();
    form_.ProgressBar1->setRange(0, count);
    form_.ProgressBar1->setValue(0);
    form_.ProgressBar1->show();
  }
  void RunEnds() override {
    form_.ListBox1->clearSelection();
    form_.ProgressBar1->hide();
    form_.SetRunControlsEnabled(true);
  }
  void FileBegins(int index) override {
    form_.ListBox1->item(index)->setSelected(true);
    form_.ListBox1->repaint();
  }
  void FileEnds(int index) override {
    form_.ListBox1->item(index)->setSelected(false);
    form_.ProgressBar1->setValue(index + 1);
  }
  bool EscPressed() override {
    form_.StatusBar1->repaint();
    QCoreApplication::processEvents();
    if (form_.escPressed_) QApplication::beep();
    return form_.escPressed_;
  }

 private:
  TForm1& form_;
};

std::unique_ptr<TFormFlows> TForm1::MakeFlows() {
  static int argc = 0;
  platform_ = MakePrintPlatform(argc, nullptr);
  view_ = std::make_unique<View>(*this);
  const TPrintPlatform* platform = platform_.get();
  return std::make_unique<TFormFlows>(App, *view_,
                                      [platform](const std::u16string& a, const std::u16string& b) {
                                        return platform->ComparePathsForList(a, b);
                                      });
}

}  // namespace tavolex
