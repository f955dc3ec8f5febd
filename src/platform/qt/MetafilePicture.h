// Enhanced metafiles (.emf) as pictures: converted to SVG by libemf2svg and rendered by Qt SVG.
#pragma once

#include <QImage>
#include <QString>

namespace tavolex {

// True for a file name that ends in ".emf" (any case).
bool IsEnhancedMetafile(const QString& path);

// The metafile rendered at its own size on a transparent background; a null image when the
// file cannot be read, is larger than a metafile can sensibly be, or does not convert.
QImage DecodeEnhancedMetafile(const QString& path);

}  // namespace tavolex
