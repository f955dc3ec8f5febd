#include "app/window/PdfOutputMemory.h"

#include <QSettings>

namespace tavolex {

namespace {

constexpr char kPaper[] = "PdfOutput/Paper";
constexpr char kOrientation[] = "PdfOutput/Orientation";
constexpr char kFolder[] = "PdfOutput/Folder";

QSettings WindowSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavolex"),
                   QStringLiteral("Tavolex"));
}

}  // namespace

void LoadPdfOutput(TPdfOutput& output) {
  const QSettings kept = WindowSettings();
  bool ok = false;
  const int paper = kept.value(kPaper).toInt(&ok);
  if (ok && paper >= 0 && paper <= QPageSize::LastPageSize && paper != QPageSize::Custom)
    output.paper.paper = static_cast<QPageSize::PageSizeId>(paper);
  const int orientation = kept.value(kOrientation).toInt(&ok);
  if (ok && (orientation == QPageLayout::Portrait || orientation == QPageLayout::Landscape))
    output.paper.orientation = static_cast<QPageLayout::Orientation>(orientation);
  const QString folder = kept.value(kFolder).toString();
  if (!folder.isEmpty()) output.folder = folder;
}

void SavePdfOutput(const TPdfOutput& output) {
  QSettings kept = WindowSettings();
  kept.setValue(kPaper, static_cast<int>(output.paper.paper));
  kept.setValue(kOrientation, static_cast<int>(output.paper.orientation));
  if (!output.folder.isEmpty()) kept.setValue(kFolder, output.folder);
}

}  // namespace tavolex
