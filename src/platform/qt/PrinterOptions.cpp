#include <QChar>
#include <QString>
#include <cctype>

#include "platform/qt/QtPath.h"
#include "platform/qt/QtPrinters.h"

namespace tavolex {

bool ParsePaperName(const std::string& name, QPageSize::PageSizeId& id) {
  std::string key;
  for (char c : name)
    key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  static const std::map<std::string, QPageSize::PageSizeId> kPapers = {
      {"a0", QPageSize::A0},          {"a1", QPageSize::A1},         {"a2", QPageSize::A2},
      {"a3", QPageSize::A3},          {"a4", QPageSize::A4},         {"a5", QPageSize::A5},
      {"a6", QPageSize::A6},          {"b3", QPageSize::JisB3},      {"b4", QPageSize::JisB4},
      {"b5", QPageSize::JisB5},       {"letter", QPageSize::Letter}, {"legal", QPageSize::Legal},
      {"tabloid", QPageSize::Tabloid}};
  const auto it = kPapers.find(key);
  if (it == kPapers.end()) return false;
  id = it->second;
  return true;
}

QString FileNameFromTitle(const std::u16string& title) {
  QString name = QString::fromStdU16String(title);
  for (QChar& c : name) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == '/' || u == '\\' || u == ':' || u == '*' || u == '?' || u == '"' ||
        u == '<' || u == '>' || u == '|') {
      c = QChar(u'_');
    }
  }
  name = name.trimmed();
  if (name.isEmpty() || name == "." || name == "..") name = "Tavolex";
  return name;
}

QString UniqueFileName(std::map<QString, int>& used, const QString& base, const QString& ext) {
  const int n = ++used[base];
  return n == 1 ? base + ext : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(ext);
}

QPageSize::PageSizeId ASeriesSheet(int aSeries, QPageSize::PageSizeId fallback) {
  static constexpr QPageSize::PageSizeId kSheets[] = {QPageSize::A0, QPageSize::A1, QPageSize::A2,
                                                      QPageSize::A3, QPageSize::A4};
  return aSeries >= 0 && aSeries <= 4 ? kSheets[aSeries] : fallback;
}

QSize SheetPixels(const TPaperOptions& options) {
  return SheetPixels(options, options.paper);
}

QSize SheetPixels(const TPaperOptions& options, QPageSize::PageSizeId paper) {
  QSize px = QPageSize(paper).sizePixels(options.dpi);
  if (options.orientation == QPageLayout::Landscape) px.transpose();
  return px;
}

PaperSheetPrinter::PaperSheetPrinter(const TPaperOptions& options)
    : WholeSheetPrinter(SheetPixels(options), options.dpi),
      options_(options),
      paper_(options.paper) {}

bool PaperSheetPrinter::UseSheet(int aSeries) {
  paper_ = ASeriesSheet(aSeries, options_.paper);
  sheet_ = SheetPixels(options_, paper_);
  return true;
}

std::filesystem::path PaperSheetPrinter::UniqueFile(const std::filesystem::path& folder,
                                                    const QString& key, const QString& ext) {
  return folder / PathFromQtText(UniqueFileName(usedNames_, key, ext));
}

void PaperSheetPrinter::FileWritten(const std::filesystem::path& file, const QString& key) {
  files_.push_back(file);
  keys_.push_back(key);
}

}  // namespace tavolex
