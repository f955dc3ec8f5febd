#include "platform/qt/MetafilePicture.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include <emf2svg.h>

namespace tavolex {

namespace {

constexpr qint64 kMaxMetafileBytes = qint64{64} * 1024 * 1024;
// Metafiles are vector drawings; they are rendered with at least this many pixels across their
// longer side so that a crop stays sharp, and at most with kMaxSide.
constexpr int kMinSide = 1024;
constexpr int kMaxSide = 4096;

QByteArray ToSvg(QByteArray emf) {
  generatorOptions options{};
  char svgNamespace[] = "";
  options.nameSpace = svgNamespace;
  options.verbose = false;
  options.emfplus = true;
  options.svgDelimiter = true;
  char* out = nullptr;
  size_t length = 0;
  const int ok = emf2svg(emf.data(), static_cast<size_t>(emf.size()), &out, &length, &options);
  const std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
  if (ok == 0 || out == nullptr || length == 0) return {};
  return QByteArray(out, static_cast<qsizetype>(length));
}

}  // namespace

bool IsEnhancedMetafile(const QString& path) {
  return path.endsWith(QStringLiteral(".emf"), Qt::CaseInsensitive);
}

QImage DecodeEnhancedMetafile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > kMaxMetafileBytes) {
    return {};
  }
  const QByteArray svg = ToSvg(file.readAll());
  if (svg.isEmpty()) return {};
  QSvgRenderer renderer(svg);
  const QSizeF size = renderer.viewBoxF().size();
  if (!renderer.isValid() || !(size.width() > 0.0) || !(size.height() > 0.0)) return {};
  const double longer = std::max(size.width(), size.height());
  const double scale = std::clamp(longer, double{kMinSide}, double{kMaxSide}) / longer;
  const int width = std::max(1, static_cast<int>(std::lround(size.width() * scale)));
  const int height = std::max(1, static_cast<int>(std::lround(size.height() * scale)));
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(0, 0, width, height));
  painter.end();
  return image;
}

}  // namespace tavolex
