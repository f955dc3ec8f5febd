// Draws one A3 sheet with every primitive of the engine into a PNG, for people to look at:
// all 50 line types (straight and around an arc), every point marker code, every filled arc
// kind, ellipses at several tilts, lines clipped at the page edges and a picture.
//
//   engine_sheet [output.png] [pixels-per-mm] [left bottom width height (mm): save only that part]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "platform/qt/QPainterCanvas.h"

namespace {

using namespace tavolex;

constexpr double kPi = std::numbers::pi;
constexpr double kSheetW = 420.0;
constexpr double kSheetH = 297.0;
const std::u16string kFont = u"ＭＳ ゴシック";

// Line-type number of table entry n.
int LtypeNumber(int n) {
  if (n < 9) return n + 1;
  if (n < 14) return n + 2;
  if (n < 18) return n + 2;
  return n + 13;
}

void Label(TGraph1& g, double x, double y, const std::string& text, double h = 2.5) {
  g.GLPenSet(0, 1, 1, 0.0);
  g.GLAText2(x, y, 0.0, h, h, 0.0, 0, kFont, std::u16string(text.begin(), text.end()));
}

void DrawLineTypes(TGraph1& g) {
  Label(g, 10, 285, "Line types 1-50 (table entries), straight and around an arc", 3.5);
  for (int n = 0; n < 50; ++n) {
    const int jn = LtypeNumber(n);
    const double y = 278.0 - n * 5.4;
    Label(g, 10, y - 1.0, std::to_string(jn), 2.5);
    g.GLPenSet(0, 1, jn, 0.18);
    g.GLSetDT();
    g.GLLineDT(0, jn, 22, y, 122, y);
    // Two joined segments: the pattern runs on across the joint.
    g.GLSetDT();
    g.GLLineDT(0, jn, 126, y, 141, y);
    g.GLLineDT(0, jn, 141, y, 156, y);
  }
  // Patterned arcs, one per kind of pattern.
  const int arcTypes[] = {2, 5, 9, 11, 15, 16, 44};
  for (int i = 0; i < 7; ++i) {
    const double cx = 172.0 + (i % 2) * 22.0, cy = 265.0 - (i / 2) * 24.0;
    g.GLPenSet(0, 2 + i % 7, arcTypes[i], 0.25);
    g.GLSetDT();
    g.GLEllipseArcDT(0, arcTypes[i], cx, cy, 9, 1.0, 0.0, 0.0, 1.5 * kPi);
    Label(g, cx - 3, cy - 1, std::to_string(arcTypes[i]), 2.5);
  }
}

void DrawMarkers(TGraph1& g) {
  Label(g, 215, 285, "Markers: codes -8..12 at angle 0 / 30 deg, scale 1.5", 3.5);
  for (int pc = -8; pc <= 12; ++pc) {
    const int i = pc + 8;
    const double x = 220.0 + (i % 7) * 27.0, y = 270.0 - (i / 7) * 26.0;
    Label(g, x - 4, y + 7, std::to_string(pc), 2.5);
    g.GLTenMarker(x, y, 0, pc, 0.0, 1.5, 0, 2, 0, 0);
    g.GLTenMarker(x + 12, y, 0, pc, kPi / 6, 1.5, 0, 5, 0, 0);
  }
  // A temporary point and ordinary points of each pen.
  Label(g, 220, 196, "temporary point, ordinary points of pens 1-9", 2.5);
  g.GLTenMarker(222, 190, 1, 4, 0.0, 3.0, 0, 1, 0, 0);
  for (int pen = 1; pen <= 9; ++pen)
    g.GLTenMarker(228.0 + pen * 6.0, 190, 0, 0, 0, 1, 0, pen, 0, 0);
}

void DrawSolidArcs(TGraph1& g) {
  Label(g, 215, 178, "Solid arcs: 101 zf=100/0/5/7, 111 zf=100/0, 105, 106; tilt 20 deg", 3.5);
  struct Kind {
    int sty;
    double zf;
  };
  const Kind kinds[] = {{101, 100}, {101, 0}, {101, 5}, {101, 7},
                        {111, 100}, {111, 0}, {105, 6}, {106, 6}};
  for (int i = 0; i < 8; ++i) {
    const double cx = 230.0 + (i % 4) * 45.0, cy = 160.0 - (i / 4) * 32.0;
    g.GLPenSet(0, 2 + i, 1, 0.3);
    g.GLSolidArc(kinds[i].sty, cx, cy, 12, 0.6, 20 * kPi / 180, 0.2, 1.4 * kPi / 2 + 0.3,
                 kinds[i].zf);
    Label(g, cx - 12, cy - 14,
          std::to_string(kinds[i].sty) + " zf " + std::to_string(static_cast<int>(kinds[i].zf)));
  }
}

void DrawEllipses(TGraph1& g) {
  Label(g, 215, 100, "Ellipses h=0.4 at tilts 0, 30, 60, 90, 135 deg; boxes turned alike", 3.5);
  const double tilts[] = {0, 30, 60, 90, 135};
  for (int i = 0; i < 5; ++i) {
    const double cx = 230.0 + i * 36.0, cy = 80.0;
    g.GLPenSet(0, 1 + i, 1, 0.2);
    g.GLEllipse(cx, cy, 14, 0.4, tilts[i] * kPi / 180);
    g.GLBoxA(cx - 5, cy - 22, cx + 5, cy - 17, tilts[i] * kPi / 180);
  }
}

void DrawClipping(TGraph1& g) {
  // Lines crossing each page edge, one lying on the left edge (not drawn), patterned lines
  // crossing the bottom edge.
  g.GLPenSet(0, 2, 1, 0.5);
  g.GLLine(-10, 150, 20, 160);
  g.GLLine(400, 140, 440, 120);
  g.GLLine(160, 280, 170, 320);
  g.GLLine(0, 20, 0, 60);
  for (int i = 0; i < 4; ++i) {
    g.GLSetDT();
    g.GLLineDT(0, 2 + i, 15 + i * 8, -10, 25 + i * 8, 20);
  }
  g.GLPenSet(0, 6, 1, 0.25);
  g.GLEllipse(kSheetW, 60, 12, 1.0, 0);  // a circle cut by the right edge
  Label(g, 60, 8, "lines clipped at the page edges", 2.5);
}

std::filesystem::path MakePicture() {
  QImage pic(160, 100, QImage::Format_RGB32);
  for (int y = 0; y < pic.height(); ++y) {
    for (int x = 0; x < pic.width(); ++x)
      pic.setPixel(x, y, qRgb(x * 255 / 160, y * 255 / 100, 140));
  }
  QPainter p(&pic);
  p.setPen(Qt::white);
  p.drawRect(0, 0, 159, 99);
  p.drawLine(0, 0, 159, 99);
  p.drawText(QRect(0, 0, 160, 100), Qt::AlignCenter, "picture");
  p.end();
  const auto file = std::filesystem::temp_directory_path() / "tavolex-sheet-picture.png";
  pic.save(QString::fromStdString(file.string()));
  return file;
}

void DrawPictures(TGraph1& g, const std::filesystem::path& file) {
  Label(g, 300, 50, "Picture: whole, turned 30 deg, right-hand crop", 3.5);
  g.GLImage2(300, 15, 332, 35, 0, 0, 0, 0, file.u16string());
  g.GLImage2(345, 10, 377, 30, 0, 0, 0, 30, file.u16string());
  g.GLImage2(385, 15, 401, 35, 0.5, 0, 0.5, 0, file.u16string());
  // Tiny: at 5 px/mm a 3-pixel frame, drawn as a placeholder box.
  g.GLImage2(405, 15, 405.6, 15.6, 0, 0, 0, 0, file.u16string());
}

}  // namespace

