// tavolex: the desktop window. Drawings named on the command line are listed at start.
#include <QApplication>
#include <QTimer>
#include <atomic>
#include <csignal>

#include "app/AppFolders.h"
#include "app/window/Unit1.h"

namespace {

std::atomic<bool> gTerminate{false};

// The end of a session closes the window through the exit steps without asking, so the settings
// are kept.
extern "C" void OnTerminate(int) {
  gTerminate = true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tavolex::SetWindowFont();
  tavolex::LoadQtJapaneseTexts();
  tavolex::TForm1 form(tavolex::ProgramFile(argv[0]));
  QStringList arguments = QApplication::arguments();
  if (!arguments.isEmpty()) arguments.removeFirst();
  form.FormShow(arguments);
  form.show();

  std::signal(SIGTERM, OnTerminate);
  std::signal(SIGINT, OnTerminate);
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, &form, [&form] {
    if (!gTerminate) return;
    // An open question or dialog is answered "No" first, so nothing goes on after the window's
    // objects are released.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      return;
    }
    gTerminate = false;
    form.CloseWithoutQuestion();
  });
  watch.start(200);
  return QApplication::exec();
}
