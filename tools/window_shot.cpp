// window_shot OUTDIR [DRAWING.jww ...]: opens the main window without a display, lists the
// drawings (the examples when none are given) and writes one PNG of the window per tab and one
// of the print preview.
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/window/Unit1.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_shot OUTDIR [DRAWING.jww ...]\n");
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  tavolex::SetWindowFont();
  tavolex::LoadQtJapaneseTexts();

  const QString out = QString::fromLocal8Bit(argv[1]);
  std::filesystem::create_directories(std::filesystem::path(out.toStdString()));
  QStringList drawings;
  for (int i = 2; i < argc; ++i)
    drawings << QString::fromLocal8Bit(argv[i]);
  if (drawings.isEmpty()) {
    for (const char* name : {"floor-plan.jww", "layer-groups.jww", "stored-image.jww"})
      drawings << QStringLiteral(TAVOLEX_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
  }

  // A program folder of its own, so no settings of a real window are read or written.
  QTemporaryDir home;
  tavolex::TForm1 form(std::filesystem::path(home.filePath("tavolex").toStdString()), false);
  form.FormShow(drawings);
  form.show();
  QApplication::processEvents();
  for (int i = 0; i < form.PageControl1->count(); ++i) {
    form.PageControl1->setCurrentIndex(i);
    QApplication::processEvents();
    const QString file = QStringLiteral("%1/window-tab%2.png").arg(out).arg(i + 1);
    if (!form.grab().save(file)) {
      std::fprintf(stderr, "window_shot: cannot write %s\n", file.toLocal8Bit().constData());
      return 1;
    }
    std::printf("%s\n", file.toLocal8Bit().constData());
  }

  // The print preview of the listed drawings, as "印刷プレビュー(&V)" opens it.
  QPrintPreviewDialog* preview = form.PreviewDialog();
  preview->show();
  QApplication::processEvents();
  const QString file = QStringLiteral("%1/window-preview.png").arg(out);
  if (!preview->grab().save(file)) return 1;
  std::printf("%s\n", file.toLocal8Bit().constData());
  preview->close();
  return 0;
}