int main(int argc, char** argv) {
  // The sheets are images; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string out = argc > 1 ? argv[1] : "engine_sheet.png";
  const double scale = argc > 2 ? std::stod(argv[2]) : 5.0;

  ViewScale = scale;
  ViewWidth = kSheetW * scale;
  ViewHeight = kSheetH * scale;
  ViewMinX = 0;
  ViewMinY = 0;
  ViewMaxX = kSheetW;
  ViewMaxY = kSheetH;

  TgraAttribute att;
  att.SetDisplayMode(true);
  GAtt = &att;

  QImage image(static_cast<int>(ViewWidth), static_cast<int>(ViewHeight), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(&painter);
  {
    TGraph1 g(&canvas);
    g.G_Start();
    DrawLineTypes(g);
    DrawMarkers(g);
    DrawSolidArcs(g);
    DrawEllipses(g);
    DrawClipping(g);
    const auto picture = MakePicture();
    DrawPictures(g, picture);
    std::filesystem::remove(picture);
    g.G_End();
  }
  painter.end();
  GAtt = nullptr;
  if (argc > 6) {
    const double left = std::stod(argv[3]), bottom = std::stod(argv[4]);
    const double width = std::stod(argv[5]), height = std::stod(argv[6]);
    image = image.copy(QRect(static_cast<int>(left * scale),
                             static_cast<int>((kSheetH - bottom - height) * scale),
                             static_cast<int>(width * scale), static_cast<int>(height * scale)));
  }
  if (!image.save(QString::fromStdString(out))) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s: %dx%d\n", out.c_str(), image.width(), image.height());
  return 0;
}
