// Renders every drawing of a folder (default: the shared sample drawings) fitted onto an A3
// landscape sheet at 150 dpi and writes one PNG per drawing, for people to look at.
//
//   render_samples [drawing folder] [output folder] [dpi]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "platform/QPainterCanvas.h"
#include "support/TestPaths.h"

namespace fs = std::filesystem;
using namespace tavolex;

namespace {

constexpr double kA3LongMm = 420.0;
constexpr double kA3ShortMm = 297.0;

std::vector<fs::path> DrawingsIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file() && LowerStr(StrFromPath(it->path().extension())) == u".jww") {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The page window of fit printing: the extents widened by 1 %, centred on the sheet.
void FitPage(const TJwwData& doc, double widthPx, double heightPx) {
  ViewWidth = widthPx;
  ViewHeight = heightPx;
  const double w = std::fabs(doc.myMaxWx - doc.myMinWx) * 1.01;
  const double h = std::fabs(doc.myMaxWy - doc.myMinWy) * 1.01;
  const double sx = w > 0 ? widthPx / w : 1.0;
  const double sy = h > 0 ? heightPx / h : 1.0;
  ViewScale = std::min(sx, sy);
  const double cx = (doc.myMinWx + doc.myMaxWx) / 2.0;
  const double cy = (doc.myMinWy + doc.myMaxWy) / 2.0;
  ViewMinX = cx - 0.5 * widthPx / ViewScale;
  ViewMaxX = cx + 0.5 * widthPx / ViewScale;
  ViewMinY = cy - 0.5 * heightPx / ViewScale;
  ViewMaxY = cy + 0.5 * heightPx / ViewScale;
}

bool Render(const fs::path& file, const fs::path& out, const fs::path& work, int dpi) {
  TgraAttribute att;
  GAtt = &att;
  att.SetDisplayMode(true);
  att.SetBackColor(0);
  att.SetDispHojo(0);
  att.SetPrintMode(true, -1, -1, -1);

  TJwwData doc;
  doc.BindImageFolder = work;
  doc.BindImageExp = true;
  doc.BindImageExr = true;
  const bool complete = doc.FileIn(file);
  doc.FileColorSet();
  doc.FileLtypeSet();
  doc.SetGAttLayer();
  doc.GetMinMaxZahyo();

  const int widthPx = static_cast<int>(std::lround(kA3LongMm / 25.4 * dpi));
  const int heightPx = static_cast<int>(std::lround(kA3ShortMm / 25.4 * dpi));
  FitPage(doc, widthPx, heightPx);

  QImage image(widthPx, heightPx, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(&painter);
    TGraph1 graph(&canvas);
    GGraph = &graph;
    graph.G_Start();
    doc.GLDrawALL3(0, -1, -1, true, true, false, 0.0);
    graph.G_End();
    GGraph = nullptr;
  }
  doc.BindImageDeleteGzFile();
  doc.BindImageDeleteNonGzFile();
  GAtt = nullptr;

  const bool saved = image.save(QString::fromStdString(out.string()), "PNG");
  std::printf("%s%s: extents (%.1f, %.1f)-(%.1f, %.1f), %.3f px/mm -> %s%s\n",
              file.filename().string().c_str(), complete ? "" : " (incomplete)", doc.myMinWx,
              doc.myMinWy, doc.myMaxWx, doc.myMaxWy, ViewScale, out.string().c_str(),
              saved ? "" : " NOT SAVED");
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : test::SamplesDir();
  const fs::path outFolder = argc > 2 ? fs::path(argv[2]) : fs::path("renders");
  const int dpi = argc > 3 ? std::clamp(std::atoi(argv[3]), 10, 1200) : 150;
  std::error_code ec;
  fs::create_directories(outFolder, ec);
  const fs::path work = outFolder / "work";
  fs::create_directories(work, ec);

  int failures = 0;
  for (const fs::path& file : DrawingsIn(folder)) {
    std::string name = fs::relative(file, folder, ec).replace_extension(".png").string();
    std::replace(name.begin(), name.end(), '/', '_');
    if (!Render(file, outFolder / name, work, dpi)) ++failures;
  }
  fs::remove(work, ec);
  return failures == 0 ? 0 : 1;
}
