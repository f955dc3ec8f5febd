// Renders every drawing of a folder (default: the shared sample drawings) fitted onto an A3
// landscape sheet at 150 dpi and writes one PNG per drawing, for people to look at.
//
//   render_samples [drawing folder] [output folder] [dpi] [rotation in degrees, counter-clockwise]
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

#include "app/PrintDriver.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "platform/qt/QPainterCanvas.h"
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

// The box of the four extents corners turned by rot about the origin.
void TurnExtents(TJwwData& doc, double rot) {
  if (rot == 0.0) return;
  const double xs[] = {doc.myMinWx, doc.myMaxWx};
  const double ys[] = {doc.myMinWy, doc.myMaxWy};
  double minx = 1e300, miny = 1e300, maxx = -1e300, maxy = -1e300;
  for (double x : xs) {
    for (double y : ys) {
      const double tx = RotateX(x, y, 0, 0, rot);
      const double ty = RotateY(x, y, 0, 0, rot);
      minx = std::min(minx, tx);
      maxx = std::max(maxx, tx);
      miny = std::min(miny, ty);
      maxy = std::max(maxy, ty);
    }
  }
  doc.myMinWx = minx;
  doc.myMinWy = miny;
  doc.myMaxWx = maxx;
  doc.myMaxWy = maxy;
}

bool Render(const fs::path& file, const fs::path& out, const fs::path& work, int dpi,
            double rotationDeg) {
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
  // The whole drawing turns about the origin; fit the turned extents.
  const double rot = rotationDeg * 3.14159265358979323846 / 180.0;
  TurnExtents(doc, rot);

  const int widthPx = static_cast<int>(std::lround(kA3LongMm / 25.4 * dpi));
  const int heightPx = static_cast<int>(std::lround(kA3ShortMm / 25.4 * dpi));
  UsePlacement(FitPlacement(doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy, widthPx, heightPx));

  QImage image(widthPx, heightPx, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(&painter);
    TGraph1 graph(&canvas);
    GGraph = &graph;
    graph.G_Start();
    doc.GLDrawALL3(0, -1, -1, true, true, false, rot);
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
  // The sheets are images; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : test::SamplesDir();
  const fs::path outFolder = argc > 2 ? fs::path(argv[2]) : fs::path("renders");
  const int dpi = argc > 3 ? std::clamp(std::atoi(argv[3]), 10, 1200) : 150;
  const double rotationDeg = argc > 4 ? std::atof(argv[4]) : 0.0;
  std::error_code ec;
  fs::create_directories(outFolder, ec);
  const fs::path work = outFolder / "work";
  fs::create_directories(work, ec);

  int failures = 0;
  for (const fs::path& file : DrawingsIn(folder)) {
    std::string name = fs::relative(file, folder, ec).replace_extension(".png").string();
    std::replace(name.begin(), name.end(), '/', '_');
    if (!Render(file, outFolder / name, work, dpi, rotationDeg)) ++failures;
  }
  fs::remove(work, ec);
  return failures == 0 ? 0 : 1;
}
