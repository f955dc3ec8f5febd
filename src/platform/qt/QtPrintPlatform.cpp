#include "platform/qt/QtPrintPlatform.h"

#include <QCollator>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <cstdlib>
#include <iostream>

#include "platform/qt/QtPrinters.h"

namespace tavolex {

namespace {

// Qt's notes about the desktop session (no runtime folder on a server) are not the user's concern.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (text.startsWith(QStringLiteral("QStandardPaths:"))) return;
  std::cerr << text.toStdString() << "\n";
}

}  // namespace

QtPrintPlatform::QtPrintPlatform(int& argc, char** argv) {
  if (QCoreApplication::instance() != nullptr) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(FilterQtMessages);
  app_ = std::make_unique<QGuiApplication>(argc, argv);
}

QtPrintPlatform::~QtPrintPlatform() = default;

std::vector<std::u16string> QtPrintPlatform::PrinterNames() const {
  std::vector<std::u16string> names;
  for (const QString& name : SystemPrinterNames())
    names.push_back(name.toStdU16String());
  return names;
}

std::u16string QtPrintPlatform::DefaultPrinterName() const {
  return QPrinterInfo::defaultPrinterName().toStdU16String();
}

std::unique_ptr<TPrinter> QtPrintPlatform::OpenPrinter(const std::u16string& name,
                                                       std::optional<TSheetId> sheet,
                                                       std::optional<TOrientation> orientation) {
  auto printer = std::make_unique<SystemPrinter>(
      QString::fromStdU16String(name),
      sheet ? std::optional(QtSheetId(*sheet)) : std::nullopt,
      orientation ? std::optional(QtOrientation(*orientation)) : std::nullopt);
  if (!printer->Valid()) return nullptr;
  return printer;
}

std::unique_ptr<TFilePrinter> QtPrintPlatform::MakePdfPrinter(const std::filesystem::path& target,
                                                              bool targetIsFolder,
                                                              const TPaperOptions& paper) {
  return std::make_unique<PdfPrinter>(target, targetIsFolder, QtPaperOf(paper));
}

std::unique_ptr<TFilePrinter> QtPrintPlatform::MakePngPrinter(const std::filesystem::path& folder,
                                                              const TPaperOptions& paper) {
  return std::make_unique<PngPrinter>(folder, QtPaperOf(paper));
}

std::unique_ptr<TImagePrinter> QtPrintPlatform::MakeImagePrinter(int width, int height, int dpi) {
  return std::make_unique<ImagePrinter>(QSize(width, height), dpi);
}

int QtPrintPlatform::ComparePathsForList(const std::u16string& a, const std::u16string& b) const {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator.compare(QString::fromStdU16String(a), QString::fromStdU16String(b));
}

std::unique_ptr<TPrintPlatform> MakePrintPlatform(int& argc, char** argv) {
  return std::make_unique<QtPrintPlatform>(argc, argv);
}

}  // namespace tavolex
