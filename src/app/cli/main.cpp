// tavolex-print: the print run without a window.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"

namespace {

// Qt's notes about the desktop session (no runtime folder on a server) are not the user's concern.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (text.startsWith(QStringLiteral("QStandardPaths:"))) return;
  std::cerr << text.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    tavolex::cli::PrintUsage(std::cerr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    tavolex::cli::PrintUsage(std::cout);
    return 0;
  }
  if (args[0] == "--version") {
    tavolex::cli::PrintVersion(std::cout);
    return 0;
  }
  if (args[0] == "--info") {
    return tavolex::cli::RunInfoCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
  }
  // Fonts and pictures need the GUI layer, but never a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(FilterQtMessages);
  QGuiApplication qt(argc, argv);
  if (args[0] == "--thumbnail") {
    return tavolex::cli::RunThumbnailCommand({args.begin() + 1, args.end()}, argv[0], std::cerr);
  }
  return tavolex::cli::RunPrintCommand(args, argv[0], std::cout, std::cerr);
}
